#pragma once

#include <QByteArray>
#include <optional>

namespace kwtest {

// Sets (or, with nullopt, unsets) an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<QByteArray>& value)
        : name_(name),
          old_(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name))
                                               : std::nullopt) {
        set(value);
    }
    ~ScopedEnv() { set(old_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(name_, *value);
        else
            qunsetenv(name_);
    }

    const char* name_;
    std::optional<QByteArray> old_;
};

} // namespace kwtest
