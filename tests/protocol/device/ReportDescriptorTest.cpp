#include "protocol/device/ReportDescriptor.h"
#include "protocol/device/SampleDescriptors.h"

#include <gtest/gtest.h>

#include <random>

using namespace SampleDescriptors;

namespace {

struct Expected {
    std::uint16_t page, usage, input, output, feature;
};

void expectCollection(const TopLevelCollection& c, const Expected& e)
{
    EXPECT_EQ(c.usagePage, e.page);
    EXPECT_EQ(c.usage, e.usage);
    EXPECT_EQ(c.inputReportByteLength, e.input);
    EXPECT_EQ(c.outputReportByteLength, e.output);
    EXPECT_EQ(c.featureReportByteLength, e.feature);
}

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes repeat(const Bytes& part, int times)
{
    Bytes all;
    for (int i = 0; i < times; ++i)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

bool sameCollections(const std::vector<TopLevelCollection>& a, std::size_t count,
                     const std::vector<TopLevelCollection>& b)
{
    for (std::size_t i = 0; i < count; ++i)
        if (a[i].usagePage != b[i].usagePage || a[i].usage != b[i].usage ||
            a[i].inputReportByteLength != b[i].inputReportByteLength ||
            a[i].outputReportByteLength != b[i].outputReportByteLength ||
            a[i].featureReportByteLength != b[i].featureReportByteLength)
            return false;
    return true;
}

}  // namespace

TEST(ReportDescriptor, RealDescriptorsGiveWindowsReportLengths)
{
    ParsedReportDescriptor mouse = parseReportDescriptor(kBootMouse);
    ASSERT_TRUE(mouse.complete());
    ASSERT_EQ(mouse.collections.size(), 1u);
    expectCollection(mouse.collections[0], {0x01, 0x02, 4, 0, 0});

    ParsedReportDescriptor keyboard = parseReportDescriptor(kBootKeyboard);
    ASSERT_TRUE(keyboard.complete());
    ASSERT_EQ(keyboard.collections.size(), 1u);
    expectCollection(keyboard.collections[0], {0x01, 0x06, 9, 2, 0});

    ParsedReportDescriptor vendor = parseReportDescriptor(kVendorFeature);
    ASSERT_TRUE(vendor.complete());
    ASSERT_EQ(vendor.collections.size(), 1u);
    expectCollection(vendor.collections[0], {0xFF00, 0x01, 0, 0, 8});

    ParsedReportDescriptor receiver = parseReportDescriptor(kReceiver);
    ASSERT_TRUE(receiver.complete());
    ASSERT_EQ(receiver.collections.size(), 3u);
    expectCollection(receiver.collections[0], {0x01, 0x06, 9, 2, 8});
    expectCollection(receiver.collections[1], {0x01, 0x02, 6, 0, 0});
    expectCollection(receiver.collections[2], {0x0C, 0x01, 3, 0, 0});
}

TEST(ReportDescriptor, LargestReportOfEachTypeWins)
{
    const Bytes d = {
        0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x01,
        0x75, 0x08, 0x95, 0x02, 0xB1, 0x02,              // feature ID 1: 2 bytes
        0x85, 0x02, 0x95, 0x05, 0xB1, 0x02,              // feature ID 2: 5 bytes
        0x85, 0x03, 0x75, 0x01, 0x95, 0x03, 0xB1, 0x02,  // feature ID 3: 3 bits
        0x85, 0x01, 0x95, 0x09, 0x81, 0x02,              // input ID 1: 9 bits -> 2 bytes
        0xC0,
    };
    ParsedReportDescriptor p = parseReportDescriptor(d);
    ASSERT_EQ(p.collections.size(), 1u);
    expectCollection(p.collections[0], {0x01, 0x02, 3, 0, 6});
}

TEST(ReportDescriptor, GlobalAndLocalStateRules)
{
    // Push saves the report size; Pop restores it after the change inside.
    const Bytes pushPop = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08,
        0x95, 0x04, 0xA4, 0x75, 0x20, 0xB1, 0x02, 0xB4,  // 32 x 4 bits of feature
        0x81, 0x02,                                      // 8 x 4 bits of input after Pop
        0xC0,
    };
    ParsedReportDescriptor p = parseReportDescriptor(pushPop);
    ASSERT_TRUE(p.complete());
    expectCollection(p.collections.at(0), {0xFF00, 0x01, 5, 0, 17});

    // A 4-byte usage carries its own page; a short usage takes the page current at the
    // Collection item, even when the Usage Page item follows the Usage.
    const Bytes extended = {0x05, 0x01, 0x0B, 0x01, 0x00, 0x0C, 0x00, 0xA1, 0x01,
                            0xC0, 0x09, 0x80, 0x05, 0x0C, 0xA1, 0x01, 0xC0};
    p = parseReportDescriptor(extended);
    ASSERT_EQ(p.collections.size(), 2u);
    EXPECT_EQ(p.collections[0].usagePage, 0x0C);
    EXPECT_EQ(p.collections[0].usage, 0x01);
    EXPECT_EQ(p.collections[1].usagePage, 0x0C);
    EXPECT_EQ(p.collections[1].usage, 0x80);

    // Local state ends with each main item: a nested collection's usage does not rename the
    // top-level one, and a collection without a usage has usage 0.
    const Bytes noUsage = {0x05, 0x01, 0xA1, 0x01, 0x09, 0x02, 0xA1, 0x00, 0xC0, 0xC0};
    p = parseReportDescriptor(noUsage);
    ASSERT_EQ(p.collections.size(), 1u);
    EXPECT_EQ(p.collections[0].usage, 0);
}

TEST(ReportDescriptor, ItemsOutsideApplicationCollectionsAreIgnored)
{
    // Trailing globals, zero padding, data items and a long item after the last End
    // Collection; a physical collection at top level is no top-level collection.
    const Bytes tail = {0x75, 0x08, 0x95, 0x40, 0x81, 0x02, 0xB1, 0x02, 0xFE, 0x02, 0x10,
                        0xAA, 0xBB, 0xA1, 0x00, 0x81, 0x02, 0xC0, 0x00, 0x00, 0x00};
    ParsedReportDescriptor p = parseReportDescriptor(concat({kBootMouse, tail}));
    ASSERT_TRUE(p.complete());
    ASSERT_EQ(p.collections.size(), 1u);
    expectCollection(p.collections[0], {0x01, 0x02, 4, 0, 0});

    p = parseReportDescriptor(nullptr, 0);
    EXPECT_TRUE(p.complete());
    EXPECT_TRUE(p.collections.empty());
}

TEST(ReportDescriptor, FaultsKeepTheCollectionsClosedBefore)
{
    struct Case {
        const char* name;
        Bytes bytes;
        DescriptorStatus status;
    };
    const Case cases[] = {
        {"end collection without collection", {0xC0}, DescriptorStatus::Malformed},
        {"pop on empty stack", {0xB4}, DescriptorStatus::Malformed},
        {"report ID 0", {0x85, 0x00}, DescriptorStatus::Malformed},
        {"report ID above 255", {0x86, 0x00, 0x01}, DescriptorStatus::Malformed},
        {"push beyond the stack", repeat({0xA4}, 17), DescriptorStatus::StackOverflow},
        {"nesting too deep", repeat({0xA1, 0x01}, 33), DescriptorStatus::TooDeep},
        {"item cut short", {0x06, 0x00}, DescriptorStatus::Truncated},
        {"long item cut short", {0xFE, 0x05, 0x00, 0x01}, DescriptorStatus::Truncated},
        {"open collection at the end", {0xA1, 0x01, 0x81, 0x02}, DescriptorStatus::Truncated},
        {"too many items", repeat({0x75, 0x08}, 20000), DescriptorStatus::TooManyItems},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ParsedReportDescriptor p = parseReportDescriptor(concat({kVendorFeature, c.bytes}));
        EXPECT_EQ(p.status, c.status);
        EXPECT_GE(p.faultOffset, kVendorFeature.size());
        ASSERT_EQ(p.collections.size(), 1u);
        expectCollection(p.collections[0], {0xFF00, 0x01, 0, 0, 8});
    }

    // 32 levels are allowed; 16 pushes are allowed.
    Bytes deepest = concat({repeat({0xA1, 0x01}, 32), repeat({0xC0}, 32)});
    EXPECT_TRUE(parseReportDescriptor(deepest).complete());
    EXPECT_EQ(parseReportDescriptor(deepest).collections.size(), 1u);
    EXPECT_TRUE(parseReportDescriptor(repeat({0xA4}, 16)).complete());
}

TEST(ReportDescriptor, HugeCountsSaturateWithoutOverflow)
{
    Bytes d = {0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF};
    d = concat(
        {d, repeat({0xB1, 0x02, 0x81, 0x02}, 8), {0x75, 0x08, 0x95, 0x07, 0x91, 0x02, 0xC0}});
    ParsedReportDescriptor p = parseReportDescriptor(d);
    ASSERT_TRUE(p.complete());
    ASSERT_EQ(p.collections.size(), 1u);
    EXPECT_EQ(p.collections[0].featureReportByteLength, 0xFFFF);
    EXPECT_EQ(p.collections[0].inputReportByteLength, 0xFFFF);
    EXPECT_EQ(p.collections[0].outputReportByteLength, 8);
}

TEST(ReportDescriptor, EveryPrefixYieldsTheCollectionsClosedSoFar)
{
    for (const Bytes* full : {&kBootMouse, &kBootKeyboard, &kVendorFeature, &kReceiver}) {
        const ParsedReportDescriptor whole = parseReportDescriptor(*full);
        for (std::size_t n = 0; n < full->size(); ++n) {
            SCOPED_TRACE(n);
            const Bytes prefix(full->begin(), full->begin() + std::ptrdiff_t(n));
            const ParsedReportDescriptor p = parseReportDescriptor(prefix);
            ASSERT_LE(p.collections.size(), whole.collections.size());
            EXPECT_TRUE(sameCollections(p.collections, p.collections.size(), whole.collections));
            EXPECT_LE(p.faultOffset, n);
        }
        // Cutting the final End Collection loses exactly the last collection.
        const Bytes allButLast(full->begin(), full->end() - 1);
        const ParsedReportDescriptor cut = parseReportDescriptor(allButLast);
        EXPECT_EQ(cut.status, DescriptorStatus::Truncated);
        EXPECT_EQ(cut.collections.size(), whole.collections.size() - 1);
    }
}

TEST(ReportDescriptor, RandomAndMutatedInputStaysBounded)
{
    std::mt19937 rng(20240611);
    auto check = [](const Bytes& bytes) {
        const ParsedReportDescriptor p = parseReportDescriptor(bytes);
        EXPECT_LE(p.faultOffset, bytes.size());
        // Every record needs a Collection and an End Collection item of at least one byte.
        EXPECT_LE(p.collections.size(), bytes.size() / 2);
        if (p.complete()) {
            EXPECT_EQ(p.faultOffset, 0u);
        }
    };
    for (int round = 0; round < 3000; ++round) {
        Bytes random(rng() % 300);
        for (auto& b : random)
            b = static_cast<std::uint8_t>(rng());
        check(random);

        Bytes mutated = kReceiver;
        for (int flips = 1 + int(rng() % 4); flips > 0; --flips)
            mutated[rng() % mutated.size()] = static_cast<std::uint8_t>(rng());
        check(mutated);
    }
}
