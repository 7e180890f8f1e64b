#pragma once

#include <QString>
#include <QStringList>

namespace mk21 {

// The File menu's recent files: the last files opened or saved, most recent first, each kept as
// the program named it. Two spellings of one file (relative, through a link) count as one.
namespace ModRecent {

inline constexpr int MaxRecentFiles = 4;

// `list` with `path` first; an entry naming the same file goes, entries beyond the limit go.
QStringList WithFileFirst(const QStringList& list, const QString& path);
// `list` without the entries naming the same file as `path`.
QStringList WithoutFile(const QStringList& list, const QString& path);
// The menu entry of the file at `index` (0 first): "&1 name", an ampersand of the name kept.
QString MenuText(int index, const QString& path);

// The list in the user's settings store named by the application title, beside the safety
// settings (key Recent/Files); a damaged or overlong list is read tidied.
QStringList LoadRecentFiles(const QString& applicationTitle);
void RememberRecentFile(const QString& applicationTitle, const QString& path);
void ForgetRecentFile(const QString& applicationTitle, const QString& path);

} // namespace ModRecent
} // namespace mk21
