#include "app/RecentFiles.h"

#include "base/TextOps.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace mk21::ModRecent {

namespace {

const QString filesKey = QStringLiteral("Recent/Files");

// What makes two spellings the same file: the canonical path while the file exists, otherwise
// the absolute path with "." and ".." resolved.
QString SameFileKey(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

void Store(const QString& applicationTitle, const QStringList& list)
{
    QSettings store(applicationTitle, applicationTitle);
    store.setValue(filesKey, list);
}

} // namespace

QStringList WithoutFile(const QStringList& list, const QString& path)
{
    const QString key = SameFileKey(path);
    QStringList kept;
    for (const QString& entry : list) {
        if (!entry.isEmpty() && SameFileKey(entry) != key)
            kept.append(entry);
    }
    return kept;
}

QStringList WithFileFirst(const QStringList& list, const QString& path)
{
    if (path.isEmpty())
        return list.mid(0, MaxRecentFiles);
    QStringList result = WithoutFile(list, path);
    result.prepend(path);
    return result.mid(0, MaxRecentFiles);
}

QString MenuText(int index, const QString& path)
{
    QString name = ModFun::FileNameOfPath(path);
    name.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(name);
}

QStringList LoadRecentFiles(const QString& applicationTitle)
{
    const QSettings store(applicationTitle, applicationTitle);
    const QStringList stored = store.value(filesKey).toStringList();
    // Oldest first, so that each entry's first (most recent) place wins.
    QStringList tidy;
    std::for_each(stored.rbegin(), stored.rend(),
                  [&tidy](const QString& entry) { tidy = WithFileFirst(tidy, entry); });
    return tidy;
}

void RememberRecentFile(const QString& applicationTitle, const QString& path)
{
    Store(applicationTitle, WithFileFirst(LoadRecentFiles(applicationTitle), path));
}

void ForgetRecentFile(const QString& applicationTitle, const QString& path)
{
    Store(applicationTitle, WithoutFile(LoadRecentFiles(applicationTitle), path));
}

} // namespace mk21::ModRecent
