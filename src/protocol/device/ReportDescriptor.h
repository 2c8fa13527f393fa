#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A bounded parser for HID report descriptors. Descriptors come from devices and are treated
// as untrusted: the parser never reads past its input, caps every count so that no arithmetic
// overflows, and bounds nesting, the global-state stack and the number of items.
//
// It yields one record per top-level collection (a Collection(Application) at nesting depth
// 0), in descriptor order, with the report lengths computed as the Windows HID parser reports
// them in HIDP_CAPS: per report type, the largest report of that type in the collection, in
// whole bytes, plus one byte for the report ID (added also when the collection uses no report
// IDs); 0 when the collection has no report of that type.
//
// On a fault the result keeps the collections that were closed before the fault and drops the
// one being parsed; `status` says what went wrong and `faultOffset` where. Items that this
// parser does not need (unknown main tags, reserved types, long items) are skipped, as are
// data items outside any top-level application collection.

struct TopLevelCollection {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t outputReportByteLength = 0;
    std::uint16_t featureReportByteLength = 0;
};

enum class DescriptorStatus {
    Complete,
    Truncated,      // the input ends inside an item or inside an open collection
    Malformed,      // unbalanced End Collection or Pop, invalid report ID
    TooDeep,        // collections nested beyond kMaxCollectionDepth
    StackOverflow,  // more than kMaxGlobalStackDepth nested Push items
    TooManyItems,   // more than kMaxDescriptorItems items
};

struct ParsedReportDescriptor {
    std::vector<TopLevelCollection> collections;
    DescriptorStatus status = DescriptorStatus::Complete;
    std::size_t faultOffset = 0;  // byte offset of the offending item; 0 when complete

    bool complete() const { return status == DescriptorStatus::Complete; }
};

namespace ReportDescriptorLimits {
constexpr int kMaxCollectionDepth = 32;
constexpr int kMaxGlobalStackDepth = 16;
constexpr int kMaxDescriptorItems = 16384;
// Report lengths are 16-bit: a report's data is capped so that its length, report ID byte
// included, stays at most 0xFFFF.
constexpr std::uint64_t kMaxReportBits = std::uint64_t(0xFFFE) * 8;
}  // namespace ReportDescriptorLimits

ParsedReportDescriptor parseReportDescriptor(const std::uint8_t* data, std::size_t size);

inline ParsedReportDescriptor parseReportDescriptor(const std::vector<std::uint8_t>& bytes)
{
    return parseReportDescriptor(bytes.data(), bytes.size());
}
