#include "subtitle/OffsetStore.h"

#include "ScopedEnv.h"
#include "TempDir.h"
#include "subtitle/SettingsFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using kw::FileDigest;

namespace {

QByteArray hex(const FileDigest& d) {
    return QByteArray(reinterpret_cast<const char*>(d.data()), 16).toHex();
}

class OffsetStore : public ::testing::Test {
protected:
    QString recordPath(const FileDigest& d) const {
        return config.path("Kelpwhistle/" + kw::offsetFileName(d));
    }

    kwtest::TempDir config;
    kwtest::ScopedEnv configHome{"XDG_CONFIG_HOME", config.path("").toUtf8()};
    FileDigest digest{};
};

} // namespace

TEST_F(OffsetStore, RecordNamesFollowTheDigest) {
    ASSERT_TRUE(kw::digestFile(config.write("a.mp3", "abc"), digest));
    EXPECT_EQ(hex(digest), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(kw::offsetFileName(digest), QStringLiteral("45454733"));
    EXPECT_EQ(kw::offsetFileName(FileDigest{}), QStringLiteral("16777821"));

    // A file larger than any read block hashes like md5sum.
    QByteArray big(3'000'000, '\0');
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 % 251);
    ASSERT_TRUE(kw::digestFile(config.write("big.mp3", big), digest));
    EXPECT_EQ(hex(digest), QCryptographicHash::hash(big, QCryptographicHash::Md5).toHex());
}

TEST_F(OffsetStore, UnreadableFileLeavesTheDigestAlone) {
    digest.fill(0xAB);
    EXPECT_FALSE(kw::digestFile(config.path("missing.mp3"), digest));
    EXPECT_FALSE(kw::digestFile(config.path(""), digest)) << "a folder";
    FileDigest expected;
    expected.fill(0xAB);
    EXPECT_EQ(digest, expected);
}

TEST_F(OffsetStore, WriteThenRead) {
    EXPECT_EQ(kw::readOffset(digest), 0) << "no record yet";
    EXPECT_FALSE(QFile::exists(recordPath(digest)));

    kw::writeOffset(digest, -300);
    EXPECT_EQ(kwtest::TempDir::read(recordPath(digest)), QByteArray("\xD4\xFE\xFF\xFF", 4));
    EXPECT_EQ(kw::readOffset(digest), -300);

    kw::writeOffset(digest, 0);
    EXPECT_EQ(kwtest::TempDir::read(recordPath(digest)), QByteArray(4, '\0'));
    EXPECT_EQ(kw::readOffset(digest), 0);

    // A read-only record is rewritten.
    ASSERT_TRUE(QFile::setPermissions(recordPath(digest), QFile::ReadOwner));
    kw::writeOffset(digest, 300);
    EXPECT_EQ(kw::readOffset(digest), 300);
}

TEST_F(OffsetStore, StoredValuesAreClampedAndShortRecordsFillTheLowBytes) {
    const struct {
        QByteArray record;
        std::int32_t read;
    } cases[] = {
        {QByteArray("\x88\x13\0\0", 4), 2000},      // 5000
        {QByteArray("\x78\xEC\xFF\xFF", 4), -2000}, // -5000
        {QByteArray("\x2C\x01", 2), 300},           // two bytes
        {QByteArray("\xFF", 1), 255},               // one byte
        {QByteArray(), 0},                          // empty
        {QByteArray("\x64\0\0\0extra", 9), 100},    // only four bytes count
        {QByteArray("\0\0\0\x80", 4), -2000},       // the smallest 32-bit value
    };
    ASSERT_TRUE(QDir().mkpath(config.path("Kelpwhistle")));
    for (const auto& c : cases) {
        config.write("Kelpwhistle/" + kw::offsetFileName(digest), c.record);
        EXPECT_EQ(kw::readOffset(digest), c.read) << c.record.toHex().toStdString();
    }
}

TEST_F(OffsetStore, UnwritableFolderIsSilent) {
    config.write("Kelpwhistle", "a plain file where the folder belongs");
    kw::writeOffset(digest, 500);
    EXPECT_EQ(kw::readOffset(digest), 0);
}

TEST(SettingsFolder, ConfigHomeOrItsDefault) {
    kwtest::ScopedEnv home("HOME", QByteArray("/home/learner"));
    const struct {
        std::optional<QByteArray> configHome;
        const char* folder;
    } cases[] = {
        {QByteArray("/tmp/cfg"), "/tmp/cfg/Kelpwhistle"},
        {std::nullopt, "/home/learner/.config/Kelpwhistle"},
        {QByteArray(""), "/home/learner/.config/Kelpwhistle"},
        {QByteArray("relative/cfg"), "/home/learner/.config/Kelpwhistle"},
    };
    for (const auto& c : cases) {
        kwtest::ScopedEnv configHome("XDG_CONFIG_HOME", c.configHome);
        EXPECT_EQ(kw::settingsFolder(), QString::fromUtf8(c.folder))
            << c.configHome.value_or("(unset)").toStdString();
    }
}
