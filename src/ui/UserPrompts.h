#pragma once

// Every message box and file or folder chooser of the program goes through here, so that a test
// can answer the next one instead of a person (setPromptResponder), and the program shows real
// Qt dialogs otherwise.
#include <QMessageBox>
#include <QString>
#include <functional>

namespace kw {

struct MessagePrompt {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

QMessageBox::StandardButton showMessage(QWidget* parent, const MessagePrompt& prompt);
// An error box with the Ok button.
void showError(QWidget* parent, const QString& caption, const QString& text);

struct FilePrompt {
    enum Kind { OpenFile, SaveFile, Folder };
    Kind kind = OpenFile;
    QString title;
    QString directory;
    QString filter;
};

// The chosen path, empty when cancelled.
QString choosePath(QWidget* parent, const FilePrompt& prompt);

// Test seam: while set, prompts are passed to these instead of being shown.
struct PromptResponder {
    std::function<QMessageBox::StandardButton(const MessagePrompt&)> message;
    std::function<QString(const FilePrompt&)> path;
};
void setPromptResponder(PromptResponder responder);

} // namespace kw
