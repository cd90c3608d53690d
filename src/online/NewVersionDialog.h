#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

namespace kw {

// Opens a web page in the default browser; replaced in tests.
using UrlOpener = std::function<bool(const QUrl&)>;

// "Kelpwhistle 新版发布": the notice text and a way to the download page. Ends with 1 when
// "下载最新版" opened the download page, with 2 on "取消" or when closed otherwise.
class NewVersionDialog : public QDialog {
    Q_OBJECT
public:
    enum Result { Download = 1, Cancelled = 2 };

    NewVersionDialog(QStringView notice, UrlOpener openUrl, QWidget* parent);

    void reject() override;

private:
    UrlOpener openUrl_;
};

} // namespace kw
