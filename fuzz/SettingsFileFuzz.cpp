// libFuzzer entry for the settings file reader: any file content, with the section and key
// asked for, gives at most a value that is part of the text.
#include "FuzzInput.h"
#include "window/app/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    // The first byte chooses between the tool's own section and key and ones from the input.
    const quint8 mode = in.byte();
    QString section = QStringLiteral("Setting"), key = QStringLiteral("Title");
    if (mode & 1) {
        section = QString::fromLatin1(in.rest().left(mode >> 4));
        key = QStringLiteral("title");
    }
    const QByteArray content = in.rest();
    if (const std::optional<QString> value = IniValue(content, section, key))
        Expect(value->size() <= QString::fromLocal8Bit(content).size());
    return 0;
}
