#include "app/windows/FrmMsgConfirm.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/ChannelEditingTexts.h"
#include "channels/ConfirmAnswer.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mk21 {

FrmMsgConfirm::FrmMsgConfirm(AppState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("FrmMsgConfirm"));
    setModal(true);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Check1 = new QCheckBox(GetLangText(state_, Texts::ChannelEditing::DoNotAskAgain), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    CommandOK = new QPushButton(GetLangText(state_, Texts::ChannelEditing::Yes), this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandCancel = new QPushButton(GetLangText(state_, Texts::ChannelEditing::No), this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Check1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    layout->addLayout(buttons);
    setWindowTitle(GetLangText(state_, Texts::ChannelEditing::ConfirmCaption));
    setMode(ConfirmAnswer::PasteMode);

    connect(CommandOK, &QPushButton::clicked, this, [this] {
        answer_ = ConfirmAnswer::Yes;
        accept();
    });
    connect(CommandCancel, &QPushButton::clicked, this, [this] {
        answer_ = ConfirmAnswer::No;
        reject();
    });
}

void FrmMsgConfirm::setMode(int mode)
{
    mode_ = mode;
    Label1->setText(GetLangText(state_, mode == ConfirmAnswer::DeleteMode
                                            ? Texts::ChannelEditing::DeleteQuestion
                                            : Texts::ChannelEditing::InsertQuestion));
}

void FrmMsgConfirm::done(int result)
{
    // The close box and Escape reach here with the answer still 0, which records nothing.
    ConfirmAnswer::Record(state_, mode_, answer_, Check1->isChecked());
    QDialog::done(result);
}

} // namespace mk21
