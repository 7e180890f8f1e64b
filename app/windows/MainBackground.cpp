#include "app/windows/MainBackground.h"

#include "app/AppState.h"

#include <QDir>
#include <QImage>

namespace mk21 {

QString BackgroundPicturePath(const AppSettings& settings)
{
    return QDir(settings.ProgramFolder)
        .filePath(QStringLiteral("PIC/BK_%1.jpg").arg(settings.CurrentLanguage));
}

QPixmap BackgroundTile(const QString& path)
{
    const QImage picture(path);
    if (picture.width() < 3 || picture.height() < 3)
        return {};
    return QPixmap::fromImage(picture.copy(1, 1, picture.width() - 2, picture.height() - 2));
}

} // namespace mk21
