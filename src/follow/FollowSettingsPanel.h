#pragma once

#include <QWidget>

class QCheckBox;
class QFrame;
class QLineEdit;

namespace kw {

// The strip at the top of the follow-read window: the capture device with its chooser and
// properties buttons, the destination of recordings with its browse button, and the auto-play
// box. It only shows values and reports clicks; the window acts on them. Pressing its
// background drags the window.
class FollowSettingsPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 80;

    explicit FollowSettingsPanel(QWidget* parent = nullptr);

    void setDeviceName(const QString& name);
    void setDestination(const QString& path);
    void setAutoPlay(bool on);

    QString deviceName() const;
    QString destination() const;
    bool autoPlay() const;

signals:
    void chooseDeviceClicked();
    void devicePropertiesClicked();
    void browseClicked();
    void autoPlayToggled(bool on);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Keeps the etched rule along the bottom edge, one pixel wider than the panel.
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* deviceField_;
    QLineEdit* destinationField_;
    QCheckBox* autoPlayBox_;
    QFrame* rule_;
};

} // namespace kw
