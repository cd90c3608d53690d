#pragma once

// The online services: the version check with its notices, the usage report, and the
// embedded page (WebPageView.h). How the main window wires them:
//
//   - Create one OnlineServices with the main window as parent (the notices are modal over it)
//     and connect exitRequested to the window's exit step (follow-read window, close file,
//     save settings, destroy). Call start() once, at the end of a successful start-up; never
//     after a failed one. It returns at once; nothing blocks the window.
//   - The version check's answer shows the new-version dialog by itself, whenever it arrives.
//     After the withdrawn notice's dialog has closed, by either button, exitRequested fires.
//   - Create one WebPageView as a child of the control panel after the panel exists; the
//     panel's layout places it at x = 760, y = 5, width = panel width - 763, height = panel
//     height - 10. It fetches its page once on construction.
//
// Everything is bounded: 10 s per request, 64 KiB read, 3 redirects on the same scheme. When
// the server cannot be reached nothing at all is shown.

#include "BoundedGet.h"
#include "NewVersionDialog.h"
#include "ProductServer.h"
#include "VersionNews.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QNetworkAccessManager;
class QWidget;

namespace kw {

class OnlineServices : public QObject {
    Q_OBJECT
public:
    // Shows a dialog modally and returns its result; replaced in tests.
    using DialogRunner = std::function<int(NewVersionDialog&)>;

    explicit OnlineServices(QWidget* window, ServerAddress server = productServer(),
                            RequestLimits limits = {});

    // Sends the version check and the usage report; later calls do nothing.
    void start();

    void setDialogRunner(DialogRunner run) { runDialog_ = std::move(run); }
    void setUrlOpener(UrlOpener open) { openUrl_ = std::move(open); }

signals:
    // The version check has ended, with news or without (then nothing is shown).
    void versionChecked(kw::VersionNews news);
    // The withdrawn notice has been closed: the program must end.
    void exitRequested();

private:
    void showNotice(VersionNews news);

    QPointer<QWidget> window_;
    ServerAddress server_;
    RequestLimits limits_;
    QNetworkAccessManager* network_;
    DialogRunner runDialog_;
    UrlOpener openUrl_;
    bool started_ = false;
};

} // namespace kw
