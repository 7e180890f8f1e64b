#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace mk21 {

class AppState;

// The paste/delete confirmation: Yes or No for the way the command works, and "do not ask again".
// One dialog answers one question.
class FrmMsgConfirm final : public QDialog {
    Q_OBJECT
public:
    // The paste question until setMode says otherwise.
    explicit FrmMsgConfirm(AppState& state, QWidget* parent = nullptr);

    // ConfirmAnswer::PasteMode or DeleteMode; set before the dialog is shown.
    void setMode(int mode);
    int mode() const { return mode_; }

    // ConfirmAnswer::Closed (close box), Yes or No.
    int answer() const { return answer_; }

    void done(int result) override;

private:
    AppState& state_;
    int mode_ = 1;
    int answer_ = 0;
    QLabel* Label1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

} // namespace mk21
