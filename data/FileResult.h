#pragma once

#include <QString>

namespace mk21
{

class AppState;

// What became of one file operation: nothing to tell, or the language text that tells it, the
// path it concerns and the reason (the system's words, or what is wrong with the content).
struct FileResult {
    int message = 0; // 0: done
    QString path;
    QString reason;

    bool ok() const { return message == 0; }
    static FileResult Done() { return {}; }
};

// The reason the system gives for errno value `error`.
QString SystemReason(int error);

// The path with both separators naming folders, whatever system wrote it.
QString LocalPath(const QString& path);

// Shows the result's message: its "%1" (if any) is the reason; the path and any reason not used
// there follow on a line of their own. Nothing for a result that is done.
void ShowFileResult(AppState& state, const FileResult& result);

} // namespace mk21
