#pragma once

// Texts of the main window, its menus, toolbar and status bar, and of start-up.
#include <QStringView>

namespace kw::text {

// Start-up failures.
inline constexpr QStringView kFilesMissing = u"文件有缺失，请重装本软件";
inline constexpr QStringView kInstallationDamaged = u"文件有缺失，请重新安装 Kelpwhistle";
inline constexpr QStringView kMediaSystemDamaged = u"系统环境有问题，请修复或重装 GStreamer";

// Status bar, part 0.
inline constexpr QStringView kStatusNoFile = u"还未载入mp3文件";
inline constexpr QStringView kStatusLoaded = u"已载入mp3文件";

// Menus.
inline constexpr QStringView kMenuOperation = u"操作(&O)";
inline constexpr QStringView kMenuResources = u"资料(&R)";
inline constexpr QStringView kMenuTools = u"工具(&T)";
inline constexpr QStringView kMenuHelp = u"帮助(&H)";
inline constexpr QStringView kItemOpen = u"打开mp3文件… \t 支持拖放操作";
inline constexpr QStringView kItemSampleMenu = u"试听";
inline constexpr QStringView kItemSample = u"eg.mp3（英语课：谈论天气）";
inline constexpr QStringView kItemPlay = u"播放 \t ↓";
inline constexpr QStringView kItemPause = u"暂停 \t ↓";
inline constexpr QStringView kItemStop = u"停止 \t F4";
inline constexpr QStringView kItemPrevious = u"上一句 \t ←";
inline constexpr QStringView kItemNext = u"下一句 \t →";
inline constexpr QStringView kItemRepeat = u"复读当前句 \t ↑";
inline constexpr QStringView kItemUpFive = u"向上5句 \t Page Up";
inline constexpr QStringView kItemDownFive = u"向下5句 \t Page Down";
inline constexpr QStringView kItemFirst = u"跳到首句 \t Home";
inline constexpr QStringView kItemLast = u"跳到尾句 \t End";
inline constexpr QStringView kItemFollowRead = u"跟读对比… \t Tab";
inline constexpr QStringView kItemSplit = u"按句切割…";
inline constexpr QStringView kItemViewSubtitles = u"查看字幕文件 \t （同目录下的同名lrc文件）";
inline constexpr QStringView kItemFontMenu = u"字体";
inline constexpr QStringView kItemFontSmall = u"小号";
inline constexpr QStringView kItemFontMedium = u"中号";
inline constexpr QStringView kItemFontLarge = u"大号";
inline constexpr QStringView kItemChannelMenu = u"声道";
inline constexpr QStringView kItemStereo = u"立体声";
inline constexpr QStringView kItemLeft = u"左声道";
inline constexpr QStringView kItemRight = u"右声道";
inline constexpr QStringView kItemTopMost = u"窗口置顶";
inline constexpr QStringView kItemNotTopMost = u"取消窗口置顶";
inline constexpr QStringView kItemExit = u"退出";
inline constexpr QStringView kItemMaterials = u"mp3听力资料下载（含同名lrc字幕文件）…";
inline constexpr QStringView kItemMaterialsGroup = u"资料共享QQ群…";
inline constexpr QStringView kItemToolsAudioEditor = u"音频编辑软件推荐…";
inline constexpr QStringView kItemToolsLrcEditor = u"lrc字幕制作工具推荐…";
inline constexpr QStringView kItemFaq = u"常见问题解答…";
inline constexpr QStringView kItemHomePage = u"Kelpwhistle 官方网站…";
inline constexpr QStringView kItemBlog = u"访问博客";
inline constexpr QStringView kItemAbout = u"关于";

// Toolbar tooltips.
inline constexpr QStringView kTipOpen = u"打开mp3文件";
inline constexpr QStringView kTipPlay = u"播放（↓）";
inline constexpr QStringView kTipPause = u"暂停（↓）";
inline constexpr QStringView kTipStop = u"停止（F4）";
inline constexpr QStringView kTipPrevious = u"上一句（←）";
inline constexpr QStringView kTipNext = u"下一句（→）";
inline constexpr QStringView kTipRepeat = u"复读当前句（↑）";
inline constexpr QStringView kTipFollowRead = u"跟读对比（Tab）";

// About box.
inline constexpr QStringView kAboutTitle = u"关于 Kelpwhistle";
inline constexpr QStringView kAboutName = u"Kelpwhistle 2.7.8";
inline constexpr QStringView kAboutSummary = u"简介：mp3逐句复读、显示同步字幕";
inline constexpr QStringView kAboutOk = u"确定";

} // namespace kw::text
