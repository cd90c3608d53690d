#include "ui/DisplayPanel.h"

#include "ui/FollowStatusPanel.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using kw::DisplayContent;
using kw::DisplayPanel;

namespace {

bool hasInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

class DisplayPanelTest : public ::testing::Test {
protected:
    DisplayPanelTest() : panel([this] { return content; }) { panel.resize(600, 160); }

    QImage shot() { return panel.grab().toImage(); }

    DisplayContent content;
    DisplayPanel panel;
};

} // namespace

TEST_F(DisplayPanelTest, PlayPictureShowsAndClicksOnlyWhileLoadedAndNotPlaying) {
    QSignalSpy clicks(&panel, &DisplayPanel::playClicked);
    const QPoint centre = panel.rect().center();
    const struct {
        bool loaded, playing, pictureShown, clickPlays;
    } cases[] = {
        {true, false, true, true},
        {true, true, false, false},
        {false, false, false, false},
    };
    for (const auto& c : cases) {
        content = {c.loaded, c.playing, QString()};
        panel.refresh();
        const QColor middle = shot().pixelColor(centre + QPoint(-12, 0));
        EXPECT_EQ(middle.green() > middle.red() + 40, c.pictureShown) << c.loaded << c.playing;
        clicks.clear();
        QTest::mouseClick(&panel, Qt::LeftButton, {}, centre);
        EXPECT_EQ(clicks.size(), c.clickPlays ? 1 : 0) << c.loaded << c.playing;
    }
    // Outside the 64 x 64 square a click never plays.
    content = {true, false, QString()};
    clicks.clear();
    QTest::mouseClick(&panel, Qt::LeftButton, {}, centre + QPoint(40, 0));
    EXPECT_EQ(clicks.size(), 0);
}

TEST_F(DisplayPanelTest, ShowsBothLinesOfASentence) {
    content = {true, true, QStringLiteral("Good morning.")};
    panel.refresh();
    const QImage one = shot();
    content.sentence += QStringLiteral("\r\n早上好。");
    panel.refresh();
    const QImage two = shot();
    const QRect secondLine(0, 8 + 40, panel.width(), 30);
    EXPECT_FALSE(hasInk(one, secondLine));
    EXPECT_TRUE(hasInk(two, secondLine));
    EXPECT_TRUE(hasInk(two, QRect(0, 8, panel.width(), 24)));
}

TEST_F(DisplayPanelTest, FontSizeChangesTheTextAtOnce) {
    content = {true, true, QStringLiteral("WWWWWWWW")};
    const auto inkWidth = [this] {
        const QImage image = shot();
        int left = image.width(), right = 0;
        for (int x = 0; x < image.width(); ++x)
            if (hasInk(image, QRect(x, 0, 1, 60))) {
                left = std::min(left, x);
                right = x;
            }
        return right - left;
    };
    panel.setDisplayFont(kw::displayFont(0));
    const int small = inkWidth();
    panel.setDisplayFont(kw::displayFont(2));
    EXPECT_GT(inkWidth(), small * 5 / 4);
    EXPECT_EQ(kw::displayFont(7).pixelSize(), 24);
    EXPECT_EQ(kw::displayFont(1).pixelSize(), 29);
}

TEST(FollowStatusPanel, NamesItsFourStates) {
    kw::FollowStatusPanel panel;
    const char* expected[] = {"就绪", "正在播放原声…", "正在播放录音…", "正在录音…", ""};
    for (int state = 0; state < 5; ++state) {
        panel.setFollowState(state);
        EXPECT_EQ(panel.stateText().toStdString(), expected[state]);
    }
}
