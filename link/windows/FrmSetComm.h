#pragma once

#include <QDialog>
#include <QTimer>

#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace mk21 {

class AppState;

// The port dialog: one option per port number 1..16 with the device behind it, the present
// ports enabled and kept up to date while the dialog is open; OK makes the choice the session port.
class FrmSetComm final : public QDialog {
    Q_OBJECT
public:
    static constexpr int ReCommInterval = 1000;

    explicit FrmSetComm(AppState& state, QWidget* parent = nullptr);

    void done(int result) override;

    QTimer ReCommTimer;

private:
    // Enables the options of the present ports and shows each one's device.
    void EnableOptions();
    void ReCommTimer_Timer();
    void CommandOK_Click();

    AppState& state_;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 16> Option1{};
    QButtonGroup* options_ = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

} // namespace mk21
