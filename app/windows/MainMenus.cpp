#include "app/windows/MainMenus.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace mk21
{

namespace
{

// One row of the menu bar in display order: a menu, or an item of the menu above it.
struct MenuRow {
    QMenu* MainMenus::*menu = nullptr;
    QAction* MainMenus::*item = nullptr;
    const char* name = "";
    int text = 0;                  // language text number, or
    const char* literal = nullptr; // a text that is the same in every language
    const char* shortcut = nullptr;
    bool visible = true;
    bool checked = false; // a check item, checked at load
    bool separatorBefore = false;
};

using M = MainMenus;

const MenuRow rows[] = {
    {.menu = &M::mnuFile, .name = "mnuFile", .text = 10000},
    {.item = &M::mnuFileNew, .name = "mnuFileNew", .text = 10001, .shortcut = "Ctrl+N"},
    {.item = &M::mnuFileOpen, .name = "mnuFileOpen", .text = 10002, .shortcut = "Ctrl+O"},
    {.item = &M::mnuFileSave, .name = "mnuFileSave", .text = 10003, .shortcut = "Ctrl+S"},
    {.item = &M::mnuFileSaveAs, .name = "mnuFileSaveAs", .text = 10004},
    {.item = &M::mnuFilePrint, .name = "mnuFilePrint", .text = 10005, .separatorBefore = true},
    {.item = &M::mnuFileExit, .name = "mnuFileExit", .text = 10006, .separatorBefore = true},
    {.menu = &M::mnuModel, .name = "mnuModel", .text = 10100},
    {.item = &M::mnuModelInfo, .name = "mnuModelInfo", .text = 10101},
    {.menu = &M::MnuCHEdit, .name = "MnuCHEdit", .text = 10800, .visible = false},
    {.item = &M::MnuCHCut, .name = "MnuCHCut", .text = 10801, .shortcut = "Ctrl+X"},
    {.item = &M::MnuCHCopy, .name = "MnuCHCopy", .text = 10802, .shortcut = "Ctrl+C"},
    {.item = &M::MnuCHPaste, .name = "MnuCHPaste", .text = 10803, .shortcut = "Ctrl+V"},
    {.item = &M::MnuCHInsert,
     .name = "MnuCHInsert",
     .text = 10804,
     .shortcut = "Ctrl+I",
     .separatorBefore = true},
    {.item = &M::MnuCHDelete, .name = "MnuCHDelete", .text = 10805, .shortcut = "Del"},
    {.item = &M::MnuCHMoveUp,
     .name = "MnuCHMoveUp",
     .text = 10806,
     .shortcut = "Ctrl+U",
     .separatorBefore = true},
    {.item = &M::MnuCHMoveDown, .name = "MnuCHMoveDown", .text = 10807, .shortcut = "Ctrl+D"},
    {.menu = &M::mnuEdit, .name = "mnuEdit", .text = 10200},
    {.item = &M::mnuChannelInfo, .name = "mnuChannelInfo", .text = 10201},
    {.item = &M::mnuOptFeature, .name = "mnuOptFeature", .text = 10202},
    {.item = &M::MnuRadioFre, .name = "MnuRadioFre", .text = 10203, .visible = false},
    {.item = &M::MnuDTMF, .name = "MnuDTMF", .text = 10204},
    {.item = &M::MnuKey, .name = "MnuKey", .text = 10208},
    {.item = &M::MnuScan, .name = "MnuScan", .text = 10209},
    {.item = &M::MnuAlert, .name = "MnuAlert", .text = 10210},
    {.item = &M::MnuTestFre, .name = "MnuTestFre", .text = 10205, .visible = false},
    {.item = &M::mnuEmbeddedMsg, .name = "mnuEmbeddedMsg", .text = 10206},
    {.item = &M::MnuLocalInfo, .name = "MnuLocalInfo", .text = 10207, .separatorBefore = true},
    {.menu = &M::mnuProgram, .name = "mnuProgram", .text = 10300},
    {.item = &M::mnuReadFromRadio, .name = "mnuReadFromRadio", .text = 10301, .shortcut = "Ctrl+R"},
    {.item = &M::mnuWriteToRadio, .name = "mnuWriteToRadio", .text = 10302, .shortcut = "Ctrl+W"},
    {.item = &M::MnuProPassWord,
     .name = "MnuProPassWord",
     .text = 10303,
     .shortcut = "Ctrl+P",
     .separatorBefore = true},
    {.menu = &M::mnuSet, .name = "mnuSet", .text = 10400},
    {.item = &M::mnuComm, .name = "mnuComm", .text = 10401},
    {.item = &M::mnuLanguage, .name = "mnuLanguage", .text = 10402},
    {.item = &M::MnuInit, .name = "MnuInit", .text = 10403, .separatorBefore = true},
    {.item = &M::MnuCHHabits, .name = "MnuCHHabits", .text = 10808, .shortcut = "Ctrl+H"},
    {.menu = &M::mnuView, .name = "mnuView", .text = 10500},
    {.item = &M::mnuTreeView, .name = "mnuTreeView", .text = 10501, .checked = true},
    {.item = &M::mnuViewToolbar, .name = "mnuViewToolbar", .text = 10502, .checked = true},
    {.item = &M::mnuViewStatusBar, .name = "mnuViewStatusBar", .text = 10503, .checked = true},
    {.menu = &M::mnuWindow, .name = "mnuWindow", .text = 10600},
    {.item = &M::mnuWindowCascade, .name = "mnuWindowCascade", .text = 10601},
    {.item = &M::mnuWindowTileHorizontal,
     .name = "mnuWindowTileHorizontal",
     .literal = "Tile Windows &Horizontally",
     .visible = false},
    {.item = &M::mnuWindowTileVertical,
     .name = "mnuWindowTileVertical",
     .literal = "Tile Windows &Vertically",
     .visible = false},
    {.item = &M::mnuWindowArrangeIcons,
     .name = "mnuWindowArrangeIcons",
     .literal = "&Arrange Icons",
     .visible = false},
    {.item = &M::mnuCloseAll, .name = "mnuCloseAll", .text = 10602},
    {.menu = &M::mnuHelp, .name = "mnuHelp", .text = 10700},
    {.item = &M::mnuHelpTopic, .name = "mnuHelpTopic", .text = 10701, .visible = false},
    {.item = &M::mnuHelpAbout, .name = "mnuHelpAbout", .text = 10702, .separatorBefore = true},
};

} // namespace

void MainMenus::build(QMainWindow& window)
{
    QMenu* current = nullptr;
    for (const MenuRow& row : rows) {
        const QString name = QString::fromLatin1(row.name);
        if (row.menu != nullptr) {
            current = window.menuBar()->addMenu(QString());
            current->setObjectName(name);
            current->menuAction()->setObjectName(name);
            current->menuAction()->setVisible(row.visible);
            this->*row.menu = current;
            continue;
        }
        if (row.separatorBefore)
            current->addSeparator();
        QAction* action = current->addAction(QString());
        action->setObjectName(name);
        if (row.shortcut != nullptr)
            action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        action->setCheckable(row.checked);
        action->setChecked(row.checked);
        action->setVisible(row.visible);
        this->*row.item = action;
    }
}

void MainMenus::setTexts(AppState& state)
{
    for (const MenuRow& row : rows) {
        const QString text =
            row.literal != nullptr ? QString::fromLatin1(row.literal) : GetLangText(state, row.text);
        if (row.menu != nullptr)
            (this->*row.menu)->setTitle(text);
        else
            (this->*row.item)->setText(text);
    }
}

void MainMenus::fillWindowList(QMdiArea& area)
{
    qDeleteAll(windowList_);
    windowList_.clear();
    const QList<QMdiSubWindow*> windows = area.subWindowList();
    QMdiSubWindow* active = area.currentSubWindow();
    int number = 0;
    for (QMdiSubWindow* sub : windows) {
        if (sub->isHidden())
            continue; // closed, deletion pending
        if (number == 0)
            windowList_.append(mnuWindow->addSeparator());
        ++number;
        QAction* entry = mnuWindow->addAction(QStringLiteral("&%1 %2").arg(number).arg(sub->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(sub == active);
        QObject::connect(entry, &QAction::triggered, sub, [&area, sub] { area.setActiveSubWindow(sub); });
        windowList_.append(entry);
    }
}

} // namespace mk21
