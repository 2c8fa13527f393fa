#include "protocol/device/ReportDescriptor.h"

#include <algorithm>
#include <array>

using namespace ReportDescriptorLimits;

namespace {

enum ItemType : std::uint8_t { kMainItem = 0, kGlobalItem = 1, kLocalItem = 2 };

enum MainTag : std::uint8_t {
    kInput = 0x8,
    kOutput = 0x9,
    kCollection = 0xA,
    kFeature = 0xB,
    kEndCollection = 0xC,
};

enum GlobalTag : std::uint8_t {
    kUsagePage = 0x0,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB,
};

enum LocalTag : std::uint8_t { kUsage = 0x0, kUsageMinimum = 0x1 };

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::uint32_t kApplicationCollection = 0x01;

struct Item {
    bool isLong = false;
    std::uint8_t type = 0;
    std::uint8_t tag = 0;
    std::uint8_t dataSize = 0;
    std::uint32_t value = 0;  // little-endian, unsigned
};

enum class ReadResult { Read, End, Truncated };

// Reads the item at `offset` and advances `offset` past it; never reads past `size`.
ReadResult readItem(const std::uint8_t* data, std::size_t size, std::size_t& offset, Item& item)
{
    if (offset >= size)
        return ReadResult::End;
    const std::size_t left = size - offset - 1;  // bytes after the prefix
    const std::uint8_t prefix = data[offset];
    item = Item{};
    if (prefix == kLongItemPrefix) {
        // Long items carry no information this parser needs: only their length is read.
        if (left < 2 || left - 2 < data[offset + 1])
            return ReadResult::Truncated;
        item.isLong = true;
        offset += 3 + std::size_t(data[offset + 1]);
        return ReadResult::Read;
    }
    static constexpr std::uint8_t kDataBytes[4] = {0, 1, 2, 4};
    item.dataSize = kDataBytes[prefix & 0x3];
    if (left < item.dataSize)
        return ReadResult::Truncated;
    item.type = (prefix >> 2) & 0x3;
    item.tag = prefix >> 4;
    for (std::size_t i = 0; i < item.dataSize; ++i)
        item.value |= std::uint32_t(data[offset + 1 + i]) << (8 * i);
    offset += 1 + std::size_t(item.dataSize);
    return ReadResult::Read;
}

struct GlobalState {
    std::uint16_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

// Only the first usage matters: it names a collection.
struct LocalState {
    bool hasUsage = false;
    bool extended = false;  // 4-byte usage: the page is in the high half
    std::uint32_t usage = 0;
};

// Data bits per report ID of one report type within the open top-level collection.
class ReportSizes {
public:
    void add(std::uint8_t reportId, std::uint64_t bits)
    {
        std::uint64_t& total = bits_[reportId];
        total = bits >= kMaxReportBits - total ? kMaxReportBits : total + bits;
        // Totals only grow, so the largest report is known at every step.
        largestBits_ = std::max(largestBits_, total);
        present_ = true;
    }

    std::uint16_t largestByteLength() const
    {
        return present_ ? static_cast<std::uint16_t>((largestBits_ + 7) / 8 + 1) : 0;
    }

    void clear()
    {
        bits_.fill(0);
        largestBits_ = 0;
        present_ = false;
    }

private:
    std::array<std::uint64_t, 256> bits_{};
    std::uint64_t largestBits_ = 0;
    bool present_ = false;
};

class Parser {
public:
    Parser(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    ParsedReportDescriptor run()
    {
        if (!data_)
            size_ = 0;
        std::size_t offset = 0;
        Item item;
        for (int items = 0;; ++items) {
            itemOffset_ = offset;
            const ReadResult read = readItem(data_, size_, offset, item);
            if (read == ReadResult::End)
                break;
            if (read == ReadResult::Truncated)
                return fail(DescriptorStatus::Truncated);
            if (items >= kMaxDescriptorItems)
                return fail(DescriptorStatus::TooManyItems);
            if (!handle(item))
                return std::move(result_);
        }
        if (depth_ > 0) {
            itemOffset_ = size_;
            return fail(DescriptorStatus::Truncated);
        }
        return std::move(result_);
    }

private:
    ParsedReportDescriptor fail(DescriptorStatus status)
    {
        result_.status = status;
        result_.faultOffset = itemOffset_;
        return std::move(result_);
    }

    // False when the item is a fault; result_ then says which.
    bool handle(const Item& item)
    {
        if (item.isLong)
            return true;
        switch (item.type) {
        case kMainItem: {
            const bool ok = handleMain(item);
            local_ = LocalState{};
            return ok;
        }
        case kGlobalItem: return handleGlobal(item);
        case kLocalItem: handleLocal(item); return true;
        default: return true;  // reserved item type
        }
    }

    bool handleMain(const Item& item)
    {
        switch (item.tag) {
        case kInput: addData(input_); return true;
        case kOutput: addData(output_); return true;
        case kFeature: addData(feature_); return true;
        case kCollection: return openCollection(item.value);
        case kEndCollection: return closeCollection();
        default: return true;  // unknown main item
        }
    }

    bool handleGlobal(const Item& item)
    {
        switch (item.tag) {
        case kUsagePage: global_.usagePage = static_cast<std::uint16_t>(item.value); return true;
        case kReportSize: global_.reportSize = item.value; return true;
        case kReportCount: global_.reportCount = item.value; return true;
        case kReportId:
            if (item.value == 0 || item.value > 0xFF)
                return failItem(DescriptorStatus::Malformed);
            global_.reportId = static_cast<std::uint8_t>(item.value);
            return true;
        case kPush:
            if (globalStackDepth_ >= kMaxGlobalStackDepth)
                return failItem(DescriptorStatus::StackOverflow);
            globalStack_[globalStackDepth_++] = global_;
            return true;
        case kPop:
            if (globalStackDepth_ == 0)
                return failItem(DescriptorStatus::Malformed);
            global_ = globalStack_[--globalStackDepth_];
            return true;
        default: return true;  // logical and physical ranges, units: not needed here
        }
    }

    void handleLocal(const Item& item)
    {
        if ((item.tag != kUsage && item.tag != kUsageMinimum) || local_.hasUsage)
            return;
        local_.hasUsage = true;
        local_.extended = item.dataSize == 4;
        local_.usage = item.value;
    }

    bool failItem(DescriptorStatus status)
    {
        result_.status = status;
        result_.faultOffset = itemOffset_;
        return false;
    }

    void addData(ReportSizes& sizes)
    {
        if (!inApplication_)
            return;  // belongs to no top-level collection
        // Both factors are below 2^32, so the product fits in 64 bits.
        sizes.add(global_.reportId, std::uint64_t(global_.reportSize) * global_.reportCount);
    }

    bool openCollection(std::uint32_t kind)
    {
        if (depth_ >= kMaxCollectionDepth)
            return failItem(DescriptorStatus::TooDeep);
        if (depth_ == 0 && kind == kApplicationCollection) {
            inApplication_ = true;
            current_ = TopLevelCollection{};
            current_.usagePage =
                local_.extended ? std::uint16_t(local_.usage >> 16) : global_.usagePage;
            current_.usage = static_cast<std::uint16_t>(local_.usage & 0xFFFF);
            input_.clear();
            output_.clear();
            feature_.clear();
        }
        ++depth_;
        return true;
    }

    bool closeCollection()
    {
        if (depth_ == 0)
            return failItem(DescriptorStatus::Malformed);
        if (--depth_ == 0 && inApplication_) {
            current_.inputReportByteLength = input_.largestByteLength();
            current_.outputReportByteLength = output_.largestByteLength();
            current_.featureReportByteLength = feature_.largestByteLength();
            result_.collections.push_back(current_);
            inApplication_ = false;
        }
        return true;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t itemOffset_ = 0;
    GlobalState global_;
    std::array<GlobalState, kMaxGlobalStackDepth> globalStack_{};
    int globalStackDepth_ = 0;
    LocalState local_;
    int depth_ = 0;
    bool inApplication_ = false;  // inside a top-level application collection
    TopLevelCollection current_;
    ReportSizes input_;
    ReportSizes output_;
    ReportSizes feature_;
    ParsedReportDescriptor result_;
};

}  // namespace

ParsedReportDescriptor parseReportDescriptor(const std::uint8_t* data, std::size_t size)
{
    return Parser(data, size).run();
}
