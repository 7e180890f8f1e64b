#include "app/windows/MainMenus.h"

#include "app/AppState.h"
#include "app/RecentFiles.h"
#include "base/LanguageTexts.h"
#include "base/texts/BackupTexts.h"
#include "base/texts/MainWindowTexts.h"
#include "base/texts/MessageTexts.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace mk21 {

namespace {

// One row of the menu bar in display order: a menu, or an item of the menu above it.
struct MenuRow {
    QMenu* MainMenus::*menu = nullptr;
    QAction* MainMenus::*item = nullptr;
    const char* name = "";
    int text = 0;                  // language text number, or
    const char* literal = nullptr; // a text that is the same in every language
    const char* shortcut = nullptr;
    bool visible = true;
    bool checked = false;   // a check item, checked at load
    bool checkable = false; // a check item its command checks at load
    bool separatorBefore = false;
};

using M = MainMenus;

const MenuRow rows[] = {
    {.menu = &M::mnuFile, .name = "mnuFile", .text = Texts::Menu::File},
    {.item = &M::mnuFileNew, .name = "mnuFileNew", .text = Texts::Menu::FileNew, .shortcut = "Ctrl+N"},
    {.item = &M::mnuFileOpen, .name = "mnuFileOpen", .text = Texts::Menu::FileOpen, .shortcut = "Ctrl+O"},
    {.item = &M::mnuFileSave, .name = "mnuFileSave", .text = Texts::Menu::FileSave, .shortcut = "Ctrl+S"},
    {.item = &M::mnuFileSaveAs,
     .name = "mnuFileSaveAs",
     .text = Texts::Menu::FileSaveAs,
     .shortcut = "Ctrl+Shift+S"},
    {.item = &M::mnuFilePrint,
     .name = "mnuFilePrint",
     .text = Texts::Menu::FilePrint,
     .separatorBefore = true},
    {.item = &M::mnuFileBackups,
     .name = "mnuFileBackups",
     .text = Texts::Backup::OpenFolder,
     .separatorBefore = true},
    {.item = &M::mnuFileExit,
     .name = "mnuFileExit",
     .text = Texts::Menu::FileExit,
     .shortcut = "Ctrl+Q",
     .separatorBefore = true},
    {.menu = &M::mnuModel, .name = "mnuModel", .text = Texts::Menu::Model},
    {.item = &M::mnuModelInfo, .name = "mnuModelInfo", .text = Texts::Menu::ModelInfo},
    {.menu = &M::MnuCHEdit, .name = "MnuCHEdit", .text = Texts::Menu::Channel, .visible = false},
    {.item = &M::MnuCHCut, .name = "MnuCHCut", .text = Texts::Menu::ChannelCut, .shortcut = "Ctrl+X"},
    {.item = &M::MnuCHCopy, .name = "MnuCHCopy", .text = Texts::Menu::ChannelCopy, .shortcut = "Ctrl+C"},
    {.item = &M::MnuCHPaste, .name = "MnuCHPaste", .text = Texts::Menu::ChannelPaste, .shortcut = "Ctrl+V"},
    {.item = &M::MnuCHInsert,
     .name = "MnuCHInsert",
     .text = Texts::Menu::ChannelInsert,
     .shortcut = "Ctrl+I",
     .separatorBefore = true},
    {.item = &M::MnuCHDelete, .name = "MnuCHDelete", .text = Texts::Menu::ChannelDelete, .shortcut = "Del"},
    {.item = &M::MnuCHMoveUp,
     .name = "MnuCHMoveUp",
     .text = Texts::Menu::ChannelMoveUp,
     .shortcut = "Ctrl+U",
     .separatorBefore = true},
    {.item = &M::MnuCHMoveDown,
     .name = "MnuCHMoveDown",
     .text = Texts::Menu::ChannelMoveDown,
     .shortcut = "Ctrl+D"},
    {.menu = &M::mnuEdit, .name = "mnuEdit", .text = Texts::Menu::Edit},
    {.item = &M::mnuChannelInfo, .name = "mnuChannelInfo", .text = Texts::Menu::EditChannels},
    {.item = &M::mnuOptFeature, .name = "mnuOptFeature", .text = Texts::Menu::EditOptionalFeatures},
    {.item = &M::MnuRadioFre, .name = "MnuRadioFre", .text = Texts::Menu::EditFmRadio},
    {.item = &M::MnuDTMF, .name = "MnuDTMF", .text = Texts::Menu::EditDtmf},
    {.item = &M::MnuKey, .name = "MnuKey", .text = Texts::Menu::EditKeys},
    {.item = &M::MnuScan, .name = "MnuScan", .text = Texts::Menu::EditScan},
    {.item = &M::MnuAlert, .name = "MnuAlert", .text = Texts::Menu::EditAlert},
    {.item = &M::MnuTestFre, .name = "MnuTestFre", .text = Texts::Menu::EditTestFrequencies},
    {.item = &M::mnuEmbeddedMsg, .name = "mnuEmbeddedMsg", .text = Texts::Menu::EditEmbeddedMessage},
    {.item = &M::MnuLocalInfo,
     .name = "MnuLocalInfo",
     .text = Texts::Menu::EditRadioInformation,
     .separatorBefore = true},
    {.menu = &M::mnuProgram, .name = "mnuProgram", .text = Texts::Menu::Program},
    {.item = &M::mnuReadFromRadio,
     .name = "mnuReadFromRadio",
     .text = Texts::Menu::ProgramRead,
     .shortcut = "Ctrl+R"},
    {.item = &M::mnuWriteToRadio,
     .name = "mnuWriteToRadio",
     .text = Texts::Menu::ProgramWrite,
     .shortcut = "Ctrl+W"},
    {.item = &M::MnuProPassWord,
     .name = "MnuProPassWord",
     .text = Texts::Menu::ProgramPassword,
     .shortcut = "Ctrl+P",
     .separatorBefore = true},
    {.item = &M::MnuTrace,
     .name = "MnuTrace",
     .text = Texts::Msg::TraceMenuItem,
     .checkable = true,
     .separatorBefore = true},
    {.item = &M::MnuTraceFolder, .name = "MnuTraceFolder", .text = Texts::Msg::TraceFolderMenuItem},
    {.menu = &M::mnuSet, .name = "mnuSet", .text = Texts::Menu::Settings},
    {.item = &M::mnuComm, .name = "mnuComm", .text = Texts::Menu::SettingsPort},
    {.item = &M::mnuLanguage, .name = "mnuLanguage", .text = Texts::Menu::SettingsLanguage},
    {.item = &M::MnuInit,
     .name = "MnuInit",
     .text = Texts::Menu::SettingsInitialize,
     .separatorBefore = true},
    {.item = &M::MnuCHHabits,
     .name = "MnuCHHabits",
     .text = Texts::Menu::ChannelPreferences,
     .shortcut = "Ctrl+H"},
    {.menu = &M::mnuView, .name = "mnuView", .text = Texts::Menu::View},
    {.item = &M::mnuTreeView, .name = "mnuTreeView", .text = Texts::Menu::ViewTree, .checked = true},
    {.item = &M::mnuViewToolbar, .name = "mnuViewToolbar", .text = Texts::Menu::ViewToolBar, .checked = true},
    {.item = &M::mnuViewStatusBar,
     .name = "mnuViewStatusBar",
     .text = Texts::Menu::ViewStatusBar,
     .checked = true},
    {.menu = &M::mnuWindow, .name = "mnuWindow", .text = Texts::Menu::Window},
    {.item = &M::mnuWindowCascade, .name = "mnuWindowCascade", .text = Texts::Menu::WindowCascade},
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
    {.item = &M::mnuCloseAll, .name = "mnuCloseAll", .text = Texts::Menu::WindowCloseAll},
    {.menu = &M::mnuHelp, .name = "mnuHelp", .text = Texts::Menu::Help},
    {.item = &M::mnuHelpTopic, .name = "mnuHelpTopic", .text = Texts::Menu::HelpTopics, .visible = false},
    {.item = &M::mnuHelpAbout,
     .name = "mnuHelpAbout",
     .text = Texts::Menu::HelpAbout,
     .separatorBefore = true},
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
        action->setCheckable(row.checked || row.checkable);
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

void MainMenus::showRecentFiles(const QStringList& paths, const std::function<void(const QString&)>& open)
{
    qDeleteAll(recentList_);
    recentList_.clear();
    mnuFile->setToolTipsVisible(true); // the entries' whole paths; the other items have no tip
    for (int index = 0; index < paths.size(); ++index) {
        const QString& path = paths[index];
        auto* entry = new QAction(ModRecent::MenuText(index, path), mnuFile);
        entry->setObjectName(QStringLiteral("mnuRecentFile%1").arg(index + 1));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        entry->setToolTip(entry->statusTip());
        QObject::connect(entry, &QAction::triggered, mnuFile, [open, path] { open(path); });
        mnuFile->insertAction(mnuFileExit, entry);
        recentList_.append(entry);
    }
    if (!recentList_.isEmpty())
        recentList_.append(mnuFile->insertSeparator(mnuFileExit));
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
