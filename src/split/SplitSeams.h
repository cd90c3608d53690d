#pragma once

#include "ToolRunner.h"

#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace kw {

class LineTable;

// What the split dialogs cut: the open file's subtitles and MP3, and the split tool.
struct SplitSource {
    const LineTable& table;
    int lrcMode = 0;
    QString mp3Path;
    QString toolPath;
};

// A message box captioned with the application title; returns when it is closed.
using ShowMessage =
    std::function<void(QWidget* parent, QMessageBox::Icon icon, const QString& text)>;

// Everything the split dialogs ask of the world outside them, replaceable in tests.
struct SplitSeams {
    // The program's warning sound; returns at once.
    std::function<void()> warningSound;
    // A folder chosen by the user, empty when cancelled.
    std::function<QString(QWidget* parent, const QString& title)> chooseFolder;
    ShowMessage showMessage;
    // A runner for one split job.
    std::function<std::unique_ptr<ToolRunner>()> makeRunner;

    // The real folder dialog, message boxes and child processes around the given warning sound.
    static SplitSeams standard(std::function<void()> warningSound);
};

} // namespace kw
