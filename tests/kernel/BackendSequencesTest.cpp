// One table of the tool's sequences (GuestSequences.cpp), run on the simulated backend and on
// the kernel's HID stack (hidapi over hidraw, the firmware answering through /dev/uhid) with the
// same firmware and the same virtual clock: each must exchange the same reports in the same
// order, wait as long and come to the same result.
#include "GuestSequences.h"

#include <gtest/gtest.h>

namespace {

TEST(RealStackSequences, SendTheSameReportsAndDecodeTheSameAnswersAsOnTheSimulatedBackend)
{
    SimSide sim;
    KernelSide kernel;
    ASSERT_TRUE(sim.Start());
    ASSERT_TRUE(kernel.Start());
    for (const Sequence& sequence : Sequences()) {
        SCOPED_TRACE(sequence.name);
        const SequenceRun onSim = RunOn(sim, sequence);
        const SequenceRun onKernel = RunOn(kernel, sequence);
        EXPECT_FALSE(onSim.reports.empty());
        EXPECT_EQ(TranscriptText(onKernel.reports), TranscriptText(onSim.reports));
        EXPECT_EQ(onKernel.result.toStdString(), onSim.result.toStdString());
        EXPECT_EQ(onKernel.waitedMs, onSim.waitedMs);
    }
}

}  // namespace
