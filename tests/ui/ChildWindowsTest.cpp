#include "ui/ChildWindows.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

using namespace mk21::ModFun;

namespace {

// A child window that may refuse to close, as an editor with unsaved input would.
class Editor final : public QWidget {
public:
    bool refuseClose = false;

protected:
    void closeEvent(QCloseEvent* event) override { event->setAccepted(!refuseClose); }
};

class ChildWindows : public testing::Test {
protected:
    ChildWindows()
    {
        area.resize(900, 700);
        area.show();
    }

    QWidget* open(const char* name)
    {
        return ShowChildForm(&area, QString::fromLatin1(name), [this] {
            ++created;
            return std::make_unique<Editor>();
        });
    }

    static QMdiSubWindow* frameOf(QWidget* window)
    {
        return qobject_cast<QMdiSubWindow*>(window->parentWidget());
    }

    QMdiArea area;
    int created = 0;
};

} // namespace

TEST_F(ChildWindows, AnOpenWindowOnlyGetsTheFocusWithoutANewCascade)
{
    QWidget* a = open("FrmKey");
    QWidget* b = open("FrmScan");
    ASSERT_EQ(created, 2);
    EXPECT_EQ(a->objectName(), "FrmKey");
    EXPECT_EQ(area.activeSubWindow(), frameOf(b));
    EXPECT_NE(frameOf(a)->pos(), frameOf(b)->pos()); // cascaded

    frameOf(a)->move(300, 250);
    frameOf(b)->move(20, 400);
    EXPECT_EQ(open("FrmKey"), a);
    EXPECT_EQ(created, 2);
    EXPECT_EQ(area.activeSubWindow(), frameOf(a));
    EXPECT_EQ(frameOf(a)->pos(), QPoint(300, 250));
    EXPECT_EQ(frameOf(b)->pos(), QPoint(20, 400));

    // A window built beforehand is discarded when one of its name is open.
    auto spare = std::make_unique<Editor>();
    spare->setObjectName(QStringLiteral("FrmScan"));
    EXPECT_EQ(ShowChildForm(&area, std::move(spare)), b);
    EXPECT_EQ(area.subWindowList().size(), 2);

    // A new window cascades them all again.
    open("FrmAlert");
    EXPECT_EQ(created, 3);
    EXPECT_NE(frameOf(a)->pos(), QPoint(300, 250));
    EXPECT_NE(frameOf(b)->pos(), QPoint(20, 400));
}

TEST_F(ChildWindows, UnloadClosesEveryWindowOfTheNameThatAgrees)
{
    QWidget* first = open("FrmDTMF");
    auto second = std::make_unique<Editor>();
    second->setObjectName(QStringLiteral("FrmDTMF"));
    // Two of a name are possible outside ShowChildForm; this one is only hidden when closed.
    QMdiSubWindow* kept = area.addSubWindow(second.release());
    kept->setAttribute(Qt::WA_DeleteOnClose, false);
    kept->show();
    auto* stubborn = static_cast<Editor*>(open("FrmEmbMsg"));
    stubborn->refuseClose = true;

    UnloadFormByName(&area, QStringLiteral("FrmDTMF"));
    UnloadFormByName(&area, QStringLiteral("FrmEmbMsg"));
    EXPECT_EQ(FindChildForm(&area, QStringLiteral("FrmDTMF")), nullptr); // before Qt deletes them
    EXPECT_TRUE(kept->isHidden());
    EXPECT_EQ(FindChildForm(&area, QStringLiteral("FrmEmbMsg")), stubborn);

    // A closed window's name opens a new window, even while the old one awaits deletion.
    QWidget* again = open("FrmDTMF");
    EXPECT_EQ(created, 3);
    EXPECT_EQ(FindChildForm(&area, QStringLiteral("FrmDTMF")), again);
    QPointer<QWidget> gone(first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
}

TEST_F(ChildWindows, OnlyAWindowShownInAnAreaAndNotClosedCountsAsLoaded)
{
    Editor alone;
    alone.show();
    EXPECT_FALSE(IsLoadedChild(&alone)) << "a top-level window";
    EXPECT_FALSE(IsLoadedChild(nullptr));

    QWidget* key = open("FrmKey");
    EXPECT_TRUE(IsLoadedChild(key));
    CloseChildWindow(key);
    EXPECT_FALSE(IsLoadedChild(key)) << "closed, before Qt deletes it";

    auto* stubborn = static_cast<Editor*>(open("FrmScan"));
    stubborn->refuseClose = true;
    CloseChildWindow(stubborn);
    EXPECT_TRUE(IsLoadedChild(stubborn)) << "it refused to close";
}
