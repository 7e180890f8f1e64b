// One contract for every editor window built on the shared frame: built from its description,
// labelled and placed by the rule, opening and choosing store what the description stores, and
// Enter moves the focus on; then what each window draws or checks of its own.
#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/MessageTexts.h"
#include "channels/ChannelList.h"
#include "data/ConfigurationOps.h"
#include "features/AlertEditor.h"
#include "features/DtmfEditor.h"
#include "features/KeyEditor.h"
#include "features/MessageEditor.h"
#include "features/OptionalFeaturesEditor.h"
#include "features/RadioInfoEditor.h"
#include "features/ScanEditor.h"
#include "features/windows/FrmAlert.h"
#include "features/windows/FrmDTMF.h"
#include "features/windows/FrmEmbMsg.h"
#include "features/windows/FrmKey.h"
#include "features/windows/FrmOptFeatures.h"
#include "features/windows/FrmRadioInfo.h"
#include "features/windows/FrmScan.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/WhenModal.h"
#include "ui/ChildWindows.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace mk21 {
namespace {

using test::Control;

struct EditorKind {
    const char* form;
    std::function<Editor::Model(ConfigurationState&)> describe;
    std::function<std::unique_ptr<EditorWindow>(ConfigurationState&)> make;
};

void PrintTo(const EditorKind& kind, std::ostream* out)
{
    *out << kind.form;
}

template <class Window> std::unique_ptr<EditorWindow> Make(ConfigurationState& state)
{
    return std::make_unique<Window>(state);
}

const EditorKind Kinds[] = {
    {OptFeatures::FormName, OptFeatures::Describe, Make<FrmOptFeatures>},
    {DtmfEditor::FormName, DtmfEditor::Describe, Make<FrmDTMF>},
    {KeyEditor::FormName, KeyEditor::Describe, Make<FrmKey>},
    {ScanEditor::FormName, ScanEditor::Describe, Make<FrmScan>},
    {AlertEditor::FormName, AlertEditor::Describe, Make<FrmAlert>},
    {MessageEditor::FormName, MessageEditor::Describe, Make<FrmEmbMsg>},
    {RadioInfoEditor::FormName, RadioInfoEditor::Describe, Make<FrmRadioInfo>},
};

// Whether opening or using the editor can store anything at all.
bool Stores(const Editor::Model& model)
{
    const auto editable = [](const auto& row) { return !row.readOnly; };
    return !model.checks.empty() || std::ranges::any_of(model.lists, editable) ||
           std::ranges::any_of(model.texts, editable);
}

// Values no list shows, in every editor's settings, as a damaged file or another program may leave.
void StoreOddValues(FeatureSettings& f)
{
    f.OptionalFeatures.TotTime = 22;
    f.OptionalFeatures.VoicePrompt = 0;
    f.OptionalFeatures.WiredClone = 2;
    f.Dtmf.DtmfRate = 0;
    f.Dtmf.FirstDigitTime = 1;
    f.Dtmf.IdLength = 12;
    f.Dtmf.DtmfMemory[2].Digits = "12*#XYZ";
    f.Dtmf.DtmfMemory[2].Length = 4;
    f.KeySettings.Pf1Short = 11;
    f.KeySettings.Pf2Long = 8;
    f.KeySettings.LongPressTime = 30;
    f.ScanSettings.ScanMode = 1;
    f.ScanSettings.PriorityMode = 1;
    f.ScanSettings.RevertChannel = 7;
    f.ScanSettings.LookBackTimeA = 60;
    f.ScanSettings.Pri1Group = 5;
    f.ScanSettings.ScanEntryTone = 3;
    f.AlertSettings.EmgIdType = 1;
    f.AlertSettings.EmgIdMemory = 4;
    f.AlertSettings.AlarmTime = 0;
    f.AlertSettings.EmgGroup = 2;
    f.AlertSettings.EmgChannel = 9;
    f.MessageLines[3] = "ODD  ";
}

// An editor window in an MDI area on a new configuration, in English or Chinese.
class EditorWindowBase {
protected:
    explicit EditorWindowBase(int language)
    {
        state.settings.ProgramFolder =
            QDir(QStringLiteral(MK21_STAGE_DIR)).filePath(QString::fromLatin1(ReleaseTag));
        state.settings.CurrentLanguage = static_cast<Integer>(language);
        state.settings.LanguageFileName = language == 2 ? "chinese.ini" : "english.ini";
        ModConfig::ResetToDefaults(state, QDate(2026, 12, 9));
        for (int number : {5, 40, 1})
            EXPECT_TRUE(ModCHEdit::AddChannel(state, number, QStringLiteral("44000000")));
    }

    EditorWindow* open(const EditorKind& kind)
    {
        window = static_cast<EditorWindow*>(ModFun::ShowChildForm(&area, kind.make(state)));
        area.resize(1000, 800);
        area.show();
        QApplication::setActiveWindow(&area);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&area));
        return window;
    }
    template <class T> T* c(const QString& name) const
    {
        return Control<T>(window, name.toLatin1().constData());
    }

    test::RecordingPrompter prompter;
    AppState state{prompter};
    QMdiArea area;
    EditorWindow* window = nullptr;
};

class EditorWindowContract : public EditorWindowBase,
                             public testing::TestWithParam<std::tuple<EditorKind, int>> {
protected:
    EditorWindowContract() : EditorWindowBase(std::get<1>(GetParam())) {}
    const EditorKind& kind() const { return std::get<0>(GetParam()); }
};

TEST_P(EditorWindowContract, OpeningStoresWhatTheDescriptionStores)
{
    StoreOddValues(state.WorkingConfiguration.Features);
    state.WorkingSide.AlarmMode = 3;
    const RadioConfiguration before = state.WorkingConfiguration;
    const SideRecord sideBefore = state.WorkingSide;
    Editor::ShowAndStoreAll(kind().describe(state), state);
    const RadioConfiguration expected = state.WorkingConfiguration;
    const SideRecord side = state.WorkingSide;
    const Editor::Model model = kind().describe(state);
    if (Stores(model)) {
        EXPECT_NE(expected, before) << "odd values of every editor are rewritten";
    }
    state.WorkingConfiguration = before;
    state.WorkingSide = sideBefore;

    open(kind());
    EXPECT_EQ(state.WorkingConfiguration, expected);
    EXPECT_EQ(state.WorkingSide, side);
    // What each list shows is what the description says it shows.
    for (const Editor::List& row : window->model().lists)
        EXPECT_EQ(c<QComboBox>(row.name)->currentIndex(), row.shown(state, row.entries))
            << row.name.toStdString();
}

TEST_P(EditorWindowContract, EveryControlIsBuiltNamedAndLabelledInTheUsersLanguage)
{
    open(kind());
    const Editor::Model& model = window->model();
    EXPECT_EQ(window->objectName(), kind().form);
    EXPECT_EQ(window->windowTitle(), GetLangText(state, model.title));
    if (std::get<1>(GetParam()) == 2) {
        EXPECT_NE(c<QPushButton>("CommandClose")->text(), EnglishText(Texts::Msg::Close))
            << "the Chinese file is read";
    }
    EXPECT_EQ(c<QPushButton>("CommandClose")->text(), GetLangText(state, Texts::Msg::Close));
    EXPECT_EQ(c<QPushButton>("CommandHelp")->text(), GetLangText(state, Texts::Msg::Help));
    EXPECT_FALSE(c<QPushButton>("CommandHelp")->isVisible());

    auto labelled = [&](const QString& control, const QString& label, const QString& text) {
        SCOPED_TRACE(control.toStdString());
        const QWidget* box = c<QWidget>(control);
        const QLabel* caption = c<QLabel>(label);
        EXPECT_EQ(caption->text(), text);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_EQ(caption->parentWidget(), box->parentWidget());
        // The label ends the description's gap left of its control.
        const int gap = box->x() - (caption->x() + caption->width());
        EXPECT_NEAR(gap, Twips::ToPixelsX(model.labelGap, *box), 1);
        EXPECT_GE(caption->x(), 0) << "the label fits in its parent";
    };
    for (const Editor::List& row : model.lists) {
        EXPECT_EQ(c<QComboBox>(row.name)->count(), row.entries.size());
        if (!row.label.isEmpty())
            labelled(row.name, row.label,
                     row.labelText != 0 ? GetLangText(state, row.labelText) : row.labelCaption);
    }
    for (const Editor::TextField& row : model.texts) {
        if (row.multiLine)
            EXPECT_EQ(c<QPlainTextEdit>(row.name)->isReadOnly(), row.readOnly);
        else
            EXPECT_EQ(c<QLineEdit>(row.name)->maxLength(), row.maxLength);
        if (!row.label.isEmpty())
            labelled(row.name, row.label,
                     row.labelText != 0 ? GetLangText(state, row.labelText) : row.labelCaption);
    }
    for (const Editor::Check& row : model.checks)
        EXPECT_EQ(c<QCheckBox>(row.name)->text(), GetLangText(state, row.caption));
}

TEST_P(EditorWindowContract, AChoiceInAListStoresWhatTheDescriptionStores)
{
    open(kind());
    const Editor::Model model = kind().describe(state);
    for (const Editor::List& row : model.lists) {
        SCOPED_TRACE(row.name.toStdString());
        QComboBox* list = c<QComboBox>(row.name);
        const int last = list->count() - 1;
        if (last < 0 || row.readOnly)
            continue;
        const RadioConfiguration before = state.WorkingConfiguration;
        const SideRecord sideBefore = state.WorkingSide;
        Editor::Choose(model, state, row.name, last);
        const RadioConfiguration expected = state.WorkingConfiguration;
        const SideRecord side = state.WorkingSide;
        state.WorkingConfiguration = before;
        state.WorkingSide = sideBefore;

        list->setCurrentIndex(last);
        emit list->activated(last); // as a user's choice
        EXPECT_EQ(state.WorkingConfiguration, expected);
        EXPECT_EQ(state.WorkingSide, side);
        EXPECT_EQ(list->currentIndex(), row.shown(state, Editor::EntriesNow(row, state)));
    }
}

TEST_P(EditorWindowContract, EnterInAListOrCheckBoxMovesTheFocusOn)
{
    open(kind());
    const Editor::Model& model = window->model();
    QStringList names;
    for (const Editor::List& row : model.lists)
        names.append(row.name);
    for (const Editor::Check& row : model.checks)
        names.append(row.name);
    for (const QString& name : names) {
        QWidget* control = c<QWidget>(name);
        if (!control->isEnabled() || !control->isVisible())
            continue;
        control->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(control->hasFocus()) << name.toStdString();
        QTest::keyClick(control, Qt::Key_Return);
        EXPECT_FALSE(control->hasFocus()) << name.toStdString();
        EXPECT_TRUE(window->isAncestorOf(QApplication::focusWidget())) << name.toStdString();
    }
}

TEST_P(EditorWindowContract, CloseUnloadsTheWindow)
{
    open(kind());
    c<QPushButton>("CommandClose")->click();
    EXPECT_EQ(ModFun::FindChildForm(&area, QLatin1String(kind().form)), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Editors, EditorWindowContract,
                         testing::Combine(testing::ValuesIn(Kinds), testing::Values(1, 2)),
                         [](const testing::TestParamInfo<std::tuple<EditorKind, int>>& info) {
                             return std::string(std::get<0>(info.param).form) +
                                    (std::get<1>(info.param) == 2 ? "Chinese" : "English");
                         });

// What the windows do beyond the contract.
class EditorWindowOwn : public EditorWindowBase, public testing::Test {
protected:
    EditorWindowOwn() : EditorWindowBase(1) {}
    FeatureSettings& features() { return state.WorkingConfiguration.Features; }
};

TEST_F(EditorWindowOwn, VoxOffGreysItsControlsAndTickingVoxEnablesThem)
{
    features().OptionalFeatures.WiredClone = 2;
    open(Kinds[0]);
    const char* voxControls[] = {"Check1(1)", "Combo1(8)", "Combo1(9)"};
    for (const char* name : voxControls)
        EXPECT_FALSE(c<QWidget>(name)->isEnabled()) << name;
    EXPECT_FALSE(c<QCheckBox>("Check1(4)")->isChecked());
    EXPECT_EQ(features().OptionalFeatures.WiredClone, 2) << "kept until the box is clicked";

    QCheckBox* vox = c<QCheckBox>("Check1(0)");
    QTest::mouseClick(vox, Qt::LeftButton, {}, QPoint(8, vox->height() / 2));
    EXPECT_EQ(features().OptionalFeatures.VoxOn, 1);
    for (const char* name : voxControls)
        EXPECT_TRUE(c<QWidget>(name)->isEnabled()) << name;
    QCheckBox* clone = c<QCheckBox>("Check1(4)");
    QTest::mouseClick(clone, Qt::LeftButton, {}, QPoint(8, clone->height() / 2));
    EXPECT_EQ(features().OptionalFeatures.WiredClone, 1);
}

TEST_F(EditorWindowOwn, CodeFieldsTakeOnlyDtmfSymbolsAndNoClipboard)
{
    open(Kinds[1]);
    QLineEdit* bot = c<QLineEdit>("Text1(0)");
    bot->setFocus();
    QTest::keyClicks(bot, "12ab*#e");
    EXPECT_EQ(bot->text(), "12AB*#");
    EXPECT_EQ(features().Dtmf.BotCode.Length, 6);
    EXPECT_EQ(features().Dtmf.BotCode.Digits.raw(), "12AB*#          ");

    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    QTest::keyClick(bot, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(bot, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(bot->text(), "12AB*#");
    // Text that arrives another way passes the same filter.
    bot->insert(QStringLiteral("x9y"));
    EXPECT_EQ(bot->text(), "12AB*#9");

    bot->selectAll();
    QTest::keyClick(bot, Qt::Key_Backspace);
    EXPECT_EQ(features().Dtmf.BotCode.Length, 0);
}

TEST_F(EditorWindowOwn, TheIdentityIsCheckedOnLeavingOnEnterAndOnClosing)
{
    open(Kinds[1]);
    c<QTabWidget>("SSTab1")->setCurrentIndex(1);
    QLineEdit* identity = c<QLineEdit>("Text3");
    struct Case {
        const char* typed;
        Qt::Key leaveBy;
        const char* stored;
    };
    const Case cases[] = {
        {"12", Qt::Key_Tab, "000"},
        {"4a5b6", Qt::Key_Return, "456"},
        {"", Qt::Key_Tab, "000"},
        {"0123456789", Qt::Key_Return, "0123456789"},
    };
    for (const Case& k : cases) {
        identity->setFocus();
        identity->selectAll();
        QTest::keyClick(identity, Qt::Key_Delete);
        QTest::keyClicks(identity, k.typed);
        QTest::keyClick(identity, k.leaveBy);
        EXPECT_FALSE(identity->hasFocus()) << k.typed;
        EXPECT_EQ(features().Dtmf.IdCode.text(), QLatin1String(k.stored)) << k.typed;
        EXPECT_EQ(identity->text(), QLatin1String(k.stored)) << k.typed;
    }
    identity->setFocus();
    identity->selectAll();
    QTest::keyClicks(identity, "77");
    window->close();
    EXPECT_EQ(features().Dtmf.IdCode.text(), "000") << "closing checks the identity being typed";
}

TEST_F(EditorWindowOwn, DtmfPagesTurnWithCtrlPageKeysAndEnterOnTheTabStripMovesOn)
{
    open(Kinds[1]);
    auto* tabs = c<QTabWidget>("SSTab1");
    c<QComboBox>("Combo1(0)")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(c<QLineEdit>("Text3")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_TRUE(c<QLineEdit>("Text2(0)")->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 2);

    tabs->tabBar()->setFocus();
    QTest::keyClick(tabs->tabBar(), Qt::Key_Return);
    EXPECT_FALSE(tabs->tabBar()->hasFocus());
    EXPECT_TRUE(window->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(EditorWindowOwn, AFilledOrEmptiedMemoryIsAnnounced)
{
    open(Kinds[1]);
    QSignalSpy changed(static_cast<FrmDTMF*>(window), &FrmDTMF::dtmfMemoryChanged);
    QLineEdit* memory = c<QLineEdit>("Text2(2)");
    memory->setFocus();
    QTest::keyClicks(memory, "5");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(features().Dtmf.DtmfMemory[2].Length, 1);
    QTest::keyClicks(c<QLineEdit>("Text1(1)"), "5");
    EXPECT_EQ(changed.count(), 1) << "the EOT code is no memory";
}

TEST_F(EditorWindowOwn, ScanningOffRefusesTheScanFunctionAndRefreshShowsResetKeys)
{
    features().ScanSettings.ScanMode = 0;
    open(Kinds[2]);
    QComboBox* pf2Long = c<QComboBox>("Combo1(2)");
    const QString scan = GetLangText(state, 25040 + KeyEditor::ScanFunction);
    const int scanPosition = pf2Long->findText(scan);
    pf2Long->setCurrentIndex(scanPosition);
    emit pf2Long->activated(scanPosition);
    EXPECT_EQ(pf2Long->currentIndex(), 0);
    EXPECT_EQ(features().KeySettings.Pf2Long, 0);

    features().ScanSettings.ScanMode = 1;
    pf2Long->setCurrentIndex(scanPosition);
    emit pf2Long->activated(scanPosition);
    EXPECT_EQ(features().KeySettings.Pf2Long, KeyEditor::ScanFunction);

    // The scan window switched scanning off and reset the key: the list follows.
    features().ScanSettings.ScanMode = 0;
    features().KeySettings.Pf2Long = 0;
    static_cast<FrmKey*>(window)->RefreshKeyWindow();
    EXPECT_EQ(pf2Long->currentText(), GetLangText(state, 25040));
    EXPECT_FALSE(c<QComboBox>("Combo2")->isVisible());
    EXPECT_EQ(c<QComboBox>("Combo2")->count(), 22);
}

TEST_F(EditorWindowOwn, AMessageLineIsStoredAsTypedAndShownAgainOnReopening)
{
    open(Kinds[5]);
    QLineEdit* first = c<QLineEdit>("Text1(0)");
    first->setFocus();
    QTest::keyClicks(first, "HELLO");
    QTest::keyClick(first, Qt::Key_Eacute, Qt::NoModifier); // no ASCII: dropped
    QGuiApplication::clipboard()->setText(QStringLiteral("PASTED"));
    QTest::keyClick(first, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(features().MessageLines[0].raw(), QStringLiteral("HELLO") + QChar(u'\0') + QString(10, u' '))
        << "stored at each keystroke, without leaving the line";
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_TRUE(c<QLineEdit>("Text1(1)")->hasFocus()) << "Enter moves to the next line";

    window->close();
    open(Kinds[5]);
    EXPECT_EQ(c<QLineEdit>("Text1(0)")->text(), "HELLO");
    EXPECT_EQ(c<QLineEdit>("Text1(0)")->maxLength(), 16);
}

TEST_F(EditorWindowOwn, NothingCanBeTypedOrChosenInTheRadioInformationButItCanBeCopied)
{
    state.Details.SerialNumber = "SN-0042";
    open(Kinds[6]);
    const RadioDetails before = state.Details;
    QLineEdit* serial = c<QLineEdit>("Text1(1)");
    serial->setFocus();
    QTest::keyClicks(serial, "XYZ");
    QTest::keyClick(serial, Qt::Key_Backspace);
    EXPECT_EQ(serial->text(), "SN-0042");
    serial->selectAll();
    QTest::keyClick(serial, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "SN-0042");

    auto* reason = c<QPlainTextEdit>("Text1(4)");
    reason->setFocus();
    QTest::keyClicks(reason, "typed");
    EXPECT_EQ(reason->toPlainText(), state.Details.RepairReason.text());

    for (const char* name : {"Combo1(0)", "Combo1(1)"}) {
        QComboBox* list = c<QComboBox>(name);
        const int shownBefore = list->currentIndex();
        list->setFocus();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Up, Qt::Key_Space})
            QTest::keyClick(list, key);
        QTest::mouseClick(list, Qt::LeftButton);
        EXPECT_EQ(list->currentIndex(), shownBefore) << name;
        QTest::keyClick(list, Qt::Key_Return);
        EXPECT_FALSE(list->hasFocus()) << name << ": Enter moves on";
    }
    EXPECT_EQ(state.Details, before);
}

TEST_F(EditorWindowOwn, RadioInformationLabelsEndOnOneColumnLeftOfTheFirstField)
{
    open(Kinds[6]);
    const QWidget* first = c<QWidget>("Text1(0)");
    const int column = first->x() - Twips::ToPixelsX(50, *first);
    QStringList labels = {"Label2", "Label1(7)"};
    for (int i = 0; i <= 13; ++i) {
        if (i != 7)
            labels.append(QStringLiteral("Label1(%1)").arg(i));
    }
    for (const QString& name : labels) {
        const auto* label = c<QLabel>(name);
        const int right = label->mapTo(window, QPoint(label->width(), 0)).x();
        EXPECT_NEAR(right, column, 2) << name.toStdString();
        EXPECT_FALSE(label->text().isEmpty()) << name.toStdString();
    }
}

} // namespace
} // namespace mk21
