#include "channels/windows/FrmCHInfoEdit.h"

#include "app/AppState.h"
#include "channels/TypedKeys.h"
#include "ui/ClipboardKeys.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace mk21 {

bool FrmCHInfoEdit::FrequencyKeyPress(QLineEdit* box, const QKeyEvent* key)
{
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (box == Text1)
            CommitText1();
        else
            CommitText2();
        focusNextPrevChild(true);
        return true;
    }
    if (IsClipboardKey(key))
        return true;
    const QString text = key->text();
    const bool signsAllowed = box == Text2 && state_.preferences.OffSetShowMode;
    return !text.isEmpty() && !TypedKeys::FrequencyBoxAccepts(text.front(), signsAllowed);
}

bool FrmCHInfoEdit::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != Text1 && box != Text2)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: return FrequencyKeyPress(box, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        if (box == Text2 && Text2->text().isEmpty())
            Text2->setText(Text1->text());
        box->selectAll();
        break;
    case QEvent::FocusOut: {
        // Another application or a message box taking the focus is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        if (box == Text1)
            CommitText1();
        else
            CommitText2();
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mk21
