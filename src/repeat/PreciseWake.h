#pragma once

#include <QObject>

class QSocketNotifier;

namespace kw {

// A one-shot wake-up a given number of milliseconds ahead, delivered by the event loop. Arming
// and disarming cost a system call and no allocation, so the playback poll may re-arm it.
class PreciseWake : public QObject {
    Q_OBJECT
public:
    explicit PreciseWake(QObject* parent = nullptr);
    ~PreciseWake() override;

    void arm(int ms);
    void disarm();
    // The delay of the armed wake-up; 0 when none is pending.
    int armedMs() const { return armedMs_; }

signals:
    void woke();

private:
    void onReadable();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    int armedMs_ = 0;
};

} // namespace kw
