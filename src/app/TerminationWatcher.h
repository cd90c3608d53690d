#pragma once

#include <QObject>

class QSocketNotifier;

namespace kw {

// Turns SIGTERM (the end of the desktop session, a system shutdown) into a signal on the window
// thread: the handler only writes a byte to a socket the event loop watches.
class TerminationWatcher : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject* parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace kw
