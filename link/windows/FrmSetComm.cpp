#include "link/windows/FrmSetComm.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/PortTexts.h"
#include "link/PortChoice.h"
#include "ui/DialogCaptions.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mk21 {

namespace {

constexpr int OptionRows = 8;

} // namespace

FrmSetComm::FrmSetComm(AppState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("FrmSetComm"));
    setModal(true);
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    options_ = new QButtonGroup(this);
    auto* grid = new QGridLayout(Frame1);
    for (std::size_t k = 0; k < Option1.size(); ++k) {
        Option1[k] = new QRadioButton(Frame1);
        Option1[k]->setObjectName(QStringLiteral("Option1(%1)").arg(k));
        options_->addButton(Option1[k], static_cast<int>(k));
        grid->addWidget(Option1[k], static_cast<int>(k) % OptionRows, static_cast<int>(k) / OptionRows);
    }
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    setWindowTitle(GetLangText(state_, Texts::Port::Caption));
    Frame1->setTitle(GetLangText(state_, Texts::Port::Frame));
    ModLang::SetOkCancelCaptions(state_, this);
    EnableOptions();
    // A port number outside 1..16 (a hand-edited file) selects nothing; OK then keeps it.
    const int selected = state_.settings.comPort - 1;
    if (selected >= 0 && selected < static_cast<int>(Option1.size()))
        Option1[static_cast<std::size_t>(selected)]->setChecked(true);

    ReCommTimer.setObjectName(QStringLiteral("ReCommTimer"));
    ReCommTimer.setInterval(ReCommInterval);
    connect(&ReCommTimer, &QTimer::timeout, this, &FrmSetComm::ReCommTimer_Timer);
    connect(CommandOK, &QPushButton::clicked, this, &FrmSetComm::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &QDialog::reject);
    ReCommTimer.start();
}

void FrmSetComm::EnableOptions()
{
    const QString prefix = GetLangText(state_, Texts::Port::OptionPrefix);
    const QString simulated = GetLangText(state_, Texts::Port::SimulatedRadioMark);
    for (const ModPorts::PortOption& option : ModPorts::PortOptions(state_)) {
        QRadioButton* button = Option1.at(static_cast<std::size_t>(option.port - 1));
        button->setText(ModPorts::OptionCaption(option, prefix, simulated));
        button->setEnabled(option.present);
    }
}

void FrmSetComm::ReCommTimer_Timer()
{
    // Ports come and go while the dialog is open; the selection stays where it was.
    QAbstractButton* selected = options_->checkedButton();
    EnableOptions();
    if (selected != nullptr)
        selected->setChecked(true);
}

void FrmSetComm::CommandOK_Click()
{
    const int chosen = options_->checkedId();
    // A failed write of mysetup.ini only loses the choice for the next start.
    if (chosen >= 0)
        ModPorts::ChoosePort(state_, chosen + 1);
    accept();
}

void FrmSetComm::done(int result)
{
    ReCommTimer.stop();
    QDialog::done(result);
}

} // namespace mk21
