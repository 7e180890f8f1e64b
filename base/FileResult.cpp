#include "base/FileResult.h"

#include "base/LanguageTexts.h"
#include "base/RunContext.h"

#include <cstring>

namespace mk21 {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString LocalPath(const QString& path)
{
    QString local = path;
    local.replace(u'\\', u'/');
    return local;
}

FileResult FileResult::Refused(int message, const QString& path, int text, const QStringList& args)
{
    FileResult result = Failed(message, path, EnglishText(text, args));
    result.reasonText = text;
    result.reasonArgs = args;
    return result;
}

void ShowFileResult(RunContext& state, const FileResult& result)
{
    if (result.ok())
        return;
    QString text = GetLangText(state, result.message);
    QString reason = result.reasonText != 0
                         ? FillTextArgs(GetLangText(state, result.reasonText), result.reasonArgs)
                         : result.reason;
    if (text.contains(QLatin1String("%1"))) {
        text = text.arg(reason);
        reason.clear();
    }
    QString detail = result.path;
    if (!reason.isEmpty())
        detail += (detail.isEmpty() ? QString() : QStringLiteral(": ")) + reason;
    if (!detail.isEmpty())
        text += u'\n' + detail;
    ShowMsgText(state, result.message, text);
}

} // namespace mk21
