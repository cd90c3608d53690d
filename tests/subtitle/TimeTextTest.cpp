#include "subtitle/TimeText.h"

#include <gtest/gtest.h>
#include <limits>

using kw::formatTime;
using kw::parseTime;

TEST(ParseTime, ReadsTagTexts) {
    const struct {
        const char16_t* text;
        std::int32_t ms;
    } cases[] = {
        {u"01:02.5", 62500}, {u"1:2:3", 3723000},    {u"00:12.34", 12340}, {u"12", -1},
        {u"1:2:3:4", -1},    {u"00:12.3abc", 12300}, {u"00:02.01", 2010},  {u" 01: +02.5", 62500},
        {u"-1:00.00", -1},   {u"00:-1", -1},         {u"x:00.00", -1},     {u"00:", -1},
        {u":5", -1},         {u"-1:0:0", -1},        {u"abc:1:0", 60000},  {u"0:00.001", 1},
        {u"1e1:0", 600000},  {u"0x10:0", 960000},    {u"nan:0", -1},       {u"123:00.00", 7380000},
        {u"", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseTime(QString::fromUtf16(c.text)), c.ms)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(ParseTime, SaturatesBeyondTheIntegerRange) {
    EXPECT_EQ(parseTime(u"99999999:00.00"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(parseTime(u"inf:00"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(parseTime(u"00:1e400"), std::numeric_limits<std::int32_t>::max());
}

TEST(ParseTime, IgnoresTheProgramLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // a decimal comma, where installed
    EXPECT_EQ(parseTime(u"00:12.34"), 12340);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatTime, RendersMinutesSecondsHundredths) {
    const struct {
        std::int64_t ms;
        const char* text;
    } cases[] = {
        {0, "00:00.00"},        {12349, "00:12.34"}, {2010, "00:02.01"},  {-5, "00:00.00"},
        {6000000, "100:00.00"}, {61230, "01:01.23"}, {59999, "00:59.99"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatTime(c.ms).toStdString(), c.text) << c.ms;
}

TEST(FormatTime, RoundTripsEveryHundredth) {
    for (std::int32_t ms = 0; ms < 200000; ms += 10)
        ASSERT_EQ(parseTime(formatTime(ms)), ms);
}
