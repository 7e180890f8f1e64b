#pragma once

#include <QList>
#include <QStringList>

#include <functional>

class QAction;
class QMainWindow;
class QMdiArea;
class QMenu;

namespace mk21 {

class AppState;

// The main window's menu bar: every menu and item by its control name, with its shortcut, its
// visibility at load and its language text.
class MainMenus final {
public:
    // Builds the menus into the window's menu bar; the window owns them.
    void build(QMainWindow& window);
    // Sets every text, in display order; the few literal items keep their literals.
    void setTexts(AppState& state);
    // The recent files as "&1 name" .. above Exit, with a separator before Exit; `open` runs
    // for the file chosen. Nothing for an empty list.
    void showRecentFiles(const QStringList& paths, const std::function<void(const QString&)>& open);
    // The child windows of the area, listed at the end of mnuWindow; the checked one is active.
    void fillWindowList(QMdiArea& area);

    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileBackups = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuModel = nullptr;
    QAction* mnuModelInfo = nullptr;
    QMenu* MnuCHEdit = nullptr;
    QAction* MnuCHCut = nullptr;
    QAction* MnuCHCopy = nullptr;
    QAction* MnuCHPaste = nullptr;
    QAction* MnuCHInsert = nullptr;
    QAction* MnuCHDelete = nullptr;
    QAction* MnuCHMoveUp = nullptr;
    QAction* MnuCHMoveDown = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuChannelInfo = nullptr;
    QAction* mnuOptFeature = nullptr;
    QAction* MnuRadioFre = nullptr;
    QAction* MnuDTMF = nullptr;
    QAction* MnuKey = nullptr;
    QAction* MnuScan = nullptr;
    QAction* MnuAlert = nullptr;
    QAction* MnuTestFre = nullptr;
    QAction* mnuEmbeddedMsg = nullptr;
    QAction* MnuLocalInfo = nullptr;
    QMenu* mnuProgram = nullptr;
    QAction* mnuReadFromRadio = nullptr;
    QAction* mnuWriteToRadio = nullptr;
    QAction* MnuProPassWord = nullptr;
    QAction* MnuTrace = nullptr;
    QAction* MnuTraceFolder = nullptr;
    QMenu* mnuSet = nullptr;
    QAction* mnuComm = nullptr;
    QAction* mnuLanguage = nullptr;
    QAction* MnuInit = nullptr;
    QAction* MnuCHHabits = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuTreeView = nullptr;
    QAction* mnuViewToolbar = nullptr;
    QAction* mnuViewStatusBar = nullptr;
    QMenu* mnuWindow = nullptr;
    QAction* mnuWindowCascade = nullptr;
    QAction* mnuWindowTileHorizontal = nullptr;
    QAction* mnuWindowTileVertical = nullptr;
    QAction* mnuWindowArrangeIcons = nullptr;
    QAction* mnuCloseAll = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpTopic = nullptr;
    QAction* mnuHelpAbout = nullptr;

private:
    QList<QAction*> windowList_; // the listed child windows, rebuilt each time the menu opens
    QList<QAction*> recentList_; // the recent files and their separator
};

} // namespace mk21
