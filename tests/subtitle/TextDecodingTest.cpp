#include "subtitle/TextDecoding.h"

#include <gtest/gtest.h>

using kw::decodeText;
using kw::looksLikeUtf8;
using kw::normalizeLineEnds;

TEST(LooksLikeUtf8, FollowsTheThreeByteRules) {
    const struct {
        QByteArray bytes;
        bool utf8;
    } cases[] = {
        {"plain ascii", true},
        {"\xE4\xBD\xA0\xE5\xA5\xBD", true}, // 你好
        {"\xC3\xA9", true},                 // é
        {"ab\xC3", true},                   // cut 2-byte sequence
        {"ab\xE4\xBD", true},               // cut 3-byte sequence
        {"\x80", false},                    // continuation at a start
        {"\xC3\x41", false},                // missing continuation
        {"\xE4\xBD\x41", false},
        {"\xF0\x9F\x98\x80", false}, // 4-byte sequences are refused
        {"\xC4\xE3\xBA\xC3", false}, // 你好 in GB18030
        {"\xC0\x80", true},          // overlong forms pass
        {"\xED\xA0\x80", true},      // encoded surrogates pass
    };
    for (const auto& c : cases)
        EXPECT_EQ(looksLikeUtf8(c.bytes), c.utf8) << c.bytes.toHex().toStdString();
}

TEST(DecodeText, PicksTheEncodingFromMarksAndContent) {
    const QString hello = QStringLiteral("你好 a");
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE\x60\x4F\x7D\x59\x20\x00\x61\x00", 10)), hello);
    EXPECT_EQ(decodeText(QByteArray("\xFE\xFF\x4F\x60\x59\x7D\x00\x20\x00\x61", 10)), hello);
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\xBF\xE4\xBD\xA0\xE5\xA5\xBD a")), hello);
    EXPECT_EQ(decodeText(QByteArray("\xE4\xBD\xA0\xE5\xA5\xBD a")), hello);
    EXPECT_EQ(decodeText(QByteArray("\xC4\xE3\xBA\xC3 a")), hello);
    // The signature's third byte is not examined.
    EXPECT_EQ(decodeText(QByteArray("\xEF\xBB\x41xyz")), QStringLiteral("xyz"));
    // 4-byte UTF-8 goes through the legacy code page instead.
    EXPECT_NE(decodeText(QByteArray("\xF0\x9F\x98\x80")), QString::fromUtf8("\xF0\x9F\x98\x80"));
}

TEST(DecodeText, StopsAtTheFirstZero) {
    EXPECT_EQ(decodeText(QByteArray("ab\0cd", 5)), QStringLiteral("ab"));
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE\x61\x00\x00\x00\x62\x00", 8)), QStringLiteral("a"));
    // A UTF-16 file without a mark reads as its first character only.
    EXPECT_EQ(decodeText(QByteArray("[\0"
                                    "0\0",
                                    4)),
              QStringLiteral("["));
    // An odd trailing byte pairs with the zero that follows the data.
    EXPECT_EQ(decodeText(QByteArray("\xFF\xFE\x61\x00\x62", 5)), QStringLiteral("ab"));
    EXPECT_TRUE(decodeText(QByteArray()).isEmpty());
    EXPECT_TRUE(decodeText(QByteArray("\xEF\xBB")).isEmpty());
}

TEST(DecodeText, BadUtf8AfterASignatureBecomesReplacementCharacters) {
    const QString text = decodeText(QByteArray("\xEF\xBB\xBF"
                                               "a\xFF"
                                               "b"));
    EXPECT_TRUE(text.startsWith(u'a'));
    EXPECT_TRUE(text.endsWith(u'b'));
    EXPECT_TRUE(text.contains(QChar(0xFFFD)));
}

TEST(NormalizeLineEnds, WritesCrLfForEveryLineEnd) {
    EXPECT_EQ(normalizeLineEnds(u"a\r\nb\rc\nd"), QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(normalizeLineEnds(u"\nx\r"), QStringLiteral("\r\nx\r\n"));
    EXPECT_EQ(normalizeLineEnds(u"\r\r\n\n"), QStringLiteral("\r\n\r\n\r\n"));
    EXPECT_EQ(normalizeLineEnds(u""), QString());
}
