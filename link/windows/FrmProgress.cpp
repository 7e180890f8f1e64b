#include "link/windows/FrmProgress.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/MessageTexts.h"
#include "link/SessionEngine.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mk21 {

namespace {

constexpr int LabelGapTwips = 10;

QString PercentText(int value)
{
    return QString::number(value) + QLatin1Char('%');
}

} // namespace

FrmProgress::FrmProgress(AppState& state, int operationType, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmProgress"));
    // Modal without a loop of its own: the session runs on while it is up.
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));
    CommandCancel->setAutoDefault(false);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmProgress::requestCancel);

    auto* labels = new QHBoxLayout;
    labels->setSpacing(Twips::ToPixelsX(LabelGapTwips, *this));
    labels->addStretch();
    labels->addWidget(Label1);
    labels->addWidget(Label2);
    labels->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(labels);
    layout->addWidget(ProgressBar1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CommandCancel);
    layout->addLayout(buttons);
    setMinimumWidth(Twips::ToPixelsX(5000, *this));

    setWindowTitle(GetLangText(state, ModSession::ProgressTitle(operationType)));
    Label1->setText(GetLangText(state, Texts::Msg::ProgressLabel));
    CommandCancel->setText(GetLangText(state, Texts::Msg::Cancel));
    SetProgressValue(0);
}

void FrmProgress::SetProgressValue(int value)
{
    ProgressBar1->setValue(value);
    Label2->setText(PercentText(value));
}

void FrmProgress::Finish()
{
    finished_ = true;
    close();
}

void FrmProgress::reject()
{
    // Escape is Cancel: it asks the session to stop, it does not close the window.
    requestCancel();
}

void FrmProgress::requestCancel()
{
    if (!CommandCancel->isEnabled())
        return;
    CommandCancel->setEnabled(false);
    emit cancelRequested();
}

void FrmProgress::closeEvent(QCloseEvent* event)
{
    if (finished_)
        event->accept();
    else
        event->ignore();
}

} // namespace mk21
