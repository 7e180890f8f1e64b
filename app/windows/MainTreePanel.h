#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace mk21 {

class AppState;

// The main window's left-hand panel Picture1: the tree of the configuration's parts under the
// model name, a title bar with a close button, and the splitter bar CommandMove at its right edge.
class MainTreePanel final : public QWidget {
    Q_OBJECT
public:
    static constexpr int InitialWidthTwips = 2700;
    static constexpr int MinimumWidthTwips = 300;

    explicit MainTreePanel(QWidget* parent = nullptr);

    // Rebuilds the tree: the root "N0" named after Label1, then the nodes of the parts.
    void LoadTree(AppState& state);
    // Label1 and the root node show the model's display name.
    void setModelName(const QString& name);

    bool DraggingSplitter = false;

signals:
    // A node other than the root was clicked or chosen with the keyboard.
    void nodeClicked(const QString& key);
    // The title bar's close button ("删除") was pressed.
    void closeClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void nodeChosen(QTreeWidgetItem* item);
    void dragSplitterBy(int offset);

    QFrame* Frame1 = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Picture2 = nullptr;
    QFrame* CommandMove = nullptr;
    int pressOffset_ = 0; // where on the bar the drag began
};

} // namespace mk21
