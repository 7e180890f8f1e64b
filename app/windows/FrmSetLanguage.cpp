#include "app/windows/FrmSetLanguage.h"

#include "app/AppState.h"
#include "app/LanguageChoice.h"
#include "base/LanguageTexts.h"
#include "base/texts/LanguageDialogTexts.h"
#include "ui/DialogCaptions.h"
#include "ui/EnterMovesFocus.h"
#include "ui/ListHelpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace mk21 {

FrmSetLanguage::FrmSetLanguage(AppState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("FrmSetLanguage"));
    setModal(true);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(Combo1, 0, 1, 1, 2);
    layout->addWidget(CommandOK, 1, 1);
    layout->addWidget(CommandCancel, 1, 2);
    layout->setColumnStretch(0, 1);

    setWindowTitle(GetLangText(state_, Texts::Language::Caption));
    Label1->setText(GetLangText(state_, Texts::Language::Label));
    ModLang::SetOkCancelCaptions(state_, this);
    Combo1->clear();
    Combo1->addItem(GetLangText(state_, Texts::Language::English));
    Combo1->addItem(GetLangText(state_, Texts::Language::Chinese));
    ModFun::SelectListIndex(Combo1, state_.settings.CurrentLanguage - 1);
    EnterMovesFocus::Install(Combo1);

    connect(CommandOK, &QPushButton::clicked, this, &FrmSetLanguage::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmSetLanguage::CommandOK_Click()
{
    // A failed write of mysetup.ini only loses the choice for the next start.
    ModLanguage::ChooseLanguage(state_, Combo1->currentIndex() + 1);
    accept();
}

} // namespace mk21
