#include "repeat/StatusTexts.h"

#include "repeat/FixedText.h"
#include "repeat/RepeatView.h"

#include <QString>
#include <gtest/gtest.h>

using kw::PlayState;
using kw::ToolbarState;

TEST(StatusTexts, TimeTextShowsHoursMinutesSeconds) {
    struct Case {
        std::int64_t position;
        std::int64_t length;
        const char16_t* expected;
    };
    const Case cases[] = {
        {-1, 0, u"00:00:00 / 00:00:00"},         {3725000, 3725999, u"01:02:05 / 01:02:05"},
        {59999, 60000, u"00:00:59 / 00:01:00"},  {0, 360000000, u"00:00:00 / 100:00:00"},
        {-3725000, 999, u"00:00:00 / 00:00:00"},
    };
    for (const Case& c : cases) {
        kw::TimeText text;
        kw::formatTimeText(text, c.position, c.length);
        EXPECT_EQ(text.view(), QStringView(c.expected)) << c.position << " " << c.length;
    }
}

TEST(StatusTexts, SentenceCounter) {
    kw::StatusText text;
    kw::formatSentenceCounter(text, 4, 12);
    EXPECT_EQ(text.view(), u"4 / 12");
    kw::formatSentenceCounter(text, 1, 1);
    EXPECT_EQ(text.view(), u"1 / 1");
}

TEST(StatusTexts, FixedTextFormatsAndCutsAtItsCapacity) {
    kw::FixedText<8> text;
    text.format(u"%d|%.3d|%s", {-42, 7, QStringView(u"abcdef")});
    EXPECT_EQ(text.view(), u"-42|007|");
    text.format(u"%x %d%%", {5});
    EXPECT_EQ(text.view(), u"%x 5%%");
    text.format(u"%d", {std::int64_t(-9223372036854775807LL - 1)});
    EXPECT_EQ(text.view(), u"-9223372");
}

TEST(ToolbarStates, ButtonsFollowTheFileAndPlayState) {
    struct Case {
        bool loaded;
        PlayState state;
        ToolbarState expected;
    };
    const Case cases[] = {
        {false, kw::kStopped, {false, false, false}},
        {true, kw::kStopped, {true, false, true}},
        {true, kw::kPaused, {true, true, true}},
        {true, kw::kPlaying, {true, true, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kw::toolbarState(c.loaded, c.state), c.expected) << c.loaded << c.state;
}
