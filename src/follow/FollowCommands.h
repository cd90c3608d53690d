#pragma once

// The follow-read window's commands: one table that the menu, the shortcuts and the toolbar are
// built from, so that all three dispatch the same ids.
#include "texts/FollowTexts.h"

#include <QKeySequence>
#include <QStringView>
#include <array>

namespace kw {

enum class FollowCommand {
    Previous = 32853,
    Next = 32854,
    PlayReference = 32864,
    PlayRecording = 32865,
    Record = 32866,
    Exit = 32858,
};

struct FollowCommandInfo {
    FollowCommand command;
    Qt::Key key;
    QStringView menuText;
    QStringView toolTip;
    // A menu separator follows the item.
    bool separatorAfter;
};

// In menu order, which is also the order of the toolbar pictures.
inline constexpr std::array<FollowCommandInfo, 6> kFollowCommands{{
    {FollowCommand::Previous, Qt::Key_Left, text::kFollowMenuPrevious, text::kFollowTipPrevious,
     false},
    {FollowCommand::Next, Qt::Key_Right, text::kFollowMenuNext, text::kFollowTipNext, true},
    {FollowCommand::PlayReference, Qt::Key_Up, text::kFollowMenuPlayReference,
     text::kFollowTipPlayReference, false},
    {FollowCommand::PlayRecording, Qt::Key_Tab, text::kFollowMenuPlayRecording,
     text::kFollowTipPlayRecording, true},
    {FollowCommand::Record, Qt::Key_Down, text::kFollowMenuStartRecording,
     text::kFollowTipStartRecording, true},
    {FollowCommand::Exit, Qt::Key_Escape, text::kFollowMenuExit, text::kFollowTipExit, false},
}};

// The command's position in kFollowCommands.
constexpr std::size_t followCommandIndex(FollowCommand command) {
    std::size_t i = 0;
    while (i < kFollowCommands.size() && kFollowCommands[i].command != command)
        ++i;
    return i;
}

} // namespace kw
