#include "ui/EnterMovesFocus.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace mk21 {

void EnterMovesFocus::Install(QWidget* control)
{
    control->installEventFilter(new EnterMovesFocus(control)); // owned by the control
}

bool EnterMovesFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    // Qt moves the focus on a Tab key press in QWidget::event, before the control sees the key.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(watched, &tab);
    return true;
}

} // namespace mk21
