#pragma once

namespace kw {

// Main-window commands; menus, toolbar and shortcuts all dispatch through these ids.
enum class Command {
    Open = 32771,
    Sample = 32846,
    PlayPause = 32772,
    Stop = 32773,
    PreviousSentence = 32775,
    NextSentence = 32776,
    RepeatCurrent = 32849,
    UpFive = 32827,
    DownFive = 32851,
    FirstSentence = 32779,
    LastSentence = 32863,
    FollowRead = 32834,
    Split = 32861,
    ViewSubtitles = 32810,
    FontSmall = 32868,
    FontMedium = 32869,
    FontLarge = 32870,
    Stereo = 32839,
    LeftChannel = 32840,
    RightChannel = 32841,
    TopMost = 32811,
    Exit = 105,
    Materials = 32781,
    MaterialsGroup = 32871,
    Faq = 32784,
    HomePage = 32786,
    Blog = 32838,
    About = 104,
};

} // namespace kw
