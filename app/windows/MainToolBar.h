#pragma once

#include <QList>
#include <QToolBar>

class QAction;

namespace mk21 {

class AppState;

// The main toolbar tbToolBar: twenty positions, each button named by its key, with the language
// tooltip; positions 11 to 19 (the channel buttons) are shown only while the channel table is active.
class MainToolBar final : public QToolBar {
    Q_OBJECT
public:
    static constexpr int Positions = 20;
    static constexpr int FirstChannelPosition = 11;
    static constexpr int LastChannelPosition = 19;

    explicit MainToolBar(QWidget* parent = nullptr);

    void setTexts(AppState& state);
    void showChannelButtons(bool show);
    // The button or separator at a 1-based position.
    QAction* at(int position) const { return buttons_.at(position - 1); }

signals:
    // A button was pressed; `key` is its key ("NewFile", "BtnCHCut", ...).
    void buttonClicked(const QString& key);

private:
    QList<QAction*> buttons_;
};

} // namespace mk21
