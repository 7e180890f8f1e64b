#pragma once

#include <QStringList>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mk21 {

class AppState;

// The channel edit window: every field of one channel of the shared group, each change committed at once.
class FrmCHInfoEdit final : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* FormName = "FrmCHInfoEdit";
    static constexpr int ListCount = 11;
    static constexpr int CheckCount = 7;

    explicit FrmCHInfoEdit(AppState& state, QWidget* parent = nullptr);

    // true: shows the channel under the table's cursor; false: the channel of this window's
    // selectors, passing a new group on to the table.
    void SetGridEditData(bool rIsGridChange);
    // The transmit field follows the offset display mode; the channel is shown again.
    void ReShowEditTxFre(bool rOffSet);
    // Lowers an unavailable busy lock on a tone of channel `number` and, when this window shows
    // that channel, offers the busy-lock entries the channel allows.
    void ReShowBusyLock(int number);
    // The auto-dial lists offer the DTMF memories defined now; the stored choices are shown again.
    void ReShowDtmfLists();
    // Commits the frequency being typed, as leaving the field would.
    void CommitPendingText();
    // The position 1..16 the selector Combo1 shows; 0 without one.
    int positionShown() const;

    bool WandToSave = true; // commits are made only while set; cleared while a channel is shown

signals:
    // A group was chosen here while the table is open: the table shows the shared group.
    void tableGroupWanted();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // FrmCHInfoEditLayout.cpp
    void CreateControls();
    void ChangShowByLanguage();
    void PlaceControls();
    void PlaceLabels();
    void SetFocusOrder();
    QList<QWidget*> FocusOrder() const;
    QStringList DtmfCodeEntries() const;

    // FrmCHInfoEdit.cpp
    void ShowChannel(int number);
    void ShowNoChannel();
    void SetLive(QWidget* control, bool live);
    void SetEntries(int list, const QStringList& entries);
    void ShowAutoDial(int list, int value);
    void SelectorChosen();
    void ListChosen(int list, int position);
    void CheckClicked(int box, bool ticked);
    void CommitText1();
    void CommitText2();
    void Commit(int code, const QString& value);

    // FrmCHInfoEditKeys.cpp
    bool FrequencyKeyPress(QLineEdit* box, const QKeyEvent* key);

    AppState& state_;
    int showing_ = 0;                              // nesting depth of SetGridEditData
    int shownChannel_ = 0;                         // channel number of the selectors
    bool committing_ = false;                      // a message box during a commit takes the focus away
    std::array<QStringList, ListCount> entries_{}; // each list's entries for an existing channel

    QComboBox* Combo4 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo3 = nullptr; // hidden: the busy-lock values in stored order
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    std::array<QLineEdit*, 5> Text3{};
    QLineEdit* Text4 = nullptr;
    std::array<QLabel*, 4> Label2{};
    std::array<QComboBox*, ListCount> Combo2{};
    std::array<QLabel*, ListCount> Label3{};
    std::array<QCheckBox*, CheckCount> Check1{};
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
};

} // namespace mk21
