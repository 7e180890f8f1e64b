#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace mk21 {

class AppState;

// The language dialog: chooses the interface language, which the main window applies when it
// is active again, and stores it for the next start.
class FrmSetLanguage final : public QDialog {
    Q_OBJECT
public:
    explicit FrmSetLanguage(AppState& state, QWidget* parent = nullptr);

private:
    void CommandOK_Click();

    AppState& state_;
    QLabel* Label1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

} // namespace mk21
