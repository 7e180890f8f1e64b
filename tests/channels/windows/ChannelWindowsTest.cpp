// The channel table, the channel edit window and the channel commands working together, as the
// main window links them.
#include "channels/windows/ChannelWindows.h"

#include "base/LanguageTexts.h"
#include "channels/windows/ChannelGrid.h"
#include "channels/windows/FrmCHInfoEdit.h"
#include "channels/windows/frmCommChInfo.h"
#include "tests/channels/ChannelTestSupport.h"
#include "tests/support/StagedState.h"
#include "tests/support/WhenModal.h"
#include "ui/ChildWindows.h"
#include "ui/ListHelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace mk21;
using mk21::test::ChannelOf;
using mk21::test::Control;

namespace {

class ChannelWindowsTogether : public testing::Test {
protected:
    ChannelWindowsTogether()
    {
        state.WorkingConfiguration.ChannelCount = 0;
        area.resize(1200, 900);
    }

    // Channels whose receive frequencies tell them apart within a group (see mhz).
    void addChannels(std::initializer_list<int> numbers)
    {
        for (int number : numbers)
            ASSERT_TRUE(ModCHEdit::AddChannel(state, number, QString::number(430 + number % 16 + 1)));
        ModCHEdit::RefreshChRefs(state); // as entering the channels would
    }
    static QString mhz(int number) { return QStringLiteral("%1.00000").arg(430 + number % 16 + 1); }

    void open()
    {
        windows = std::make_unique<ChannelWindows>(state, &area);
        table = qobject_cast<frmCommChInfo*>(
            ModFun::ShowChildForm(&area, QLatin1String(frmCommChInfo::FormName), [this] {
                auto made = windows->makeTable();
                QObject::connect(made.get(), &frmCommChInfo::editWindowWanted, &area, [this] {
                    ModFun::ShowChildForm(&area, QLatin1String(FrmCHInfoEdit::FormName),
                                          [this] { return windows->makeEditWindow(); });
                });
                return made;
            }));
        area.show();
        QApplication::setActiveWindow(&area);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return Control<QLineEdit>(table, "Text1")->isVisible(); }, 2000));
    }
    void openEditWindow()
    {
        QTest::mouseClick(Control<QPushButton>(table, "CommandCHInfoEdit"), Qt::LeftButton);
    }
    FrmCHInfoEdit* edit() const { return windows->editWindow(); }
    template <class T> T* inEdit(const char* name) const { return Control<T>(edit(), name); }
    QString cell(int row, int col) const { return table->grid()->cellText(row, col); }
    QPoint cellCentre(int row, int col) const
    {
        return table->grid()->visualRect(table->grid()->model()->index(row - 1, col)).center();
    }
    void chooseGroup(const char* entry)
    {
        ModFun::SelectListText(Control<QComboBox>(table, "Combo7"), QLatin1String(entry));
    }

    // Runs a channel command as the main window does: the value being typed is stored first.
    // Every confirmation shown is counted and handed to `respond` (closed when there is none).
    int run(int code, const std::function<void(QWidget*)>& respond = {})
    {
        table->ValidateActiveEditor();
        table->SetEditDisable();
        int shown = 0;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible())
                return;
            ++shown;
            if (respond)
                respond(modal);
            else
                modal->close();
        });
        watch.start(0);
        windows->RunCommand(code);
        return shown;
    }
    static std::function<void(QWidget*)> answer(const char* button, bool doNotAskAgain)
    {
        return [button, doNotAskAgain](QWidget* confirm) {
            EXPECT_EQ(confirm->objectName(), "FrmMsgConfirm");
            Control<QCheckBox>(confirm, "Check1")->setChecked(doNotAskAgain);
            QTest::mouseClick(Control<QPushButton>(confirm, button), Qt::LeftButton);
        };
    }
    QStringList column1() const
    {
        QStringList texts;
        for (int row = 1; row <= ChannelGrid::DataRows; ++row)
            texts.append(cell(row, 1));
        return texts;
    }

    test::StagedState staged;
    AppState& state = staged.state;
    QMdiArea area;
    std::unique_ptr<ChannelWindows> windows;
    frmCommChInfo* table = nullptr;
};

TEST_F(ChannelWindowsTogether, TheEditWindowFollowsTheTableCursorAndSwitchesItsGroup)
{
    addChannels({37, 38, 49});
    open();
    chooseGroup("3");
    table->grid()->setCursor(5, 1);
    openEditWindow();
    ASSERT_NE(edit(), nullptr);
    EXPECT_EQ(inEdit<QComboBox>("Combo4")->currentText(), "3");
    EXPECT_EQ(inEdit<QComboBox>("Combo1")->currentText(), "5");
    EXPECT_EQ(inEdit<QLineEdit>("Text1")->text(), mhz(37));

    const RadioConfiguration before = state.WorkingConfiguration;
    area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(table->parentWidget()));
    QTest::mouseClick(table->grid()->viewport(), Qt::LeftButton, {}, cellCentre(6, 1));
    EXPECT_EQ(inEdit<QComboBox>("Combo1")->currentText(), "6");
    EXPECT_EQ(inEdit<QLineEdit>("Text1")->text(), mhz(38));
    EXPECT_TRUE(state.WorkingConfiguration == before) << "following the cursor stores nothing";

    ModFun::SelectListText(inEdit<QComboBox>("Combo4"), QStringLiteral("4"));
    EXPECT_EQ(table->group(), 3);
    EXPECT_EQ(Control<QComboBox>(table, "Combo7")->currentText(), "4");
    EXPECT_EQ(cell(1, 1), mhz(49));
    EXPECT_EQ(cell(5, 1), "");

    chooseGroup("3");
    EXPECT_EQ(inEdit<QComboBox>("Combo4")->currentText(), "3");
    EXPECT_EQ(inEdit<QLineEdit>("Text1")->text(), mhz(38));
    EXPECT_TRUE(state.WorkingConfiguration == before);
}

TEST_F(ChannelWindowsTogether, DoubleClickingTheEditMarkTwiceOpensOneEditWindowAndFocusesIt)
{
    open();
    for (int time = 0; time < 2; ++time) {
        area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(table->parentWidget()));
        // A double click arrives as a press and release, then the double click.
        QTest::mouseClick(table->grid()->viewport(), Qt::LeftButton, {},
                          cellCentre(2, frmCommChInfo::EditColumn));
        QTest::mouseDClick(table->grid()->viewport(), Qt::LeftButton, {},
                           cellCentre(2, frmCommChInfo::EditColumn));
        ASSERT_NE(edit(), nullptr) << time;
        EXPECT_EQ(area.activeSubWindow()->widget(), edit()) << time;
    }
    EXPECT_EQ(area.subWindowList().size(), 2);
}

TEST_F(ChannelWindowsTogether, AValueTypedInOneWindowShowsInTheOther)
{
    addChannels({3});
    open();
    table->grid()->setCursor(3, 1);
    openEditWindow();
    auto* rx = inEdit<QLineEdit>("Text1");
    rx->setFocus();
    rx->selectAll();
    QTest::keyClicks(rx, QStringLiteral("439.5"));
    QTest::keyClick(rx, Qt::Key_Tab);
    EXPECT_EQ(cell(3, 1), "439.50000");
    ModFun::SelectListIndex(inEdit<QComboBox>("Combo2(2)"), 0);
    EXPECT_EQ(cell(3, 6), GetLangText(state, 14014));

    area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(table->parentWidget()));
    table->grid()->setCursor(3, 6);
    auto* power = Control<QComboBox>(table, "Combo2(0)");
    ASSERT_TRUE(power->isVisible());
    ModFun::SelectListIndex(power, 1);
    EXPECT_EQ(ChannelOf(state, 3).TxPower, 1);
    EXPECT_EQ(inEdit<QComboBox>("Combo2(2)")->currentText(), GetLangText(state, 15045));
}

TEST_F(ChannelWindowsTogether, AChannelCreatedInTheEditWindowShowsInTheTablesCursorBoxAndEnterKeepsIt)
{
    addChannels({1});
    open();
    openEditWindow();
    ModFun::SelectListText(inEdit<QComboBox>("Combo4"), QStringLiteral("2")); // position 1 is empty
    ASSERT_TRUE(cell(1, 1).isEmpty());
    auto* rx = inEdit<QLineEdit>("Text1");
    rx->setFocus();
    QTest::keyClicks(rx, QStringLiteral("441.5"));
    QTest::keyClick(rx, Qt::Key_Return);
    ASSERT_TRUE(ModCHEdit::FindChannel(state.WorkingConfiguration, 17).has_value());

    area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(table->parentWidget()));
    auto* box = Control<QLineEdit>(table, "Text1");
    EXPECT_EQ(box->text(), "441.50000") << "the box over the cursor cell shows the new channel";
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(ModCHEdit::FindChannel(state.WorkingConfiguration, 17).has_value())
        << "Enter on the box keeps the channel";
}

TEST_F(ChannelWindowsTogether, CutThenPasteAsksOncePerCommandUntilToldNotTo)
{
    addChannels({1, 2, 3});
    open();
    table->grid()->setCursor(2, 1);
    EXPECT_EQ(run(ModCHEdit::CutCommand, answer("CommandCancel", false)), 1); // clear, do not close up
    EXPECT_EQ(column1().mid(0, 3), (QStringList{mhz(1), "", mhz(3)}));

    table->grid()->setCursor(5, 1);
    EXPECT_EQ(run(ModCHEdit::PasteCommand, answer("CommandOK", true)), 1); // insert, ask no more
    EXPECT_EQ(cell(5, 1), mhz(2));
    EXPECT_TRUE(state.preferences.NoPasteQuestion);

    table->grid()->setCursor(1, 1);
    EXPECT_EQ(run(ModCHEdit::PasteCommand), 0);
    QStringList expected(ChannelGrid::DataRows, QString());
    expected[0] = mhz(2);
    expected[1] = mhz(1);
    expected[3] = mhz(3);
    expected[5] = mhz(2);
    EXPECT_EQ(column1(), expected) << "the inserted paste moved every later channel down";
    EXPECT_EQ(state.WorkingConfiguration.ChannelCount, 4);
}

TEST_F(ChannelWindowsTogether, ADeleteThatClosesTheGapRedrawsTheTableAndTheEditWindow)
{
    addChannels({1, 2, 3, 4, 5});
    state.preferences.NoDeleteQuestion = true;
    state.preferences.DeleteRemovesChannels = true;
    open();
    table->grid()->setCursor(3, 1);
    openEditWindow();
    EXPECT_EQ(run(ModCHEdit::DeleteCommand), 0);
    EXPECT_EQ(column1().mid(0, 6), (QStringList{mhz(1), mhz(2), mhz(4), mhz(5), "", ""}));
    EXPECT_EQ(inEdit<QComboBox>("Combo1")->currentText(), "3");
    EXPECT_EQ(inEdit<QLineEdit>("Text1")->text(), mhz(4));
    EXPECT_TRUE(inEdit<QLineEdit>("Text2")->isEnabled());
}

TEST_F(ChannelWindowsTogether, AnInsertThatWouldDropPositionSixteenIsRefusedAndChangesNothing)
{
    addChannels({3, 15, 16});
    open();
    table->grid()->setCursor(3, 1);
    const QStringList shown = column1();
    const RadioConfiguration before = state.WorkingConfiguration;
    EXPECT_EQ(run(ModCHEdit::InsertCommand), 0);
    EXPECT_TRUE(staged.prompter.wasShown(9066));
    EXPECT_EQ(column1(), shown);
    EXPECT_TRUE(state.WorkingConfiguration == before);
}

TEST_F(ChannelWindowsTogether, MovingUpFromTheFirstRowSwapsWithTheLastAndTheCursorFollows)
{
    addChannels({17, 18});
    open();
    chooseGroup("2");
    table->grid()->setCursor(1, 1);
    openEditWindow();
    EXPECT_EQ(run(ModCHEdit::MoveUpCommand), 0);
    EXPECT_EQ(cell(16, 1), mhz(17));
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(cell(2, 1), mhz(18));
    EXPECT_EQ(table->cursorRow(), 16);
    EXPECT_EQ(inEdit<QComboBox>("Combo1")->currentText(), "16");
    EXPECT_EQ(inEdit<QLineEdit>("Text1")->text(), mhz(17));
    EXPECT_FALSE(table->CodeMoveTopRow);
}

TEST_F(ChannelWindowsTogether, EveryCommandButACopyTellsTheReferenceWindowsOnce)
{
    addChannels({1, 2});
    open();
    QSignalSpy references(windows.get(), &ChannelWindows::referencesChanged);
    table->grid()->setCursor(1, 1);
    run(ModCHEdit::CopyCommand);
    EXPECT_EQ(references.count(), 0);
    run(ModCHEdit::MoveDownCommand);
    EXPECT_EQ(references.count(), 1);
    run(ModCHEdit::InsertCommand);
    EXPECT_EQ(references.count(), 2);
}

TEST_F(ChannelWindowsTogether, TheCallersLinkHearsTheTableWhileItLoads)
{
    windows = std::make_unique<ChannelWindows>(state, &area);
    int treeRequests = 0;
    const std::unique_ptr<frmCommChInfo> made = windows->makeTable([&treeRequests](frmCommChInfo& loading) {
        QObject::connect(&loading, &frmCommChInfo::treeReloadWanted, [&treeRequests] { ++treeRequests; });
    });
    EXPECT_EQ(treeRequests, 1);
    EXPECT_EQ(windows->table(), nullptr) << "a table outside an area takes no part";
}

TEST_F(ChannelWindowsTogether, AClosedEditWindowIsNoLongerRedrawnEvenBeforeItIsDeleted)
{
    addChannels({5, 6, 7});
    state.preferences.NoDeleteQuestion = true;
    state.preferences.DeleteRemovesChannels = true;
    open();
    table->grid()->setCursor(5, 1);
    openEditWindow();
    const QPointer<FrmCHInfoEdit> closed = edit();
    ASSERT_FALSE(closed.isNull());
    ModFun::CloseChildWindow(closed);
    ASSERT_FALSE(closed.isNull());
    EXPECT_EQ(windows->editWindow(), nullptr);

    area.setActiveSubWindow(qobject_cast<QMdiSubWindow*>(table->parentWidget()));
    QTest::mouseClick(table->grid()->viewport(), Qt::LeftButton, {}, cellCentre(6, 1));
    EXPECT_EQ(run(ModCHEdit::DeleteCommand), 0); // redraws every channel
    EXPECT_EQ(cell(6, 1), mhz(7));
    EXPECT_EQ(Control<QComboBox>(closed, "Combo1")->currentText(), "5");
}

} // namespace
