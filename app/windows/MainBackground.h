#pragma once

#include <QPixmap>
#include <QString>

namespace mk21 {

struct AppSettings;

// The main window's background picture for the current language: ProgramFolder/PIC/BK_<n>.jpg.
QString BackgroundPicturePath(const AppSettings& settings);

// One tile of the background: the picture without its outermost one-pixel frame. Null when the
// picture is missing, unreadable or too small to have an inside.
QPixmap BackgroundTile(const QString& path);

} // namespace mk21
