// The channel table driven as a user drives it: real key presses and mouse clicks.
#include "channels/windows/frmCommChInfo.h"

#include "base/LanguageTexts.h"
#include "channels/windows/ChannelGrid.h"
#include "channels/windows/ChannelWindows.h"
#include "tests/channels/ChannelTestSupport.h"
#include "tests/support/StagedState.h"
#include "tests/support/WhenModal.h"
#include "ui/ChildWindows.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QProxyStyle>
#include <QSet>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace mk21;
using mk21::test::ChannelOf;
using mk21::test::Control;

namespace {

class ChannelTable : public testing::Test {
protected:
    ChannelTable()
    {
        state.WorkingConfiguration.ChannelCount = 0;
        area.resize(1000, 700);
    }

    frmCommChInfo* open()
    {
        windows = std::make_unique<ChannelWindows>(state, &area);
        table = qobject_cast<frmCommChInfo*>(ModFun::ShowChildForm(&area, QStringLiteral("frmCommChInfo"),
                                                                   [this] { return windows->makeTable(); }));
        area.show();
        QApplication::setActiveWindow(&area);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&area));
        // The first activation lays the editor over the cursor cell.
        EXPECT_TRUE(QTest::qWaitFor([this] { return text1()->isVisible(); }, 2000));
        return table;
    }

    QLineEdit* text1() const { return Control<QLineEdit>(table, "Text1"); }
    QComboBox* tones() const { return Control<QComboBox>(table, "Combo1(0)"); }
    QString cell(int row, int col) const { return table->grid()->cellText(row, col); }
    std::pair<int, int> cursor() const { return {table->grid()->Row(), table->grid()->Col()}; }
    static QWidget* focused() { return QApplication::focusWidget(); }

    void type(const QString& text) { QTest::keyClicks(focused(), text); }
    void enter() { QTest::keyClick(focused(), Qt::Key_Return); }
    // Chooses a list entry with the keyboard: open the list, walk down, take it.
    void choose(int steps)
    {
        auto* list = qobject_cast<QComboBox*>(focused());
        ASSERT_NE(list, nullptr);
        QTest::keyClick(list, Qt::Key_F4);
        ASSERT_TRUE(QTest::qWaitFor([list] { return list->view()->isVisible(); }, 2000));
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([list] { return !list->view()->isVisible(); }, 2000));
    }
    void click(int row, int col)
    {
        const QRect r = table->grid()->visualRect(table->grid()->model()->index(row - 1, col));
        QTest::mouseClick(table->grid()->viewport(), Qt::LeftButton, {}, r.center());
    }

    test::StagedState staged;
    AppState& state = staged.state;
    QMdiArea area;
    std::unique_ptr<ChannelWindows> windows;
    frmCommChInfo* table = nullptr;
};

// Records the palettes the header sections are drawn with.
class HeaderPaletteRecorder final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_HeaderSection || element == CE_Header)
            keys.insert(option->palette.cacheKey());
        if (element == CE_HeaderLabel || element == CE_Header)
            textColors.insert(option->palette.color(QPalette::ButtonText).rgb());
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable QSet<qint64> keys;
    mutable QSet<QRgb> textColors;
};

TEST_F(ChannelTable, RepaintsAndNewTablesDrawTheHeaderWithOnePaletteInItsOwnColour)
{
    // The style caches a picture of each header section per palette: a palette made anew for
    // every paint, or for every table opened after a read, fills that cache and the program
    // grows with every redraw.
    open();
    HeaderPaletteRecorder recorder;
    QHeaderView* header = table->grid()->horizontalHeader();
    header->setStyle(&recorder);
    header->grab();
    const QSet<qint64> first = recorder.keys;
    for (int i = 0; i < 3; ++i)
        header->grab();
    header->setStyle(nullptr);
    frmCommChInfo another(state);
    another.grid()->horizontalHeader()->setStyle(&recorder);
    another.grid()->horizontalHeader()->grab();
    another.grid()->horizontalHeader()->setStyle(nullptr);
    EXPECT_EQ(first.size(), 1);
    EXPECT_EQ(recorder.keys, first);
    EXPECT_EQ(recorder.textColors, (QSet<QRgb>{qRgb(0, 0, 155)}));
}

TEST_F(ChannelTable, TypingAReceiveFrequencyCreatesASimplexChannelAndEnterWalksTheColumns)
{
    open();
    EXPECT_EQ(focused(), text1());
    type(QStringLiteral("438.5"));
    enter();
    EXPECT_EQ(cell(1, 1), "438.50000");
    EXPECT_EQ(cell(1, 2), "438.50000");
    EXPECT_EQ(ChannelOf(state, 1).TxPower, 2);
    QList<int> walked{table->grid()->Col()};
    for (int i = 0; i < 7; ++i) {
        enter();
        walked.append(table->grid()->Col());
    }
    EXPECT_EQ(walked, (QList<int>{2, 4, 5, 6, 7, 8, 9, 1}));
    EXPECT_EQ(cursor(), std::make_pair(2, 1));
    EXPECT_EQ(focused(), text1());
    EXPECT_EQ(text1()->geometry(), table->grid()->cellRect(2, 1, table));
    EXPECT_TRUE(staged.prompter.asked.isEmpty());

    // Up leaves a box for the row above and stores what was typed there.
    type(QStringLiteral("439"));
    QTest::keyClick(text1(), Qt::Key_Up);
    EXPECT_EQ(cursor(), std::make_pair(1, 1));
    EXPECT_EQ(cell(2, 1), "439.00000");
    EXPECT_EQ(text1()->text(), "438.50000");
}

TEST_F(ChannelTable, EnterOnRowSixteenWrapsToRowOneAndAnEmptyReceiveBoxDeletesTheChannel)
{
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 15, QStringLiteral("435.00000")));
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 16, QStringLiteral("436.00000")));
    open();
    table->grid()->setCursor(16, 9);
    enter();
    EXPECT_EQ(cursor(), std::make_pair(1, 1));

    table->grid()->setCursor(16, 1);
    EXPECT_EQ(text1()->text(), "436.00000");
    text1()->selectAll();
    QTest::keyClick(text1(), Qt::Key_Backspace);
    enter();
    EXPECT_FALSE(ModCHEdit::FindChannel(state.WorkingConfiguration, 16));
    EXPECT_EQ(cell(16, 1), "");
    EXPECT_EQ(cursor(), std::make_pair(1, 1));

    // The only channel left stays.
    table->grid()->setCursor(15, 1);
    text1()->clear();
    enter();
    EXPECT_TRUE(ModCHEdit::FindChannel(state.WorkingConfiguration, 15));
    EXPECT_EQ(cell(15, 1), "435.00000");
    EXPECT_EQ(cursor(), std::make_pair(16, 1)) << "an emptied box goes on to the next row";
}

TEST_F(ChannelTable, AnEmptyPositionOnlyOffersItsReceiveFrequency)
{
    open();
    click(4, 6);
    EXPECT_EQ(cursor(), std::make_pair(4, 1));
    EXPECT_TRUE(text1()->isVisible());
    EXPECT_FALSE(Control<QComboBox>(table, "Combo2(0)")->isVisible());
}

TEST_F(ChannelTable, TheEditorsKeepOutWhatCannotBeStored)
{
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 1, QStringLiteral("438.50000")));
    open();
    type(QStringLiteral("4a3+9-.x5"));
    EXPECT_EQ(text1()->text(), "439.5");
    QTest::keyClick(text1(), Qt::Key_Escape);
    table->grid()->setCursor(1, 2);
    text1()->clear();
    type(QStringLiteral("+5"));
    EXPECT_EQ(text1()->text(), "5"); // transmit frequencies have no sign

    state.preferences.OffSetShowMode = true;
    table->ReShowAllTxFre(true);
    text1()->clear();
    type(QStringLiteral("-5.b"));
    EXPECT_EQ(text1()->text(), "-5.");

    // The code box takes letters and digits, upper-cased.
    auto* code = Control<QLineEdit>(table, "Text2");
    table->grid()->setCursor(1, frmCommChInfo::CodeColumn);
    ASSERT_EQ(focused(), code);
    type(QStringLiteral("ab-1"));
    EXPECT_EQ(code->text(), "AB1");
}

TEST_F(ChannelTable, ChoosingADecodeToneSetsBothTonesAndTheRow)
{
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 1, QStringLiteral("438.50000")));
    open();
    table->grid()->setCursor(1, 4);
    ASSERT_EQ(focused(), tones());
    choose(3);
    EXPECT_EQ(ChannelOf(state, 1).DecodeTone, 3);
    EXPECT_EQ(ChannelOf(state, 1).EncodeTone, 3);
    EXPECT_EQ(cell(1, 4), tones()->itemText(3));
    EXPECT_EQ(cell(1, 5), tones()->itemText(3));
    enter();
    EXPECT_EQ(cursor(), std::make_pair(1, 5));
}

TEST_F(ChannelTable, TheOffsetDisplayModeRewritesTheTransmitColumnOnly)
{
    ChannelRecord& duplex = test::AddDuplex(state, 2, "438.50000", "0500000", 1);
    duplex.TxPower = 7; // beyond the list: its first entry
    open();
    const QString receive = cell(2, 1);
    EXPECT_EQ(cell(2, 2), "433.50000");
    EXPECT_EQ(cell(2, 6), GetLangText(state, 14014));
    table->ReShowAllTxFre(true);
    EXPECT_EQ(cell(0, 2), GetLangText(state, 14100));
    EXPECT_EQ(cell(2, 2), "-5.00000");
    EXPECT_EQ(cell(2, 1), receive);
    EXPECT_EQ(cell(0, 1), GetLangText(state, 14002));
    table->ReShowAllTxFre(false);
    EXPECT_EQ(cell(0, 2), GetLangText(state, 14003));
    EXPECT_EQ(cell(2, 2), "433.50000");
}

TEST_F(ChannelTable, AGroupShowsOnlyItsOwnChannelsAndADeletedChannelLeavesItsRow)
{
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 17, QStringLiteral("431.00000")));
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 33, QStringLiteral("433.00000")));
    open();
    for (int row = 1; row <= 16; ++row) {
        EXPECT_EQ(cell(row, 0), QString::number(row));
        EXPECT_EQ(cell(row, 10), ">>");
        EXPECT_EQ(cell(row, 1), "");
    }
    state.channelCursor.SharedGroup = 1;
    table->ChangeGroup();
    EXPECT_EQ(table->group(), 1);
    EXPECT_EQ(cell(1, 1), "431.00000");
    for (int row = 2; row <= 16; ++row)
        EXPECT_EQ(cell(row, 1), "") << row;
    EXPECT_TRUE(table->windowTitle().startsWith(GetLangText(state, 14012) + QStringLiteral(" 2 --- ")));

    ASSERT_TRUE(ModCHEdit::DeleteChannel(state, 17));
    table->reShowAllGrid();
    EXPECT_EQ(cell(1, 1), "");
}

TEST_F(ChannelTable, AValueStillBeingTypedIsStoredBeforeACommandOrClosing)
{
    open();
    type(QStringLiteral("439.1"));
    table->ValidateActiveEditor();
    table->SetEditDisable();
    EXPECT_EQ(ChannelOf(state, 1).RxFreq.text(), "43910000");
    EXPECT_FALSE(text1()->isVisible());

    table->grid()->setCursor(2, 1);
    type(QStringLiteral("440"));
    table->close();
    EXPECT_TRUE(ModCHEdit::FindChannel(state.WorkingConfiguration, 2));
    EXPECT_FALSE(state.channelCursor.TableOpen);
}

TEST_F(ChannelTable, AWholeGroupIsEnteredWithTheKeyboardAlone)
{
    open();
    for (int row = 1; row <= 16; ++row) {
        const QString rx = QStringLiteral("%1.1250").arg(440 + row);
        const QString tx = QStringLiteral("%1.1250").arg(430 + row);
        ASSERT_EQ(cursor(), std::make_pair(row, 1));
        type(rx);
        enter();
        type(tx);
        enter();
        choose(row); // decode tone, and the same encode tone
        for (int col = 4; col <= 9; ++col)
            enter();
    }
    EXPECT_EQ(cursor(), std::make_pair(1, 1));
    ASSERT_EQ(state.WorkingConfiguration.ChannelCount, 16);
    for (int row = 1; row <= 16; ++row) {
        const ChannelRecord& channel = ChannelOf(state, row);
        EXPECT_EQ(cell(row, 1), QStringLiteral("%1.12500").arg(440 + row));
        EXPECT_EQ(cell(row, 2), QStringLiteral("%1.12500").arg(430 + row));
        EXPECT_EQ(channel.DecodeTone, row);
        EXPECT_EQ(channel.EncodeTone, row);
    }
    // 441.125 .. 456.125 lie in the 400-480 MHz band: no warning was needed.
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}

TEST_F(ChannelTable, TheChannelCommandsFollowTheCursorAndTheRightButtonOpensThem)
{
    ASSERT_TRUE(ModCHEdit::AddChannel(state, 3, QStringLiteral("433.00000")));
    open();
    QSignalSpy channels(table, &frmCommChInfo::cursorChannelChanged);
    QSignalSpy menu(table, &frmCommChInfo::channelMenuRequested);
    table->grid()->setCursor(3, 4);
    ASSERT_FALSE(channels.isEmpty());
    EXPECT_EQ(channels.last().at(0).toInt(), 3);
    const QRect r = table->grid()->visualRect(table->grid()->model()->index(4, 6));
    QTest::mousePress(table->grid()->viewport(), Qt::RightButton, {}, r.center());
    ASSERT_EQ(menu.size(), 1);
    EXPECT_EQ(cursor(), std::make_pair(5, 1)); // an empty position is entered at its receive frequency
    EXPECT_EQ(channels.last().at(0).toInt(), 5);
}

TEST_F(ChannelTable, DoubleClickingTheEditMarkAsksForTheEditWindowAndGuardsClicks)
{
    open();
    QSignalSpy wanted(table, &frmCommChInfo::editWindowWanted);
    const QRect r = table->grid()->visualRect(table->grid()->model()->index(2, 10));
    // A double click arrives as a press and release, then the double click.
    QTest::mouseClick(table->grid()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(table->grid()->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(wanted.size(), 1);
    EXPECT_TRUE(table->TimerCHEdit.isActive());
    // During the guard a click enters no cell.
    table->SetEditDisable();
    click(3, 10);
    click(3, 1);
    EXPECT_FALSE(text1()->isVisible());
}

TEST(ChannelTableColumns, HeadersAndListEntriesFitTheirFixedWidthsInBothLanguages)
{
    // A list column's entries must fit the list laid over its cell, arrow included.
    const std::pair<const char*, int> lists[] = {
        {"Combo1(0)", 4}, {"Combo2(0)", 6}, {"Combo3(0)", 7}, {"Combo4(0)", 8}, {"Combo5(0)", 9}};
    for (const char* file : {"english.ini", "chinese.ini"}) {
        SCOPED_TRACE(file);
        test::StagedState staged;
        staged.state.settings.LanguageFileName = QString::fromLatin1(file);
        frmCommChInfo table(staged.state);
        const ChannelGrid* grid = table.grid();
        const QHeaderView* header = grid->horizontalHeader();
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int col = 0; col < ChannelGrid::Columns; ++col) {
            if (grid->isColumnHidden(col))
                continue;
            QStringList titles{grid->cellText(0, col)};
            if (col == 2)
                titles.append(GetLangText(staged.state, 14100)); // the offset display's title
            for (const QString& title : titles) {
                EXPECT_LE(header->fontMetrics().horizontalAdvance(title) + margins, grid->columnWidth(col))
                    << "column " << col << ": " << title.toStdString();
            }
        }
        for (const auto& [name, col] : lists) {
            const auto* list = Control<QComboBox>(&table, name);
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.rect = QRect(0, 0, grid->columnWidth(col), list->sizeHint().height());
            option.frame = list->hasFrame();
            const int room =
                list->style()
                    ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                    .width();
            for (int i = 0; i < list->count(); ++i) {
                EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)), room)
                    << "column " << col << ": " << list->itemText(i).toStdString();
            }
        }
    }
}

} // namespace
