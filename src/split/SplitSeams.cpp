#include "SplitSeams.h"

#include "ProcessRunner.h"
#include "texts/CommonTexts.h"
#include "ui/UserPrompts.h"

namespace kw {

SplitSeams SplitSeams::standard(std::function<void()> warningSound) {
    SplitSeams seams;
    seams.warningSound = std::move(warningSound);
    seams.chooseFolder = [](QWidget* parent, const QString& title) {
        return choosePath(parent, {FilePrompt::Folder, title, {}, {}});
    };
    seams.showMessage = [](QWidget* parent, QMessageBox::Icon icon, const QString& text) {
        kw::showMessage(parent, {icon, text::kAppCaption.toString(), text, QMessageBox::Ok});
    };
    seams.makeRunner = [] {
        return std::make_unique<ProcessRunner>();
    };
    return seams;
}

} // namespace kw
