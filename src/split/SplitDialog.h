#pragma once

// The "按句切割" dialog. The main window's "按句切割…" item (enabled while a file is loaded)
// opens it modally over itself:
//
//     SplitDialog dialog({*table, state.lrcMode, state.mp3Path, mp3spltPath},
//                        SplitSeams::standard(playWarningSound), this);
//     dialog.exec();
//
// The table must have at least one line, as every loaded table has. "切割" probes the folder
// and runs SplitProgressDialog over this dialog; the result is Accepted once a job has run
// (finished or aborted) and Rejected when cancelled.

#include "SplitSeams.h"
#include "SplitSettings.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace kw {

class SplitDialog : public QDialog {
    Q_OBJECT
public:
    SplitDialog(const SplitSource& source, SplitSeams seams, QWidget* parent = nullptr);

    void accept() override;

private:
    QLineEdit* addNumberEntry(const char* name, std::uint32_t value);
    SplitEntries readEntries() const;
    void writeBack(const SplitSettings& settings);
    void chooseFolder();
    void runJob(const SplitSettings& settings);

    SplitSource source_;
    SplitSeams seams_;
    int sentenceCount_;
    QLineEdit* start_;
    QLineEdit* end_;
    QLineEdit* perPiece_;
    QLineEdit* firstNumber_;
    QLineEdit* folder_;
    QRadioButton* frameMode_;
};

} // namespace kw
