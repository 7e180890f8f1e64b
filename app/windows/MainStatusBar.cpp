#include "app/windows/MainStatusBar.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>

namespace mk21 {

namespace {

QLabel* addPanel(QStatusBar& bar, const char* name, int stretch)
{
    auto* panel = new QLabel(&bar);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    bar.addPermanentWidget(panel, stretch);
    return panel;
}

} // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("sbStatusBar"));
    Panel1 = addPanel(*this, "Panel1", 1);
    Panel2 = addPanel(*this, "Panel2", 0);
    Panel3 = addPanel(*this, "Panel3", 0);
    Panel4 = addPanel(*this, "Panel4", 0);
    Panel5 = addPanel(*this, "Panel5", 0);
    // Panel 1 fills the bar's message area, so it shows the messages (the menu items' status tips).
    connect(this, &QStatusBar::messageChanged, Panel1, &QLabel::setText);
    showDateTime();
    clock_.setInterval(1000);
    connect(&clock_, &QTimer::timeout, this, &MainStatusBar::showDateTime);
    clock_.start();
}

void MainStatusBar::setModelBand(const QString& text)
{
    Panel2->setText(text);
}

void MainStatusBar::setPort(const QString& text)
{
    Panel3->setText(text);
}

void MainStatusBar::showDateTime()
{
    // Dates are shown the user's way; only numbers the program reads back must use ".".
    const QLocale user = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    Panel4->setText(user.toString(now.date(), QLocale::ShortFormat));
    Panel5->setText(user.toString(now.time(), QLocale::ShortFormat));
}

} // namespace mk21
