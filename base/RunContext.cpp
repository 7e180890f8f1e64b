#include "base/RunContext.h"

#include <QDir>

namespace mk21 {

QString MySetupPath(const RunContext& context)
{
    return QDir(context.settings.DataRoot).filePath(QStringLiteral("language/mysetup.ini"));
}

} // namespace mk21
