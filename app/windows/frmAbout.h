#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace mk21 {

class AppState;

// The about window: title, version, description and legal notice in the current language.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AppState& state, QWidget* parent = nullptr);

private:
    QLabel* Image1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace mk21
