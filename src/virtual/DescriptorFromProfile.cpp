#include "virtual/DescriptorFromProfile.h"

namespace {

constexpr std::uint8_t kInputOutputIdBase = 0x10;

// Item prefixes with the size bits clear.
enum class Main : std::uint8_t { Input = 0x80, Output = 0x90, Feature = 0xB0 };

class DescriptorWriter {
public:
    void shortItem(std::uint8_t prefix, std::uint16_t value)
    {
        if (value > 0xFF) {
            bytes_.push_back(std::uint8_t(prefix | 0x02));
            bytes_.push_back(std::uint8_t(value & 0xFF));
            bytes_.push_back(std::uint8_t(value >> 8));
        } else {
            bytes_.push_back(std::uint8_t(prefix | 0x01));
            bytes_.push_back(std::uint8_t(value));
        }
    }
    void plain(std::uint8_t byte) { bytes_.push_back(byte); }

    // A report of vendor-defined bytes whose length is `length` as Windows counts it: the
    // data and one byte for the report ID, also when the collection uses none.
    void report(Main kind, std::uint8_t reportId, std::uint16_t length)
    {
        if (length <= 1)
            return;
        const std::uint16_t dataBytes = std::uint16_t(length - 1);
        if (reportId)
            shortItem(0x84, reportId);  // Report ID
        shortItem(0x04, 0xFF00);        // Usage Page (vendor defined)
        shortItem(0x08, 0x01);          // Usage
        shortItem(0x14, 0x00);          // Logical Minimum
        plain(0x26);                    // Logical Maximum 255, in two bytes: a one-byte
        plain(0xFF);                    // 0xFF would be -1 to a parser that reads it signed
        plain(0x00);
        shortItem(0x74, 8);                   // Report Size
        shortItem(0x94, dataBytes);           // Report Count
        shortItem(std::uint8_t(kind), 0x02);  // Data, Variable, Absolute
    }

    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace

std::vector<std::uint8_t> DescriptorFromProfile(const SimDeviceProfile& profile)
{
    DescriptorWriter writer;
    std::uint8_t index = 0;
    for (const SimCollection& c : profile.collections) {
        const std::uint8_t otherId = c.reportId ? std::uint8_t(kInputOutputIdBase + index) : 0;
        writer.shortItem(0x04, c.usagePage);  // Usage Page
        writer.shortItem(0x08, c.usage);      // Usage
        writer.shortItem(0xA0, 0x01);         // Collection (Application)
        writer.report(Main::Input, otherId, c.inputLength);
        writer.report(Main::Output, otherId, c.outputLength);
        writer.report(Main::Feature, c.reportId, c.featureLength);
        writer.plain(0xC0);  // End Collection
        ++index;
    }
    return writer.take();
}
