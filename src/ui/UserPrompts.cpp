#include "UserPrompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace kw {
namespace {

PromptResponder& responder() {
    static PromptResponder instance;
    return instance;
}

// As on other desktops, a dialog without a folder of its own opens where the user last chose
// something in this run, and in the home folder at first.
QString& lastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

QString askForPath(QWidget* parent, const FilePrompt& prompt) {
    const QString start = prompt.directory.isEmpty() ? lastFolder() : prompt.directory;
    switch (prompt.kind) {
    case FilePrompt::OpenFile:
        return QFileDialog::getOpenFileName(parent, prompt.title, start, prompt.filter);
    case FilePrompt::SaveFile:
        return QFileDialog::getSaveFileName(parent, prompt.title, start, prompt.filter);
    case FilePrompt::Folder:
        return QFileDialog::getExistingDirectory(parent, prompt.title, start);
    }
    return {};
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
    const QString chosen = askForPath(parent, prompt);
    if (!chosen.isEmpty())
        lastFolder() =
            prompt.kind == FilePrompt::Folder ? chosen : QFileInfo(chosen).absolutePath();
    return chosen;
}

} // namespace kw
