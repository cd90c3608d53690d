#include "PreciseWake.h"

#include <QSocketNotifier>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace kw {

PreciseWake::PreciseWake(QObject* parent) : QObject(parent) {
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0)
        return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PreciseWake::onReadable);
}

PreciseWake::~PreciseWake() {
    if (fd_ >= 0) {
        delete notifier_;
        ::close(fd_);
    }
}

void PreciseWake::arm(int ms) {
    if (fd_ < 0 || ms <= 0)
        return;
    itimerspec when{};
    when.it_value.tv_sec = ms / 1000;
    when.it_value.tv_nsec = long(ms % 1000) * 1'000'000;
    if (timerfd_settime(fd_, 0, &when, nullptr) == 0)
        armedMs_ = ms;
}

void PreciseWake::disarm() {
    if (armedMs_ == 0)
        return;
    const itimerspec never{};
    timerfd_settime(fd_, 0, &never, nullptr);
    armedMs_ = 0;
}

void PreciseWake::onReadable() {
    std::uint64_t expirations = 0;
    if (::read(fd_, &expirations, sizeof expirations) != sizeof expirations)
        return;
    armedMs_ = 0;
    emit woke();
}

} // namespace kw
