// The main window's radio commands against the simulated radio on a real pseudo-terminal: read,
// write and radio information read with their progress and password windows, and the port dialog.
#include "app/AppState.h"
#include "app/ConfigurationChange.h"
#include "app/SafetySettings.h"
#include "app/windows/MainSessions.h"
#include "base/LanguageTexts.h"
#include "channels/windows/ChannelGrid.h"
#include "channels/windows/frmCommChInfo.h"
#include "data/ImageCodec.h"
#include "data/ImageLayout.h"
#include "features/AlertEditor.h"
#include "features/DtmfEditor.h"
#include "features/KeyEditor.h"
#include "features/MessageEditor.h"
#include "features/OptionalFeaturesEditor.h"
#include "features/ScanEditor.h"
#include "link/windows/FrmProgress.h"
#include "tests/app/windows/frmMainHarness.h"
#include "tests/link/SimRadioProcess.h"
#include "tests/support/WhenModal.h"
#include "ui/ChildWindows.h"
#include "ui/FlexGrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace mk21 {
namespace {

using test::Control;
using test::MainWindowHarness;
using test::SimRadioProcess;

constexpr int SessionPort = 5;

// What a session showed of its progress window while it ran.
struct ProgressSeen {
    bool modalWhileRunning = false;
    QString title;
    QString label;
    QString percentText;
    int barValue = -1;
};

// A main window whose session port leads to an mk21sim (unpaced) started by the test.
class MainWindowSessions : public testing::Test {
protected:
    void attach(const SimRadioProcess& sim)
    {
        ASSERT_TRUE(sim.started());
        h.state.settings.PortOverrides.insert(SessionPort, sim.device());
        h.state.settings.comPort = SessionPort;
        h.open();
        QObject::connect(&sessions().engine(), &SessionEngine::sessionFinished, h.window.get(),
                         [this](int, bool) { atSessionEnd(); });
    }

    MainSessions& sessions() { return h.window->sessions(); }

    // The memory of a radio holding the working configuration as it is now.
    QByteArray radioHolding()
    {
        ModImage::PrefillImage(h.state, false);
        ModImage::EncodeImage(h.state);
        QByteArray memory(reinterpret_cast<const char*>(h.state.RadioImage.data()), RadioImageSize);
        return memory + test::PatternMemory().mid(RadioImageSize);
    }

    // Runs a menu command and waits until the session and its follow-up timers are done.
    void run(const char* command)
    {
        const int before = finished_;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [this] {
            const FrmProgress* progress = sessions().progressWindow();
            if (progress != nullptr && progress->isVisible() && QApplication::activeModalWidget() != nullptr)
                seen.modalWhileRunning = true;
            if (onModal)
                onModal(QApplication::activeModalWidget());
        });
        watch.start(5);
        h.action(command)->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return finished_ > before && !sessions().engine().busy(); }, 60000))
            << command;
        EXPECT_FALSE(sessions().link().isOpen());
    }

    void atSessionEnd()
    {
        ++finished_;
        if (const FrmProgress* progress = sessions().progressWindow()) {
            seen.title = progress->windowTitle();
            seen.label = Control<QLabel>(progress, "Label1")->text();
            seen.percentText = Control<QLabel>(progress, "Label2")->text();
            seen.barValue = Control<QProgressBar>(progress, "ProgressBar1")->value();
            EXPECT_FALSE(progress->isVisible());
        }
    }

    MainWindowHarness h;
    ProgressSeen seen;
    // Called every few milliseconds during a session with the modal window on top (or null).
    std::function<void(QWidget*)> onModal;

private:
    int finished_ = 0;
};

// The last block of a read or write starts at 2816 of the addresses up to 2831.
int LastPercent()
{
    return static_cast<int>(std::lround(2816 * 100.0 / 2831));
}

TEST_F(MainWindowSessions, ReadAndWriteTheRadioFromTheMenus)
{
    // The radio holds the initial configuration with the first channel's power changed.
    Integer& power = h.state.WorkingConfiguration.Channels[0].TxPower;
    const Integer initialPower = power;
    const Integer changedPower = initialPower == 0 ? 1 : 0;
    power = changedPower;
    QByteArray memory = radioHolding();
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, memory);
    attach(sim);
    h.clickNode("N2");
    ASSERT_TRUE(h.children().contains("FrmOptFeatures"));
    // A titled document, so that the read visibly makes it the untitled "new.dat".
    h.state.document.DocumentPath = QStringLiteral("titled.dat");
    h.state.document.IsUntitled = false;

    run("mnuReadFromRadio");
    EXPECT_EQ(h.prompter.numbers(), (QList<int>{9004, 9009}));
    EXPECT_EQ(h.state.WorkingConfiguration.Channels[0].TxPower, changedPower);
    EXPECT_EQ(h.state.document.DocumentPath, "new.dat");
    EXPECT_TRUE(h.state.document.IsUntitled);
    EXPECT_TRUE(ModDocument::IsConfigurationChanged(h.state));
    EXPECT_TRUE(h.window->windowTitle().endsWith(QLatin1String(":new.dat]")))
        << h.window->windowTitle().toStdString();
    EXPECT_EQ(h.children(), QStringList{"frmCommChInfo"}); // closed, then the channel table again
    EXPECT_TRUE(seen.modalWhileRunning);
    EXPECT_EQ(seen.title, GetLangText(h.state, 9027));
    EXPECT_EQ(seen.label, GetLangText(h.state, 9029));
    EXPECT_EQ(seen.barValue, LastPercent());
    EXPECT_EQ(seen.percentText, QString::number(LastPercent()) + QLatin1Char('%'));

    // Written back with the power as it was, verified by reading it back, then read again.
    h.prompter.clear();
    seen = {};
    h.state.WorkingConfiguration.Channels[0].TxPower = initialPower;
    h.state.document.DocumentPath = QStringLiteral("written.dat");
    run("mnuWriteToRadio");
    EXPECT_EQ(h.prompter.numbers(), (QList<int>{9005, 9091}));
    EXPECT_TRUE(seen.modalWhileRunning);
    EXPECT_EQ(seen.title, GetLangText(h.state, 9094)); // the read-back's progress ends the session
    EXPECT_EQ(seen.barValue, LastPercent());
    EXPECT_EQ(h.state.document.DocumentPath, "written.dat");
    EXPECT_EQ(h.children(), QStringList{"frmCommChInfo"});

    h.state.WorkingConfiguration.Channels[0].TxPower = changedPower;
    run("mnuReadFromRadio");
    EXPECT_EQ(h.state.WorkingConfiguration.Channels[0].TxPower, initialPower);
}

TEST_F(MainWindowSessions, EveryReadIsKeptAsABackupAndAFailedBackupDoesNotStopTheRead)
{
    Integer& power = h.state.WorkingConfiguration.Channels[0].TxPower;
    const Integer initialPower = power;
    power = initialPower == 0 ? 1 : 0;
    ModImage::PrefillImage(h.state, false);
    ModImage::EncodeImage(h.state);
    const QByteArray image(reinterpret_cast<const char*>(h.state.RadioImage.data()), RadioImageSize);
    power = initialPower;
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, image + test::PatternMemory().mid(RadioImageSize));
    attach(sim);
    const QString folder = sessions().backupFolder();

    // A folder under a regular file cannot be made, whoever runs the test: said, and the read goes on.
    QFile blocker(h.workFile(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    sessions().setBackupFolder(blocker.fileName() + QStringLiteral("/backups"));
    run("mnuReadFromRadio");
    EXPECT_EQ(h.prompter.numbers(), (QList<int>{9004, 9100, 9009}));
    EXPECT_EQ(h.state.WorkingConfiguration.Channels[0].TxPower, initialPower == 0 ? 1 : 0);
    EXPECT_EQ(h.children(), QStringList{"frmCommChInfo"});

    // Two reads, two backups of the image as the radio sent it.
    sessions().setBackupFolder(folder);
    h.prompter.clear();
    h.state.WorkingConfiguration.Channels[0].TxPower = initialPower;
    run("mnuReadFromRadio");
    run("mnuReadFromRadio");
    EXPECT_EQ(h.prompter.numbers(), (QList<int>{9004, 9009, 9004, 9009}));
    const QStringList images = QDir(folder).entryList({QStringLiteral("*.img")}, QDir::Files);
    ASSERT_EQ(images.size(), 2) << images.join(u' ').toStdString();
    for (const QString& name : images) {
        QFile kept(QDir(folder).filePath(name));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), image) << name.toStdString();
        EXPECT_TRUE(name.contains(QLatin1String("_ZR750G_band0"))) << name.toStdString();
    }
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.dat"), QStringLiteral("*.NVD")}, QDir::Files).size(),
              4);
}

TEST_F(MainWindowSessions, WithVerifyingTurnedOffInThePreferencesAWriteEndsAsBefore)
{
    // The radio stores the first block altered: only a read-back would notice.
    SimRadioProcess sim(
        {QStringLiteral("--no-pacing"), QStringLiteral("--fault"), QStringLiteral("corrupt@addr=0")},
        test::PatternMemory());
    attach(sim);
    bool tickedAtFirst = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->objectName() != QLatin1String("FrmHabits"))
            return;
        auto* box = Control<QCheckBox>(dialog, "CheckVerify");
        tickedAtFirst = box->isChecked();
        EXPECT_EQ(box->text(), GetLangText(h.state, 9095));
        box->setChecked(false);
        QTest::mouseClick(Control<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
    });
    answer.start(10);
    h.action("MnuCHHabits")->trigger();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !LoadVerifyAfterWrite(h.state.settings.ApplicationTitle); }, 5000));
    answer.stop();
    EXPECT_TRUE(tickedAtFirst);

    run("mnuWriteToRadio");
    EXPECT_EQ(h.prompter.numbers(), (QList<int>{9005, 9010}));
    EXPECT_EQ(seen.title, GetLangText(h.state, 9028));
}

struct ProgressCancelCase {
    const char* name;
    const char* command;
    bool escape; // Esc, else the Cancel button
    QList<int> prompts;
};

// The user stops a paced session a fifth of the way through; the sim's log shows END after it.
TEST_F(MainWindowSessions, CancelAndEscapeInTheProgressWindowStopTheSession)
{
    const ProgressCancelCase cases[] = {
        {"read, Esc", "mnuReadFromRadio", true, {9004}},
        {"write, Cancel button", "mnuWriteToRadio", false, {9005, 9120}},
    };
    SimRadioProcess sim({QStringLiteral("--verbose")}, test::PatternMemory());
    attach(sim);
    for (const ProgressCancelCase& c : cases) {
        SCOPED_TRACE(c.name);
        h.prompter.clear();
        const RadioConfiguration before = h.state.WorkingConfiguration;
        bool pressed = false;
        onModal = [&](QWidget* modal) {
            FrmProgress* progress = sessions().progressWindow();
            if (pressed || progress == nullptr || modal != progress ||
                Control<QProgressBar>(progress, "ProgressBar1")->value() < 20)
                return;
            pressed = true;
            auto* button = Control<QPushButton>(progress, "CommandCancel");
            EXPECT_EQ(button->text(), GetLangText(h.state, 9018));
            if (c.escape)
                QTest::keyClick(progress, Qt::Key_Escape);
            else
                QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_FALSE(button->isEnabled());
            EXPECT_TRUE(progress->isVisible()); // until the session has stopped
        };
        const qsizetype logStart = sim.log().size();
        run(c.command);
        onModal = nullptr;
        EXPECT_TRUE(pressed);
        EXPECT_EQ(h.prompter.numbers(), c.prompts);
        EXPECT_EQ(h.state.WorkingConfiguration, before);
        EXPECT_LT(seen.barValue, 40);
        // The simulator's account comes through its pipe a little later.
        const auto endAfterLastBlock = [&] {
            const QString log = sim.log().mid(logStart);
            return log.lastIndexOf(QStringLiteral("END -> end (06)")) >
                   log.lastIndexOf(QStringLiteral("len 16"));
        };
        EXPECT_TRUE(QTest::qWaitFor(endAfterLastBlock, 3000)) << sim.log().right(300).toStdString();
    }
}

TEST_F(MainWindowSessions, TheTraceMenuItemGivesEachSessionItsTraceInTheUsersDataFolder)
{
    QTemporaryDir data;
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, test::PatternMemory());
    attach(sim);
    QAction* item = h.action("MnuTrace");
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked()); // off unless turned on
    run("mnuReadFromRadio");
    const QString folder = TraceFolder();
    EXPECT_TRUE(folder.startsWith(data.path()));
    EXPECT_FALSE(QDir(folder).exists());

    item->trigger();
    EXPECT_TRUE(LoadTraceSessions(h.state.settings.ApplicationTitle));
    run("mnuReadFromRadio");
    run("mnuWriteToRadio"); // and its read-back
    const QStringList traces = QDir(folder).entryList({QStringLiteral("*.log")}, QDir::Files, QDir::Name);
    EXPECT_EQ(traces.size(), 3) << traces.join(u' ').toStdString();
    EXPECT_EQ(traces.filter(QStringLiteral("-read")).size(), 2);
    EXPECT_EQ(traces.filter(QStringLiteral("-write")).size(), 1);
    if (previous.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", previous);
}

// Chooses entry `text` of a list of an editor window as the user would.
void Choose(QWidget* window, const char* list, const QString& text)
{
    auto* box = Control<QComboBox>(window, list);
    const int position = box->findText(text);
    ASSERT_GE(position, 0) << list << " " << text.toStdString();
    box->setCurrentIndex(position);
    emit box->activated(position);
}

TEST_F(MainWindowSessions, ValuesChangedInTheFeatureEditorsReachTheRadio)
{
    // The radio holds values the editors cannot show: opening them rewrites those.
    FeatureSettings& f = h.state.WorkingConfiguration.Features;
    f.OptionalFeatures.TotTime = 22;
    f.Dtmf.DtmfRate = 0;
    f.KeySettings.Pf1Short = 11;
    QByteArray memory = radioHolding();
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, memory);
    h.realEditors = true;
    attach(sim);
    run("mnuReadFromRadio");
    ASSERT_EQ(h.state.WorkingConfiguration.Features.OptionalFeatures.TotTime, 22);

    // The configuration the radio must hold: the read one as the editors write it back on
    // opening, with one value changed in each.
    const RadioConfiguration read = h.state.WorkingConfiguration;
    const SideRecord readSide = h.state.WorkingSide;
    ASSERT_EQ(readSide.AlarmMode, 1);
    for (const auto& describe : {OptFeatures::Describe, DtmfEditor::Describe, KeyEditor::Describe,
                                 ScanEditor::Describe, AlertEditor::Describe, MessageEditor::Describe})
        Editor::ShowAndStoreAll(describe(h.state), h.state);
    FeatureSettings& e = h.state.WorkingConfiguration.Features;
    EXPECT_EQ(e.OptionalFeatures.TotTime, 15);
    EXPECT_EQ(e.Dtmf.DtmfRate, 1);
    EXPECT_EQ(e.KeySettings.Pf1Short, 0);
    e.OptionalFeatures.SquelchLevel = 7;
    e.Dtmf.DtmfMemory[0].Length = 3;
    e.Dtmf.DtmfMemory[0].Digits = "1*9";
    e.KeySettings.LongPressTime = 20;
    e.ScanSettings.LookBackTimeA = 10;
    h.state.WorkingSide.AlarmMode = 0;
    e.MessageLines[0] = QStringLiteral("HELLO") + QChar(u'\0');
    const RadioConfiguration expected = h.state.WorkingConfiguration;
    const SideRecord expectedSide = h.state.WorkingSide;
    h.state.WorkingConfiguration = read;
    h.state.WorkingSide = readSide;

    h.action("mnuOptFeature")->trigger();
    h.action("MnuDTMF")->trigger();
    h.action("MnuKey")->trigger();
    h.action("MnuScan")->trigger();
    h.action("MnuAlert")->trigger();
    h.action("mnuEmbeddedMsg")->trigger();
    ASSERT_EQ(h.children(), (QStringList{"frmCommChInfo", "FrmOptFeatures", "FrmDTMF", "FrmKey", "FrmScan",
                                         "FrmAlert", "FrmEmbMsg"}));
    Choose(h.child("FrmOptFeatures")->widget(), "Combo1(0)", QStringLiteral("7"));
    QLineEdit* memoryOne = Control<QLineEdit>(h.child("FrmDTMF")->widget(), "Text2(0)");
    memoryOne->setFocus();
    QTest::keyClicks(memoryOne, "1*9");
    Choose(h.child("FrmKey")->widget(), "Combo1(9)", QStringLiteral("2.0"));
    Choose(h.child("FrmScan")->widget(), "Combo1(7)", QStringLiteral("1.0"));
    Choose(h.child("FrmAlert")->widget(), "Combo1(10)", GetLangText(h.state, 26030));
    // Typed last, and the write starts with the cursor still in the line.
    QLineEdit* message = Control<QLineEdit>(h.child("FrmEmbMsg")->widget(), "Text1(0)");
    message->setFocus();
    message->selectAll();
    QTest::keyClicks(message, "HELLO");
    EXPECT_EQ(h.state.WorkingConfiguration, expected);
    EXPECT_EQ(h.state.WorkingSide, expectedSide);

    run("mnuWriteToRadio");
    EXPECT_TRUE(h.prompter.wasShown(9091));
    // Read back: the alarm setting travels in the image too.
    h.state.WorkingSide.AlarmMode = 1;
    run("mnuReadFromRadio");
    EXPECT_EQ(h.state.WorkingSide.AlarmMode, 0);
    const FeatureSettings& back = h.state.WorkingConfiguration.Features;
    EXPECT_EQ(back.OptionalFeatures, expected.Features.OptionalFeatures);
    EXPECT_EQ(back.KeySettings, expected.Features.KeySettings);
    EXPECT_EQ(back.ScanSettings, expected.Features.ScanSettings);
    EXPECT_EQ(back.AlertSettings, expected.Features.AlertSettings);
    // A code read back ends with a NUL where the typed one has blanks: the same text.
    EXPECT_EQ(back.Dtmf.DtmfMemory[0].Length, 3);
    EXPECT_EQ(back.Dtmf.DtmfMemory[0].Digits.text(), "1*9");
    EXPECT_EQ(back.Dtmf.DtmfRate, 1);
    sim.stop();
    h.state.WorkingSide = expectedSide;
    h.state.WorkingConfiguration = expected;
    ModImage::PrefillImage(h.state, false);
    ModImage::EncodeImage(h.state);
    // Up to the capability byte, which the session keeps as the radio's own.
    const auto compared = static_cast<qsizetype>(ImageLayout::CapabilityByte);
    const QByteArray sent(reinterpret_cast<const char*>(h.state.RadioImage.data()), compared);
    EXPECT_EQ(sim.savedMemory().left(compared).toHex(), sent.toHex());
}

TEST_F(MainWindowSessions, ValuesTypedInTheGridsWithoutLeavingTheCellReachTheRadioAndTheFile)
{
    QByteArray memory = radioHolding();
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, memory);
    h.realEditors = true;
    attach(sim);
    h.action("MnuTestFre")->trigger();
    h.action("MnuRadioFre")->trigger();
    // A cell entered and typed in; neither Enter nor a click elsewhere follows.
    auto typeInto = [&](const char* form, int row, int col, const char* text) {
        QWidget* window = h.child(QLatin1String(form))->widget();
        Control<FlexGrid>(window, "MSFlexGrid1")->setCursor(row, col);
        QLineEdit* box = Control<QLineEdit>(window, "Text1");
        ASSERT_TRUE(box->isVisible()) << form;
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    };
    typeInto("FrmTestFre", 2, 2, "455.5");
    run("mnuWriteToRadio");
    // Item 2's TestFreqA: bytes 4..7 of its eight, the digits as written.
    const qsizetype item2 = static_cast<qsizetype>(ImageLayout::TestFrequencies) + 8;
    EXPECT_EQ(sim.savedMemory().mid(item2 + 4, 4).toHex(), "45550000");

    typeInto("FrmRadio", 4, 1, "99.9");
    const QString path = h.workFile("fm.dat");
    h.dialogs->answers.append(path);
    h.action("mnuFileSave")->trigger();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // FM memory 4: FmEmpty 0 (two bytes) and FmFreq, at 7686 + 10 * 3.
    EXPECT_EQ(saved.readAll().mid(7686 + 30, 10), QByteArray("\0\0"
                                                             "09990000",
                                                             10));
}

TEST_F(MainWindowSessions, AReadShowsTheRadiosChannelsInTheChannelTable)
{
    // The radio holds channel 3 on 433.125 MHz and nothing on position 1; the document differs.
    RadioConfiguration& config = h.state.WorkingConfiguration;
    config.ChannelCount = 1;
    config.Channels[0].ChannelNo = 3;
    config.Channels[0].RxFreq = QStringLiteral("43312500");
    QByteArray memory = radioHolding();
    config.Channels[0].ChannelNo = 1;
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, memory);
    h.realChannelTable = true;
    attach(sim);
    EXPECT_EQ(h.children(), QStringList{"frmCommChInfo"}); // opened at start-up

    run("mnuReadFromRadio");
    const auto* table = qobject_cast<frmCommChInfo*>(
        ModFun::FindChildForm(h.window->mdiArea(), QLatin1String(frmCommChInfo::FormName)));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->grid()->cellText(3, 1), "433.12500");
    EXPECT_EQ(table->grid()->cellText(1, 1), "");
}

// What a run of the program has made and not yet freed: every widget, and every object the main
// window owns.
struct LiveObjects {
    qsizetype widgets = 0;
    qsizetype mainWindowObjects = 0;
    bool operator==(const LiveObjects&) const = default;
};

LiveObjects CountLiveObjects(const frmMain& window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {QApplication::allWidgets().size(), window.findChildren<QObject*>().size()};
}

TEST_F(MainWindowSessions, RepeatedReadsNewAndOpenLeaveNothingBehind)
{
    QByteArray memory = radioHolding();
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, memory);
    h.realChannelTable = true;
    attach(sim);
    const QString file = h.workFile(QStringLiteral("kept.dat"));
    const auto cycle = [&] {
        run("mnuReadFromRadio");
        h.dialogs->answers << file;
        h.action("mnuFileSaveAs")->trigger();
        h.prompter.script(PromptAnswer::Ok);
        h.action("mnuFileNew")->trigger();
        ASSERT_TRUE(h.waitForNewDocument());
        h.dialogs->answers << file;
        h.action("mnuFileOpen")->trigger();
        ASSERT_FALSE(ModDocument::IsConfigurationChanged(h.state));
        h.prompter.clear();
    };
    cycle();
    const LiveObjects settled = CountLiveObjects(*h.window);
    for (int i = 0; i < 5; ++i)
        cycle();
    const LiveObjects after = CountLiveObjects(*h.window);
    EXPECT_EQ(after.widgets, settled.widgets);
    EXPECT_EQ(after.mainWindowObjects, settled.mainWindowObjects);
    EXPECT_EQ(h.window->mdiArea()->subWindowList().size(), 1); // the channel table alone
}

TEST_F(MainWindowSessions, ResizingTheWindowLeavesTheReplyTimeoutRunning)
{
    SimRadioProcess sim({QStringLiteral("--fault"), QStringLiteral("silent")});
    attach(sim);
    int resizes = 0;
    QTimer resizer;
    QObject::connect(&resizer, &QTimer::timeout, [&] {
        // While the reply is awaited the window changes size, again and again.
        if (sessions().engine().WaitTimer.isActive() && resizes < 20) {
            h.window->resize(h.window->size() + QSize(resizes % 2 == 0 ? 8 : -8, 0));
            ++resizes;
        }
    });
    resizer.start(5);
    h.prompter.script(PromptAnswer::Ok);     // read the radio
    h.prompter.script(PromptAnswer::Cancel); // the radio does not answer: no retry
    h.action("mnuReadFromRadio")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sessions().engine().busy(); }, 10000))
        << "the session waits for ever";
    EXPECT_GT(resizes, 0);
    EXPECT_EQ(h.prompter.numbers(), (QList<int>{9004, 9008}));
}

TEST_F(MainWindowSessions, TheRadiosPasswordIsAskedInThePasswordWindow)
{
    SimRadioProcess sim({QStringLiteral("--no-pacing"), QStringLiteral("--password"), QStringLiteral("4321")},
                        test::PatternMemory());
    attach(sim);
    int asked = 0;
    QString shown = QStringLiteral("unset");
    onModal = [&](QWidget* modal) {
        if (modal == nullptr || modal->objectName() != QLatin1String("FrmPassWord"))
            return;
        ++asked;
        EXPECT_EQ(modal->parentWidget(), sessions().progressWindow()); // on top of the progress
        auto* text = Control<QLineEdit>(modal, "Text1");
        shown = text->text();
        text->setText(QStringLiteral("4321"));
        QTest::mouseClick(Control<QPushButton>(modal, "CommandOK"), Qt::LeftButton);
    };
    run("mnuReadFromRadio");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(shown, QString());
    EXPECT_EQ(h.state.session.EnteredPassword, "4321");
    EXPECT_EQ(h.prompter.numbers(), (QList<int>{9004, 9009}));
}

TEST_F(MainWindowSessions, ThePasswordMenuItemKeepsTheTypedPassword)
{
    h.open();
    h.state.session.EnteredPassword = QStringLiteral("12");
    const struct {
        const char* typed;
        const char* button;
        const char* kept;
    } cases[] = {{"9 ", "CommandOK", "9"}, {"5555", "CommandCancel", "9"}, {"", "CommandOK", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const QString before = h.state.session.EnteredPassword;
        test::WhenModal([&](QWidget* dialog) {
            auto* text = Control<QLineEdit>(dialog, "Text1");
            EXPECT_EQ(text->text(), before);
            EXPECT_EQ(text->maxLength(), 4);
            EXPECT_EQ(text->contextMenuPolicy(), Qt::NoContextMenu);
            text->setText(QString::fromLatin1(c.typed));
            QTest::mouseClick(Control<QPushButton>(dialog, c.button), Qt::LeftButton);
        });
        h.action("MnuProPassWord")->trigger();
        EXPECT_EQ(h.state.session.EnteredPassword, QString::fromLatin1(c.kept));
    }
}

TEST_F(MainWindowSessions, RadioInformationReadOpensTheInformationWindowWithoutProgress)
{
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, test::PatternMemory());
    attach(sim);
    h.clickNode("N7");
    EXPECT_TRUE(QTest::qWaitFor([&] { return h.child(QStringLiteral("FrmRadioInfo")) != nullptr; }, 30000));
    EXPECT_FALSE(sessions().engine().busy());
    EXPECT_EQ(sessions().progressWindow(), nullptr);
    EXPECT_TRUE(h.prompter.numbers().isEmpty());
    const QByteArray area(reinterpret_cast<const char*>(h.state.InfoArea.data()), InfoAreaSize);
    EXPECT_EQ(area, test::PatternMemory().mid(RadioImageSize, InfoAreaSize));
}

TEST_F(MainWindowSessions, TheInformationWindowShowsWhatTheRadioHoldsAndTakesNoTyping)
{
    QByteArray memory = test::PatternMemory();
    const auto put = [&](ImageLayout::InfoField field, const QByteArray& text) {
        const QByteArray padded = text + QByteArray(static_cast<qsizetype>(field.size) - text.size(), ' ');
        memory.replace(static_cast<qsizetype>(RadioImageSize + field.offset), padded.size(), padded);
    };
    put(ImageLayout::SerialNumber, "SN-20261210");
    put(ImageLayout::DealerCode, "DEALER 7");
    SimRadioProcess sim({QStringLiteral("--no-pacing")}, memory);
    h.realEditors = true;
    attach(sim);
    h.clickNode("N7");
    ASSERT_TRUE(QTest::qWaitFor([&] { return h.child(QStringLiteral("FrmRadioInfo")) != nullptr; }, 30000));
    QWidget* window = h.child(QStringLiteral("FrmRadioInfo"))->widget();
    QLineEdit* serial = Control<QLineEdit>(window, "Text1(1)");
    EXPECT_EQ(serial->text(), "SN-20261210");
    EXPECT_EQ(Control<QLineEdit>(window, "Text1(8)")->text(), "DEALER 7");
    serial->setFocus();
    QTest::keyClicks(serial, "typed");
    EXPECT_EQ(serial->text(), "SN-20261210");
    EXPECT_EQ(h.state.Details.SerialNumber.text(), "SN-20261210");
}

TEST_F(MainWindowSessions, ANewDocumentEndsARadioInformationReadStillRunning)
{
    SimRadioProcess sim({}, test::PatternMemory()); // paced: the read takes about a second
    attach(sim);
    h.clickNode("N7");
    ASSERT_TRUE(sessions().engine().busy());
    h.action("mnuFileNew")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sessions().link().isOpen(); }, 1000))
        << "the session ends and closes the port";
    EXPECT_FALSE(sessions().engine().busy());
    QTest::qWait(2000); // as long again as the read would have taken
    EXPECT_FALSE(sessions().link().isOpen());
    EXPECT_EQ(h.child(QStringLiteral("FrmRadioInfo")), nullptr) << "no window over the new document";
    EXPECT_NE(h.child(QStringLiteral("frmCommChInfo")), nullptr);
}

TEST_F(MainWindowSessions, ThePortChosenInTheDialogShowsInTheStatusBar)
{
    QTemporaryDir devices;
    const QString device = devices.filePath(QStringLiteral("ttyMK21"));
    QFile file(device);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    h.state.settings.PortOverrides.insert(9, device);
    h.open();
    test::WhenModal([](QWidget* dialog) {
        QTest::mouseClick(Control<QRadioButton>(dialog, "Option1(8)"), Qt::LeftButton);
        QTest::mouseClick(Control<QPushButton>(dialog, "CommandOK"), Qt::LeftButton);
    });
    h.action("mnuComm")->trigger();
    EXPECT_EQ(h.state.settings.comPort, 9);
    const QString portText = GetLangText(h.state, 12008) + QStringLiteral("9");
    bool shown = false;
    for (const QLabel* panel : h.window->statusBar()->findChildren<QLabel*>())
        shown = shown || panel->text() == portText;
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace mk21
