#include "Program.h"

#include "DataFiles.h"
#include "MainWindow.h"
#include "StateSettings.h"
#include "TerminationWatcher.h"
#include "WarningSound.h"
#include "app/settings/SettingsStore.h"
#include "follow/FollowServices.h"
#include "online/OnlineServices.h"
#include "online/WebPageView.h"
#include "open/RepairDialog.h"
#include "playback/gst/Devices.h"
#include "playback/gst/GstPlaybackPipeline.h"
#include "repeat/AppState.h"
#include "texts/CommonTexts.h"
#include "ui/Pictures.h"
#include "ui/UserPrompts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTimer>

namespace kw {
namespace {

MainWindowServices programServices() {
    MainWindowServices services;
    services.open.newPipeline = [] {
        return gst::newPlaybackPipeline();
    };
    services.open.hasDefaultOutput = [] {
        return gst::findDefaultRenderer().has_value();
    };
    services.open.repair = [](const QString& mp3Path) {
        repairMp3(findTool(QStringLiteral("mp3val")), mp3Path, QApplication::activeWindow());
    };
    services.splitToolPath = findTool(QStringLiteral("mp3splt"));
    services.sampleFolder = QFileInfo(dataFilePath(QStringLiteral("eg.mp3"))).path();
    services.warningSound = [sound = dataFilePath(QStringLiteral("chord.wav"))] {
        playWarningSound(sound);
    };
    services.openUrl = [](const QUrl& url) {
        QDesktopServices::openUrl(url);
    };
    services.follow = gstFollowServices(services.warningSound);
    return services;
}

} // namespace

bool passStartupChecks(MainWindow& window, const StartupEnvironment& environment) {
    StartupProblem problem = checkCompanionTools(environment.findTool);
    if (problem == StartupProblem::None)
        problem = checkMediaComponents(environment.elementExists);
    if (problem == StartupProblem::None)
        return true;
    showError(&window, text::kAppCaption.toString(), startupProblemText(problem));
    window.exitStep();
    return false;
}

int runProgram(QApplication& app, const QStringList& arguments) {
    app.setApplicationName(text::kProductName.toString());
    app.setApplicationVersion(text::kVersion.toString());
    app.setWindowIcon(pictures::programIcon());
    app.setQuitOnLastWindowClosed(false);

    AppState state;
    applySettings(loadSettings([](const QString& message) {
                      showError(nullptr, text::kAppCaption.toString(), message);
                  }),
                  state);
    MainWindow window(state, programServices());
    window.setPageWidget(new WebPageView(nullptr));
    window.show();
    if (!passStartupChecks(window, {findTool, gstElementExists}))
        return 0;

    QObject::connect(&window, &MainWindow::exited, &app, &QCoreApplication::quit);
    OnlineServices online(&window);
    QObject::connect(&online, &OnlineServices::exitRequested, &window, &MainWindow::exitStep);
    online.start();

    // The end of the desktop session saves the settings and asks nothing.
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &app, [&] {
        window.saveSettingsNow();
        app.quit();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window] { window.saveSettingsNow(); });

    if (!arguments.isEmpty())
        QTimer::singleShot(0, &window,
                           [&window, path = arguments.first()] { window.openDropped(path); });
    app.exec();
    return 0;
}

} // namespace kw
