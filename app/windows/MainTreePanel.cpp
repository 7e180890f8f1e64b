#include "app/windows/MainTreePanel.h"

#include "app/AppState.h"
#include "app/windows/Switchboard.h"
#include "base/LanguageTexts.h"
#include "ui/Twips.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace mk21 {

namespace {

constexpr int KeyRole = Qt::UserRole;
constexpr int SplitterBarPixels = 5;

} // namespace

MainTreePanel::MainTreePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setFixedWidth(Twips::ToPixelsX(InitialWidthTwips, *this));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);

    Toolbar1 = new QToolBar(Frame1);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setLayoutDirection(Qt::RightToLeft); // the close button sits at the right end
    QAction* close = Toolbar1->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QString());
    close->setObjectName(QStringLiteral("删除"));
    connect(close, &QAction::triggered, this, &MainTreePanel::closeClicked);

    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));

    TreeView1 = new QTreeWidget(Frame1);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    connect(TreeView1, &QTreeWidget::itemClicked, this, &MainTreePanel::nodeChosen);
    connect(TreeView1, &QTreeWidget::itemActivated, this, &MainTreePanel::nodeChosen);

    Picture2 = new QLabel(Frame1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->hide();

    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    frameLayout->setSpacing(0);
    frameLayout->addWidget(Toolbar1);
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(TreeView1, 1);

    CommandMove = new QFrame(this);
    CommandMove->setObjectName(QStringLiteral("CommandMove"));
    CommandMove->setFixedWidth(SplitterBarPixels);
    CommandMove->setCursor(Qt::SizeHorCursor);
    CommandMove->installEventFilter(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Frame1, 1);
    layout->addWidget(CommandMove);
}

void MainTreePanel::LoadTree(AppState& state)
{
    TreeView1->clear();
    const QIcon rootIcon = style()->standardIcon(QStyle::SP_ComputerIcon);
    const QIcon nodeIcon = style()->standardIcon(QStyle::SP_FileIcon);
    auto* root = new QTreeWidgetItem(TreeView1, {Label1->text()}); // the tree owns its items
    root->setIcon(0, rootIcon);
    root->setData(0, KeyRole, QStringLiteral("N0"));
    // The parts under the root: the child windows with a node, in the switchboard's order.
    for (const ChildWindowRow& row : Switchboard::rows()) {
        if (row.treeKey == nullptr || row.treeText == 0)
            continue;
        auto* item = new QTreeWidgetItem(root, {GetLangText(state, row.treeText)});
        item->setIcon(0, nodeIcon);
        item->setData(0, KeyRole, QString::fromLatin1(row.treeKey));
    }
    root->setExpanded(true);
}

void MainTreePanel::setModelName(const QString& name)
{
    Label1->setText(name);
    if (QTreeWidgetItem* first = TreeView1->topLevelItem(0))
        first->setText(0, name);
}

void MainTreePanel::nodeChosen(QTreeWidgetItem* item)
{
    const QString key = item->data(0, KeyRole).toString();
    if (key != QLatin1String("N0"))
        emit nodeClicked(key);
}

bool MainTreePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != CommandMove)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        DraggingSplitter = true;
        pressOffset_ = static_cast<QMouseEvent*>(event)->position().toPoint().x();
        return true;
    case QEvent::MouseButtonRelease: DraggingSplitter = false; return true;
    case QEvent::MouseMove:
        if (DraggingSplitter)
            dragSplitterBy(static_cast<QMouseEvent*>(event)->position().toPoint().x() - pressOffset_);
        return true;
    default: return false;
    }
}

void MainTreePanel::dragSplitterBy(int offset)
{
    // The panel keeps at least 300 twips and never grows wider than the window's inside.
    const int proposed = width() + offset;
    if (Twips::FromPixelsX(proposed, *this) < MinimumWidthTwips || proposed > window()->width())
        return;
    setFixedWidth(proposed);
}

} // namespace mk21
