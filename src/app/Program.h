#pragma once

#include "StartupChecks.h"

#include <QStringList>
#include <functional>

class QApplication;

namespace kw {

class MainWindow;

// Runs the whole program: settings, main window, start-up checks, online services, the event
// loop, and the exit step. `arguments` may hold one MP3 path to open at once. Returns 0.
int runProgram(QApplication& app, const QStringList& arguments);

struct StartupEnvironment {
    std::function<QString(const QString&)> findTool;
    std::function<bool(const char*)> elementExists;
};

// The companion-tool and media checks over a shown main window. On a problem it shows the
// message, runs the exit step (the settings are saved) and returns false.
bool passStartupChecks(MainWindow& window, const StartupEnvironment& environment);

} // namespace kw
