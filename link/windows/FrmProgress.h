#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace mk21 {

class AppState;

// The progress window of a read, a write or a write's read-back: modal while the session runs, closed by the
// session only; the user cannot close it.
class FrmProgress final : public QDialog {
    Q_OBJECT
public:
    FrmProgress(AppState& state, int operationType, QWidget* parent = nullptr);

    // The bar and the percentage text.
    void SetProgressValue(int value);
    // The session is over: the window closes.
    void Finish();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    bool finished_ = false;
};

} // namespace mk21
