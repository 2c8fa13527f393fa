// One table of the tool's sequences (GuestSequences.cpp), run on the simulated backend and on
// the kernel's HID stack (hidapi over hidraw, the firmware answering through /dev/uhid) with the
// same firmware and the same virtual clock: each must exchange the same reports in the same
// order, wait as long and come to the same result.
#include "GuestSequences.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Where two transcripts part, or empty when they agree.
std::string FirstDifference(const std::vector<QString>& kernel, const std::vector<QString>& sim)
{
    for (size_t i = 0; i < std::max(kernel.size(), sim.size()); ++i) {
        const QString k = i < kernel.size() ? kernel[i] : QStringLiteral("(nothing)");
        const QString s = i < sim.size() ? sim[i] : QStringLiteral("(nothing)");
        if (k != s)
            return QStringLiteral("report %1: kernel '%2', simulated '%3'").arg(i).arg(k, s).toStdString();
    }
    return {};
}

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
        EXPECT_EQ(FirstDifference(onKernel.reports, onSim.reports), "");
        EXPECT_EQ(onKernel.result.toStdString(), onSim.result.toStdString());
        EXPECT_EQ(onKernel.waitedMs, onSim.waitedMs);
        std::printf("%-26s %4zu reports, %6lld ms of waits: %s\n", sequence.name,
                    onKernel.reports.size(), static_cast<long long>(onKernel.waitedMs),
                    qPrintable(onKernel.result));
    }
}

}  // namespace
