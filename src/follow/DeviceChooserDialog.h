#pragma once

#include "follow/FollowServices.h"

#include <QDialog>
#include <functional>
#include <memory>

class QListWidget;

namespace kw {

// "选择录音设备": lists the capture devices with the current one selected. OK without a selection
// plays the warning sound and stays open; OK with one keeps that device (position, name and the
// device itself); Cancel keeps nothing. The listed devices are given back when it goes.
class DeviceChooserDialog : public QDialog {
    Q_OBJECT
public:
    DeviceChooserDialog(const CaptureDeviceLister& list, int currentPosition,
                        std::function<void()> warningSound, QWidget* parent = nullptr);

    // After the dialog was accepted.
    int chosenPosition() const { return chosen_; }
    const QString& chosenName() const { return chosenName_; }
    std::unique_ptr<CaptureDevice> takeChosenDevice();

private:
    void tryAccept();

    CaptureDeviceTable table_;
    std::function<void()> warningSound_;
    QListWidget* list_;
    int chosen_ = -1;
    QString chosenName_;
};

} // namespace kw
