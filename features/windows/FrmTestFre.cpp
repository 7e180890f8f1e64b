#include "features/windows/FrmTestFre.h"

#include "base/LanguageTexts.h"
#include "base/texts/TestFrequencyTexts.h"
#include "channels/TypedKeys.h"
#include "data/ConfigurationState.h"
#include "features/TestFrequencyEditor.h"
#include "ui/FlexGrid.h"
#include "ui/GridCellEditor.h"
#include "ui/Twips.h"

#include <QLabel>

namespace mk21 {

namespace {

namespace T = Texts::TestFrequency;
namespace E = TestFrequencyEditor;

// Twips.
constexpr int Margin = 240;
constexpr int LabelHeight = 300;
constexpr int ColumnWidths[] = {500, 1500, 1500};
constexpr int HeaderHeight = 500;
constexpr int RowHeight = 300;
constexpr int Gap = 200;

} // namespace

FrmTestFre::FrmTestFre(ConfigurationState& state, QWidget* parent)
    : EditorWindow(state, Editor::Model{E::FormName, T::Title}, parent), gridLabel_(new QLabel(this)),
      tuningLabel_(new QLabel(this))
{
    gridLabel_->setObjectName(QStringLiteral("Label1(0)"));
    tuningLabel_->setObjectName(QStringLiteral("Label1(1)"));
    gridLabel_->move(Twips::ToPixelsX(Margin, *this), Twips::ToPixelsY(Margin, *this));
    MSFlexGrid1 = MakeGrid("MSFlexGrid1", E::Rows, Margin + LabelHeight);
    const int firstBottom = Margin + LabelHeight + Twips::FromPixelsY(MSFlexGrid1->height(), *this);
    tuningLabel_->move(Twips::ToPixelsX(Margin, *this), Twips::ToPixelsY(firstBottom + Gap, *this));
    MSFlexGrid2 = MakeGrid("MSFlexGrid2", E::TuningRows, firstBottom + Gap + LabelHeight);
    // The tuning points are shown only: the cursor never rests on them.
    MSFlexGrid2->setFocusPolicy(Qt::NoFocus);
    MSFlexGrid2->setSelectionMode(QAbstractItemView::NoSelection);

    GridCellEditor::Behaviour behaviour;
    behaviour.commit = [this](int row, int col, const QString& typed) {
        return E::Commit(this->state(), row, col, typed);
    };
    behaviour.enter = [this](int row, int col, const QString& typed) {
        const E::Cell next = E::NextCell({row, col}, typed.isEmpty());
        MSFlexGrid1->setCursor(next.row, next.col);
    };
    behaviour.accepts = [](QChar typed) { return TypedKeys::FrequencyBoxAccepts(typed, false); };
    behaviour.selectOnEntry = true;
    MSFlexGrid1->placeCursor(1, 1);
    editor_ = new GridCellEditor(MSFlexGrid1, E::BoxLength, std::move(behaviour));

    const int bottom = firstBottom + Gap + LabelHeight + Twips::FromPixelsY(MSFlexGrid2->height(), *this);
    const int right = Margin + Twips::FromPixelsX(MSFlexGrid1->width(), *this);
    BuildButtons(this, Margin, bottom + Gap, right + Margin, bottom + Gap + 600);
    ShowFrequencies();
    Load();
}

FlexGrid* FrmTestFre::MakeGrid(const char* name, int rows, int top)
{
    auto* grid = new FlexGrid(rows, 3, 1, this);
    grid->setObjectName(QLatin1String(name));
    for (int col = 0; col < 3; ++col)
        grid->setColumnWidth(col, Twips::ToPixelsX(ColumnWidths[col], *this));
    grid->setRowHeights(Twips::ToPixelsY(HeaderHeight, *this), Twips::ToPixelsY(RowHeight, *this));
    grid->fitToCells();
    grid->move(Twips::ToPixelsX(Margin, *this), Twips::ToPixelsY(top, *this));
    for (int row = 1; row <= rows; ++row)
        grid->setCellText(row, 0, QString::number(row));
    return grid;
}

void FrmTestFre::ShowFrequencies()
{
    for (int col = 1; col <= E::Columns; ++col) {
        for (int row = 1; row <= E::Rows; ++row)
            MSFlexGrid1->setCellText(row, col, E::CellText(state(), row, col));
        for (int row = 1; row <= E::TuningRows; ++row)
            MSFlexGrid2->setCellText(row, col, E::TuningCellText(state(), row, col));
    }
}

void FrmTestFre::CommitPendingText()
{
    editor_->CommitPending();
}

void FrmTestFre::SetOwnCaptions()
{
    gridLabel_->setText(GetLangText(state(), T::GridLabel));
    gridLabel_->adjustSize();
    tuningLabel_->setText(GetLangText(state(), T::TuningLabel));
    tuningLabel_->adjustSize();
    for (FlexGrid* grid : {MSFlexGrid1, MSFlexGrid2}) {
        grid->setCellText(0, 0, GetLangText(state(), T::NumberHeader));
        grid->setCellText(0, 1, GetLangText(state(), T::ReceiveHeader));
        grid->setCellText(0, 2, GetLangText(state(), T::TransmitHeader));
    }
}

} // namespace mk21
