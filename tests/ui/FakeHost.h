#pragma once

#include "subtitle/LineTable.h"
#include "ui/ControlHost.h"
#include "ui/ListHost.h"
#include "ui/SubtitleListPanel.h"

#include <QString>
#include <vector>

namespace kwtest {

// n lines starting at 1000, 2000, ... ms with the texts "line 0", "line 1", ...
inline kw::LineTable makeTable(int n) {
    QString lrc;
    for (int i = 0; i < n; ++i)
        lrc += QStringLiteral("[%1:%2.00]line %3\n")
                   .arg((i + 1) / 60, 2, 10, QChar(u'0'))
                   .arg((i + 1) % 60, 2, 10, QChar(u'0'))
                   .arg(i);
    kw::LineTable table;
    table.loadBytes(lrc.toUtf8());
    return table;
}

// The application as the panels see it: plain values, and a record of every call.
struct FakeHost : kw::ui::ListHost, kw::ui::ControlHost {
    kw::LineTable table;
    bool loaded = true;
    int mode = 0;
    int current = 0;
    kw::PlayState state = kw::kStopped;
    int level = -500;
    bool mute = false;
    bool loop = true;
    int count = 3;
    int offset = 0;
    std::int64_t position = 0;
    // Like the repeat controller, refreshStatus moves the list's pointer when a list is given.
    kw::ui::SubtitleListPanel* list = nullptr;

    std::vector<int> jumps;
    std::vector<int> playerLevels;
    std::vector<int> curLineSets;
    int playPauses = 0;
    int displayRefreshes = 0;
    int statusRefreshes = 0;
    int pageOpens = 0;

    kw::LineTable* lineTable() override { return loaded ? &table : nullptr; }
    int lrcMode() const override { return mode; }
    int curLine() const override { return current; }
    kw::PlayState playState() const override { return state; }
    void playPause() override {
        ++playPauses;
        state = state == kw::kPlaying ? kw::kPaused : kw::kPlaying;
    }
    void jumpToLine(int line) override { jumps.push_back(line); }
    void refreshDisplay() override { ++displayRefreshes; }

    void setLrcMode(int m) override { mode = m; }
    int volume() const override { return level; }
    void setVolume(int l) override { level = l; }
    bool muted() const override { return mute; }
    void setMuted(bool m) override { mute = m; }
    bool fileLoop() const override { return loop; }
    void setFileLoop(bool l) override { loop = l; }
    int totalCount() const override { return count; }
    void setTotalCount(int c) override { count = c; }
    int offsetMs() const override { return offset; }
    void setOffsetMs(int ms) override { offset = ms; }
    void setCurLine(int line) override {
        current = line;
        curLineSets.push_back(line);
    }
    void setPlayerVolume(int l) override { playerLevels.push_back(l); }
    std::int64_t playerPositionMs() const override { return position; }
    void refreshStatus() override {
        ++statusRefreshes;
        if (list)
            list->posRefresh();
    }
    void openProductPage() override { ++pageOpens; }
};

} // namespace kwtest
