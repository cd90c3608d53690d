// Saves without end, alternating between two contents, and writes one byte to stdout after
// every save; the kill test stops it at random moments. Modes:
//   save_loop lrc FILE     edits line 0 of the subtitle FILE ("A" / "B") and saves it
//   save_loop settings     saves the settings with w_text 1000 / 1500 (XDG_CONFIG_HOME set)
#include "app/settings/SettingsStore.h"
#include "subtitle/LineTable.h"

#include <QString>
#include <cstdio>
#include <cstring>

namespace {

int fail(const char* what) {
    std::fprintf(stderr, "save_loop: %s\n", what);
    return 2;
}

void tick() {
    std::fputc('.', stdout);
    std::fflush(stdout);
}

int saveLrcForever(const char* path) {
    kw::LineTable table;
    if (table.load(QString::fromLocal8Bit(path)) != kw::LineTable::Loaded)
        return fail("cannot load the subtitle file");
    for (bool b = true;; b = !b) {
        table.setText(0, b ? u"B" : u"A");
        if (table.save() != 0)
            return fail("save failed");
        tick();
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
        tick();
    }
    return fail("save failed");
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "lrc") == 0)
        return saveLrcForever(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "settings") == 0)
        return saveSettingsForever();
    return fail("usage: save_loop lrc FILE | save_loop settings");
}
