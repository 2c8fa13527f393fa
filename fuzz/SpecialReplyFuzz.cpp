// libFuzzer entry for the special command replies: the record of a reply, the grid rows it
// paints and the status tick's decision on its binding status. Rows stay inside their grids.
#include "FuzzInput.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/receiver/StatusReadouts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int command = data[0] % 6;  // 0 and 5 are no command at all
    const SpecialReply reply = SpecialReplyFrom(command, ReportFrom(data + 1, size - 1));
    Expect(!reply.bindingSettled || (command == 4 && BindingStatusSettled(reply.bytes[1])));
    const std::vector<ChannelMapRow> rows = ChannelMapRows(reply);
    const std::size_t expected[] = {0, 0, 7, 4, reply.bindingSettled ? 1u : 0u, 0};
    Expect(rows.size() == expected[command]);
    for (const ChannelMapRow& row : rows) {
        Expect(row.row >= 0 && row.row <= 3);
        for (int column = 0; column < 8; ++column)
            ChannelBitShown(row.bits, column);
    }
    const quint8 flags = size > 9 ? data[9] : 0;
    const std::optional<quint8> status =
        flags & 4 ? std::optional<quint8>(reply.bytes[1]) : std::nullopt;
    const BindingStep step = NextBindingStep(flags & 1, flags & 2, status);
    if (!(flags & 2))
        Expect(step.checkMouseLink);  // settings not read yet: the link is checked
    if (step.checkMouseLink)
        Expect(!step.prevBindingStatusBB);
    return 0;
}
