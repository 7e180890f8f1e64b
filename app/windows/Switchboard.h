#pragma once

#include "app/windows/MainMenus.h"
#include "ui/ChildWindows.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <map>
#include <memory>
#include <span>

class QMdiArea;
class QWidget;

namespace mk21 {

class AppState;
class ChannelWindows;
class Switchboard;
class frmMain;

// The window that shows the radio's own information when a read of it ends.
inline constexpr const char* RadioInfoForm = "FrmRadioInfo";

// One child window of the main window: its name, the tree node and menu item that open it, and
// how it is made. A row without a factory is an editor still to come: it opens nothing.
struct ChildWindowRow {
    const char* form;                        // the window's object name
    const char* treeKey = nullptr;           // the tree node that opens it, or none
    int treeText = 0;                        // the node's language text; 0: no node is shown
    QAction* MainMenus::*menuItem = nullptr; // the menu item that opens it, or none
    std::unique_ptr<QWidget> (Switchboard::*make)() = nullptr;
    void (frmMain::*command)() = nullptr; // what node and item run instead of opening it
};

// The main window's child windows: which there are, opening each once, and the links between
// them. Makes every window it opens, connects its signals and owns the channel windows' links.
class Switchboard final : public QObject {
    Q_OBJECT
public:
    // Every child window, in the tree's order.
    static std::span<const ChildWindowRow> rows();
    static const ChildWindowRow* rowOfForm(const QString& form);
    static const ChildWindowRow* rowOfTreeKey(const QString& key);

    // `dialogParent` owns the dialogs the windows' commands show.
    Switchboard(AppState& state, QMdiArea* area, QWidget* dialogParent);
    ~Switchboard() override;

    // Opens the window of that name once: a loaded one only gets the focus. Returns it, or null
    // when there is no window to make under that name.
    QWidget* open(const QString& form);
    // A new window of the row, linked but not shown; null without a factory.
    std::unique_ptr<QWidget> make(const ChildWindowRow& row);
    // Opens `factory`'s windows under that name instead (the tests put stand-ins in).
    void setStandIn(const QString& form, ModFun::WindowFactory factory);

    ChannelWindows& channelWindows() { return *channels_; }

    // An open keys window shows the functions the keys hold now.
    void RefreshKeyWindow();

signals:
    // The channel table's cursor is on channel `number`: the channel commands follow it.
    void channelCursorMoved(int number);
    // The channel command menu opens here (screen coordinates).
    void channelMenuRequested(const QPoint& globalPos);
    // The tree shows the document again.
    void treeReloadWanted();
    // An auto-dial memory changed in the DTMF window: lists offering the memories fill anew.
    void dtmfMemoriesChanged();

private:
    std::unique_ptr<QWidget> makeChannelTable();
    std::unique_ptr<QWidget> makeChannelEditWindow();
    std::unique_ptr<QWidget> makeDtmfWindow();
    std::unique_ptr<QWidget> makeScanWindow();
    std::unique_ptr<QWidget> makeAlertWindow();
    // An editor without links to other windows.
    template <class Window> std::unique_ptr<QWidget> makeEditor() { return std::make_unique<Window>(state_); }

    AppState& state_;
    QMdiArea* area_;
    std::unique_ptr<ChannelWindows> channels_;
    std::map<QString, ModFun::WindowFactory> standIns_;
};

} // namespace mk21
