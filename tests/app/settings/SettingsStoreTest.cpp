#include "app/settings/SettingsStore.h"

#include "FileSizeLimit.h"
#include "ScopedEnv.h"
#include "TempDir.h"
#include "Utf16Bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

using kw::Settings;

namespace {

using kwtest::utf16LeWithMark;

// The file as the defaults are saved.
const QString kDefaultFile = QStringLiteral("[options]\r\n"
                                            "bMute=0\r\n"
                                            "bFileLoopPlay=1\r\n"
                                            "volume=9500\r\n"
                                            "lrcMode=0\r\n"
                                            "totalCount=3\r\n"
                                            "fs=0\r\n"
                                            "w_msx=105\r\n"
                                            "w_pointer=60\r\n"
                                            "w_senno=65\r\n"
                                            "w_text=1000\r\n"
                                            "follow_destFile=\r\n"
                                            "follow_aDevId=0\r\n"
                                            "follow_bAutoPlay=1\r\n");

class SettingsStore : public ::testing::Test {
protected:
    QString folder() const { return config.path("Kelpwhistle"); }
    QString file() const { return config.path("Kelpwhistle/options.ini"); }

    void writeFile(const QByteArray& bytes) {
        ASSERT_TRUE(QDir().mkpath(folder()));
        config.write("Kelpwhistle/options.ini", bytes);
    }
    Settings load() { return kw::loadSettings(sink); }
    // Loads a file holding the section with one line.
    Settings loadWith(const QString& line) {
        writeFile(utf16LeWithMark("[options]\r\n" + line + "\r\n"));
        return load();
    }
    void save(const Settings& s = {}) { kw::saveSettings(s, sink); }
    QByteArray saved() const { return kwtest::TempDir::read(file()); }

    kwtest::TempDir config;
    kwtest::ScopedEnv configHome{"XDG_CONFIG_HOME", config.path("").toUtf8()};
    QStringList messages;
    kw::MessageSink sink = [this](const QString& text) {
        messages << text;
    };
};

} // namespace

TEST_F(SettingsStore, FirstRunGivesDefaultsAndTheSaveCreatesTheFile) {
    const Settings s = load();
    EXPECT_EQ(s.volume, -500);
    EXPECT_EQ(s.bFileLoopPlay, 1);
    EXPECT_EQ(s.totalCount, 3);
    EXPECT_EQ(s.w_msx, 105);
    EXPECT_EQ(s.w_pointer, 60);
    EXPECT_EQ(s.w_senno, 65);
    EXPECT_EQ(s.w_text, 1000);
    EXPECT_EQ(s.follow_bAutoPlay, 1);
    EXPECT_TRUE(s.follow_destFile.isEmpty());
    EXPECT_EQ(s, Settings{});
    EXPECT_FALSE(QFileInfo::exists(folder())) << "loading creates nothing";

    save(s);
    EXPECT_EQ(saved(), utf16LeWithMark(kDefaultFile));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsStore, SavedValuesLoadBack) {
    Settings s;
    s.bMute = 1;
    s.volume = -10000;
    s.bFileLoopPlay = 0;
    s.lrcMode = 2;
    s.totalCount = 0;
    s.fs = 1;
    s.w_msx = 35;
    s.w_pointer = 200;
    s.w_senno = 70;
    s.w_text = 2048;
    s.follow_bAutoPlay = 0;
    s.follow_aDevId = 3;
    s.follow_destFile = QStringLiteral("/home/学生/录音 1");
    save(s);
    EXPECT_EQ(load(), s);
    EXPECT_TRUE(saved().contains(utf16LeWithMark("volume=0\r\n").mid(2)));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsStore, LoadChecksCorrectStoredValues) {
    using Field = int Settings::*;
    const struct {
        const char* line;
        Field field;
        int loaded;
    } cases[] = {
        {"volume=0", &Settings::volume, -10000},
        {"volume=10000", &Settings::volume, 0},
        {"volume=10001", &Settings::volume, -500},
        {"volume=-1", &Settings::volume, -500},
        {"volume=-2147483648", &Settings::volume, -500},
        {"totalCount=15", &Settings::totalCount, 9},
        {"totalCount=-4", &Settings::totalCount, 0},
        {"lrcMode=3", &Settings::lrcMode, 0},
        {"lrcMode=-1", &Settings::lrcMode, 0},
        {"lrcMode=2", &Settings::lrcMode, 2},
        {"fs=7", &Settings::fs, 0},
        {"fs=2", &Settings::fs, 2},
        {"w_text=100", &Settings::w_text, 200},
        {"w_text=5000", &Settings::w_text, 2048},
        {"w_msx=500", &Settings::w_msx, 200},
        {"w_pointer=10", &Settings::w_pointer, 35},
        {"w_senno=201", &Settings::w_senno, 200},
        // Flags and the device index are taken as they are.
        {"bMute=-1", &Settings::bMute, -1},
        {"bFileLoopPlay=7", &Settings::bFileLoopPlay, 7},
        {"follow_bAutoPlay=0", &Settings::follow_bAutoPlay, 0},
        // Integers are read as the profile reader reads them.
        {"follow_aDevId=-1", &Settings::follow_aDevId, -1},
        {"follow_aDevId=+7", &Settings::follow_aDevId, 7},
        {"follow_aDevId=12abc", &Settings::follow_aDevId, 12},
        {"follow_aDevId=  42  ", &Settings::follow_aDevId, 42},
        {"follow_aDevId=\"5\"", &Settings::follow_aDevId, 5},
        {"follow_aDevId=abc", &Settings::follow_aDevId, 0},
        {"follow_aDevId=", &Settings::follow_aDevId, 0},
        {"follow_aDevId=- 3", &Settings::follow_aDevId, 0},
        {"follow_aDevId=99999999999", &Settings::follow_aDevId, 2147483647},
        {"FOLLOW_ADEVID=4", &Settings::follow_aDevId, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(loadWith(c.line).*c.field, c.loaded) << c.line;
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsStore, DestinationIsCutTo258Characters) {
    const QString longPath = "/" + QString(300, u'录');
    EXPECT_EQ(loadWith("follow_destFile=" + longPath).follow_destFile, longPath.left(258));
    EXPECT_EQ(loadWith("follow_destFile= /a b ").follow_destFile, QStringLiteral("/a b"));
}

TEST_F(SettingsStore, OnlyTheOptionsSectionCounts) {
    writeFile(
        utf16LeWithMark("totalCount=1\r\n[other]\r\ntotalCount=2\r\n[ Options ]\r\n; a note\r\n"
                        "totalCount = 5\r\ntotalCount=6\r\n[other]\r\nfs=1\r\n"));
    const Settings s = load();
    EXPECT_EQ(s.totalCount, 5);
    EXPECT_EQ(s.fs, 0);
}

TEST_F(SettingsStore, TextInOtherEncodingsIsRead) {
    const QByteArray encodings[] = {
        "[options]\nlrcMode=1\n",
        "\xEF\xBB\xBF[options]\r\nlrcMode=1\r\n",
        QByteArray("\xFE\xFF\0[\0o\0p\0t\0i\0o\0n\0s\0]\0\n\0l\0r\0c\0M\0o\0d\0e\0=\0001", 40),
    };
    for (const QByteArray& bytes : encodings) {
        writeFile(bytes);
        EXPECT_EQ(load().lrcMode, 1) << bytes.toHex().toStdString();
    }
}

TEST_F(SettingsStore, UnreadableTextGivesDefaults) {
    QByteArray random(4096, '\0');
    for (qsizetype i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>((i * 2654435761u) >> 13);
    const QByteArray unreadable[] = {
        QByteArray(4096, '\0'),
        QByteArray("\xFF\xFE", 2) + QByteArray(4095, '\0'),
        random,
        QByteArray("\xFF\xFE", 2) + random,
        QByteArray("\xFF\xFE\x00\xD8\x00\xD8", 6), // lone surrogates
    };
    for (const QByteArray& bytes : unreadable) {
        writeFile(bytes);
        EXPECT_EQ(load(), Settings{});
    }
    // An odd last byte loses only what it would have completed.
    writeFile(utf16LeWithMark("[options]\r\nfs=2\r\nw_msx=50").chopped(1));
    const Settings s = load();
    EXPECT_EQ(s.fs, 2);
    EXPECT_EQ(s.w_msx, 50);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsStore, HugeFileIsDeletedSilently) {
    writeFile(utf16LeWithMark("[options]\r\ntotalCount=5\r\n") + QByteArray(2 * 1024 * 1024, ' '));
    EXPECT_EQ(load(), Settings{});
    EXPECT_FALSE(QFileInfo::exists(file()));
    EXPECT_TRUE(messages.isEmpty());

    // Just below the limit it is still read.
    const QByteArray head = utf16LeWithMark("[options]\r\ntotalCount=5\r\n");
    writeFile(head + QByteArray(1024 * 1024 - 1 - head.size(), '\0'));
    EXPECT_EQ(load().totalCount, 5);
}

TEST_F(SettingsStore, FileThatCannotBeOpenedIsReported) {
    // Root may open any file, but not one the kernel offers for writing only.
    const QString writeOnly = QStringLiteral("/proc/sys/vm/compact_memory");
    ASSERT_TRUE(QDir().mkpath(folder()));
    if (geteuid() == 0) {
        if (!QFileInfo(writeOnly).isFile())
            GTEST_SKIP() << "no write-only file to stand for an unreadable one";
        ASSERT_TRUE(QFile::link(writeOnly, file()));
    } else {
        writeFile("[options]\r\ntotalCount=5\r\n");
        ASSERT_TRUE(QFile::setPermissions(file(), QFile::WriteOwner));
    }
    EXPECT_EQ(load(), Settings{});
    EXPECT_EQ(messages, QStringList{"读文件失败：\n" + file() + "\n\nPermission denied"});

    // A folder in the file's place is no failure.
    messages.clear();
    ASSERT_TRUE(QFile::remove(file()));
    ASSERT_TRUE(QDir().mkpath(file()));
    EXPECT_EQ(load(), Settings{});
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsStore, SaveClearsWhateverStandsInTheWay) {
    const std::function<void()> obstacles[] = {
        // A plain file where the folder belongs.
        [&] { config.write("Kelpwhistle", "not a folder"); },
        // A folder with contents where the file belongs.
        [&] {
            ASSERT_TRUE(QDir().mkpath(file() + "/sub"));
            config.write("Kelpwhistle/options.ini/sub/x.txt", "x");
            ASSERT_TRUE(QFile::setPermissions(file() + "/sub/x.txt", QFile::ReadOwner));
        },
        // A read-only file.
        [&] {
            writeFile("[options]\r\nfs=1\r\n");
            ASSERT_TRUE(QFile::setPermissions(file(), QFile::ReadOwner));
        },
        // Keys and sections added by hand.
        [&] { writeFile(utf16LeWithMark("[mine]\r\nx=1\r\n[options]\r\nextra=1\r\nfs=2\r\n")); },
    };
    for (const auto& placeObstacle : obstacles) {
        QDir(folder()).removeRecursively();
        QFile::remove(folder());
        placeObstacle();
        save();
        EXPECT_TRUE(QFileInfo(folder()).isDir());
        EXPECT_EQ(saved(), utf16LeWithMark(kDefaultFile));
        EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
    }
}

TEST_F(SettingsStore, LinkedFolderInTheFilesPlaceKeepsItsContents) {
    kwtest::TempDir elsewhere;
    elsewhere.write("keep.txt", "mine");
    ASSERT_TRUE(QDir().mkpath(folder()));
    ASSERT_TRUE(QFile::link(elsewhere.path(""), file()));
    save();
    EXPECT_EQ(saved(), utf16LeWithMark(kDefaultFile));
    EXPECT_EQ(kwtest::TempDir::read(elsewhere.path("keep.txt")), QByteArray("mine"));
}

TEST_F(SettingsStore, WriteFailuresAreReportedAndKeepTheOldFile) {
    writeFile(utf16LeWithMark("[options]\r\nfs=2\r\n"));
    {
        kwtest::FileSizeLimit limit(64);
        save();
    }
    EXPECT_EQ(messages, QStringList{"写文件失败：\n" + file() + "\n\nFile too large"});
    EXPECT_EQ(load().fs, 2);
    EXPECT_EQ(config.entries(), QStringList{"Kelpwhistle"});
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"options.ini"});

    // A settings folder that cannot be made.
    messages.clear();
    config.write("blocked", "a plain file");
    kwtest::ScopedEnv blocked("XDG_CONFIG_HOME", config.path("blocked/cfg").toUtf8());
    save();
    EXPECT_EQ(messages, QStringList{"写文件失败：\n" + config.path("blocked/cfg/Kelpwhistle") +
                                    "/options.ini\n\nNot a directory"});
}

TEST(DeleteTree, RemovesEverythingButFollowsNoLink) {
    kwtest::TempDir dir;
    kwtest::TempDir outside;
    outside.write("keep.txt", "mine");
    ASSERT_TRUE(QDir().mkpath(dir.path("tree/a/b")));
    dir.write("tree/a/b/file", "x");
    dir.write("tree/.hidden", "x");
    ASSERT_TRUE(QFile::link(outside.path(""), dir.path("tree/a/link")));
    kw::deleteTree(dir.path("tree"));
    EXPECT_TRUE(dir.entries().isEmpty());
    EXPECT_EQ(outside.entries(), QStringList{"keep.txt"});
}
