#pragma once

// Runs the MP3 repair tool under a small modal dialog with a busy animation until the tool ends.
// The user cannot close it. The open flow calls repairMp3() once when a file will not play.
#include <QDialog>
#include <QProcess>
#include <QTimer>

namespace kw {

class BusyIndicator;

class RepairDialog : public QDialog {
    Q_OBJECT
public:
    // Starts `program` with `arguments` when shown; closes at the first 200 ms tick that finds
    // it ended (or never started), so it shows for at least one tick.
    RepairDialog(QString program, QStringList arguments, QWidget* parent = nullptr);

    int ticks() const { return ticks_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

public slots:
    void done(int result) override;

private:
    void poll();

    QString program_;
    QStringList arguments_;
    BusyIndicator* busy_ = nullptr;
    QProcess process_;
    QTimer pollTimer_;
    int ticks_ = 0;
    bool done_ = false;
};

// Runs the repair tool as `<toolPath> -f <mp3Path>`, separate arguments (no shell), and returns
// when it has ended. A missing tool fails to start and the dialog closes at its first tick.
void repairMp3(const QString& toolPath, const QString& mp3Path, QWidget* parent);

} // namespace kw
