#pragma once

#include <QStatusBar>
#include <QTimer>

class QLabel;

namespace mk21 {

// The main window's status bar sbStatusBar: panel 1 the status tips, panel 2 model and band,
// panel 3 the port, then the current date and time, kept up to date by a clock.
class MainStatusBar final : public QStatusBar {
    Q_OBJECT
public:
    explicit MainStatusBar(QWidget* parent = nullptr);

    void setModelBand(const QString& text);
    void setPort(const QString& text);

private:
    void showDateTime();

    QLabel* Panel1 = nullptr;
    QLabel* Panel2 = nullptr;
    QLabel* Panel3 = nullptr;
    QLabel* Panel4 = nullptr;
    QLabel* Panel5 = nullptr;
    QTimer clock_;
};

} // namespace mk21
