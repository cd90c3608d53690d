#pragma once

// The main window: menu, main panel (control panel, tip strip, display panel, subtitle list,
// toolbar), status bar; it turns commands, keys, drops and timer ticks into calls on the repeat
// controller and the other parts, and shows what they report.

#include "Command.h"
#include "MainMenu.h"
#include "follow/FollowServices.h"
#include "open/FileOpener.h"
#include "repeat/RepeatController.h"
#include "repeat/RepeatView.h"
#include "repeat/SentenceNavigator.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QToolBar;

namespace kw {

struct AppState;
class DisplayPanel;
class TipStrip;
class FollowWindow;

namespace ui {
class AppPanelHost;
class ControlPanel;
class SubtitleListPanel;
} // namespace ui

struct MainWindowServices {
    OpenServices open;
    QString splitToolPath;
    // Where eg.mp3 and eg.lrc are.
    QString sampleFolder;
    std::function<void()> warningSound;
    // Web pages and the subtitle file go to the desktop's default browser and editor.
    std::function<void(const QUrl&)> openUrl;
    FollowServices follow;
};

class MainWindow : public QMainWindow, public RepeatView, public OpenHost {
    Q_OBJECT
public:
    MainWindow(AppState& state, MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    void execute(Command command);
    // Opens an MP3 as a dropped file would: ".mp3" in any letter case, else the warning sound.
    void openDropped(const QString& path);
    // Places the embedded page in the control panel.
    void setPageWidget(QWidget* page);

    // Reads the list's column widths back and saves the settings.
    void saveSettingsNow();
    // The exit step: save the settings and close for good.
    void exitStep();

    FileOpener& opener() { return opener_; }
    RepeatController& controller() { return controller_; }
    QToolBar* toolBar() const { return toolbar_; }
    QLabel* statusPart(int part) const { return status_[std::size_t(part)]; }
    FollowWindow* followWindow() const;
    const MainMenu& mainMenu() const { return menu_; }

signals:
    void exited();

    // RepeatView
public:
    void setStatusText(StatusPart part, QStringView text) override;
    void setToolbarState(const ToolbarState& state) override;
    void setPlayImage(bool playing) override;
    void hideToolTip() override;
    void refresh() override;
    void posRefresh() override;
    void showError(QStringView text) override;

    // OpenHost
public:
    void fillList() override;
    void clearList() override;
    void refreshDisplay() override;
    void showOffset(int offsetMs, bool enabled) override;
    void setStatusPart(int part, const QString& text) override;
    void setWindowTitleText(const QString& title) override;
    void openMaterialsPage() override;

private:
    void openWebPage(const QString& sitePath);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildPanels();
    void buildToolBar();
    void buildStatusBar();
    void updateOperationMenu();
    void setFontSize(int fs);
    void setChannel(int channel);
    void toggleTopMost();
    void openFollowRead();
    void openSplit();
    bool readyToExit();

    AppState& state_;
    MainWindowServices services_;
    RepeatController controller_;
    SentenceNavigator navigator_;
    FileOpener opener_;
    std::unique_ptr<ui::AppPanelHost> panelHost_;
    ui::ControlPanel* control_ = nullptr;
    TipStrip* tip_ = nullptr;
    DisplayPanel* display_ = nullptr;
    ui::SubtitleListPanel* list_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::array<QLabel*, 4> status_{};
    MainMenu menu_;
    QPointer<FollowWindow> follow_;
    bool exiting_ = false;
};

} // namespace kw
