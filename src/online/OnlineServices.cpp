#include "OnlineServices.h"

#include "texts/OnlineTexts.h"

#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QWidget>

namespace kw {

OnlineServices::OnlineServices(QWidget* window, ServerAddress server, RequestLimits limits)
    : QObject(window), window_(window), server_(std::move(server)), limits_(limits),
      network_(makeNetworkAccess(this)),
      runDialog_([](NewVersionDialog& dialog) { return dialog.exec(); }),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

void OnlineServices::start() {
    if (started_)
        return;
    started_ = true;

    auto* check = BoundedGet::start(*network_, serverUrl(server_, versionCheckPath()), limits_,
                                    kVersionAnswerBytes);
    connect(check, &BoundedGet::finished, this, [this](const HttpAnswer& answer) {
        const VersionNews news = versionNewsFrom(answer.body);
        emit versionChecked(news);
        // Not from inside the network callback: the dialog runs its own event loop.
        if (news != VersionNews::None)
            QMetaObject::invokeMethod(
                this, [this, news] { showNotice(news); }, Qt::QueuedConnection);
    });

    const OsVersion os = currentOsVersion();
    BoundedGet::start(*network_, serverUrl(server_, usageReportPath(os.major, os.minor)), limits_,
                      0);
}

void OnlineServices::showNotice(VersionNews news) {
    const bool withdrawn = news == VersionNews::Withdrawn;
    QPointer<NewVersionDialog> dialog = new NewVersionDialog(
        withdrawn ? text::kVersionWithdrawn : text::kNewVersionPublished, openUrl_, window_);
    // The window may go while the dialog runs its own loop, and this object with it.
    const QPointer<OnlineServices> self(this);
    const DialogRunner run = runDialog_;
    run(*dialog);
    delete dialog;
    if (self && withdrawn)
        emit exitRequested();
}

} // namespace kw
