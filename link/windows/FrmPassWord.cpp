#include "link/windows/FrmPassWord.h"

#include "app/AppState.h"
#include "base/FixedText.h"
#include "base/LanguageTexts.h"
#include "base/texts/LanguageDialogTexts.h"
#include "ui/DialogCaptions.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mk21 {

namespace {

constexpr int LabelGapTwips = 50;

} // namespace

FrmPassWord::FrmPassWord(AppState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("FrmPassWord"));
    setModal(true);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(MaxLength);
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(Twips::ToPixelsX(LabelGapTwips, *this));
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(Text1, 0, 1, 1, 2);
    layout->addWidget(CommandOK, 1, 1);
    layout->addWidget(CommandCancel, 1, 2);

    setWindowTitle(GetLangText(state_, Texts::Password::Caption));
    Label1->setText(GetLangText(state_, Texts::Password::Label));
    ModLang::SetOkCancelCaptions(state_, this);
    Text1->setText(state_.session.EnteredPassword);
    Text1->selectAll();

    connect(CommandOK, &QPushButton::clicked, this, &FrmPassWord::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmPassWord::CommandOK_Click()
{
    state_.session.EnteredPassword = TrimNul(Text1->text());
    accept();
}

} // namespace mk21
