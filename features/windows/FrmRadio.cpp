#include "features/windows/FrmRadio.h"

#include "base/LanguageTexts.h"
#include "base/texts/FmRadioTexts.h"
#include "channels/TypedKeys.h"
#include "data/ConfigurationState.h"
#include "features/FmRadioEditor.h"
#include "ui/FlexGrid.h"
#include "ui/GridCellEditor.h"
#include "ui/Twips.h"

namespace mk21 {

namespace {

// Twips.
constexpr int Margin = 240;
constexpr int NumberWidth = 1000;
constexpr int FrequencyWidth = 1700;
constexpr int RowHeight = 300;

} // namespace

FrmRadio::FrmRadio(ConfigurationState& state, QWidget* parent)
    : EditorWindow(state, Editor::Model{FmRadioEditor::FormName, Texts::FmRadio::Title}, parent),
      MSFlexGrid1(new FlexGrid(FmRadioEditor::Channels, 2, 1, this))
{
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setColumnWidth(0, Twips::ToPixelsX(NumberWidth, *this));
    MSFlexGrid1->setColumnWidth(1, Twips::ToPixelsX(FrequencyWidth, *this));
    MSFlexGrid1->setRowHeights(Twips::ToPixelsY(RowHeight, *this), Twips::ToPixelsY(RowHeight, *this));
    MSFlexGrid1->fitToCells();
    MSFlexGrid1->move(Twips::ToPixelsX(Margin, *this), Twips::ToPixelsY(Margin, *this));
    for (int row = 1; row <= FmRadioEditor::Channels; ++row)
        MSFlexGrid1->setCellText(row, 0, QString::number(row));

    GridCellEditor::Behaviour behaviour;
    behaviour.commit = [this](int row, int, const QString& typed) {
        return FmRadioEditor::Commit(this->state(), row, typed);
    };
    behaviour.enter = [this](int row, int col, const QString&) {
        MSFlexGrid1->setCursor(FmRadioEditor::NextRow(row), col);
    };
    behaviour.accepts = [](QChar typed) { return TypedKeys::FrequencyBoxAccepts(typed, false); };
    behaviour.selectOnEntry = true; // typing replaces a memory; an arrow key keeps it to edit
    MSFlexGrid1->placeCursor(1, 1);
    editor_ = new GridCellEditor(MSFlexGrid1, FmRadioEditor::BoxLength, std::move(behaviour));

    const int gridBottom = Margin + Twips::FromPixelsY(MSFlexGrid1->height(), *this);
    const int gridRight = Margin + Twips::FromPixelsX(MSFlexGrid1->width(), *this);
    BuildButtons(this, Margin, gridBottom + 200, gridRight + Margin, gridBottom + 800);
    ShowChannels();
    Load();
}

void FrmRadio::ShowChannels()
{
    for (int row = 1; row <= FmRadioEditor::Channels; ++row)
        MSFlexGrid1->setCellText(row, 1, FmRadioEditor::CellText(state(), row));
}

void FrmRadio::CommitPendingText()
{
    editor_->CommitPending();
}

void FrmRadio::SetOwnCaptions()
{
    MSFlexGrid1->setCellText(0, 0, GetLangText(state(), Texts::FmRadio::ChannelHeader));
    MSFlexGrid1->setCellText(0, 1, GetLangText(state(), Texts::FmRadio::FrequencyHeader));
}

} // namespace mk21
