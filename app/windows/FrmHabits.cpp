#include "app/windows/FrmHabits.h"

#include "app/AppState.h"
#include "app/SafetySettings.h"
#include "base/LanguageTexts.h"
#include "base/texts/BackupTexts.h"
#include "base/texts/ChannelEditingTexts.h"
#include "base/texts/MessageTexts.h"
#include "channels/Preferences.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cstddef>

namespace mk21 {

namespace {
constexpr int MaxKeepDays = 36500;

// The preferences in the order of Check1(0..4).
std::array<bool*, 5> PreferencesOf(EditingPreferences& p)
{
    return {&p.NoPasteQuestion, &p.PasteInserts, &p.NoDeleteQuestion, &p.DeleteRemovesChannels,
            &p.OffSetShowMode};
}
} // namespace

FrmHabits::FrmHabits(AppState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("FrmHabits"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    const std::array<bool*, 5> values = PreferencesOf(state_.preferences);
    for (std::size_t i = 0; i < Check1.size(); ++i) {
        Check1[i] = new QCheckBox(
            GetLangText(state_, Texts::ChannelEditing::PreferenceBase + static_cast<int>(i)), this);
        Check1[i]->setObjectName(QStringLiteral("Check1(%1)").arg(i));
        Check1[i]->setChecked(*values[i]);
        layout->addWidget(Check1[i]);
    }
    CheckVerify = new QCheckBox(GetLangText(state_, Texts::Msg::VerifyAfterWriteOption), this);
    CheckVerify->setObjectName(QStringLiteral("CheckVerify"));
    CheckVerify->setChecked(LoadVerifyAfterWrite(state_.settings.ApplicationTitle));
    layout->addWidget(CheckVerify);
    SpinKeepDays = new QSpinBox(this);
    SpinKeepDays->setObjectName(QStringLiteral("SpinKeepDays"));
    SpinKeepDays->setRange(0, MaxKeepDays);
    SpinKeepDays->setValue(LoadKeepBackupDays(state_.settings.ApplicationTitle));
    auto* keepLabel = new QLabel(GetLangText(state_, Texts::Backup::KeepDaysOption), this);
    keepLabel->setObjectName(QStringLiteral("LabelKeepDays"));
    keepLabel->setBuddy(SpinKeepDays);
    auto* keepRow = new QHBoxLayout;
    keepRow->addWidget(keepLabel);
    keepRow->addWidget(SpinKeepDays);
    keepRow->addStretch();
    layout->addLayout(keepRow);
    CommandOK = new QPushButton(GetLangText(state_, Texts::ChannelEditing::Yes), this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandCancel = new QPushButton(GetLangText(state_, Texts::ChannelEditing::No), this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    layout->addLayout(buttons);
    setWindowTitle(GetLangText(state_, Texts::ChannelEditing::PreferencesCaption));

    connect(CommandOK, &QPushButton::clicked, this, &FrmHabits::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmHabits::CommandOK_Click()
{
    const std::array<bool*, 5> values = PreferencesOf(state_.preferences);
    for (std::size_t i = 0; i < Check1.size(); ++i)
        *values[i] = Check1[i]->checkState() != Qt::Unchecked;
    SavePreferences(state_); // a failed write keeps the choice for this run
    SaveVerifyAfterWrite(state_.settings.ApplicationTitle, CheckVerify->isChecked());
    SaveKeepBackupDays(state_.settings.ApplicationTitle, SpinKeepDays->value());
    accept();
}

} // namespace mk21
