#include "SplitSeams.h"

#include "ProcessRunner.h"
#include "texts/CommonTexts.h"

#include <QFileDialog>

namespace kw {

SplitSeams SplitSeams::standard(std::function<void()> warningSound) {
    SplitSeams seams;
    seams.warningSound = std::move(warningSound);
    seams.chooseFolder = [](QWidget* parent, const QString& title) {
        return QFileDialog::getExistingDirectory(parent, title, QString(),
                                                 QFileDialog::ShowDirsOnly);
    };
    seams.showMessage = [](QWidget* parent, QMessageBox::Icon icon, const QString& text) {
        QMessageBox box(icon, text::kAppCaption.toString(), text, QMessageBox::Ok, parent);
        box.exec();
    };
    seams.makeRunner = [] {
        return std::make_unique<ProcessRunner>();
    };
    return seams;
}

} // namespace kw
