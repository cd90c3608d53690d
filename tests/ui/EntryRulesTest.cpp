#include "ui/EntryRules.h"

#include "FakeHost.h"
#include "ui/VolumeScale.h"

#include <gtest/gtest.h>
#include <optional>

using namespace kw::ui;

namespace {

TEST(StrictTimeEntry, AcceptsOnlyTheFormShownInTheDialog) {
    const struct {
        const char16_t* entry;
        std::optional<std::int32_t> ms;
    } cases[] = {
        {u"02:02.02", 122020},   {u"00:00.50", 500}, {u"123:00.00", 7380000},
        {u"00:00.00", 0},        {u"00:00.5", {}},   {u"2:2.2", {}},
        {u"02:60.00", {}},       {u" 02:02.02", {}}, {u"02:02.02 ", {}},
        {u"01:02:03.04", {}},    {u"-01:00.00", {}}, {u"", {}},
        {u"02:02.020", {}},      {u"002:02.02", {}}, {u"abc", {}},
        {u"99999999:00.00", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readStrictTime(c.entry), c.ms) << QString::fromUtf16(c.entry).toStdString();
}

TEST(StrictTimeEntry, MustLieStrictlyBetweenTheNeighbours) {
    const kw::LineTable table = kwtest::makeTable(3); // 1000, 2000, 3000
    EXPECT_TRUE(fitsBetweenNeighbours(table, 1, 1010));
    EXPECT_TRUE(fitsBetweenNeighbours(table, 1, 2990));
    EXPECT_FALSE(fitsBetweenNeighbours(table, 1, 1000));
    EXPECT_FALSE(fitsBetweenNeighbours(table, 1, 3000));
    EXPECT_TRUE(fitsBetweenNeighbours(table, 0, 0));
    EXPECT_FALSE(fitsBetweenNeighbours(table, 0, 2000));
    EXPECT_TRUE(fitsBetweenNeighbours(table, 2, 600000));
    EXPECT_FALSE(fitsBetweenNeighbours(table, 2, 2000));

    const kw::LineTable single = kwtest::makeTable(1);
    EXPECT_TRUE(fitsBetweenNeighbours(single, 0, 0));
    EXPECT_TRUE(fitsBetweenNeighbours(single, 0, 7380000));
}

TEST(NumberEntries, RepeatCountIsClampedNotRefused) {
    const struct {
        const char16_t* entry;
        int count;
    } cases[] = {
        {u"3", 3}, {u"0", 0},  {u"9", 9},          {u"12", 9},         {u"abc", 0},
        {u"", 0},  {u"-1", 0}, {u"2147483647", 9}, {u"2147483648", 0}, {u"99999999999999999999", 0},
        {u"4x", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(readRepeatCount(c.entry), c.count) << QString::fromUtf16(c.entry).toStdString();
}

TEST(NumberEntries, OffsetIsClampedAndShownAsEarlierOrLater) {
    const struct {
        const char16_t* entry;
        int offset;
        const char16_t* shown;
    } cases[] = {{u"300", 300, u"提前300毫秒"},
                 {u"-300", -300, u"延后300毫秒"},
                 {u"-3500", -2000, u"延后2000毫秒"},
                 {u"2500", 2000, u"提前2000毫秒"},
                 {u"0", 0, u"0"},
                 {u"abc", 0, u"0"},
                 {u"", 0, u"0"}};
    for (const auto& c : cases) {
        const int offset = readOffset(c.entry);
        EXPECT_EQ(offset, c.offset) << QString::fromUtf16(c.entry).toStdString();
        EXPECT_EQ(offsetText(offset), QString::fromUtf16(c.shown));
    }
}

TEST(VolumeScale, MapsSliderAndLevelBothWays) {
    const struct {
        int position;
        int level;
    } toLevel[] = {{100, 0}, {79, -511}, {10, -5000}, {1, -10000}};
    for (const auto& c : toLevel)
        EXPECT_EQ(levelFromSlider(c.position), c.level) << c.position;

    const struct {
        int level;
        int position;
    } toSlider[] = {{0, 100}, {-500, 79}, {-5000, 10}, {-10000, 1}, {-511, 79}};
    for (const auto& c : toSlider)
        EXPECT_EQ(sliderFromLevel(c.level), c.position) << c.level;
}

} // namespace
