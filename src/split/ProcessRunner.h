#pragma once

#include "ToolRunner.h"

class QProcess;

namespace kw {

// ToolRunner over QProcess, with the tool's output discarded.
class ProcessRunner : public ToolRunner {
public:
    ProcessRunner() = default;
    ProcessRunner(const ProcessRunner&) = delete;
    ProcessRunner& operator=(const ProcessRunner&) = delete;
    ~ProcessRunner() override;

    bool start(const QString& program, const QStringList& arguments) override;
    State state() const override;
    void release() override;

private:
    QProcess* process_ = nullptr;
};

} // namespace kw
