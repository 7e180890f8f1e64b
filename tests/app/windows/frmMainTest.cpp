// The main window: texts by language, the channel commands that follow the active child,
// opening editors once, the splitter, the background and the stored placement.
#include "app/AppState.h"
#include "app/ConfigurationChange.h"
#include "app/QtTranslation.h"
#include "app/SafetySettings.h"
#include "app/windows/MainSessions.h"
#include "app/windows/MainToolBar.h"
#include "base/LanguageTexts.h"
#include "tests/app/windows/frmMainHarness.h"
#include "tests/support/WhenModal.h"
#include "ui/Twips.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <gtest/gtest.h>

using mk21::test::MainWindowHarness;

namespace mk21 {
namespace {

struct NamedText {
    const char* name;
    int text;
};

const NamedText menuTexts[] = {
    {"mnuFile", 10000},          {"mnuFileNew", 10001},       {"mnuFileOpen", 10002},
    {"mnuFileSave", 10003},      {"mnuFileSaveAs", 10004},    {"mnuFilePrint", 10005},
    {"mnuFileExit", 10006},      {"mnuModel", 10100},         {"mnuModelInfo", 10101},
    {"MnuCHEdit", 10800},        {"MnuCHCut", 10801},         {"MnuCHCopy", 10802},
    {"MnuCHPaste", 10803},       {"MnuCHInsert", 10804},      {"MnuCHDelete", 10805},
    {"MnuCHMoveUp", 10806},      {"MnuCHMoveDown", 10807},    {"mnuEdit", 10200},
    {"mnuChannelInfo", 10201},   {"mnuOptFeature", 10202},    {"MnuRadioFre", 10203},
    {"MnuDTMF", 10204},          {"MnuKey", 10208},           {"MnuScan", 10209},
    {"MnuAlert", 10210},         {"MnuTestFre", 10205},       {"mnuEmbeddedMsg", 10206},
    {"MnuLocalInfo", 10207},     {"mnuProgram", 10300},       {"mnuReadFromRadio", 10301},
    {"mnuWriteToRadio", 10302},  {"MnuProPassWord", 10303},   {"mnuSet", 10400},
    {"mnuComm", 10401},          {"mnuLanguage", 10402},      {"MnuInit", 10403},
    {"MnuCHHabits", 10808},      {"mnuView", 10500},          {"mnuTreeView", 10501},
    {"mnuViewToolbar", 10502},   {"mnuViewStatusBar", 10503}, {"mnuWindow", 10600},
    {"mnuWindowCascade", 10601}, {"mnuCloseAll", 10602},      {"mnuHelp", 10700},
    {"mnuHelpTopic", 10701},     {"mnuHelpAbout", 10702},     {"mnuFileBackups", 9101},
    {"MnuTrace", 9124},          {"MnuTraceFolder", 9125},
};

const NamedText toolTips[] = {
    {"NewFile", 11000},     {"OpenFile", 11001},      {"SaveFile", 11002},    {"Print", 11003},
    {"ReadRadio", 11004},   {"CommSet", 11005},       {"WriteRadio", 11006},  {"BtnCHCut", 11010},
    {"BtnCHCopy", 11011},   {"BtnCHPaste", 11012},    {"BtnCHInsert", 11013}, {"BtnCHDelete", 11014},
    {"BtnCHMoveUp", 11015}, {"BtnCHMoveDown", 11016}, {"About", 11007},
};

const NamedText treeNodes[] = {{"N1", 12001}, {"N2", 12002},  {"N4", 12004}, {"N8", 12010},
                               {"N9", 12011}, {"N10", 12012}, {"N6", 12006}, {"N7", 12007}};

// Every text of menus, toolbar, tree and status bar is the current language file's.
void ExpectTextsOf(MainWindowHarness& h)
{
    for (const NamedText& item : menuTexts) {
        const QString expected = GetLangText(h.state, item.text);
        ASSERT_FALSE(expected.isEmpty()) << item.text;
        EXPECT_EQ(h.action(item.name)->text(), expected) << item.name;
    }
    for (const NamedText& button : toolTips)
        EXPECT_EQ(h.action(button.name)->toolTip(), GetLangText(h.state, button.text)) << button.name;
    auto* tree = h.window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    QTreeWidgetItem* root = tree->topLevelItem(0);
    ASSERT_EQ(root->childCount(), static_cast<int>(std::size(treeNodes)));
    EXPECT_EQ(root->text(0), "MK-21"); // the display name of ZR750G
    EXPECT_EQ(root->data(0, Qt::UserRole).toString(), "N0");
    for (int i = 0; i < root->childCount(); ++i) {
        EXPECT_EQ(root->child(i)->data(0, Qt::UserRole).toString(), treeNodes[i].name);
        EXPECT_EQ(root->child(i)->text(0), GetLangText(h.state, treeNodes[i].text));
    }
    EXPECT_EQ(h.window->findChild<QLabel*>(QStringLiteral("Panel3"))->text(),
              GetLangText(h.state, 12008) + "1");
    EXPECT_EQ(h.window->findChild<QLabel*>(QStringLiteral("Panel2"))->text(), "MK-21[400 - 480 MHz]");
    EXPECT_EQ(h.window->windowTitle(), GetLangText(h.state, 12000) + "[MK-21:400 - 480 MHz][" +
                                           GetLangText(h.state, 12009) + ":new.dat]");
}

// A background picture with a one-pixel red frame around a blue inside.
void WritePicture(const QString& path, QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(1, 1, size.width() - 2, size.height() - 2, Qt::blue);
    ASSERT_TRUE(picture.save(path, "JPG", 100));
}

void Activate(frmMain& window)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST(MainWindow, TextsFollowTheLanguageAndSwitchWhenTheWindowIsActiveAgain)
{
    MainWindowHarness h(1);
    WritePicture(h.s.programFile("PIC/BK_1.jpg"), {30, 20});
    WritePicture(h.s.programFile("PIC/BK_2.jpg"), {50, 40});
    h.open();
    ExpectTextsOf(h);
    const QString englishFile = h.action("mnuFile")->text();
    EXPECT_EQ(h.action("mnuWindowTileVertical")->text(), "Tile Windows &Vertically");
    const QImage tile = h.window->mdiArea()->background().textureImage();
    ASSERT_EQ(tile.size(), QSize(28, 18));
    const QImage picture(h.s.programFile("PIC/BK_1.jpg"));
    EXPECT_EQ(tile.pixel(0, 0), picture.pixel(1, 1)) << "the frame is cut off";
    EXPECT_EQ(tile.pixel(27, 17), picture.pixel(28, 18));

    h.clickNode("N8");
    h.clickNode("N1");
    ASSERT_EQ(h.children(), QStringList({"FrmKey", "frmCommChInfo"}));

    // The language dialog's OK changes the language; the window applies it when active again.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    h.state.settings.ShownLanguage = 1;
    h.state.settings.CurrentLanguage = 2;
    h.state.settings.LanguageFileName = QStringLiteral("chinese.ini");
    EXPECT_NE(h.action("mnuFile")->text(), GetLangText(h.state, 10000)) << "nothing changes while inactive";
    Activate(*h.window);

    EXPECT_EQ(h.state.settings.ShownLanguage, 2);
    ExpectTextsOf(h);
    EXPECT_NE(h.action("mnuFile")->text(), englishFile);
    EXPECT_EQ(h.window->mdiArea()->background().textureImage().size(), QSize(48, 38));
    QTest::qWait(0); // closed children are deleted later
    EXPECT_EQ(h.children(), QStringList({"frmCommChInfo"})) << "children closed, the channel table reopened";

    // Activating again without a change keeps the open windows.
    h.clickNode("N8");
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Activate(*h.window);
    EXPECT_EQ(h.children().size(), 2);
}

TEST(MainWindow, AMissingBackgroundPictureLeavesThePlainBackground)
{
    MainWindowHarness h(2);
    ASSERT_TRUE(QFile::remove(h.s.programFile("PIC/BK_2.jpg")));
    h.open();
    EXPECT_TRUE(h.window->mdiArea()->background().textureImage().isNull());
    EXPECT_EQ(h.window->mdiArea()->background(), QMdiArea().background());
}

TEST(MainWindow, ItemsCarryTheirShortcutsAndStartShownOrHidden)
{
    MainWindowHarness h;
    h.open();
    const std::pair<const char*, const char*> shortcuts[] = {
        {"mnuFileNew", "Ctrl+N"},     {"mnuFileOpen", "Ctrl+O"},      {"mnuFileSave", "Ctrl+S"},
        {"MnuCHCut", "Ctrl+X"},       {"MnuCHCopy", "Ctrl+C"},        {"MnuCHPaste", "Ctrl+V"},
        {"MnuCHInsert", "Ctrl+I"},    {"MnuCHDelete", "Del"},         {"MnuCHMoveUp", "Ctrl+U"},
        {"MnuCHMoveDown", "Ctrl+D"},  {"mnuReadFromRadio", "Ctrl+R"}, {"mnuWriteToRadio", "Ctrl+W"},
        {"MnuProPassWord", "Ctrl+P"}, {"MnuCHHabits", "Ctrl+H"},      {"mnuFileSaveAs", "Ctrl+Shift+S"},
        {"mnuFileExit", "Ctrl+Q"},
    };
    for (const auto& [name, keys] : shortcuts)
        EXPECT_EQ(h.action(name)->shortcut(), QKeySequence(QString::fromLatin1(keys))) << name;
    // No two items share a key: the one listed above would not reach its command.
    QMap<QKeySequence, QString> owners;
    for (const QAction* item : h.window->findChildren<QAction*>()) {
        for (const QKeySequence& keys : item->shortcuts()) {
            EXPECT_FALSE(owners.contains(keys))
                << (keys.toString() + ": " + owners.value(keys) + " and " + item->objectName()).toStdString();
            owners.insert(keys, item->objectName());
        }
    }
    EXPECT_EQ(owners.size(), std::size(shortcuts)) << "every key is in the list above";

    const QStringList hidden = {"mnuHelpTopic", "MnuCHEdit", "mnuWindowTileHorizontal",
                                "mnuWindowTileVertical", "mnuWindowArrangeIcons"};
    for (const NamedText& item : menuTexts)
        EXPECT_EQ(h.action(item.name)->isVisible(), !hidden.contains(item.name)) << item.name;
    for (const char* checked : {"mnuTreeView", "mnuViewToolbar", "mnuViewStatusBar"})
        EXPECT_TRUE(h.action(checked)->isChecked()) << checked;
}

TEST(MainWindow, CutCopyAndPasteShowOurOwnPicturesWhereTheThemeHasNone)
{
    const QString theme = QIcon::themeName();
    const QString fallbackTheme = QIcon::fallbackThemeName();
    QIcon::setThemeName(QStringLiteral("mk21-no-such-theme"));
    QIcon::setFallbackThemeName(QStringLiteral("mk21-no-such-theme"));
    MainWindowHarness h;
    h.open();
    const std::pair<const char*, const char*> pictures[] = {
        {"BtnCHCut", "edit-cut.png"}, {"BtnCHCopy", "edit-copy.png"}, {"BtnCHPaste", "edit-paste.png"}};
    for (const auto& [button, picture] : pictures) {
        const QImage ours(
            QDir(QStringLiteral(MK21_SOURCE_DIR "/resources/PIC")).filePath(QLatin1String(picture)));
        ASSERT_FALSE(ours.isNull()) << picture;
        const QImage shown = h.action(button)->icon().pixmap(ours.size()).toImage();
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), ours.convertToFormat(QImage::Format_ARGB32))
            << button;
    }
    QIcon::setThemeName(theme);
    QIcon::setFallbackThemeName(fallbackTheme);
}

TEST(MainWindow, ChannelCommandsShowOnlyWhileTheChannelTableIsActive)
{
    MainWindowHarness h;
    h.open();
    auto* toolbar = h.window->findChild<MainToolBar*>(QStringLiteral("tbToolBar"));
    const auto expectChannelCommands = [&](bool shown, const char* when) {
        EXPECT_EQ(h.action("MnuCHEdit")->isVisible(), shown) << when;
        for (int position = 1; position <= MainToolBar::Positions; ++position) {
            const bool channelButton = position >= 11 && position <= 19;
            EXPECT_EQ(toolbar->at(position)->isVisible(), !channelButton || shown) << when << position;
        }
    };
    expectChannelCommands(false, "no child");
    h.action("mnuChannelInfo")->trigger();
    expectChannelCommands(true, "channel table opened");
    h.action("mnuOptFeature")->trigger();
    expectChannelCommands(false, "another child active");
    h.window->mdiArea()->setActiveSubWindow(h.child("frmCommChInfo"));
    expectChannelCommands(true, "channel table active again");
    h.child("frmCommChInfo")->close();
    QTest::qWait(0);
    expectChannelCommands(false, "channel table closed");
}

TEST(MainWindow, AnOpenEditorComesToTheFrontWithoutANewCascade)
{
    MainWindowHarness h;
    h.open();
    h.clickNode("N1");
    h.clickNode("N8");
    QMdiSubWindow* table = h.child("frmCommChInfo");
    table->move(123, 77);
    h.clickNode("N1");
    EXPECT_EQ(h.window->mdiArea()->activeSubWindow(), table);
    EXPECT_EQ(table->pos(), QPoint(123, 77));
    EXPECT_EQ(h.children(), QStringList({"frmCommChInfo", "FrmKey"}));

    h.clickNode("N9"); // a new one cascades them all
    EXPECT_NE(table->pos(), QPoint(123, 77));

    // The Window menu lists them, the active one checked.
    QMenu* windowMenu = h.window->findChild<QMenu*>(QStringLiteral("mnuWindow"));
    emit windowMenu->aboutToShow();
    QStringList listed;
    for (const QAction* entry : windowMenu->actions()) {
        if (entry->text().contains(QRegularExpression(QStringLiteral("^&\\d "))))
            listed.append(entry->text() + (entry->isChecked() ? "*" : ""));
    }
    EXPECT_EQ(listed, QStringList({"&1 frmCommChInfo", "&2 FrmKey", "&3 FrmScan*"}));

    h.action("mnuCloseAll")->trigger();
    QTest::qWait(0);
    EXPECT_TRUE(h.children().isEmpty());
}

TEST(MainWindow, TheSplitterKeepsThePanelBetweenItsLimits)
{
    MainWindowHarness h;
    h.open();
    QWidget* panel = h.window->findChild<QWidget*>(QStringLiteral("Picture1"));
    QWidget* bar = h.window->findChild<QWidget*>(QStringLiteral("CommandMove"));
    const int minimum = Twips::ToPixelsX(300, *panel);
    const auto drag = [&](int from, int to) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(from, 5), bar->mapToGlobal(QPointF(from, 5)),
                          Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent move(QEvent::MouseMove, QPointF(to, 5), bar->mapToGlobal(QPointF(to, 5)), Qt::NoButton,
                         Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(to, 5), bar->mapToGlobal(QPointF(to, 5)),
                            Qt::LeftButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(bar, &press);
        QCoreApplication::sendEvent(bar, &move);
        QCoreApplication::sendEvent(bar, &release);
    };
    const int start = panel->width();
    drag(2, 42);
    EXPECT_EQ(panel->width(), start + 40) << "wider";
    drag(2, 2 - (panel->width() - minimum));
    EXPECT_EQ(panel->width(), minimum) << "down to the limit";
    drag(2, 1);
    EXPECT_EQ(panel->width(), minimum) << "not below 300 twips";
    drag(2, 2 + h.window->width());
    EXPECT_EQ(panel->width(), minimum) << "not wider than the window";

    QMouseEvent move(QEvent::MouseMove, QPointF(50, 5), bar->mapToGlobal(QPointF(50, 5)), Qt::NoButton,
                     Qt::NoButton, {});
    QCoreApplication::sendEvent(bar, &move);
    EXPECT_EQ(panel->width(), minimum) << "moving without a press";
}

TEST(MainWindow, ThePanelToolbarAndStatusBarToggle)
{
    MainWindowHarness h;
    h.open();
    QWidget* panel = h.window->findChild<QWidget*>(QStringLiteral("Picture1"));
    h.action("mnuTreeView")->trigger();
    EXPECT_FALSE(panel->isVisible());
    h.action("mnuTreeView")->trigger();
    EXPECT_TRUE(panel->isVisible());
    h.action("删除")->trigger();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(h.action("mnuTreeView")->isChecked());

    for (const auto& [item, bar] :
         {std::pair{"mnuViewToolbar", "tbToolBar"}, {"mnuViewStatusBar", "sbStatusBar"}}) {
        QWidget* widget = h.window->findChild<QWidget*>(QString::fromLatin1(bar));
        h.action(item)->trigger();
        EXPECT_FALSE(widget->isVisible()) << bar;
        EXPECT_FALSE(h.action(item)->isChecked()) << item;
        h.action(item)->trigger();
        EXPECT_TRUE(widget->isVisible()) << bar;
    }
}

TEST(MainWindow, PlacementIsRestoredAndStoredInTwips)
{
    MainWindowHarness h;
    {
        QSettings store(h.state.settings.ApplicationTitle, h.state.settings.ApplicationTitle);
        store.setValue("Settings/MainLeft", "1440");
        store.setValue("Settings/MainTop", "720");
        store.setValue("Settings/MainWidth", "14400");
        store.setValue("Settings/MainHeight", "oops");
    }
    h.open();
    frmMain& w = *h.window;
    EXPECT_EQ(w.pos(), QPoint(Twips::ToPixelsX(1440, w), Twips::ToPixelsY(720, w)));
    EXPECT_EQ(w.size(), QSize(Twips::ToPixelsX(14400, w), Twips::ToPixelsY(9500, w))) << "default height";

    w.resize(Twips::ToPixelsX(9000, w), Twips::ToPixelsY(6000, w));
    w.close();
    QSettings store(h.state.settings.ApplicationTitle, h.state.settings.ApplicationTitle);
    EXPECT_EQ(store.value("Settings/MainWidth").toString(),
              QString::number(Twips::FromPixelsX(w.width(), w)));
    EXPECT_EQ(store.value("Settings/MainHeight").toString(),
              QString::number(Twips::FromPixelsY(w.height(), w)));
    EXPECT_EQ(store.value("Settings/MainLeft").toString(), QString::number(Twips::FromPixelsX(w.x(), w)));
}

TEST(MainWindow, ChannelCommandsRunFromTheirTimer)
{
    MainWindowHarness h;
    h.state.ChClipboard.full = true; // so that paste is offered from the start
    h.open();
    h.clickNode("N1");
    QSignalSpy due(h.window.get(), &frmMain::channelCommandDue);
    const std::pair<const char*, int> commands[] = {
        {"MnuCHCut", 1},    {"MnuCHCopy", 2},     {"MnuCHPaste", 3},    {"MnuCHInsert", 4},
        {"MnuCHDelete", 5}, {"MnuCHMoveUp", 6},   {"MnuCHMoveDown", 7}, {"BtnCHCut", 1},
        {"BtnCHCopy", 2},   {"BtnCHPaste", 3},    {"BtnCHInsert", 4},   {"BtnCHDelete", 5},
        {"BtnCHMoveUp", 6}, {"BtnCHMoveDown", 7},
    };
    for (const auto& [name, code] : commands) {
        h.action(name)->trigger();
        EXPECT_EQ(due.count(), 0) << name << ": not inside the menu event";
        EXPECT_EQ(h.window->PendingChannelCommand, code) << name;
        ASSERT_TRUE(due.wait(1000)) << name;
        EXPECT_EQ(due.takeFirst().at(0).toInt(), code) << name;
    }
    h.action("Print")->trigger();
    EXPECT_FALSE(h.window->TimerCHEdit.isActive());
}

TEST(MainWindow, TheModelAndLanguageDialogsTakeEffectWhenClosed)
{
    MainWindowHarness h;
    h.open();
    h.clickNode("N8");

    test::WhenModal([](QWidget* dialog) {
        test::Control<QComboBox>(dialog, "Combo1")->setCurrentIndex(1);
        QTest::mouseClick(test::Control<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
    });
    h.action("mnuLanguage")->trigger();
    EXPECT_EQ(h.state.settings.ShownLanguage, 2);
    EXPECT_EQ(h.action("mnuFile")->text(), GetLangText(h.state, 10000));
    EXPECT_EQ(h.children(), QStringList{"frmCommChInfo"});

    h.prompter.script(PromptAnswer::Ok); // the model change question
    test::WhenModal([](QWidget* dialog) {
        auto* models = test::Control<QComboBox>(dialog, "Combo1");
        models->setCurrentIndex(models->findText("MK-21G"));
        QTest::mouseClick(test::Control<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
    });
    h.action("mnuModelInfo")->trigger();
    ASSERT_TRUE(h.waitForNewDocument());
    EXPECT_EQ(h.state.model.CurrentModelCode, "ZR750");
    EXPECT_TRUE(h.window->windowTitle().contains("[MK-21G:")) << h.window->windowTitle().toStdString();
    EXPECT_FALSE(ModDocument::IsConfigurationChanged(h.state));
}

TEST(MainWindow, QtsOwnButtonsFollowTheProgramsLanguage)
{
    MainWindowHarness h(2);
    h.open();
    const auto yesNo = [] {
        const QMessageBox box(QMessageBox::Question, QString(), QString(),
                              QMessageBox::Yes | QMessageBox::No);
        return QStringList{box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text()};
    };
    const QStringList english = {"&Yes", "&No"};
    const QStringList chinese = {QCoreApplication::translate("QPlatformTheme", "&Yes"),
                                 QCoreApplication::translate("QPlatformTheme", "&No")};
    EXPECT_NE(chinese, english);
    EXPECT_EQ(yesNo(), chinese);

    test::WhenModal([](QWidget* dialog) {
        test::Control<QComboBox>(dialog, "Combo1")->setCurrentIndex(0);
        QTest::mouseClick(test::Control<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
    });
    h.action("mnuLanguage")->trigger();
    EXPECT_EQ(yesNo(), english);

    // Without Qt's translation the program goes on, in English.
    const QTemporaryDir noTranslations;
    EXPECT_FALSE(ModLanguage::FollowQtTexts(2, noTranslations.path()));
    EXPECT_EQ(yesNo(), english);
}

// Open Backup Folder and Open Trace Folder show their folder, made first so that an empty one
// shows, and name a folder the desktop cannot show in one message.
TEST(MainWindow, TheFolderItemsShowTheirFolderAndSayWhenTheyCannot)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    MainWindowHarness h;
    h.open();
    QList<QUrl> shown;
    bool opens = true;
    h.window->setFolderOpener([&](const QUrl& url) {
        shown.append(url);
        return opens;
    });
    const struct {
        const char* item;
        QString folder;
    } items[] = {{"mnuFileBackups", h.window->sessions().backupFolder()}, {"MnuTraceFolder", TraceFolder()}};
    for (const auto& [item, folder] : items) {
        SCOPED_TRACE(item);
        ASSERT_FALSE(QFileInfo::exists(folder));
        opens = true;
        shown.clear();
        h.prompter.asked.clear();
        h.action(item)->trigger();
        EXPECT_TRUE(QFileInfo(folder).isDir());
        EXPECT_EQ(shown, QList<QUrl>{QUrl::fromLocalFile(folder)});
        EXPECT_TRUE(h.prompter.numbers().isEmpty());

        opens = false;
        h.action(item)->trigger();
        ASSERT_EQ(h.prompter.numbers(), QList<int>{9126});
        EXPECT_EQ(h.prompter.asked.front().text, GetLangText(h.state, 9126).arg(folder));
    }
}

} // namespace
} // namespace mk21
