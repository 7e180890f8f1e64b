// The main window's document commands with every answer: New, Initialise, Open (also of a file
// named at start, a recent file and a dropped one), Save, Save As, the recent files and the
// question at exit.
#include "app/AppState.h"
#include "app/ConfigurationChange.h"
#include "app/RecentFiles.h"
#include "base/LanguageTexts.h"
#include "link/SessionEngine.h"
#include "tests/app/windows/frmMainHarness.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using mk21::test::MainWindowHarness;

namespace mk21 {
namespace {

using A = PromptAnswer;

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A data file with the four channels of the shipped init file, beside its side file.
QString CopyInitFile(MainWindowHarness& h, const QString& name)
{
    const QString path = h.workFile(name);
    WriteBytes(path, ReadBytes(h.s.programFile("Init/ZR750G_0.dat")));
    WriteBytes(path.left(path.size() - 3) + "NVD", ReadBytes(h.s.programFile("Init/ZR750G_0.NVD")));
    return path;
}

// A copy of the init file whose version tag is `tag`.
QString FileOfVersion(MainWindowHarness& h, const QString& name, const char* tag)
{
    const QString path = CopyInitFile(h, name);
    QByteArray bytes = ReadBytes(path);
    bytes.replace(0, 4, tag);
    WriteBytes(path, bytes);
    return path;
}

void Script(MainWindowHarness& h, const std::vector<A>& answers)
{
    for (const A answer : answers)
        h.prompter.script(answer);
}

bool IsChanged(const MainWindowHarness& h)
{
    return ModDocument::IsConfigurationChanged(h.state);
}

// Drops `urls` on the window as a file manager does; whether the window took the drag.
bool Drop(frmMain& window, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QTest::qWait(0); // the file opens after the drop has ended
    return enter.isAccepted();
}

// The ways a file is opened; each goes on as Open does once its dialog has chosen the file.
enum class Route { Dialog, Named, Recent, Drop };
const std::pair<Route, const char*> routes[] = {{Route::Dialog, "dialog"},
                                                {Route::Named, "named at start"},
                                                {Route::Recent, "recent"},
                                                {Route::Drop, "drop"}};

// Before the window opens, so that its File menu lists the file as the first recent one.
void PrepareRoute(MainWindowHarness& h, Route route, const QString& path)
{
    if (route == Route::Recent)
        ModRecent::RememberRecentFile(h.state.settings.ApplicationTitle, path);
}

void OpenBy(MainWindowHarness& h, Route route, const QString& path)
{
    switch (route) {
    case Route::Dialog:
        h.dialogs->answers.append(path);
        h.action("mnuFileOpen")->trigger();
        break;
    case Route::Named: h.window->OpenDocument(path); break;
    case Route::Recent: h.action("mnuRecentFile1")->trigger(); break;
    case Route::Drop: EXPECT_TRUE(Drop(*h.window, {QUrl::fromLocalFile(path)})); break;
    }
}

// The texts of the File menu's recent entries, in their order.
QStringList RecentEntries(const MainWindowHarness& h)
{
    QStringList texts;
    for (const QAction* item : h.window->findChild<QMenu*>("mnuFile")->actions()) {
        if (item->objectName().startsWith("mnuRecentFile"))
            texts.append(item->text());
    }
    return texts;
}

TEST(MainWindowDocuments, NewAsksToSaveAChangedDocumentThenToConfirm)
{
    // An untitled document is saved through the save dialog; "new.dat" may be another's file.
    const struct {
        bool changed;
        std::vector<A> answers;
        const char* saveAs; // the save dialog's answer; null: no dialog expected, "": cancelled
        QList<int> asked;
        bool saved;
        bool renewed;
    } cases[] = {
        {false, {A::Ok}, nullptr, {9026}, false, true},
        {false, {A::Cancel}, nullptr, {9026}, false, false},
        {true, {A::Yes, A::Cancel}, "mine.dat", {9006, 9026}, true, false},
        {true, {A::Yes, A::Ok}, "mine.dat", {9006, 9026}, true, true},
        {true, {A::Yes}, "", {9006}, false, false},
        {true, {A::Cancel, A::Ok}, nullptr, {9006, 9026}, false, true},
        {true, {A::No, A::Ok}, nullptr, {9006, 9026}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << &c - cases);
        MainWindowHarness h;
        h.open();
        h.clickNode("N8");
        WriteBytes(h.workFile("new.dat"), "someone else's");
        if (c.changed)
            h.change();
        Script(h, c.answers);
        if (c.saveAs != nullptr)
            h.dialogs->answers.append(QString::fromLatin1(c.saveAs).isEmpty() ? QString()
                                                                              : h.workFile(c.saveAs));
        h.action("mnuFileNew")->trigger();
        ASSERT_TRUE(h.waitForNewDocument());
        EXPECT_EQ(h.prompter.numbers(), c.asked);
        EXPECT_EQ(h.prompter.asked.last().icon, PromptIcon::Warning);
        EXPECT_EQ(h.dialogs->shown, c.saveAs != nullptr ? 1 : 0);
        EXPECT_EQ(ReadBytes(h.workFile("new.dat")), "someone else's");
        EXPECT_EQ(QFileInfo(h.workFile("mine.dat")).size(), c.saved ? 8595 : 0);
        EXPECT_EQ(h.children(), c.renewed ? QStringList{"frmCommChInfo"} : QStringList{"FrmKey"});
        EXPECT_EQ(IsChanged(h), c.changed && !c.renewed && !c.saved);
        EXPECT_EQ(h.state.document.IsUntitled, c.renewed || !c.saved);
    }
}

TEST(MainWindowDocuments, TheToolbarsNewAsksNothingAndInitialiseLoadsTheInitFile)
{
    MainWindowHarness h;
    h.open();
    h.change();
    h.clickNode("N8");
    h.action("NewFile")->trigger();
    EXPECT_TRUE(h.children().isEmpty()) << "children close at once";
    ASSERT_TRUE(h.waitForNewDocument());
    EXPECT_TRUE(h.prompter.asked.isEmpty());
    EXPECT_FALSE(IsChanged(h));
    EXPECT_EQ(h.children(), QStringList{"frmCommChInfo"});
    const int plainCount = h.state.WorkingConfiguration.ChannelCount;

    h.prompter.script(A::Cancel);
    h.action("MnuInit")->trigger();
    EXPECT_FALSE(h.state.document.InitRequested) << "cancelled: no new document to initialise";

    h.prompter.script(A::Ok);
    h.action("MnuInit")->trigger();
    EXPECT_TRUE(h.state.document.InitRequested);
    ASSERT_TRUE(h.waitForNewDocument());
    EXPECT_FALSE(h.state.document.InitRequested);
    EXPECT_EQ(h.state.WorkingConfiguration.ChannelCount, 4) << "the init file's channels";
    EXPECT_NE(plainCount, 4);
}

TEST(MainWindowDocuments, OpenLoadsTheChosenFile)
{
    for (const auto& [route, what] : routes) {
        SCOPED_TRACE(what);
        MainWindowHarness h;
        const QString path = CopyInitFile(h, "radio.dat");
        PrepareRoute(h, route, path);
        h.open();
        // A file named at start opens into the fresh document: there is nothing to ask.
        if (route != Route::Named) {
            h.change();
            h.prompter.script(A::No);
        }
        OpenBy(h, route, path);

        EXPECT_EQ(h.prompter.numbers(), route == Route::Named ? QList<int>{} : QList<int>{9006});
        const QStringList filters = {GetLangText(h.state, 9001) + " (*.dat)"};
        EXPECT_EQ(h.dialogs->filters, route == Route::Dialog ? filters : QStringList{});
        EXPECT_EQ(h.state.document.DocumentPath, path);
        EXPECT_FALSE(h.state.document.IsUntitled);
        EXPECT_FALSE(IsChanged(h));
        EXPECT_EQ(h.state.WorkingConfiguration.ChannelCount, 4);
        EXPECT_TRUE(h.window->windowTitle().endsWith(":radio.dat]")) << h.window->windowTitle().toStdString();
        EXPECT_EQ(h.children(), QStringList{"frmCommChInfo"});
        EXPECT_EQ(RecentEntries(h), QStringList{"&1 radio.dat"});
    }
}

TEST(MainWindowDocuments, OpenThatEndsEarlyOrIsRefusedKeepsTheDocument)
{
    enum class File { Good, Short, BadTag, Missing };
    const struct {
        const char* what;
        bool changed;
        A saveAnswer;
        bool chooseFile;
        File file;
        QList<int> asked;
        bool childrenKept;
    } cases[] = {
        {"save question cancelled", true, A::Cancel, true, File::Good, {9006}, true},
        {"dialog cancelled", false, A::Ok, false, File::Good, {}, true},
        {"one byte short", false, A::Ok, true, File::Short, {9033}, false},
        {"malformed version tag", false, A::Ok, true, File::BadTag, {9065}, false},
        {"missing file", false, A::Ok, true, File::Missing, {9002}, false},
    };
    for (const auto& [route, how] : routes) {
        for (const auto& c : cases) {
            // Only the dialog can be cancelled; a file named at start meets no changes.
            if ((!c.chooseFile && route != Route::Dialog) || (c.changed && route == Route::Named))
                continue;
            SCOPED_TRACE(std::string(how) + ", " + c.what);
            MainWindowHarness h;
            const QString path = CopyInitFile(h, "radio.dat");
            PrepareRoute(h, route, path);
            h.open();
            h.clickNode("N8");
            QByteArray bytes = ReadBytes(path);
            if (c.file == File::Short)
                bytes.chop(1);
            if (c.file == File::BadTag)
                bytes[0] = 'X';
            WriteBytes(path, bytes);
            if (c.file == File::Missing)
                QFile::remove(path);
            if (c.changed)
                h.change();
            h.prompter.script(c.saveAnswer);
            const QString caption = h.window->windowTitle();
            if (c.chooseFile)
                OpenBy(h, route, path);
            else
                h.action("mnuFileOpen")->trigger();

            EXPECT_EQ(h.prompter.numbers(), c.asked);
            EXPECT_EQ(h.dialogs->shown, route == Route::Dialog && !c.changed ? 1 : 0);
            EXPECT_EQ(h.state.document.DocumentPath, "new.dat");
            EXPECT_TRUE(h.state.document.IsUntitled);
            EXPECT_EQ(IsChanged(h), c.changed);
            EXPECT_EQ(h.window->windowTitle(), caption);
            QTest::qWait(0);
            EXPECT_EQ(h.children().contains("FrmKey"), c.childrenKept);
            // A recent file that is gone leaves the list; one that is there but refused stays.
            if (route == Route::Recent) {
                EXPECT_EQ(RecentEntries(h).size(), c.file == File::Missing ? 0 : 1);
            }
        }
    }
}

TEST(MainWindowDocuments, TheFileMenuListsTheLastFourFilesOpenedOrSavedAboveExit)
{
    MainWindowHarness h;
    h.open();
    EXPECT_TRUE(RecentEntries(h).isEmpty());

    h.window->OpenDocument(CopyInitFile(h, "a.dat"));
    h.dialogs->answers.append(h.workFile("b.dat"));
    h.action("mnuFileSaveAs")->trigger();
    for (const char* name : {"c.dat", "d.dat", "a.dat"})
        h.window->OpenDocument(CopyInitFile(h, name));
    EXPECT_EQ(RecentEntries(h), QStringList({"&1 a.dat", "&2 d.dat", "&3 c.dat", "&4 b.dat"}));
    // Pointed at, an entry shows its whole path in the status bar.
    h.action("mnuRecentFile3")->showStatusText(h.window->menuBar()); // as the open menu does
    EXPECT_EQ(h.window->findChild<QLabel*>("Panel1")->text(), h.workFile("c.dat"));
    const QList<QAction*> menu = h.window->findChild<QMenu*>("mnuFile")->actions();
    EXPECT_TRUE(menu[menu.size() - 2]->isSeparator() && menu[menu.size() - 3] == h.action("mnuRecentFile4"));
}

TEST(MainWindowDocuments, ADropOpensOnlyALocalFileAndNothingDuringASession)
{
    const struct {
        const char* what;
        bool remoteFirst;
        bool inSession;
        bool accepted;
    } cases[] = {
        {"two local files: the first", false, false, true},
        {"a remote file first", true, false, false},
        {"during a radio session", false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MainWindowHarness h;
        h.open();
        EXPECT_TRUE(h.window->acceptDrops());
        const QString first = CopyInitFile(h, "first.dat");
        const QList<QUrl> urls = {c.remoteFirst ? QUrl("https://example.org/first.dat")
                                                : QUrl::fromLocalFile(first),
                                  QUrl::fromLocalFile(CopyInitFile(h, "second.dat"))};
        h.change();
        h.prompter.script(A::No);
        h.state.session.OperationType =
            c.inSession ? ModSession::OperationRadioInfo : ModSession::OperationIdle;
        EXPECT_EQ(Drop(*h.window, urls), c.accepted);
        h.state.session.OperationType = ModSession::OperationIdle;

        EXPECT_EQ(h.prompter.numbers(), c.accepted ? QList<int>{9006} : QList<int>{});
        EXPECT_EQ(h.state.document.DocumentPath, c.accepted ? first : "new.dat");
        EXPECT_EQ(IsChanged(h), !c.accepted);
    }
}

TEST(MainWindowDocuments, OpeningAFileOfAnotherReleaseEndsTheProgramAtOnce)
{
    MainWindowHarness h;
    h.state.versionTable.append(VersionPair{"V100", "V199"});
    h.open();
    const QString path = FileOfVersion(h, "old.dat", "V199");
    h.dialogs->answers.append(path);
    h.prompter.script(A::Yes);
    h.action("mnuFileOpen")->trigger();

    EXPECT_EQ(h.prompter.asked.size(), 1) << "only the version question";
    EXPECT_EQ(h.launched.size(), 1);
    EXPECT_FALSE(h.window->isVisible());
    EXPECT_EQ(QFileInfo(h.s.programFile("Setting.ini")).size(), 0) << "no settings completion";
}

TEST(MainWindowDocuments, WhenNoOtherReleaseStartsTheProgramGoesOnWithItsDocument)
{
    const struct {
        const char* what;
        const char* servedBy; // the release listed for the file's version; "" for none
        bool startWorks;
    } cases[] = {
        {"no release serves the file", "", true},
        {"the release cannot be started", "V100", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MainWindowHarness h;
        if (*c.servedBy != '\0')
            h.state.versionTable.append(VersionPair{QString::fromLatin1(c.servedBy), "V199"});
        h.open();
        int starts = 0;
        h.window->setLauncher([&](const QString&) {
            ++starts;
            return c.startWorks;
        });
        h.change();
        const QString path = FileOfVersion(h, "old.dat", "V199");
        h.dialogs->answers.append(path);
        Script(h, {A::No, A::Yes, A::Ok});
        h.action("mnuFileOpen")->trigger();
        QTest::qWait(0);

        EXPECT_EQ(h.prompter.numbers(), (QList<int>{9006, 0, 9063}));
        EXPECT_EQ(starts, *c.servedBy != '\0' ? 1 : 0);
        EXPECT_TRUE(h.window->isVisible());
        EXPECT_EQ(h.state.document.DocumentPath, "new.dat");
        EXPECT_TRUE(IsChanged(h)) << "the edits are still there";
        h.action("mnuFileExit")->trigger(); // and the program still asks before it ends
        EXPECT_EQ(h.prompter.numbers().last(), 9006);
    }
}

TEST(MainWindowDocuments, SaveGoesToTheDialogWhenUntitledAndAsksWhenTitled)
{
    MainWindowHarness h;
    h.open();
    const QString path = h.workFile("mine.dat");
    h.dialogs->answers.append(path);
    h.action("mnuFileSave")->trigger();
    EXPECT_TRUE(h.prompter.asked.isEmpty());
    EXPECT_EQ(h.dialogs->presets, QStringList{"new.dat"});
    EXPECT_EQ(QFileInfo(path).size(), 8595);
    EXPECT_FALSE(h.state.document.IsUntitled);
    EXPECT_TRUE(h.window->windowTitle().endsWith(":mine.dat]"));

    const QByteArray before = ReadBytes(path);
    h.change();
    for (const A answer : {A::Cancel, A::Ok}) {
        h.prompter.clear();
        h.prompter.script(answer);
        h.action("SaveFile")->trigger();
        ASSERT_EQ(h.prompter.asked.size(), 1);
        EXPECT_EQ(h.prompter.asked[0].text, "\"mine.dat\"" + GetLangText(h.state, 9007));
        EXPECT_EQ(h.prompter.asked[0].icon, PromptIcon::Question);
        EXPECT_EQ(h.prompter.asked[0].buttons, PromptButtons::OkCancel);
        EXPECT_EQ(ReadBytes(path) == before, answer == A::Cancel);
        EXPECT_EQ(IsChanged(h), answer == A::Cancel);
    }
    EXPECT_EQ(h.dialogs->shown, 1) << "a titled document saves without the dialog";
}

TEST(MainWindowDocuments, SaveAsThatIsCancelledOrFailsKeepsTheDocumentsFile)
{
    MainWindowHarness h;
    h.open();
    const QString path = CopyInitFile(h, "radio.dat");
    h.dialogs->answers.append(path);
    h.action("mnuFileOpen")->trigger();
    h.change();

    h.action("mnuFileSaveAs")->trigger(); // cancelled
    EXPECT_EQ(h.dialogs->presets, QStringList{path});
    h.dialogs->answers.append(h.workFile("no/such/folder/x.dat"));
    h.action("mnuFileSaveAs")->trigger();
    EXPECT_EQ(h.prompter.numbers(), QList<int>{9002});
    EXPECT_EQ(h.state.document.DocumentPath, path);
    EXPECT_TRUE(h.window->windowTitle().endsWith(":radio.dat]"));
    EXPECT_TRUE(IsChanged(h));

    h.dialogs->answers.append(h.workFile("copy.dat"));
    h.action("mnuFileSaveAs")->trigger();
    EXPECT_EQ(h.state.document.DocumentPath, h.workFile("copy.dat"));
    EXPECT_FALSE(IsChanged(h));
}

TEST(MainWindowDocuments, ClosingAsksToSaveAChangedDocumentAndCancelKeepsTheWindow)
{
    const struct {
        bool changed;
        A answer;
        QList<int> asked;
        bool closed;
        bool savedByDialog;
    } cases[] = {
        {true, A::Cancel, {9006}, false, false},
        {true, A::No, {9006}, true, false},
        {true, A::Yes, {9006}, true, true},
        {false, A::Ok, {}, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << &c - cases);
        MainWindowHarness h;
        h.open();
        h.clickNode("N1");
        if (c.changed)
            h.change();
        h.prompter.script(c.answer);
        h.dialogs->answers.append(h.workFile("exit.dat"));
        h.action("mnuFileExit")->trigger();
        QTest::qWait(0);

        EXPECT_EQ(h.prompter.numbers(), c.asked);
        if (!c.asked.isEmpty()) {
            EXPECT_EQ(h.prompter.asked[0].buttons, PromptButtons::YesNoCancel);
            EXPECT_EQ(h.prompter.asked[0].icon, PromptIcon::Warning);
        }
        EXPECT_EQ(h.window->isVisible(), !c.closed);
        // The children close first; an exit that stops shows the channel table again.
        EXPECT_EQ(h.children(), c.closed ? QStringList() : QStringList{"frmCommChInfo"});
        EXPECT_EQ(QFileInfo(h.workFile("exit.dat")).exists(), c.savedByDialog);
        EXPECT_EQ(QFileInfo(h.s.programFile("Setting.ini")).size(), c.closed ? 4 : 0);
    }
}

TEST(MainWindowDocuments, ASaveThatDoesNotCompleteKeepsTheProgramAndTheDocument)
{
    // At exit, New and Open: Yes to Msg 9006 saves first, and nothing goes on until it has.
    enum class Save { DialogCancelled, QuestionCancelled, WriteFails };
    const struct {
        const char* what;
        const char* command;
        Save save;
        std::vector<A> answers;
        QList<int> asked; // 0: the composed Msg 9007 question
    } cases[] = {
        {"exit, dialog cancelled", "mnuFileExit", Save::DialogCancelled, {A::Yes}, {9006}},
        {"exit, Msg 9007 cancelled", "mnuFileExit", Save::QuestionCancelled, {A::Yes, A::Cancel}, {9006, 0}},
        {"exit, write fails", "mnuFileExit", Save::WriteFails, {A::Yes, A::Ok, A::Ok}, {9006, 0, 9002}},
        {"new, dialog cancelled", "mnuFileNew", Save::DialogCancelled, {A::Yes, A::Ok}, {9006}},
        {"new, write fails", "mnuFileNew", Save::WriteFails, {A::Yes, A::Ok, A::Ok}, {9006, 9002}},
        {"open, dialog cancelled", "mnuFileOpen", Save::DialogCancelled, {A::Yes}, {9006}},
        {"open, write fails", "mnuFileOpen", Save::WriteFails, {A::Yes, A::Ok}, {9006, 9002}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MainWindowHarness h;
        h.open();
        QString path = "new.dat";
        if (c.save != Save::DialogCancelled) {
            path = CopyInitFile(h, "radio.dat");
            h.dialogs->answers.append(path);
            h.action("mnuFileOpen")->trigger();
            ASSERT_EQ(h.state.document.DocumentPath, path);
            h.dialogs->shown = 0;
        }
        if (c.save == Save::WriteFails) {
            // A folder where the file was: nothing can be written there.
            ASSERT_TRUE(QFile::remove(path));
            ASSERT_TRUE(QDir().mkdir(path));
        }
        h.clickNode("N8");
        h.change();
        Script(h, c.answers);
        h.action(c.command)->trigger();
        QTest::qWait(0);

        EXPECT_EQ(h.prompter.numbers(), c.asked);
        EXPECT_EQ(h.dialogs->shown, c.save == Save::DialogCancelled ? 1 : 0) << "no open dialog either";
        EXPECT_TRUE(h.window->isVisible());
        EXPECT_FALSE(h.window->NewDocTimer.isActive());
        EXPECT_EQ(h.state.document.DocumentPath, path);
        EXPECT_TRUE(IsChanged(h));
        EXPECT_EQ(QFileInfo(h.s.programFile("Setting.ini")).size(), 0) << "no settings completion";
        if (QLatin1String(c.command) == QLatin1String("mnuFileExit")) {
            EXPECT_TRUE(h.children().contains("frmCommChInfo")) << "the document is shown again";
        }
    }
}

} // namespace
} // namespace mk21
