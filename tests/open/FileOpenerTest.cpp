#include "open/FileOpener.h"

#include "TempDir.h"
#include "playback/Player.h"
#include "playback/sim/SimMedia.h"
#include "repeat/AppState.h"
#include "repeat/FakeRepeatView.h"
#include "repeat/RepeatController.h"
#include "subtitle/LineTable.h"
#include "subtitle/OffsetStore.h"
#include "ui/UserPrompts.h"

#include <QDir>
#include <gtest/gtest.h>

using kw::Parser;

namespace {

constexpr auto kCaption = "Kelpwhistle 2.7.8 （mp3逐句复读）";

class FakeOpenHost : public kw::OpenHost {
public:
    void fillList() override { ++fills; }
    void clearList() override { ++clears; }
    void refreshDisplay() override { ++refreshes; }
    void showOffset(int offsetMs, bool enabled) override {
        offset = offsetMs;
        offsetEnabled = enabled;
    }
    void setStatusPart(int part, const QString& text) override { status[std::size_t(part)] = text; }
    void setWindowTitleText(const QString& text) override { title = text; }
    void openMaterialsPage() override { ++materialsPages; }

    int fills = 0, clears = 0, refreshes = 0;
    int offset = 0;
    bool offsetEnabled = false;
    std::array<QString, 4> status;
    QString title;
    int materialsPages = 0;
};

class FileOpenerTest : public ::testing::Test {
protected:
    FileOpenerTest() {
        qputenv("XDG_CONFIG_HOME", config.path("config").toUtf8());
        kw::setPromptResponder({[this](const kw::MessagePrompt& prompt) {
                                    messages << prompt.text;
                                    EXPECT_EQ(prompt.caption.toStdString(), kCaption);
                                    return answer;
                                },
                                [this](const kw::FilePrompt&) {
                                    return chosenFile;
                                }});
    }
    ~FileOpenerTest() override { kw::setPromptResponder({}); }

    // An MP3 known to the simulated media (and present on disk for the digest) with its .lrc.
    QString lesson(const QString& name, const QByteArray& lrc = "[00:01.00]one\n[00:02.00]two\n") {
        const QString mp3 = dir.write(name + ".mp3", name.toUtf8());
        dir.write(name + ".lrc", lrc);
        media.addFile(mp3, 5000);
        return mp3;
    }

    kwtest::TempDir dir;
    kwtest::TempDir config;
    kw::sim::SimMedia media;
    kwtest::FakeRepeatView view;
    kw::AppState state;
    kw::RepeatController controller{state, view};
    FakeOpenHost host;
    bool defaultOutput = true;
    int repairs = 0;
    kw::FileOpener opener{state, controller, host,
                          kw::OpenServices{[this] { return media.newPlaybackPipeline(); },
                                           [this] { return defaultOutput; },
                                           [this](const QString&) {
                                               ++repairs;
                                           }},
                          nullptr};
    QStringList messages;
    QMessageBox::StandardButton answer = QMessageBox::No;
    QString chosenFile;
};

} // namespace

TEST_F(FileOpenerTest, OpeningShowsTheFileAndPlaysFromTheFirstLine) {
    state.curLine = 1;
    const QString mp3 = lesson("unit1");
    opener.openFile(mp3);
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_TRUE(state.bLoaded);
    EXPECT_EQ(state.playState, kw::kPlaying);
    EXPECT_EQ(state.curLine, 0);
    EXPECT_EQ(state.mp3Path, mp3);
    EXPECT_EQ(state.lrcPath, dir.path("unit1.lrc"));
    EXPECT_EQ(host.status[0], QStringLiteral("已载入mp3文件"));
    EXPECT_EQ(host.status[3], mp3);
    EXPECT_EQ(host.title.toStdString(), std::string("unit1 - ") + kCaption);
    EXPECT_EQ(host.fills, 1);
    EXPECT_TRUE(host.offsetEnabled);
    EXPECT_EQ(media.lastPlayback().seeksMs().front(), 1000); // line 0's start
}

TEST_F(FileOpenerTest, SubtitlePathReplacesTheLastThreeCharacters) {
    EXPECT_EQ(kw::subtitlePathFor("/a/Unit1.Mp3"), QStringLiteral("/a/Unit1.lrc"));
    EXPECT_EQ(kw::subtitlePathFor("/a/A.MP3"), QStringLiteral("/a/A.lrc"));
    EXPECT_EQ(kw::subtitlePathFor("/a/b.mpeg"), QStringLiteral("/a/b.mlrc"));
    EXPECT_EQ(kw::subtitlePathFor("ab"), QStringLiteral("lrc"));
}

TEST_F(FileOpenerTest, FailuresShowTheirMessageAndLeaveNoFileOpen) {
    const QString previous = lesson("previous");
    const QString missing = dir.write("nolrc.mp3", "x");
    media.addFile(missing, 5000);
    const QString invalid = lesson("invalid", "no time tags");
    const QString unreadable = dir.write("folder.mp3", "x");
    media.addFile(unreadable, 5000);
    ASSERT_TRUE(QDir().mkpath(dir.path("folder.lrc")));
    const QString unplayable = lesson("broken");
    media.rejectFile(unplayable, Parser::Preferred, kw::result::kUnsupportedStream);
    media.rejectFile(unplayable, Parser::Splitter, kw::result::kUnsupportedStream);

    const struct {
        QString mp3;
        bool output;
        QString messageStart;
        int repairs;
    } cases[] = {
        {missing, true, "缺少同名字幕文件：\r\n" + dir.path("nolrc.lrc"), 0},
        {invalid, true, "字幕文件内容有误：\r\n" + dir.path("invalid.lrc"), 0},
        {unreadable, true, "读取字幕文件失败：\r\n", 0},
        {unplayable, true, "载入失败：\r\n", 1},
        {previous, false, kw::resultText(kw::result::kNoAudioHardware), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mp3.toStdString());
        opener.openFile(previous);
        ASSERT_TRUE(state.bLoaded);
        messages.clear();
        repairs = 0;
        defaultOutput = c.output;
        opener.openFile(c.mp3);
        defaultOutput = true;
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(c.messageStart)) << messages[0].toStdString();
        EXPECT_EQ(repairs, c.repairs);
        EXPECT_FALSE(state.bLoaded);
        EXPECT_FALSE(state.player);
        EXPECT_FALSE(state.lineTable);
        EXPECT_EQ(host.status[0], QStringLiteral("还未载入mp3文件"));
    }
    EXPECT_EQ(host.materialsPages, 1);
}

TEST_F(FileOpenerTest, AFileOnlyTheSecondParserPlaysOpensWithoutRepair) {
    const QString mp3 = lesson("wrapped");
    media.rejectFile(mp3, Parser::Preferred, kw::result::kUnsupportedStream);
    opener.openFile(mp3);
    EXPECT_TRUE(state.bLoaded);
    EXPECT_EQ(repairs, 0);
    EXPECT_EQ(media.lastPlayback().parser, Parser::Splitter);
}

TEST_F(FileOpenerTest, EditedSubtitlesAreOfferedForSavingOnClose) {
    const QString mp3 = lesson("edited");
    opener.openFile(mp3);
    state.lineTable->setText(0, u"changed");
    answer = QMessageBox::No;
    EXPECT_TRUE(opener.closeFile());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0], "是否保存对字幕所做的修改？\r\n" + dir.path("edited.lrc"));
    EXPECT_FALSE(kwtest::TempDir::read(dir.path("edited.lrc")).contains("changed"));

    // Yes saves.
    opener.openFile(mp3);
    state.lineTable->setText(0, u"changed");
    answer = QMessageBox::Yes;
    EXPECT_TRUE(opener.closeFile());
    kw::LineTable saved;
    ASSERT_EQ(saved.load(dir.path("edited.lrc")), kw::LineTable::Loaded);
    EXPECT_EQ(saved.line(0).text, QStringLiteral("changed"));
}

TEST_F(FileOpenerTest, AFailedSaveKeepsTheFileOpenAndStopped) {
    kwtest::TempDir other;
    const QString mp3 = other.write("gone.mp3", "x");
    other.write("gone.lrc", "[00:01.00]a\n");
    media.addFile(mp3, 5000);
    opener.openFile(mp3);
    state.lineTable->setText(0, u"changed");
    ASSERT_TRUE(QDir(QFileInfo(mp3).path()).removeRecursively()); // nowhere to save to
    answer = QMessageBox::Yes;
    EXPECT_FALSE(opener.closeFile());
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].startsWith("字幕保存失败：\r\n")) << messages[1].toStdString();
    EXPECT_TRUE(messages[1].endsWith("（请检查您是否有目标文件夹的写入权限）"));
    EXPECT_TRUE(state.bLoaded);
    EXPECT_EQ(state.playState, kw::kStopped);

    // Opening another file is refused the same way, and nothing new is opened.
    opener.openFile(lesson("next"));
    EXPECT_EQ(state.mp3Path, mp3);
}

TEST_F(FileOpenerTest, TheOffsetIsRestoredOnOpenAndStoredOnEveryClose) {
    const QString mp3 = lesson("offset");
    kw::FileDigest digest{};
    ASSERT_TRUE(kw::digestFile(mp3, digest));
    kw::writeOffset(digest, -300);
    opener.openFile(mp3);
    EXPECT_EQ(state.offsetMs, -300);
    EXPECT_EQ(host.offset, -300);
    EXPECT_EQ(state.lineTable->line(0).startMs, 1300);

    state.offsetMs = 0;
    opener.closeFile();
    EXPECT_EQ(kw::readOffset(digest), 0);
    EXPECT_EQ(
        kwtest::TempDir::read(config.path("config/Kelpwhistle/" + kw::offsetFileName(digest))),
        QByteArray(4, '\0'));
    EXPECT_FALSE(host.offsetEnabled);
}

TEST_F(FileOpenerTest, TheFileDialogAsksWhenNoPathIsGiven) {
    chosenFile = lesson("chosen");
    opener.openFile();
    EXPECT_EQ(state.mp3Path, chosenFile);

    // Cancelling leaves no file open.
    chosenFile.clear();
    opener.openFile();
    EXPECT_FALSE(state.bLoaded);
}
