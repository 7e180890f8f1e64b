#include "ui/ProgramIdentity.h"

#include "ProjectVersion.h"

#include <QDirIterator>
#include <QGuiApplication>

namespace mk21 {

QIcon ProgramIcon()
{
    QIcon icon;
    // Each size is a picture of its own, drawn for it; QIcon picks the nearest one.
    QDirIterator sizes(QStringLiteral(":/icons/hicolor"), {QStringLiteral("mk21cps.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

void SetProgramIdentity()
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(ProjectVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopAppId));
    QGuiApplication::setWindowIcon(ProgramIcon());
}

} // namespace mk21
