#include "ProcessRunner.h"

#include <QProcess>
#include <utility>

namespace kw {

namespace {

// Time allowed for the program to be executed (not to finish).
constexpr int kStartTimeoutMs = 5000;

} // namespace

ProcessRunner::~ProcessRunner() {
    release();
}

bool ProcessRunner::start(const QString& program, const QStringList& arguments) {
    release();
    auto* process = new QProcess;
    // Nobody reads the tool's chatter; an unread pipe could fill up and stall it.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(program, arguments);
    if (!process->waitForStarted(kStartTimeoutMs)) {
        delete process;
        return false;
    }
    process_ = process;
    return true;
}

ToolRunner::State ProcessRunner::state() const {
    if (!process_)
        return State::Idle;
    if (process_->state() != QProcess::NotRunning)
        return State::Running;
    const bool ok = process_->exitStatus() == QProcess::NormalExit && process_->exitCode() == 0;
    return ok ? State::Succeeded : State::Failed;
}

void ProcessRunner::release() {
    if (!process_)
        return;
    QProcess* process = std::exchange(process_, nullptr);
    if (process->state() == QProcess::NotRunning) {
        delete process;
        return;
    }
    // Deleting a running QProcess would kill the tool; let it finish and clean up after itself.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
}

} // namespace kw
