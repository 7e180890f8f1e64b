#pragma once

#include <QObject>

class QWidget;

namespace mk21 {

// Turns Enter in a control into a move to the next control, as Tab would; the key is discarded.
class EnterMovesFocus final : public QObject {
    Q_OBJECT
public:
    // Installs itself on `control`, which owns it.
    static void Install(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EnterMovesFocus(QObject* parent) : QObject(parent) {}
};

} // namespace mk21
