#pragma once

#include <QDialog>

namespace kw {

// "关于 Kelpwhistle": icon, name and version, a one-line summary and "确定".
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace kw
