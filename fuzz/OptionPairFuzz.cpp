// libFuzzer entry for the option answers read from the mouse's RF EEPROM: any two read results
// (bytes, or failures and out-of-range values) decode to a choice of the group, or to nothing
// when a read failed.
#include "FuzzInput.h"
#include "protocol/receiver/MouseOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    const auto group = OptionGroup(in.byte() % kOptionGroupCount);
    const int first = in.int16();
    const int second = in.int16();
    const OptionGroupTable& table = OptionTable(group);
    const auto isByte = [](int v) { return v >= 0 && v <= 0xFF; };
    const std::optional<int> choice = DecodeAnswer(group, first, second);
    const bool readsOk = isByte(first) && (table.form == AnswerForm::CpiBit || isByte(second));
    Expect(choice.has_value() == readsOk);
    if (choice)
        Expect(*choice >= 0 && *choice < table.choiceCount);
    Expect(IsComplementPair(first, second) == (isByte(first) && isByte(second) && (first ^ second) == 0xFF));
    // A choice written as its own stored value reads back as that choice.
    if (table.form == AnswerForm::ComplementPair && isByte(first) && choice &&
        IsComplementPair(first, second))
        Expect(DecodeAnswer(group, first, first ^ 0xFF) == choice);
    return 0;
}
