#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace mk21 {

class AppState;

// The progress window of a read, a write or a write's read-back: modal while the session runs, closed by the
// session only. Cancel (or Esc) asks the session to stop; the window stays until it has.
class FrmProgress final : public QDialog {
    Q_OBJECT
public:
    FrmProgress(AppState& state, int operationType, QWidget* parent = nullptr);

    // The bar and the percentage text.
    void SetProgressValue(int value);
    // The session is over: the window closes.
    void Finish();

    void reject() override;

signals:
    // Once per window: the user wants the session stopped.
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* CommandCancel = nullptr;
    bool finished_ = false;

    void requestCancel();
};

} // namespace mk21
