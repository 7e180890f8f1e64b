#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;
class QSpinBox;

namespace mk21 {

class AppState;

// The preferences dialog: the five Habit.ini choices as check boxes, and below them whether a
// write is verified and for how many days backups of reads are kept (per-user settings, outside
// Habit.ini).
class FrmHabits final : public QDialog {
    Q_OBJECT
public:
    explicit FrmHabits(AppState& state, QWidget* parent = nullptr);

private:
    void CommandOK_Click();

    AppState& state_;
    std::array<QCheckBox*, 5> Check1{};
    QCheckBox* CheckVerify = nullptr;
    QSpinBox* SpinKeepDays = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

} // namespace mk21
