#pragma once

#include "repeat/RepeatView.h"

#include <QString>
#include <QStringList>
#include <array>

namespace kwtest {

// Keeps what the main window would show: the status parts, the toolbar, the play picture, how
// often the panels were refreshed and the messages.
class FakeRepeatView : public kw::RepeatView {
public:
    void setStatusText(StatusPart part, QStringView text) override {
        status[std::size_t(part)] = text.toString();
        ++statusWrites[std::size_t(part)];
    }
    void setToolbarState(const kw::ToolbarState& state) override { toolbar = state; }
    void setPlayImage(bool isPlaying) override { playImage = isPlaying; }
    void hideToolTip() override { ++toolTipHides; }
    void refresh() override { ++refreshes; }
    void posRefresh() override { ++posRefreshes; }
    void showError(QStringView text) override { errors << text.toString(); }

    std::array<QString, 3> status;
    std::array<int, 3> statusWrites{};
    kw::ToolbarState toolbar;
    bool playImage = false;
    int toolTipHides = 0;
    int refreshes = 0;
    int posRefreshes = 0;
    QStringList errors;
};

} // namespace kwtest
