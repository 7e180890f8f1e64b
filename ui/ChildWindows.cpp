#include "ui/ChildWindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace mk21::ModFun {

namespace {

// A sub-window that was shown and is hidden again has been closed (one without WA_DeleteOnClose stays
// in the area's list).
bool IsLoaded(const QMdiSubWindow* sub)
{
    return sub->widget() != nullptr &&
           !(sub->isHidden() && sub->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

QMdiSubWindow* FindSubWindow(const QMdiArea* area, const QString& name)
{
    for (QMdiSubWindow* sub : area->subWindowList()) {
        if (IsLoaded(sub) && sub->widget()->objectName() == name)
            return sub;
    }
    return nullptr;
}

QWidget* Focus(QMdiArea* area, QMdiSubWindow* sub)
{
    area->setActiveSubWindow(sub);
    sub->widget()->setFocus();
    return sub->widget();
}

QWidget* Load(QMdiArea* area, std::unique_ptr<QWidget> window)
{
    QMdiSubWindow* sub = area->addSubWindow(window.release()); // the area owns it from here
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
    area->cascadeSubWindows();
    area->setActiveSubWindow(sub);
    return sub->widget();
}

} // namespace

QWidget* FindChildForm(const QMdiArea* area, const QString& name)
{
    QMdiSubWindow* sub = FindSubWindow(area, name);
    return sub != nullptr ? sub->widget() : nullptr;
}

QWidget* ShowChildForm(QMdiArea* area, const QString& name, const WindowFactory& create)
{
    if (QMdiSubWindow* open = FindSubWindow(area, name))
        return Focus(area, open);
    std::unique_ptr<QWidget> window = create();
    window->setObjectName(name);
    return Load(area, std::move(window));
}

QWidget* ShowChildForm(QMdiArea* area, std::unique_ptr<QWidget> window)
{
    if (QMdiSubWindow* open = FindSubWindow(area, window->objectName()))
        return Focus(area, open);
    return Load(area, std::move(window));
}

bool IsLoadedChild(const QWidget* window)
{
    const auto* sub =
        window != nullptr ? qobject_cast<const QMdiSubWindow*>(window->parentWidget()) : nullptr;
    return sub != nullptr && sub->mdiArea() != nullptr && IsLoaded(sub);
}

void CloseChildWindow(QWidget* window)
{
    // Closing only the inner window would leave an empty frame that still counts as loaded.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        sub->close();
    else
        window->close();
}

void UnloadFormByName(QMdiArea* area, const QString& name)
{
    for (QMdiSubWindow* sub : area->subWindowList()) {
        if (IsLoaded(sub) && sub->widget()->objectName() == name)
            sub->close();
    }
}

} // namespace mk21::ModFun
