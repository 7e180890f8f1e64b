#pragma once

#include <QKeyEvent>

namespace mk21 {

// Cut, copy and paste keys: the editors' boxes discard them, so that only typed (and filtered)
// characters ever reach a stored value.
inline bool IsClipboardKey(const QKeyEvent* key)
{
    if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
        key->matches(QKeySequence::Paste))
        return true;
    const bool control = key->modifiers().testFlag(Qt::ControlModifier);
    return control && (key->key() == Qt::Key_X || key->key() == Qt::Key_C || key->key() == Qt::Key_V);
}

} // namespace mk21
