#pragma once

#include <QString>

#include <functional>
#include <memory>

class QMdiArea;
class QWidget;

// Opening child windows once by name, and unloading them by name.
namespace mk21::ModFun {

// Builds a new, parentless window; ShowChildForm names it and gives it to the area.
using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

// The loaded child window whose objectName is `name`, or null. A window that has been closed
// counts as unloaded even before Qt deletes it.
QWidget* FindChildForm(const QMdiArea* area, const QString& name);

// A child window named `name` that is already loaded only gets the focus; otherwise `create`
// builds one, which is shown, and then every child window is cascaded. Returns the window.
QWidget* ShowChildForm(QMdiArea* area, const QString& name, const WindowFactory& create);

// The same for a window already built; it is discarded when one of its name is loaded.
QWidget* ShowChildForm(QMdiArea* area, std::unique_ptr<QWidget> window);

// Whether `window` is a loaded child window of an area; one that has been closed is not, even
// before Qt deletes it. The links between windows hold only while both ends are loaded.
bool IsLoadedChild(const QWidget* window);

// Closes `window` as its own Close button must: a child window goes with its frame, as by the
// frame's close button (the frame is deleted); any other window just closes.
void CloseChildWindow(QWidget* window);

// Closes every loaded child window named `name`; each runs its own close handling and may refuse.
void UnloadFormByName(QMdiArea* area, const QString& name);

} // namespace mk21::ModFun
