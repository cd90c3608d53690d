#pragma once

#include <QTest>
#include <chrono>

namespace kwtest {

// Runs the event loop until `done` holds or `limit` has passed; returns whether it holds.
template <typename Predicate> bool waitUntil(Predicate done, std::chrono::milliseconds limit) {
    return QTest::qWaitFor(done, static_cast<int>(limit.count()));
}

} // namespace kwtest
