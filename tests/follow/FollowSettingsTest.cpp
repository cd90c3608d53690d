// The follow-read settings panel: destination, device chooser, device properties, auto-play.
#include "FollowFixture.h"
#include "follow/FollowActivity.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace kwtest;
using kw::FollowActivity;

namespace {

// Runs `act` on the modal dialog that the next action opens, once it is showing.
void onModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            act(dialog);
        else
            onModal(act);
    });
}

class FollowSettingsTest : public FollowFixture {
protected:
    void SetUp() override {
        loadLesson();
        state.mp3Path = dir.write("Lesson.mp3", "the loaded lesson");
        state.follow.follow_destFile = dir.path("take.mp3");
        ASSERT_TRUE(openWindow());
    }

    void click(const char* button) { follow->findChild<QPushButton*>(button)->click(); }
    QString field(const char* name) { return follow->findChild<QLineEdit*>(name)->text(); }
    bool canPlayRecording() const { return tool(kw::FollowCommand::PlayRecording)->isEnabled(); }
};

TEST_F(FollowSettingsTest, ChosenNamesGetAnMp3Extension) {
    const std::pair<QString, QString> names[] = {
        {"take1", "take1.mp3"},
        {"take1.wav", "take1.wav.mp3"},
        {"TAKE1.MP3", "TAKE1.MP3"},
    };
    for (const auto& [chosen, stored] : names) {
        chosenPaths << dir.path(chosen);
        click("browse");
        EXPECT_EQ(destination(), dir.path(stored));
        EXPECT_EQ(field("destinationField"), dir.path(stored));
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(FollowSettingsTest, AnExistingReadOnlyRecordingCanBePlayedAndReplaced) {
    const QString existing = dir.write("old.mp3", "an earlier recording");
    QFile::setPermissions(existing, QFile::ReadOwner);
    EXPECT_FALSE(canPlayRecording());
    chosenPaths << existing;
    click("browse");
    EXPECT_TRUE(canPlayRecording());
    EXPECT_TRUE(QFile::permissions(existing) & QFile::WriteOwner);
}

TEST_F(FollowSettingsTest, TheLoadedMp3IsNeverTheDestination) {
    const QString before = destination();
    QFile::link(state.mp3Path, dir.path("alias.mp3"));
    for (const QString& chosen : {dir.path("LESSON.MP3"), dir.path("lesson"), dir.path("alias")}) {
        SCOPED_TRACE(chosen.toStdString());
        chosenPaths << chosen;
        click("browse");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
        EXPECT_EQ(messages[0].caption, u"跟读对比");
        EXPECT_EQ(messages[0].text, u"请不要自我覆盖");
        messages.clear();
        EXPECT_EQ(destination(), before);
    }
    EXPECT_EQ(TempDir::read(state.mp3Path), "the loaded lesson");
}

TEST_F(FollowSettingsTest, ACancelledChoiceChangesNothing) {
    state.follow.follow_destFile = dir.path("keep.mp3");
    click("browse");
    EXPECT_EQ(destination(), dir.path("keep.mp3"));
}

TEST_F(FollowSettingsTest, OkWithoutADeviceWarnsAndStaysOpen) {
    bool stillOpen = false;
    onModal([&](QWidget* dialog) {
        dialog->findChild<QListWidget*>("devices")->clearSelection();
        dialog->findChild<QPushButton*>("ok")->click();
        stillOpen = dialog->isVisible();
        dialog->findChild<QPushButton*>("cancel")->click();
    });
    click("chooseDevice");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(warningSounds, 1);
    EXPECT_EQ(field("deviceField"), kDeviceA);
}

TEST_F(FollowSettingsTest, ChoosingADeviceRecordsWithItNext) {
    press(Qt::Key_Down);
    QStringList listed;
    onModal([&](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>("devices");
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        EXPECT_EQ(list->currentRow(), 0);
        list->setCurrentRow(1);
        dialog->findChild<QPushButton*>("ok")->click();
    });
    click("chooseDevice");
    EXPECT_EQ(listed, QStringList({kDeviceA, kDeviceB}));
    // Choosing stopped the recording.
    EXPECT_FALSE(media.lastRecording().recording);
    EXPECT_EQ(field("deviceField"), kDeviceB);
    EXPECT_EQ(state.follow.follow_aDevId, 1);
    EXPECT_EQ(follow->activity().deviceName(), kDeviceB);

    press(Qt::Key_Down);
    EXPECT_EQ(media.lastRecording().elementName, kDeviceB);
}

TEST_F(FollowSettingsTest, ChoosingTheSameDeviceStillBuildsANewRecorder) {
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    const kw::sim::SimRecording* first = &media.lastRecording();
    onModal([](QWidget* dialog) { dialog->findChild<QPushButton*>("ok")->click(); });
    click("chooseDevice");
    EXPECT_FALSE(first->built);
    press(Qt::Key_Down);
    EXPECT_NE(&media.lastRecording(), first);
    EXPECT_TRUE(media.lastRecording().recording);
}

TEST_F(FollowSettingsTest, CancelKeepsTheDevice) {
    onModal([](QWidget* dialog) {
        dialog->findChild<QListWidget*>("devices")->setCurrentRow(1);
        dialog->findChild<QPushButton*>("cancel")->click();
    });
    click("chooseDevice");
    EXPECT_EQ(field("deviceField"), kDeviceA);
    EXPECT_EQ(state.follow.follow_aDevId, 0);
}

TEST_F(FollowSettingsTest, PropertiesShowWhatTheDeviceSays) {
    QString title, text;
    onModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        text = dialog->findChild<QPlainTextEdit*>()->toPlainText();
        EXPECT_TRUE(dialog->findChild<QPlainTextEdit*>()->isReadOnly());
        static_cast<QDialog*>(dialog)->accept();
    });
    click("deviceProperties");
    EXPECT_EQ(title, kDeviceA);
    EXPECT_EQ(text, QString("name = ") + kDeviceA);
}

} // namespace
