#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

namespace mk21 {

class AppState;

// The start-up picture: shown while the start-up finishes, then hands over to the main window.
class frmSplash final : public QWidget {
    Q_OBJECT
public:
    static constexpr int HandOverMs = 2000;

    // Loads the picture of the current language and starts Timer1.
    explicit frmSplash(AppState& state, QWidget* parent = nullptr);

    // ProgramFolder/StartE.jpg for language 1, StartC.jpg for 2, "" for any other language.
    static QString PicturePath(const AppState& state);

    // Hands over now, as a click on the picture does; only the first call counts.
    void HandOver();

signals:
    // Emitted once, on the first tick of Timer1 or a click on the picture; the receiver loads the
    // main window, then the splash closes.
    void handOver();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handedOver_ = false;
    QLabel* picLogo = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace mk21
