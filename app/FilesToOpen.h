#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace mk21 {

// Which data file a start of the program or a drop on the main window names.
namespace ModOpen {

struct GivenFiles {
    QString first;       // absolute; empty when no file was named
    QStringList ignored; // the files named after it, as given
};

// The files named on the command line: the first is opened, a relative path taken relative to
// `currentFolder`.
GivenFiles FilesOfArguments(const QStringList& arguments, const QString& currentFolder);

// The file a drop opens: its first item, when that is a local file; nothing otherwise.
std::optional<QString> FileOfDrop(const QList<QUrl>& urls);

} // namespace ModOpen
} // namespace mk21
