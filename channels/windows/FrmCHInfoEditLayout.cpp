#include "channels/windows/FrmCHInfoEdit.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/ChannelEditTexts.h"
#include "base/texts/ChannelTableTexts.h"
#include "data/ToneList.h"
#include "ui/DialogCaptions.h"
#include "ui/EnterMovesFocus.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstddef>
#include <initializer_list>

namespace mk21 {

namespace {

// Geometry in twips.
constexpr int ClientWidth = 8085;
constexpr int ClientHeight = 7170;
constexpr int ControlHeight = 315;
constexpr int RowStep = 360;
constexpr int SelectorLeft = 2640;
constexpr int ColumnWidth = 1815;
constexpr int CheckLeft = 4680;
constexpr int CheckWidth = 2800;
constexpr int LabelGap = 100;
// The name and ID boxes have no field; they sit below the check boxes, labelled from the left.
constexpr int NameLeft = 6000;
constexpr int NameBoxWidth = 255;
constexpr int NameBoxStep = 285;
constexpr int NameTop = 3240;
constexpr int IdTop = 3600;
constexpr int IdWidth = 1455;
constexpr int FrequencyLength = 9;
constexpr int IdLength = 10;

// Left column of the frame, top to bottom: Text1, Text2, then these lists.
constexpr std::array<int, FrmCHInfoEdit::ListCount> ListRows{0, 1, 2, 3, 4, 5, 6, 7, 9, 8, 10};

// Label texts of the lists; the two auto-dial labels add their number.
constexpr std::array<int, FrmCHInfoEdit::ListCount> ListLabels{
    Texts::ChannelEdit::DecodeLabel,   Texts::ChannelEdit::EncodeLabel,
    Texts::ChannelEdit::PowerLabel,    Texts::ChannelEdit::SignallingLabel,
    Texts::ChannelEdit::PttIdLabel,    Texts::ChannelEdit::SpacingLabel,
    Texts::ChannelEdit::BusyLockLabel, Texts::ChannelEdit::ReverseLabel,
    Texts::ChannelEdit::AutoDialLabel, Texts::ChannelEdit::SignallingRelationLabel,
    Texts::ChannelEdit::AutoDialLabel};

template <class T> T* Named(QWidget* parent, const QString& name)
{
    auto* control = new T(parent);
    control->setObjectName(name);
    return control;
}

QString Indexed(const char* name, std::size_t i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

QStringList ListEntries(AppState& state, std::initializer_list<int> numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts.append(GetLangText(state, n));
    return texts;
}

void Place(QWidget* control, int left, int top, int width, int height = ControlHeight)
{
    const QWidget& d = *control;
    control->setGeometry(Twips::ToPixelsX(left, d), Twips::ToPixelsY(top, d), Twips::ToPixelsX(width, d),
                         Twips::ToPixelsY(height, d));
}

// Label left = control left - label width - 100 twips, centred on the control's height.
void PlaceLabel(QLabel* label, const QWidget* control)
{
    label->adjustSize();
    const int gap = Twips::ToPixelsX(LabelGap, *label);
    label->move(control->x() - label->width() - gap,
                control->y() + (control->height() - label->height()) / 2);
}

} // namespace

void FrmCHInfoEdit::CreateControls()
{
    Combo4 = Named<QComboBox>(this, QStringLiteral("Combo4"));
    Combo1 = Named<QComboBox>(this, QStringLiteral("Combo1"));
    Combo3 = Named<QComboBox>(this, QStringLiteral("Combo3"));
    Combo3->hide();
    Label4 = Named<QLabel>(this, QStringLiteral("Label4"));
    Label1 = Named<QLabel>(this, QStringLiteral("Label1"));
    Frame1 = Named<QGroupBox>(this, QStringLiteral("Frame1"));
    Text1 = Named<QLineEdit>(Frame1, QStringLiteral("Text1"));
    Text2 = Named<QLineEdit>(Frame1, QStringLiteral("Text2"));
    for (QLineEdit* box : {Text1, Text2}) {
        box->setMaxLength(FrequencyLength);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false); // typed text is filtered; dropped text would not be
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->installEventFilter(this);
    }
    for (std::size_t i = 0; i < Text3.size(); ++i) {
        Text3[i] = Named<QLineEdit>(Frame1, Indexed("Text3", i));
        Text3[i]->setMaxLength(1);
        Text3[i]->setEnabled(false);
    }
    Text4 = Named<QLineEdit>(Frame1, QStringLiteral("Text4"));
    Text4->setMaxLength(IdLength);
    Text4->setEnabled(false);
    for (std::size_t i = 0; i < Label2.size(); ++i)
        Label2[i] = Named<QLabel>(Frame1, Indexed("Label2", i));
    for (std::size_t i = 0; i < Combo2.size(); ++i) {
        Combo2[i] = Named<QComboBox>(Frame1, Indexed("Combo2", i));
        Label3[i] = Named<QLabel>(Frame1, Indexed("Label3", i));
        EnterMovesFocus::Install(Combo2[i]);
    }
    for (std::size_t j = 0; j < Check1.size(); ++j) {
        Check1[j] = Named<QCheckBox>(Frame1, Indexed("Check1", j));
        EnterMovesFocus::Install(Check1[j]);
    }
    EnterMovesFocus::Install(Combo1);
    EnterMovesFocus::Install(Combo4);
    CommandClose = Named<QPushButton>(this, QStringLiteral("CommandClose"));
    CommandHelp = Named<QPushButton>(this, QStringLiteral("CommandHelp"));
    CommandHelp->hide();

    for (int g = 1; g <= 8; ++g)
        Combo4->addItem(QString::number(g));
    for (int p = 1; p <= 16; ++p)
        Combo1->addItem(QString::number(p));
    PlaceControls();
    SetFocusOrder();
}

void FrmCHInfoEdit::PlaceControls()
{
    // Controls keep their places; the window never shrinks below them.
    setMinimumSize(Twips::ToPixelsX(ClientWidth, *this), Twips::ToPixelsY(ClientHeight, *this));
    Place(Combo4, SelectorLeft, 120, ColumnWidth);
    Place(Combo1, SelectorLeft, 480, ColumnWidth);
    Place(Frame1, 240, 840, 7575, 5535);
    Place(Text1, SelectorLeft, RowStep, ColumnWidth);
    Place(Text2, SelectorLeft, 2 * RowStep, ColumnWidth);
    for (std::size_t i = 0; i < Combo2.size(); ++i)
        Place(Combo2[i], SelectorLeft, (ListRows[i] + 3) * RowStep, ColumnWidth);
    for (std::size_t j = 0; j < Check1.size(); ++j)
        Place(Check1[j], CheckLeft, static_cast<int>(j + 1) * RowStep, CheckWidth);
    for (std::size_t i = 0; i < Text3.size(); ++i)
        Place(Text3[i], NameLeft + static_cast<int>(i) * NameBoxStep, NameTop, NameBoxWidth);
    Place(Text4, NameLeft, IdTop, IdWidth);
    Place(CommandClose, 360, 6600, 1095, 375);
    Place(CommandHelp, 1680, 6600, 1095, 375);
}

void FrmCHInfoEdit::PlaceLabels()
{
    PlaceLabel(Label4, Combo4);
    PlaceLabel(Label1, Combo1);
    PlaceLabel(Label2[0], Text1);
    PlaceLabel(Label2[1], Text2);
    PlaceLabel(Label2[2], Text3[0]);
    PlaceLabel(Label2[3], Text4);
    for (std::size_t i = 0; i < Combo2.size(); ++i)
        PlaceLabel(Label3[i], Combo2[i]);
}

void FrmCHInfoEdit::ChangShowByLanguage()
{
    setWindowTitle(GetLangText(state_, Texts::ChannelEdit::Caption));
    Label4->setText(GetLangText(state_, Texts::ChannelEdit::GroupLabel));
    Label1->setText(GetLangText(state_, Texts::ChannelEdit::ChannelLabel));
    Label2[0]->setText(GetLangText(state_, Texts::ChannelEdit::ReceiveLabel));
    Label2[1]->setText(GetLangText(state_, state_.preferences.OffSetShowMode
                                               ? Texts::ChannelEdit::OffsetLabel
                                               : Texts::ChannelEdit::TransmitLabel));
    Label2[2]->setText(GetLangText(state_, Texts::ChannelEdit::NameLabel));
    Label2[3]->setText(GetLangText(state_, Texts::ChannelEdit::IdCodeLabel));
    for (std::size_t i = 0; i < Label3.size(); ++i)
        Label3[i]->setText(GetLangText(state_, ListLabels[i]));
    Label3[8]->setText(Label3[8]->text() + QStringLiteral(" 1"));
    Label3[10]->setText(Label3[10]->text() + QStringLiteral(" 2"));
    for (std::size_t j = 0; j < Check1.size(); ++j)
        Check1[j]->setText(GetLangText(state_, Texts::ChannelEdit::CheckCaptionBase + static_cast<int>(j)));
    ModLang::SetCloseHelpCaptions(state_, this);

    const QStringList tones = ToneList::ToneTexts(GetLangText(state_, Texts::ChannelEdit::Off));
    entries_ = {tones,
                tones,
                ListEntries(state_, {Texts::ChannelEdit::PowerLow, Texts::ChannelEdit::PowerMedium,
                                     Texts::ChannelEdit::PowerHigh}),
                ListEntries(state_, {Texts::ChannelEdit::Off, Texts::ChannelEdit::SignallingDtmf}),
                ListEntries(state_, {Texts::ChannelEdit::Off, Texts::ChannelEdit::PttIdBot,
                                     Texts::ChannelEdit::PttIdEot, Texts::ChannelEdit::PttIdBoth}),
                ListEntries(state_, {Texts::ChannelEdit::Spacing12_5, Texts::ChannelEdit::Spacing20,
                                     Texts::ChannelEdit::Spacing25}),
                ListEntries(state_, {Texts::ChannelEdit::Off, Texts::ChannelEdit::BusyCarrier,
                                     Texts::ChannelEdit::BusyTone}),
                ListEntries(state_, {Texts::ChannelEdit::Reverse, Texts::ChannelEdit::Talkaround}),
                DtmfCodeEntries(),
                ListEntries(state_, {Texts::ChannelEdit::RelationAnd, Texts::ChannelEdit::RelationOr}),
                DtmfCodeEntries()};
    Combo3->clear();
    Combo3->addItems(ListEntries(state_, {Texts::ChannelEdit::Off, Texts::ChannelEdit::BusyCarrier,
                                          Texts::ChannelEdit::BusyTone, Texts::ChannelEdit::BusySignalling}));
    PlaceLabels();
}

QStringList FrmCHInfoEdit::DtmfCodeEntries() const
{
    QStringList entries{GetLangText(state_, Texts::ChannelTable::NoneEntry)};
    const auto& memories = state_.WorkingConfiguration.Features.Dtmf.DtmfMemory;
    for (std::size_t i = 0; i < memories.size(); ++i) {
        if (memories[i].Length > 0)
            entries.append(QString::number(i + 1));
    }
    return entries;
}

QList<QWidget*> FrmCHInfoEdit::FocusOrder() const
{
    QList<QWidget*> order{Combo1, Text1, Text2};
    for (std::size_t i = 0; i + 1 < Combo2.size(); ++i)
        order.append(Combo2[i]);
    for (QCheckBox* box : Check1)
        order.append(box);
    order.append({CommandClose, Combo4, Combo2[10]});
    for (QLineEdit* box : Text3)
        order.append(box);
    order.append(Text4);
    return order;
}

void FrmCHInfoEdit::SetFocusOrder()
{
    const QList<QWidget*> order = FocusOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

bool FrmCHInfoEdit::focusNextPrevChild(bool next)
{
    // Tab and Enter go round this window's controls only, in the window's own order.
    const QList<QWidget*> order = FocusOrder();
    const qsizetype at = order.indexOf(focusWidget());
    if (at < 0)
        return QWidget::focusNextPrevChild(next);
    const qsizetype count = order.size();
    for (qsizetype step = 1; step < count; ++step) {
        QWidget* candidate = order[(at + (next ? step : count - step)) % count];
        if (candidate->isEnabled() && candidate->isVisibleTo(this)) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

} // namespace mk21
