#pragma once

#include <QString>

namespace mk21 {

// The main window's position and size in twips, as the per-user settings store keeps them.
struct WindowPlacement {
    int left = 1000;
    int top = 1000;
    int width = 12500;
    int height = 9500;
};

// Section "Settings" of the settings store named by the application title; a missing or
// unreadable value takes its default.
WindowPlacement LoadPlacement(const QString& applicationTitle);
void SavePlacement(const QString& applicationTitle, const WindowPlacement& placement);

} // namespace mk21
