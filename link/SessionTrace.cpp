#include "link/SessionTrace.h"

#include "link/SessionEngine.h"

#include <QDir>
#include <QFileInfo>

namespace mk21 {

using namespace ModSession;

namespace {

QString OperationName(int operationType)
{
    switch (operationType) {
    case OperationIdle: return QStringLiteral("idle");
    case OperationRead: return QStringLiteral("read");
    case OperationWrite: return QStringLiteral("write");
    case OperationRadioInfo: return QStringLiteral("info");
    case OperationReadBack: return QStringLiteral("read-back");
    default: return QStringLiteral("operation %1").arg(operationType);
    }
}

QString StateName(int operationType, int state)
{
    switch (state) {
    case StateIdle: return QStringLiteral("idle");
    case StateAwaitProgram: return QStringLiteral("awaiting program accepted");
    case StateAwaitIdentity: return QStringLiteral("awaiting identity");
    case StateAwaitPassword:
        return operationType == OperationRadioInfo ? QStringLiteral("awaiting identity")
                                                   : QStringLiteral("awaiting password block");
    case StateWriteBlocks: return QStringLiteral("writing blocks");
    case StateReadBlocks: return QStringLiteral("reading blocks");
    case StateEnding: return QStringLiteral("ending");
    default: return QStringLiteral("state");
    }
}

} // namespace

QString NewTraceFilePath(const QString& folder, const QDateTime& when, int operationType)
{
    const QDir dir(folder);
    const QString stem = when.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + OperationName(operationType);
    QString path = dir.filePath(stem + QStringLiteral(".log"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.filePath(stem + QStringLiteral("-%1.log").arg(n));
    return path;
}

SessionTrace::Opened SessionTrace::Open(const TraceTarget& target, bool append, int operationType,
                                        const QString& device, const QDateTime& now)
{
    Opened opened;
    QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::Text;
    if (!target.file.isEmpty()) {
        opened.path = target.file;
        mode |= append ? QIODevice::Append : QIODevice::Truncate;
    } else {
        if (!QDir().mkpath(target.folder)) {
            opened.path = target.folder; // the system gives no reason
            return opened;
        }
        opened.path = NewTraceFilePath(target.folder, now, operationType);
        mode |= QIODevice::NewOnly;
    }
    std::unique_ptr<SessionTrace> trace(new SessionTrace);
    trace->file_.setFileName(opened.path);
    if (!trace->file_.open(mode)) {
        opened.error = trace->file_.errorString();
        return opened;
    }
    trace->clock_.start();
    trace->file_.write(QStringLiteral("MK-21 CPS protocol trace: %1 on %2, started %3\n")
                           .arg(OperationName(operationType), device, now.toString(Qt::ISODate))
                           .toUtf8());
    trace->file_.flush();
    opened.trace = std::move(trace);
    return opened;
}

void SessionTrace::sent(const QByteArray& bytes)
{
    line(QStringLiteral("TX"), QString::fromLatin1(bytes.toHex(' ').toUpper()));
}

void SessionTrace::received(const QByteArray& bytes)
{
    line(QStringLiteral("RX"), QString::fromLatin1(bytes.toHex(' ').toUpper()));
}

void SessionTrace::state(int operationType, int readState, int writeState)
{
    if (operationType == operation_ && readState == readState_ && writeState == writeState_)
        return;
    operation_ = operationType;
    readState_ = readState;
    writeState_ = writeState;
    const int current = operationType == OperationWrite ? writeState : readState;
    line(QStringLiteral("state"), QStringLiteral("%1: %2 (%3)")
                                      .arg(OperationName(operationType), StateName(operationType, current))
                                      .arg(current));
}

void SessionTrace::note(const QString& text)
{
    line(QStringLiteral("--"), text);
}

void SessionTrace::line(const QString& kind, const QString& text)
{
    const QString stamp = QString::number(clock_.elapsed()).rightJustified(7) + QStringLiteral(" ms  ");
    file_.write((stamp + kind.leftJustified(6) + text + u'\n').toUtf8());
    file_.flush();
}

} // namespace mk21
