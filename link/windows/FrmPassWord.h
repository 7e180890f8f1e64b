#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace mk21 {

class AppState;

// The password window: OK keeps the typed password for the sessions of this run.
class FrmPassWord final : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxLength = 4;

    explicit FrmPassWord(AppState& state, QWidget* parent = nullptr);

private:
    void CommandOK_Click();

    AppState& state_;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

} // namespace mk21
