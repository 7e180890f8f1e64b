#include "channels/windows/FrmCHInfoEdit.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/TextOps.h"
#include "base/texts/ChannelEditTexts.h"
#include "channels/BusyLockRule.h"
#include "channels/ChannelList.h"
#include "data/FrequencyCodec.h"
#include "ui/ChildWindows.h"
#include "ui/ListHelpers.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstddef>

namespace mk21 {

namespace {

namespace Field = ModCHEdit::ChannelField;

constexpr int BusyLockList = 6;
constexpr int AutoDial1List = 8;
constexpr int AutoDial2List = 10;
constexpr int TalkaroundBox = 3;
constexpr int ReverseBox = 4;
constexpr QLatin1String Blank(" ");

struct ListField {
    int code;
    Integer ChannelRecord::*field;
};

// Combo2(0..10) in index order.
constexpr std::array<ListField, FrmCHInfoEdit::ListCount> ListFields{{
    {Field::DecodeTone, &ChannelRecord::DecodeTone},
    {Field::EncodeTone, &ChannelRecord::EncodeTone},
    {Field::TxPower, &ChannelRecord::TxPower},
    {Field::OptSignal, &ChannelRecord::OptSignal},
    {Field::PttId, &ChannelRecord::PttId},
    {Field::Bandwidth, &ChannelRecord::Bandwidth},
    {Field::BusyLock, &ChannelRecord::BusyLock},
    {Field::RevTalkSelect, &ChannelRecord::RevTalkSelect},
    {Field::AutoDial1, &ChannelRecord::AutoDial1},
    {Field::SignalRelation, &ChannelRecord::SignalRelation},
    {Field::AutoDial2, &ChannelRecord::AutoDial2},
}};

// Check1(0..6) in index order.
constexpr std::array<ListField, FrmCHInfoEdit::CheckCount> CheckFields{{
    {Field::ScanSkip, &ChannelRecord::ScanSkip},
    {Field::Encryption, &ChannelRecord::Encryption},
    {Field::TxInhibit, &ChannelRecord::TxInhibit},
    {Field::Talkaround, &ChannelRecord::Talkaround},
    {Field::Reverse, &ChannelRecord::Reverse},
    {Field::Whisper, &ChannelRecord::Whisper},
    {Field::Compander, &ChannelRecord::Compander},
}};

bool IsAutoDial(std::size_t list)
{
    return list == AutoDial1List || list == AutoDial2List;
}

QStringList ItemsOf(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}

} // namespace

FrmCHInfoEdit::FrmCHInfoEdit(AppState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName(QLatin1String(FormName));
    CreateControls();
    ChangShowByLanguage();

    connect(Combo4, &QComboBox::activated, this, &FrmCHInfoEdit::SelectorChosen);
    connect(Combo1, &QComboBox::activated, this, &FrmCHInfoEdit::SelectorChosen);
    for (std::size_t i = 0; i < Combo2.size(); ++i)
        connect(Combo2[i], &QComboBox::activated, this,
                [this, i](int position) { ListChosen(int(i), position); });
    for (std::size_t j = 0; j < Check1.size(); ++j)
        connect(Check1[j], &QCheckBox::clicked, this,
                [this, j](bool ticked) { CheckClicked(int(j), ticked); });
    connect(CommandClose, &QPushButton::clicked, this, [this] { ModFun::CloseChildWindow(this); });

    state_.channelCursor.EditOpen = true;
    SetGridEditData(true);
}

void FrmCHInfoEdit::SetGridEditData(bool rIsGridChange)
{
    ChannelCursor& cursor = state_.channelCursor;
    ++showing_;
    WandToSave = false;
    if (rIsGridChange) {
        Combo4->setCurrentIndex(std::clamp(cursor.SharedGroup, 0, ModCHEdit::GroupCount - 1));
        Combo1->setCurrentIndex(std::clamp(cursor.CurrentRow - 1, 0, ModCHEdit::ChannelsPerGroup - 1));
    } else {
        if (Combo1->currentIndex() < 0)
            Combo1->setCurrentIndex(0);
        cursor.CurrentRow = Combo1->currentIndex() + 1;
        if (Combo4->currentIndex() != cursor.SharedGroup) {
            cursor.SharedGroup = Combo4->currentIndex();
            if (cursor.TableOpen)
                emit tableGroupWanted();
        }
    }
    ShowChannel(ModCHEdit::ChannelsPerGroup * Combo4->currentIndex() + Combo1->currentIndex() + 1);
    if (--showing_ == 0)
        WandToSave = true;
}

int FrmCHInfoEdit::positionShown() const
{
    return Combo1->currentIndex() + 1;
}

void FrmCHInfoEdit::ShowChannel(int number)
{
    shownChannel_ = number;
    const std::optional<int> index = ModCHEdit::FindChannel(state_.WorkingConfiguration, number);
    if (!index) {
        ShowNoChannel();
        return;
    }
    ReShowBusyLock(number); // may lower the busy lock before the other fields are shown
    const ChannelRecord& channel = state_.WorkingConfiguration.Channels[static_cast<std::size_t>(*index)];
    Text1->setText(ModShowFreFun::ShowFre(state_, channel.RxFreq.raw()));
    SetLive(Text2, true);
    Text2->setText(ModShowFreFun::EditTxText(state_, channel.RxFreq.raw(), channel.Offset.raw(),
                                             channel.OffsetDir, state_.preferences.OffSetShowMode));
    for (std::size_t i = 0; i < Combo2.size(); ++i) {
        SetLive(Combo2[i], true);
        if (i == BusyLockList)
            continue;
        SetEntries(int(i), entries_[i]);
        const int value = channel.*ListFields[i].field;
        if (IsAutoDial(i))
            ShowAutoDial(int(i), value);
        else
            ModFun::SelectListIndex(Combo2[i], value); // a value beyond the list shows its first entry
    }
    for (std::size_t j = 0; j < Check1.size(); ++j) {
        Check1[j]->setEnabled(true);
        Check1[j]->setChecked(channel.*CheckFields[j].field == 1);
    }
    const bool talkaround = channel.RevTalkSelect == 1;
    Check1[TalkaroundBox]->setEnabled(talkaround);
    Check1[ReverseBox]->setEnabled(!talkaround);
}

void FrmCHInfoEdit::ShowNoChannel()
{
    Text1->clear();
    Text2->clear();
    SetLive(Text2, false);
    for (std::size_t i = 0; i < Combo2.size(); ++i) {
        SetEntries(int(i), {QString(Blank)});
        SetLive(Combo2[i], false);
    }
    for (QCheckBox* box : Check1) {
        box->setChecked(false);
        box->setEnabled(false);
    }
}

void FrmCHInfoEdit::SetLive(QWidget* control, bool live)
{
    control->setEnabled(live);
    QPalette colours = control->palette();
    colours.setColor(QPalette::Base,
                     live ? Text1->palette().color(QPalette::Base) : palette().color(QPalette::Window));
    control->setPalette(colours);
}

void FrmCHInfoEdit::SetEntries(int list, const QStringList& entries)
{
    QComboBox* combo = Combo2[static_cast<std::size_t>(list)];
    if (ItemsOf(combo) == entries)
        return;
    combo->clear();
    combo->addItems(entries);
}

void FrmCHInfoEdit::ShowAutoDial(int list, int value)
{
    QComboBox* combo = Combo2[static_cast<std::size_t>(list)];
    // A number whose DTMF memory is not defined is not in the list and shows "no auto-dial".
    ModFun::SelectListText(combo, value == 0 ? combo->itemText(0) : QString::number(value));
}

void FrmCHInfoEdit::ReShowBusyLock(int number)
{
    ModCHEdit::ApplyBusyLockRule(state_, number);
    const std::optional<int> index = ModCHEdit::FindChannel(state_.WorkingConfiguration, number);
    // Another channel's busy-lock choices never replace those of the channel shown.
    if (!index || number != shownChannel_)
        return;
    const ChannelRecord& channel = state_.WorkingConfiguration.Channels[static_cast<std::size_t>(*index)];
    const qsizetype offered = ModCHEdit::BusyLockOnToneOffered(channel) ? 3 : 2;
    SetEntries(BusyLockList, entries_[BusyLockList].first(offered));
    const bool saving = WandToSave;
    WandToSave = false;
    // A stored value without an entry shows the first one and stays as it is.
    ModFun::SelectListText(Combo2[BusyLockList], ModFun::ListTextAt(Combo3, channel.BusyLock));
    WandToSave = saving;
}

void FrmCHInfoEdit::ReShowEditTxFre(bool rOffSet)
{
    Label2[1]->setText(
        GetLangText(state_, rOffSet ? Texts::ChannelEdit::OffsetLabel : Texts::ChannelEdit::TransmitLabel));
    PlaceLabels();
    SetGridEditData(false);
}

void FrmCHInfoEdit::ReShowDtmfLists()
{
    entries_[AutoDial1List] = DtmfCodeEntries();
    entries_[AutoDial2List] = DtmfCodeEntries();
    SetGridEditData(false);
}

void FrmCHInfoEdit::SelectorChosen()
{
    const ChannelCursor& cursor = state_.channelCursor;
    if (Combo4->currentIndex() != cursor.SharedGroup || Combo1->currentIndex() + 1 != cursor.CurrentRow)
        SetGridEditData(false);
}

void FrmCHInfoEdit::ListChosen(int list, int position)
{
    const QComboBox* combo = Combo2[static_cast<std::size_t>(list)];
    const QString text = combo->itemText(position);
    if (!WandToSave || text.isEmpty() || text == Blank)
        return;
    int value = position;
    if (list == BusyLockList)
        value = ModFun::ListIndexOfText(Combo3, text, 0);
    else if (IsAutoDial(static_cast<std::size_t>(list)))
        value = position == 0 ? 0 : text.toInt();
    Commit(ListFields[static_cast<std::size_t>(list)].code, QString::number(value));
}

void FrmCHInfoEdit::CheckClicked(int box, bool ticked)
{
    if (WandToSave)
        Commit(CheckFields[static_cast<std::size_t>(box)].code,
               ticked ? QStringLiteral("1") : QStringLiteral("0"));
}

void FrmCHInfoEdit::CommitText1()
{
    if (!WandToSave)
        return;
    const QString text = Text1->text();
    // An empty text deletes the channel; a text that is not a number goes on to the band check.
    Commit(Field::RxFreq, ModFun::IsNumeric(text) ? ModShowFreFun::FormatFre(ModFun::ToNumber(text)) : text);
}

void FrmCHInfoEdit::CommitText2()
{
    if (!WandToSave)
        return;
    const QString text = Text2->text();
    if (ModFun::IsNumeric(text))
        Commit(Field::Transmit, text);
    else
        SetGridEditData(false); // the stored transmit side is shown again
}

void FrmCHInfoEdit::Commit(int code, const QString& value)
{
    if (!WandToSave || committing_)
        return;
    committing_ = true;
    ModCHEdit::SetChannelData(state_, Combo4->currentIndex(), Combo1->currentIndex() + 1, code, value);
    committing_ = false;
    // Dependent fields (the other tone, the busy lock, reverse or talkaround) may have changed.
    SetGridEditData(false);
}

void FrmCHInfoEdit::CommitPendingText()
{
    // The focus child is kept while another application or a message box is active.
    if (focusWidget() == Text1)
        CommitText1();
    else if (focusWidget() == Text2)
        CommitText2();
}

void FrmCHInfoEdit::closeEvent(QCloseEvent* event)
{
    CommitPendingText();
    state_.channelCursor.EditOpen = false;
    QWidget::closeEvent(event);
}

} // namespace mk21
