// The channel table window: loading, language texts, the group selector, drawing and closing.
#include "channels/windows/frmCommChInfo.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/ChannelTableTexts.h"
#include "channels/BusyLockRule.h"
#include "channels/ChannelList.h"
#include "channels/ChannelListTexts.h"
#include "channels/windows/ChannelGrid.h"
#include "data/FrequencyCodec.h"
#include "data/ToneList.h"
#include "ui/ChildWindows.h"
#include "ui/DialogCaptions.h"
#include "ui/ListHelpers.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstddef>

namespace mk21 {

namespace {

constexpr int ChannelsPerGroup = ModCHEdit::ChannelsPerGroup;
const QColor PositionText(0, 0, 255);
const QColor EditMarkText(255, 0, 0);
const QColor EditMarkBackground(220, 220, 220);
const QColor HeaderText(0, 0, 155);

// Column widths in twips; column 3 has no field behind it and stays hidden.
constexpr std::array<int, ChannelGrid::Columns> ColumnTwips = {740,  1300, 1300, 0,    1200, 1200,
                                                               1000, 1000, 1000, 1100, 1400};
constexpr int GridLeftTwips = 0;
constexpr int GridTopTwips = 480;
constexpr int GridWidthTwips = 11358;
constexpr int HeaderTwips = 500;
constexpr int MinimumRowTwips = 240;
constexpr int ButtonGapTwips = 135;
constexpr int ButtonHeightTwips = 375;
constexpr int WindowWidthTwips = 11800;

// The stored value a list column shows.
int ListValue(const ChannelRecord& channel, int col)
{
    switch (col) {
    case 4: return channel.DecodeTone;
    case 5: return channel.EncodeTone;
    case 6: return channel.TxPower;
    case 7: return channel.ScanSkip;
    case 8: return channel.OptSignal;
    default: return channel.Bandwidth;
    }
}

} // namespace

frmCommChInfo::frmCommChInfo(AppState& state, QWidget* parent) : frmCommChInfo(state, Linker(), parent)
{
}

frmCommChInfo::frmCommChInfo(AppState& state, const Linker& link, QWidget* parent)
    : QWidget(parent), state_(state)
{
    setObjectName(QLatin1String(FormName));
    MSFlexGrid1 = new ChannelGrid(this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo7 = new QComboBox(this);
    Combo7->setObjectName(QStringLiteral("Combo7"));
    for (int g = 1; g <= ModCHEdit::GroupCount; ++g)
        Combo7->addItem(QString::number(g));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(9);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMaxLength(5);
    for (std::size_t i = 0; i < listEditors_.size(); ++i) {
        listEditors_[i] = new QComboBox(this);
        listEditors_[i]->setObjectName(QStringLiteral("Combo%1(0)").arg(i + 1));
    }
    CommandClose = new QPushButton(this);
    CommandClose->setObjectName(QStringLiteral("CommandClose"));
    CommandCHInfoEdit = new QPushButton(this);
    CommandCHInfoEdit->setObjectName(QStringLiteral("CommandCHInfoEdit"));
    CommandHelp = new QPushButton(this);
    CommandHelp->setObjectName(QStringLiteral("CommandHelp"));
    ScrollTimer.setObjectName(QStringLiteral("ScrollTimer"));
    ScrollTimer.setInterval(ScrollInterval);
    ScrollTimer.setSingleShot(true);
    TimerCHEdit.setObjectName(QStringLiteral("TimerCHEdit"));
    TimerCHEdit.setInterval(DoubleClickGuard);
    TimerCHEdit.setSingleShot(true);
    setWindowTitle(QStringLiteral("信道信息"));

    if (link)
        link(*this);

    // Form_Load
    CommandHelp->hide();
    CodeMoveTopRow = false;
    ready_ = false;
    InitShowGrid();
    ChangShowByLanguage();
    layoutControls();
    connectControls();
    SetGridData();
    firstActivation_ = true;
    state_.channelCursor.TableOpen = true;
    ready_ = true;
    {
        const QSignalBlocker quiet(MSFlexGrid1);
        MSFlexGrid1->setCursor(1, RxColumn);
    }
    // The text fields get no context menu.
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    Text2->setContextMenuPolicy(Qt::NoContextMenu);
}

frmCommChInfo::~frmCommChInfo()
{
    state_.channelCursor.TableOpen = false;
}

void frmCommChInfo::InitShowGrid()
{
    for (int col = 0; col < ChannelGrid::Columns; ++col) {
        MSFlexGrid1->setColumnWidth(col, Twips::ToPixelsX(ColumnTwips[static_cast<std::size_t>(col)], *this));
        MSFlexGrid1->setColumnHidden(col, ColumnTwips[static_cast<std::size_t>(col)] == 0);
    }
    SetEditDisable();
}

void frmCommChInfo::layoutControls()
{
    const auto x = [this](int twips) { return Twips::ToPixelsX(twips, *this); };
    const auto y = [this](int twips) { return Twips::ToPixelsY(twips, *this); };
    // The rows are as high as the editors laid over them, and the grid shows all 16 of them.
    const int rowHeight =
        std::max({y(MinimumRowTwips), Text1->sizeHint().height(), listEditors_[0]->sizeHint().height()});
    MSFlexGrid1->setRowHeights(y(HeaderTwips), rowHeight);
    const int frame = 2 * MSFlexGrid1->frameWidth();
    const int gridHeight = y(HeaderTwips) + ChannelGrid::DataRows * rowHeight + frame;
    MSFlexGrid1->setGeometry(x(GridLeftTwips), y(GridTopTwips), x(GridWidthTwips), gridHeight);

    Combo7->setGeometry(x(1800), y(120), x(975), Combo7->sizeHint().height());
    Label1->adjustSize();
    Label1->move(Combo7->x() - Label1->width() - x(100),
                 Combo7->y() + (Combo7->height() - Label1->height()) / 2);

    const int buttonsTop = MSFlexGrid1->geometry().bottom() + 1 + y(ButtonGapTwips);
    CommandClose->setGeometry(x(840), buttonsTop, x(1335), y(ButtonHeightTwips));
    CommandCHInfoEdit->setGeometry(x(2400), buttonsTop, x(2295), y(ButtonHeightTwips));
    CommandHelp->setGeometry(x(4920), buttonsTop, x(1335), y(ButtonHeightTwips));
    designSize_ = QSize(x(WindowWidthTwips), buttonsTop + y(ButtonHeightTwips) + y(ButtonGapTwips) * 2);
    resize(designSize_);
}

void frmCommChInfo::ChangShowByLanguage()
{
    redrawing_ = true;
    state_.channelCursor.CaptionRow = std::max(1, MSFlexGrid1->Row());
    Label1->setText(GetLangText(state_, Texts::ChannelTable::GroupLabel));
    setCaption(Texts::ChannelTable::GroupLabel);
    for (int col = 0; col < ChannelGrid::Columns; ++col) {
        const int number = col == TxColumn && state_.preferences.OffSetShowMode
                               ? Texts::ChannelTable::OffsetHeader
                               : Texts::ChannelTable::ChannelHeader + col;
        MSFlexGrid1->setCellText(0, col, GetLangText(state_, number));
    }
    MSFlexGrid1->setHeaderTextColor(HeaderText);
    for (int row = 1; row <= ChannelGrid::DataRows; ++row) {
        MSFlexGrid1->setCellText(row, 0, QString::number(row));
        MSFlexGrid1->setCellColors(row, 0, PositionText);
        MSFlexGrid1->setCellText(row, EditColumn, QStringLiteral(">>"));
        MSFlexGrid1->setCellColors(row, EditColumn, EditMarkText, EditMarkBackground);
    }
    redrawing_ = false;
    fillLists();
    CommandCHInfoEdit->setText(GetLangText(state_, Texts::ChannelTable::EditButton));
    ModLang::SetCloseHelpCaptions(state_, this);
}

void frmCommChInfo::fillLists()
{
    const auto fill = [this](QComboBox* list, const QStringList& texts) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(texts);
    };
    fill(listEditors_[0], ToneList::ToneTexts(GetLangText(state_, Texts::ChannelTable::NoneEntry)));
    fill(listEditors_[1], ModCHEdit::ListTexts(state_, ModCHEdit::PowerTexts));
    fill(listEditors_[2], ModCHEdit::ListTexts(state_, ModCHEdit::ScanTexts));
    fill(listEditors_[3], ModCHEdit::ListTexts(state_, ModCHEdit::SignallingTexts));
    fill(listEditors_[4], ModCHEdit::ListTexts(state_, ModCHEdit::SpacingTexts));
}

void frmCommChInfo::setCaption(int firstWordNumber)
{
    setWindowTitle(GetLangText(state_, firstWordNumber) + QLatin1Char(' ') + QString::number(group_ + 1) +
                   QStringLiteral(" --- ") + GetLangText(state_, Texts::ChannelTable::ChannelWord) +
                   QLatin1Char(' ') + QString::number(state_.channelCursor.CaptionRow) + QLatin1Char(']'));
}

void frmCommChInfo::SetGridData()
{
    ModFun::SelectListIndex(Combo7, group_); // draws the group
    emit treeReloadWanted();
}

void frmCommChInfo::ChangeGroup()
{
    ModFun::SelectListIndex(Combo7, state_.channelCursor.SharedGroup);
}

void frmCommChInfo::Combo7_Click()
{
    group_ = std::max(0, Combo7->currentIndex());
    state_.channelCursor.SharedGroup = group_;
    setCaption(Texts::ChannelTable::ChannelWord);
    for (int row = 1; row <= ChannelGrid::DataRows; ++row)
        clearRow(row);
    reShowAllGrid();
    SetShowEditData();
    if (state_.channelCursor.EditOpen)
        emit editWindowRefreshWanted();
    emit cursorChannelChanged(ChannelsPerGroup * group_ + cursorRow());
}

int frmCommChInfo::cursorRow() const
{
    return std::clamp(MSFlexGrid1->Row(), 1, ChannelGrid::DataRows);
}

void frmCommChInfo::drawRow(int row, int channelIndex)
{
    const ChannelRecord& channel =
        state_.WorkingConfiguration.Channels[static_cast<std::size_t>(channelIndex)];
    MSFlexGrid1->setCellText(row, RxColumn, ModShowFreFun::ShowFre(state_, channel.RxFreq.raw()));
    MSFlexGrid1->setCellText(row, TxColumn,
                             ModShowFreFun::GridTxText(state_, channel.RxFreq.raw(), channel.Offset.raw(),
                                                       channel.OffsetDir, state_.preferences.OffSetShowMode));
    for (int col = 4; col <= LastFieldColumn; ++col)
        MSFlexGrid1->setCellText(row, col, ModFun::ListTextAt(listEditorOf(col), ListValue(channel, col)));
}

void frmCommChInfo::clearRow(int row)
{
    for (int col = RxColumn; col <= LastFieldColumn; ++col)
        MSFlexGrid1->setCellText(row, col, QString());
}

void frmCommChInfo::reShowAllGrid()
{
    std::array<bool, ChannelGrid::DataRows + 1> drawn{};
    const RadioConfiguration& config = state_.WorkingConfiguration;
    const int used = ModCHEdit::UsedChannels(config);
    for (int i = 0; i < used; ++i) {
        const int row = config.Channels[static_cast<std::size_t>(i)].ChannelNo - ChannelsPerGroup * group_;
        if (row > 0 && row <= ChannelGrid::DataRows) {
            drawn[static_cast<std::size_t>(row)] = true;
            drawRow(row, i);
        }
    }
    for (int row = 1; row <= ChannelGrid::DataRows; ++row) {
        if (!drawn[static_cast<std::size_t>(row)] && !MSFlexGrid1->cellText(row, RxColumn).isEmpty())
            clearRow(row);
    }
}

void frmCommChInfo::reShowGrid(int rRow)
{
    const int row = rRow - ChannelsPerGroup * group_;
    if (row < 1 || row > ChannelGrid::DataRows)
        return; // another group's channel has no row here
    if (const std::optional<int> index = ModCHEdit::FindChannel(state_.WorkingConfiguration, rRow)) {
        drawRow(row, *index);
        ModCHEdit::ApplyBusyLockRule(state_, rRow);
        if (state_.channelCursor.EditOpen)
            emit editBusyLockWanted(rRow);
    } else {
        clearRow(row);
    }
    if (row == cursorRow()) {
        // A change made elsewhere (the edit window) shows in the box over the cursor cell too:
        // a box left with the old text would store it back on Enter, and an empty one would
        // delete the channel just created.
        if (!typingInCursorCell())
            SetShowEditData();
        emit cursorChannelChanged(rRow);
    }
}

bool frmCommChInfo::typingInCursorCell() const
{
    if (Text1->hasFocus() || Text2->hasFocus())
        return true;
    return std::any_of(listEditors_.begin(), listEditors_.end(),
                       [](const QComboBox* list) { return list->hasFocus(); });
}

void frmCommChInfo::ReShowAllTxFre(bool rOffSet)
{
    MSFlexGrid1->setCellText(0, TxColumn,
                             GetLangText(state_, rOffSet ? Texts::ChannelTable::OffsetHeader
                                                         : Texts::ChannelTable::TransmitHeader));
    const RadioConfiguration& config = state_.WorkingConfiguration;
    const int used = ModCHEdit::UsedChannels(config);
    for (int i = 0; i < used; ++i) {
        const ChannelRecord& channel = config.Channels[static_cast<std::size_t>(i)];
        const int row = channel.ChannelNo - ChannelsPerGroup * group_;
        if (row > 0 && row <= ChannelGrid::DataRows)
            MSFlexGrid1->setCellText(row, TxColumn,
                                     ModShowFreFun::GridTxText(state_, channel.RxFreq.raw(),
                                                               channel.Offset.raw(), channel.OffsetDir,
                                                               rOffSet));
    }
    SetShowEditData();
}

QComboBox* frmCommChInfo::listEditorOf(int col) const
{
    switch (col) {
    case 4:
    case 5: return listEditors_[0];
    case 6: return listEditors_[1];
    case 7: return listEditors_[2];
    case 8: return listEditors_[3];
    case 9: return listEditors_[4];
    default: return nullptr;
    }
}

void frmCommChInfo::closeEvent(QCloseEvent* event)
{
    ValidateActiveEditor();
    state_.channelCursor.TableOpen = false;
    event->accept();
}

} // namespace mk21
