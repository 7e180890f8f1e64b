#include "data/windows/FrmModelInfo.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/MessageTexts.h"
#include "base/texts/ModelTexts.h"
#include "data/ModelBand.h"
#include "data/ModelBandChoice.h"
#include "ui/DialogCaptions.h"
#include "ui/EnterMovesFocus.h"
#include "ui/ListHelpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <cstddef>

namespace mk21 {

FrmModelInfo::FrmModelInfo(AppState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("FrmModelInfo"));
    setModal(true);
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        Label1[i] = new QLabel(this);
        Label1[i]->setObjectName(QStringLiteral("Label1(%1)").arg(i));
    }
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1[0], 0, 0);
    layout->addWidget(Combo1, 0, 1, 1, 2);
    layout->addWidget(Label1[1], 1, 0);
    layout->addWidget(Combo2, 1, 1, 1, 2);
    layout->addWidget(CommandOK, 2, 1);
    layout->addWidget(CommandCancel, 2, 2);

    setWindowTitle(GetLangText(state_, Texts::Model::Caption));
    Label1[0]->setText(GetLangText(state_, Texts::Model::ModelLabel));
    Label1[1]->setText(GetLangText(state_, Texts::Model::BandLabel));
    ModLang::SetOkCancelCaptions(state_, this);

    Combo1->addItems(ModelBandTable::ModelDisplayNames());
    ModFun::SelectListText(Combo1, ModelBandTable::DisplayNameOfModelCode(state_.model.CurrentModelCode));
    // The bands are listed once, here; choosing another model later does not refill them.
    Combo2->clear();
    if (ModelBandTable::IsKnownModelCode(ModelBandTable::ModelCodeOfDisplayName(Combo1->currentText()))) {
        for (const QString& band : ModelBandTable::BandTexts())
            ModFun::AddListTextOnce(Combo2, band);
        ModFun::SelectListIndex(Combo2, 0);
    }
    ModFun::SelectListText(Combo2, state_.model.CurrentBandText);

    EnterMovesFocus::Install(Combo1);
    EnterMovesFocus::Install(Combo2);
    connect(CommandOK, &QPushButton::clicked, this, &FrmModelInfo::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmModelInfo::CommandOK_Click()
{
    const QString model = Combo1->currentText();
    const QString band = Combo2->currentText();
    if (ModelBandChoice::Differs(state_.model, model, band)) {
        Prompt question;
        question.text = GetLangText(state_, Texts::Msg::ModelChangeQuestion);
        question.textNumber = Texts::Msg::ModelChangeQuestion;
        question.title = GetLangText(state_, Texts::Msg::ModelChangeTitle);
        question.icon = PromptIcon::Warning;
        question.buttons = PromptButtons::OkCancel;
        if (state_.prompter.ask(question) == PromptAnswer::Ok) {
            ModelBandChoice::Apply(state_, model, band);
            newDocumentRequested_ = true;
        }
    }
    accept();
}

} // namespace mk21
