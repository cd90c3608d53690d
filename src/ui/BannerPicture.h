#pragma once

#include <QWidget>

namespace kw::ui {

// The 125 x 60 banner with the product's name; a click on it reports clicked().
class BannerPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{125, 60};

    explicit BannerPicture(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kw::ui
