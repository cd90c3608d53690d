#include "UserPrompts.h"

#include <QFileDialog>

namespace kw {
namespace {

PromptResponder& responder() {
    static PromptResponder instance;
    return instance;
}

} // namespace

void setPromptResponder(PromptResponder r) {
    responder() = std::move(r);
}

QMessageBox::StandardButton showMessage(QWidget* parent, const MessagePrompt& prompt) {
    if (responder().message)
        return responder().message(prompt);
    QMessageBox box(prompt.icon, prompt.caption, prompt.text, prompt.buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

void showError(QWidget* parent, const QString& caption, const QString& text) {
    showMessage(parent, {QMessageBox::Critical, caption, text, QMessageBox::Ok});
}

QString choosePath(QWidget* parent, const FilePrompt& prompt) {
    if (responder().path)
        return responder().path(prompt);
    switch (prompt.kind) {
    case FilePrompt::OpenFile:
        return QFileDialog::getOpenFileName(parent, prompt.title, prompt.directory, prompt.filter);
    case FilePrompt::SaveFile:
        return QFileDialog::getSaveFileName(parent, prompt.title, prompt.directory, prompt.filter);
    case FilePrompt::Folder:
        return QFileDialog::getExistingDirectory(parent, prompt.title, prompt.directory);
    }
    return {};
}

} // namespace kw
