#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace mk21 {

class AppState;
class ChannelGrid;

// The channel table: the channels of one group of 16 as a grid, edited in place cell by cell.
// A child window of the main window; at most one is loaded.
class frmCommChInfo final : public QWidget {
    Q_OBJECT
public:
    // Grid columns.
    static constexpr int RxColumn = 1;
    static constexpr int TxColumn = 2;
    static constexpr int CodeColumn = 3;
    static constexpr int LastFieldColumn = 9;
    static constexpr int EditColumn = 10;
    static constexpr int ScrollInterval = 500;
    static constexpr int DoubleClickGuard = 1000;

    static constexpr const char* FormName = "frmCommChInfo";

    // Connects a window's signals before it loads, so that nothing it asks while loading is lost.
    using Linker = std::function<void(frmCommChInfo&)>;

    explicit frmCommChInfo(AppState& state, QWidget* parent = nullptr);
    frmCommChInfo(AppState& state, const Linker& link, QWidget* parent = nullptr);
    ~frmCommChInfo() override;

    // Drawing.
    void reShowAllGrid();
    void reShowGrid(int rRow);
    void ReShowAllTxFre(bool rOffSet);
    // Shows the shared group (the edit window chose it).
    void ChangeGroup();
    // In-place editing.
    void SetEditDisable();
    // Commits what is being typed in the visible text editor, as when it loses the focus.
    void ValidateActiveEditor();
    bool FlexConcludeRx();
    void EnterGridEdit();
    void GridNextCol();
    void GridNextLine();
    // Puts the cursor on a row of the shown group (the channel commands move it).
    void MoveCursorToRow(int row);

    int group() const { return group_; }
    int cursorRow() const;
    ChannelGrid* grid() const { return MSFlexGrid1; }
    QSize sizeHint() const override { return designSize_; }

    // Set while a channel command moves rows: scrolling is then not followed.
    bool CodeMoveTopRow = false;

    QTimer ScrollTimer;
    QTimer TimerCHEdit;

signals:
    // The channel edit window is wanted (opened, or focused when open).
    void editWindowWanted();
    // The channel commands should be offered for this channel.
    void cursorChannelChanged(int number);
    // The channel command menu opens here (screen coordinates).
    void channelMenuRequested(const QPoint& globalPos);
    // The main window's tree shows the document again.
    void treeReloadWanted();
    // The cursor moved while the edit window is open: it shows the channel under the cursor.
    void editWindowRefreshWanted();
    // Channel `number` was drawn anew while the edit window is open: it offers that channel's
    // busy-lock entries again.
    void editBusyLockWanted(int number);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InitShowGrid();
    void ChangShowByLanguage();
    void SetGridData();
    void fillLists();
    void layoutControls();
    void connectControls();
    void setCaption(int firstWordNumber);
    void drawRow(int row, int channelIndex);
    void clearRow(int row);
    void Combo7_Click();
    void Grid_EnterCell();
    void Grid_Click(int row, int col);
    void Grid_DblClick(int col);
    void Grid_Scroll();
    void CommandCHInfoEdit_Click();
    void SaveGridEdit();
    void SetShowEditData();
    // The user is typing or choosing in the editor over the cursor cell.
    bool typingInCursorCell() const;
    void commitText(const QString& typed);
    void listChosen(int position);
    QComboBox* listEditorOf(int col) const;
    bool handleTextKey(QLineEdit* box, QKeyEvent* key);
    bool handleListKey(QKeyEvent* key);
    void hideEditor(QWidget* editor);

    AppState& state_;
    int group_ = 0; // the group shown: the selector's position
    bool firstActivation_ = false;
    bool ready_ = false;
    bool redrawing_ = false;
    int lastTopRow_ = 1;
    QSize designSize_;
    bool hidingEditors_ = false; // editors hidden by code do not commit on losing the focus

    ChannelGrid* MSFlexGrid1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Combo7 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    std::array<QComboBox*, 5> listEditors_{}; // Combo1(0) .. Combo5(0)
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandCHInfoEdit = nullptr;
    QPushButton* CommandHelp = nullptr;
};

} // namespace mk21
