#pragma once

#include "split/ToolRunner.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace kwtest {

// What a fake split tool was asked to do; outlives the runners that record into it.
struct FakeTool {
    using State = kw::ToolRunner::State;

    std::vector<QStringList> runs; // arguments of every started run
    QString program;               // program of the last started run
    int refusedStarts = 0;         // starts still to refuse
    int releasedWhileRunning = 0;  // runs let go before they ended
    // State a run reaches when started; Running keeps it running until `current` is changed.
    std::function<State(int run)> outcome = [](int) {
        return State::Succeeded;
    };
    State current = State::Idle;

    std::unique_ptr<kw::ToolRunner> makeRunner();
};

class FakeRunner : public kw::ToolRunner {
public:
    explicit FakeRunner(FakeTool& tool) : tool_(tool) {}

    bool start(const QString& program, const QStringList& arguments) override {
        if (tool_.refusedStarts > 0) {
            --tool_.refusedStarts;
            return false;
        }
        tool_.program = program;
        tool_.runs.push_back(arguments);
        tool_.current = tool_.outcome(int(tool_.runs.size()));
        return true;
    }
    State state() const override { return tool_.current; }
    void release() override {
        if (tool_.current == State::Running)
            ++tool_.releasedWhileRunning;
        tool_.current = State::Idle;
    }

private:
    FakeTool& tool_;
};

inline std::unique_ptr<kw::ToolRunner> FakeTool::makeRunner() {
    return std::make_unique<FakeRunner>(*this);
}

} // namespace kwtest
