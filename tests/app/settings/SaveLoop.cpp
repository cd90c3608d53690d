// Serves the kill test. For every byte read from stdin it forks a child that writes
// "pid <its pid>" and then saves without end, alternating between two contents and writing
// "saved" after every save; the test kills the child at a random moment. Forking keeps each
// round cheap where starting a program is slow (sanitizer builds). Modes:
//   save_loop lrc FILE   edits line 0 of the subtitle FILE ("B" / "A") and saves it
//   save_loop settings   saves the settings with w_text 1500 / 1000 (XDG_CONFIG_HOME set)
#include "app/settings/SettingsStore.h"
#include "subtitle/LineTable.h"

#include <QString>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

int fail(const char* what) {
    std::fprintf(stderr, "save_loop: %s\n", what);
    return 2;
}

void say(const std::string& line) {
    const std::string text = line + '\n';
    if (write(STDOUT_FILENO, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        _exit(3);
}

int saveLrcForever(kw::LineTable& table) {
    for (bool b = true;; b = !b) {
        table.setText(0, b ? u"B" : u"A");
        if (table.save() != 0)
            return fail("save failed");
        say("saved");
    }
}

int saveSettingsForever() {
    bool failed = false;
    const kw::MessageSink sink = [&failed](const QString&) {
        failed = true;
    };
    kw::Settings settings;
    for (bool b = true; !failed; b = !b) {
        settings.w_text = b ? 1500 : 1000;
        kw::saveSettings(settings, sink);
        say("saved");
    }
    return fail("save failed");
}

} // namespace

int main(int argc, char** argv) {
    const bool lrc = argc == 3 && std::strcmp(argv[1], "lrc") == 0;
    const bool settings = argc == 2 && std::strcmp(argv[1], "settings") == 0;
    if (!lrc && !settings)
        return fail("usage: save_loop lrc FILE | save_loop settings");
    // Loaded once: every child starts from the same table.
    kw::LineTable table;
    if (lrc && table.load(QString::fromLocal8Bit(argv[2])) != kw::LineTable::Loaded)
        return fail("cannot load the subtitle file");
    // Children vanish as soon as they are killed, which is how the test knows they are gone.
    std::signal(SIGCHLD, SIG_IGN);
    char request = 0;
    while (read(STDIN_FILENO, &request, 1) == 1) {
        const pid_t pid = fork();
        if (pid < 0)
            return fail("cannot fork");
        if (pid == 0) {
            // No child outlives this server, even when the test dies.
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (getppid() == 1)
                _exit(0);
            say("pid " + std::to_string(getpid()));
            _exit(lrc ? saveLrcForever(table) : saveSettingsForever());
        }
    }
    return 0;
}
