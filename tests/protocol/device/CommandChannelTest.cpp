#include "support/SimRig.h"

#include <gtest/gtest.h>

namespace {

using Trace = CommandChannel::TraceEntry;
using Report = CommandChannel::Report;
using Fault = std::function<void(SimFaults&)>;
using Exchange = std::function<void(CommandChannel&)>;
constexpr auto Request = &CommandChannel::request;

// Whatever path an exchange takes (answered, retried, given up, unplugged), the trace sees every
// call that reached the receiver once, in the receiver's order, with its bytes and outcome.
TEST(CommandChannelTest, TraceSeesEveryCallOnceInOrder)
{
    Report reply{};
    const std::pair<Fault, Exchange> rows[] = {
        {[](SimFaults& f) { f.nackReplies(2); }, [](CommandChannel& c) { c.EepromReadWord(15); }},
        {[](SimFaults& f) { f.failGets(1); }, [](CommandChannel& c) { c.EepromReadWord(15); }},
        {[](SimFaults& f) { f.failSets(2); }, [](CommandChannel& c) { c.RfQuery(0x24, 0x10); }},
        {[](SimFaults& f) { f.unplugAtExchange(3); },
         [](CommandChannel& c) { c.RfQuery(0x24, 7); }},
        {[](SimFaults& f) { f.failGets(1); },
         [&](CommandChannel& c) { c.polledRead(Request({0x0A}), reply); }},
        {[](SimFaults& f) { f.failSets(1); },
         [&](CommandChannel& c) { c.strictRead(Request({0x14}), reply); }},
        {[](SimFaults& f) { f.nackReplies(1); },
         [](CommandChannel& c) { c.EepromWriteWord(7, 0x00FF); }},
        {[](SimFaults&) {},
         [&](CommandChannel& c) {
             c.RfCommand(0x2B, 0x5A, 0x33);
             c.plainCommand(Request({0x0C}));
             c.statusRead(Request({0x09}), reply);
         }},
    };
    for (const auto& [fault, exchange] : rows) {
        SimRig rig;
        std::vector<Trace> trace;
        rig.channel.setTrace([&trace](const Trace& entry) { trace.push_back(entry); });
        fault(rig.faults());
        const qint64 mark = rig.log().mark();
        exchange(rig.channel);
        const std::vector<ReportLog::Entry> calls = rig.log().since(mark);
        EXPECT_FALSE(calls.empty());
        ASSERT_EQ(trace.size(), calls.size());
        for (size_t i = 0; i < calls.size(); ++i) {
            EXPECT_EQ(trace[i].direction == Trace::Direction::Set, calls[i].isSet()) << i;
            EXPECT_EQ(trace[i].ok, calls[i].ok) << i;
            const QString bytes = ReportLog::hex(trace[i].bytes.data(), trace[i].length);
            if (calls[i].isSet() || calls[i].ok) {  // a failed get delivers nothing to compare
                EXPECT_EQ(bytes, calls[i].hex()) << i;
            }
        }
    }
}

}  // namespace
