#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <memory>

namespace mk21 {

// Where the protocol traces of sessions go: a folder (a new file for each session) or one file
// (each session added after the last). No trace when both are empty.
struct TraceTarget {
    QString folder;
    QString file;
    bool enabled() const { return !folder.isEmpty() || !file.isEmpty(); }
};

// One session's protocol trace, for whoever helps the user: the frames sent and received in hex
// with their direction and the milliseconds since the session started, and the session's states.
// Every line is flushed, so that a session that ends badly leaves its trace whole.
class SessionTrace final {
public:
    struct Opened {
        std::unique_ptr<SessionTrace> trace; // null when the file cannot be written
        QString path;
        QString error; // the system's reason, when it cannot
    };
    // Starts the trace of a session of `operationType` on `device`: a new file in the target's
    // folder, or its file (emptied first unless `append`).
    static Opened Open(const TraceTarget& target, bool append, int operationType, const QString& device,
                       const QDateTime& now = QDateTime::currentDateTime());

    void sent(const QByteArray& bytes);
    void received(const QByteArray& bytes);
    // Written only when it differs from the last state written.
    void state(int operationType, int readState, int writeState);
    void note(const QString& text);

private:
    SessionTrace() = default;
    void line(const QString& kind, const QString& text);

    QFile file_;
    QElapsedTimer clock_;
    int operation_ = -1;
    int readState_ = -1;
    int writeState_ = -1;
};

// A file name in `folder` that no file has yet: date and time, the operation, and a counter when
// two sessions start in the same second ("20261210-044012-read.log", "…-read-2.log").
QString NewTraceFilePath(const QString& folder, const QDateTime& when, int operationType);

} // namespace mk21
