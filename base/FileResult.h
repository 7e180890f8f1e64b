#pragma once

#include <QString>
#include <QStringList>

namespace mk21 {

class RunContext;

// What became of one file operation: nothing to tell, or the language text that tells it, the
// path it concerns and the reason (the system's words, or what is wrong with the content).
struct FileResult {
    int message = 0; // 0: done
    QString path;
    QString reason;     // in English when reasonText is set
    int reasonText = 0; // the language text of the reason, with reasonArgs; 0: the system's words
    QStringList reasonArgs;

    bool ok() const { return message == 0; }
    static FileResult Done() { return {}; }
    // A failure the system's words (or none) explain.
    static FileResult Failed(int message, const QString& path, const QString& reason = {})
    {
        FileResult result;
        result.message = message;
        result.path = path;
        result.reason = reason;
        return result;
    }
    // A refusal whose reason is language text `text` with `args`.
    static FileResult Refused(int message, const QString& path, int text, const QStringList& args = {});
};

// The reason the system gives for errno value `error`.
QString SystemReason(int error);

// The path with both separators naming folders, whatever system wrote it.
QString LocalPath(const QString& path);

// Shows the result's message: its "%1" (if any) is the reason; the path and any reason not used
// there follow on a line of their own. Nothing for a result that is done.
void ShowFileResult(RunContext& state, const FileResult& result);

} // namespace mk21
