#pragma once

#include "app/windows/MainMenus.h"
#include "link/VersionTables.h"
#include "ui/ChildWindows.h"

#include <QBrush>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>

#include <functional>
#include <memory>

class QDockWidget;
class QMdiArea;
class QUrl;

namespace mk21 {

class AppState;
class ChannelWindows;
class FileDialogs;
struct ChildWindowRow;
class MainStatusBar;
class MainSessions;
class MainToolBar;
class MainTreePanel;
class SerialLink;
class Switchboard;

// The program's only top-level working window: the parent of every editor window, with the menus,
// the toolbar, the tree panel and the status bar, and the commands they run.
class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int NewDocInterval = 100;
    static constexpr int ChannelCommandInterval = 20;
    static constexpr int HabitsCommand = 8; // the channel command that opens the preferences

    // Loads the window: menus and toolbar, placement, texts, tree and the first document.
    explicit frmMain(AppState& state, QWidget* parent = nullptr);
    ~frmMain() override;

    // Operations the other windows use.
    void Change_Language();
    void CloseCurAllWindows();
    void ShowCHInfo(bool show);
    void SetSaveEditData();
    // Every open editor stores the value being typed in it (before Write and Save).
    void CommitOpenEditors();
    void SetMainTexts();
    void ShowMainTxt();
    void LoadTree();
    void LoadBKPic();
    void LoadNewDoc();
    void LoadNewDoc2();
    void ReadRMGDataFromRadio();
    // Applies a language chosen since the window was last active.
    void Form_Activate();

    QMdiArea* mdiArea() const { return mdiArea_; }
    // The child windows and the links between them.
    Switchboard& switchboard() { return *switchboard_; }
    // The links between the channel windows, and the channel commands.
    ChannelWindows& channelWindows();

    // What the commands use, replaceable (tests answer the file dialogs themselves).
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);
    void setLauncher(ModVersion::ProgramLauncher launcher) { launcher_ = std::move(launcher); }
    const ModVersion::ProgramLauncher& launcher() const { return launcher_; }
    // How a folder is shown to the user (the file manager); false when it could not be.
    using FolderOpener = std::function<bool(const QUrl&)>;
    void setFolderOpener(FolderOpener opener) { folderOpener_ = std::move(opener); }
    // Shows a folder of the program's own (backups, traces), making it first if need be, so that
    // an empty one shows rather than fails; says so when it cannot be shown.
    void ShowFolder(const QString& folder);
    // Opens `factory`'s windows under that name instead of the switchboard's (tests use stand-ins).
    void setChildForm(const QString& name, ModFun::WindowFactory factory);
    // Opens the child window of that name once; a name without a window opens nothing.
    void OpenChildForm(const QString& name);
    // The radio link's port, closed when the window unloads. Not owned.
    void setSerialLink(SerialLink* link) { link_ = link; }
    // The radio sessions the radio commands run.
    MainSessions& sessions() { return *sessions_; }

    // Document commands. The saves return whether the document was written.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    // Opens the data file at `path` as Open does once its dialog has chosen it (the file named at
    // start-up); false when nothing was loaded.
    bool OpenDocument(const QString& path);
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();
    void MnuInit_Click();
    void mnuFileBackups_Click();
    // Radio commands; the session is attached to these.
    void mnuReadFromRadio_Click();
    void mnuWriteToRadio_Click();
    void MnuLocalInfo_Click();
    void MnuProPassWord_Click();
    void mnuComm_Click();
    // Dialogs.
    void mnuModelInfo_Click();
    void mnuLanguage_Click();
    void mnuHelpAbout_Click();
    // Another release takes over: the window closes without questions and the program ends.
    void EndAtOnce();
    // Records a channel command (1 cut .. 7 move down, 8 preferences) for TimerCHEdit.
    void ChannelCommand(int code);

    QTimer TimerCHEdit;
    QTimer NewDocTimer;
    int PendingChannelCommand = 0;

signals:
    // TimerCHEdit is due with a channel command from 1 to 7.
    void channelCommandDue(int code);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A local data file dropped on the window opens after the save question; not during a session.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildWindow();
    void connectCommands();
    void restorePlacement();
    void storePlacement();
    void childActivated();
    void treeNodeClicked(const QString& key);
    void toolbarButtonClicked(const QString& key);
    // What a child window's tree node or menu item runs.
    void runChildWindowRow(const ChildWindowRow& row);
    void SetCHEditEnabled(int number);
    void TimerCHEdit_Timer();
    void NewDocTimer_Timer();
    bool SaveDocument(); // false when the file could not be written
    // The save chosen before New or Open replaces the document; false when it did not complete.
    bool SaveBeforeReplacing();
    // The save question before the document is replaced; false when it must stay (Cancel, or the
    // save chosen did not complete).
    bool DocumentMayBeReplaced();
    // A recent file or a dropped one: the save question, then the file as Open loads it.
    void OpenNamedFile(const QString& path);
    void ShowRecentFiles();

    AppState& state_;
    MainMenus menus_;
    QMdiArea* mdiArea_ = nullptr;
    MainToolBar* tbToolBar = nullptr;
    QDockWidget* panelDock_ = nullptr;
    MainTreePanel* Picture1 = nullptr;
    MainStatusBar* sbStatusBar = nullptr;
    std::unique_ptr<FileDialogs> dialogs_;
    ModVersion::ProgramLauncher launcher_ = ModVersion::StartDetached;
    FolderOpener folderOpener_;
    SerialLink* link_ = nullptr;
    QString dialogFilter_;
    QBrush plainBackground_;
    QString tilePath_; // the picture the cached tile came from
    QPixmap tile_;
    bool endingAtOnce_ = false;
    std::unique_ptr<Switchboard> switchboard_;
    std::unique_ptr<MainSessions> sessions_; // first to go: it closes the port
};

} // namespace mk21
