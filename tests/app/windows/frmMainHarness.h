#pragma once

#include "app/windows/FileDialogs.h"
#include "app/windows/frmMain.h"
#include "tests/support/StagedState.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

class QMdiSubWindow;

namespace mk21::test {

// File dialogs answered from a script of chosen paths; an empty path or an empty script cancels.
class ScriptedDialogs final : public FileDialogs {
public:
    std::optional<QString> openFile(const QString& filter) override;
    std::optional<QString> saveFile(const QString& filter, const QString& preset) override;

    QStringList answers;
    QStringList filters;
    QStringList presets; // of the save dialogs
    int shown = 0;

private:
    std::optional<QString> next();
};

// A main window on a staged state, with its settings store, its current folder and the
// program launcher in temporary places, and stand-ins for the editor windows it opens.
class MainWindowHarness {
public:
    explicit MainWindowHarness(int language = 1);
    ~MainWindowHarness();

    frmMain& open();
    QAction* action(const char* name) const;
    // Clicks the tree node with that key.
    void clickNode(const char* key);
    // The loaded child windows' names, in the area's order.
    QStringList children() const;
    QMdiSubWindow* child(const QString& name) const;
    // Makes the working configuration differ from the saved one.
    void change();
    // Lets NewDocTimer run.
    bool waitForNewDocument();
    QString workFile(const QString& name) const { return QDir(work_.path()).filePath(name); }

    QTemporaryDir settingsStore;
    StagedState s;
    RecordingPrompter& prompter = s.prompter;
    AppState& state = s.state;
    std::unique_ptr<frmMain> window;
    ScriptedDialogs* dialogs = nullptr; // owned by the window
    QStringList launched;
    // The real channel table instead of a stand-in; set before open().
    bool realChannelTable = false;
    // The real editor windows instead of stand-ins; set before open().
    bool realEditors = false;

private:
    QTemporaryDir work_;
    QString previousFolder_;
};

} // namespace mk21::test
