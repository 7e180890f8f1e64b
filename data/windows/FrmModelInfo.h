#pragma once

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace mk21 {

class AppState;

// The model window: chooses model and band; a confirmed change asks the caller for a new document.
class FrmModelInfo final : public QDialog {
    Q_OBJECT
public:
    explicit FrmModelInfo(AppState& state, QWidget* parent = nullptr);

    // True after OK confirmed a change: the caller must start a new document (LoadNewDoc).
    bool newDocumentRequested() const { return newDocumentRequested_; }

private:
    void CommandOK_Click();

    AppState& state_;
    bool newDocumentRequested_ = false;
    std::array<QLabel*, 2> Label1{};
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QPushButton* CommandOK = nullptr;
    QPushButton* CommandCancel = nullptr;
};

} // namespace mk21
