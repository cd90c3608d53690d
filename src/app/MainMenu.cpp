#include "MainMenu.h"

#include "WebPages.h"
#include "texts/AppTexts.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace kw {
namespace {

struct Item {
    Command command;
    QStringView text;
};

class MenuBuilder {
public:
    MenuBuilder(MainMenu& menu, const std::function<void(Command)>& dispatch)
        : menu_(menu), dispatch_(dispatch) {}

    void add(QMenu* into, const Item& item) {
        QAction* action = into->addAction(item.text.toString());
        const Command command = item.command;
        QObject::connect(action, &QAction::triggered, action,
                         [dispatch = dispatch_, command] { dispatch(command); });
        menu_.actions.insert(command, action);
    }
    void addAll(QMenu* into, std::initializer_list<Item> items) {
        for (const Item& item : items)
            add(into, item);
    }
    void addRadio(QMenu* into, QStringView title, std::initializer_list<Item> items) {
        QMenu* sub = into->addMenu(title.toString());
        auto* group = new QActionGroup(sub);
        for (const Item& item : items) {
            add(sub, item);
            QAction* action = menu_.action(item.command);
            action->setCheckable(true);
            group->addAction(action);
        }
    }

private:
    MainMenu& menu_;
    const std::function<void(Command)>& dispatch_;
};

} // namespace

MainMenu buildMainMenu(QMenuBar* bar, const std::function<void(Command)>& dispatch,
                       const std::function<void(const QString&)>& openSitePage) {
    MainMenu menu;
    MenuBuilder b(menu, dispatch);
    using namespace text;

    QMenu* op = menu.operation = bar->addMenu(kMenuOperation.toString());
    b.add(op, {Command::Open, kItemOpen});
    op->addSeparator();
    b.add(op->addMenu(kItemSampleMenu.toString()), {Command::Sample, kItemSample});
    op->addSeparator();
    b.addAll(op, {{Command::PlayPause, kItemPlay}, {Command::Stop, kItemStop}});
    op->addSeparator();
    b.addAll(op, {{Command::PreviousSentence, kItemPrevious},
                  {Command::NextSentence, kItemNext},
                  {Command::RepeatCurrent, kItemRepeat}});
    op->addSeparator();
    b.addAll(op, {{Command::UpFive, kItemUpFive},
                  {Command::DownFive, kItemDownFive},
                  {Command::FirstSentence, kItemFirst},
                  {Command::LastSentence, kItemLast}});
    op->addSeparator();
    b.add(op, {Command::FollowRead, kItemFollowRead});
    op->addSeparator();
    b.add(op, {Command::Split, kItemSplit});
    op->addSeparator();
    b.add(op, {Command::ViewSubtitles, kItemViewSubtitles});
    op->addSeparator();
    b.addRadio(op, kItemFontMenu,
               {{Command::FontSmall, kItemFontSmall},
                {Command::FontMedium, kItemFontMedium},
                {Command::FontLarge, kItemFontLarge}});
    b.addRadio(op, kItemChannelMenu,
               {{Command::Stereo, kItemStereo},
                {Command::LeftChannel, kItemLeft},
                {Command::RightChannel, kItemRight}});
    op->addSeparator();
    b.addAll(op, {{Command::TopMost, kItemTopMost}, {Command::Exit, kItemExit}});

    QMenu* resources = bar->addMenu(kMenuResources.toString());
    b.add(resources, {Command::Materials, kItemMaterials});
    resources->addSeparator();
    b.add(resources, {Command::MaterialsGroup, kItemMaterialsGroup});

    QMenu* tools = bar->addMenu(kMenuTools.toString());
    for (const auto& [title, page] : {std::pair{kItemToolsAudioEditor, site::kAudioEditors},
                                      std::pair{kItemToolsLrcEditor, site::kLrcEditors}}) {
        QAction* action = tools->addAction(title.toString());
        QObject::connect(action, &QAction::triggered, action,
                         [openSitePage, path = page] { openSitePage(path); });
    }

    QMenu* help = bar->addMenu(kMenuHelp.toString());
    b.add(help, {Command::Faq, kItemFaq});
    help->addSeparator();
    b.addAll(help, {{Command::HomePage, kItemHomePage}, {Command::Blog, kItemBlog}});
    help->addSeparator();
    b.add(help, {Command::About, kItemAbout});
    return menu;
}

void addMainKeys(QWidget* window, const std::function<void(Command)>& dispatch) {
    const std::pair<Qt::Key, Command> keys[] = {
        {Qt::Key_Down, Command::PlayPause},
        {Qt::Key_End, Command::LastSentence},
        {Qt::Key_F4, Command::Stop},
        {Qt::Key_Home, Command::FirstSentence},
        {Qt::Key_Left, Command::PreviousSentence},
        {Qt::Key_PageDown, Command::DownFive},
        {Qt::Key_PageUp, Command::UpFive},
        {Qt::Key_Right, Command::NextSentence},
        {Qt::Key_Tab, Command::FollowRead},
        {Qt::Key_Up, Command::RepeatCurrent},
    };
    for (const auto& [key, command] : keys) {
        auto* action = new QAction(window);
        action->setShortcut(QKeySequence(key));
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, action,
                         [dispatch, command = command] { dispatch(command); });
        window->addAction(action);
    }
}

} // namespace kw
