#pragma once

#include "SplitSeams.h"

#include <QDialog>
#include <QTimer>

class QLabel;

namespace kw {

class BusyIndicator;
class SplitJob;

// "按句切割中…": drives a split job on a 100 ms poll, shows "k / n" and a busy animation, and
// reports the end in a message box. "终止" (or closing) ends the job; a piece being cut then
// finishes in the background. Accepted when the job finished, Rejected when aborted.
class SplitProgressDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPollMs = 100;

    SplitProgressDialog(SplitJob& job, ShowMessage showMessage, QWidget* parent = nullptr);

    void reject() override;

private:
    void poll();
    void stopRunning();

    SplitJob& job_;
    ShowMessage showMessage_;
    QTimer timer_;
    BusyIndicator* busy_;
    QLabel* count_;
};

} // namespace kw
