#pragma once

#include <QString>
#include <QStringList>

namespace kw {

// Runs one external tool at a time as a child process and reports how it is doing; polled
// from the window thread, never blocking on the tool.
class ToolRunner {
public:
    enum class State { Idle, Running, Succeeded, Failed };

    virtual ~ToolRunner() = default;
    // Starts the program with these arguments (no shell); false when it could not be started.
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
    virtual State state() const = 0;
    // Forgets the current process and returns to Idle; a tool still running finishes on its own.
    virtual void release() = 0;
};

} // namespace kw
