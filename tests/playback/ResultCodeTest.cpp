#include "playback/ResultCode.h"

#include <gtest/gtest.h>

using namespace kw;

TEST(ResultCode, NamedCodesKeepTheirValuesAndFail) {
    EXPECT_EQ(static_cast<std::uint32_t>(result::kNotFound), 0x80040216u);
    EXPECT_EQ(static_cast<std::uint32_t>(result::kNoAudioHardware), 0x80040256u);
    EXPECT_EQ(static_cast<std::uint32_t>(result::kClassNotRegistered), 0x80040154u);
    EXPECT_TRUE(failed(result::kNotFound));
    EXPECT_FALSE(failed(result::kOk));
    EXPECT_FALSE(failed(result::kNothing));
}

TEST(ResultCode, NamedCodesHaveChineseTexts) {
    EXPECT_EQ(resultText(result::kNoAudioHardware),
              QStringLiteral("无法播放音频流：没有可用的音频硬件，或硬件不受支持。"));
    EXPECT_EQ(resultText(result::kNotFound), QStringLiteral("找不到对象或名称。"));
    EXPECT_TRUE(resultText(result::kClassNotRegistered).startsWith(u"没有注册类"));
}

TEST(ResultCode, UnknownCodeShowsItsNumber) {
    EXPECT_EQ(resultText(result::fromBits(0x8123ABCD)), QStringLiteral("未知错误（0x8123ABCD）。"));
}

TEST(ResultCode, MediaErrorKeepsGStreamersMessageWithinTheLimit) {
    const ResultCode code = result::mediaError(result::MediaErrorDomain::Stream, 7);
    EXPECT_TRUE(failed(code));
    EXPECT_EQ(resultText(code), QStringLiteral("媒体流错误。"));

    rememberMediaErrorMessage(code, QStringLiteral("Could not decode stream."));
    EXPECT_EQ(resultText(code), QStringLiteral("媒体流错误：Could not decode stream."));

    rememberMediaErrorMessage(code, QString(400, u'x'));
    EXPECT_EQ(resultText(code).size(), 255);
    EXPECT_NE(code, result::mediaError(result::MediaErrorDomain::Resource, 7));
}
