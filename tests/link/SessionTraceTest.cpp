#include "link/SessionTrace.h"
#include "link/SessionEngine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace mk21 {
namespace {

using namespace ModSession;

QString readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(SessionTrace, NamesNeverReuseAFileOfTheSameSecond)
{
    QTemporaryDir dir;
    const QDateTime when(QDate(2026, 12, 10), QTime(4, 40, 12));
    QStringList paths;
    for (int i = 0; i < 3; ++i) {
        const SessionTrace::Opened opened =
            SessionTrace::Open({dir.path(), {}}, false, OperationWrite, QStringLiteral("/dev/ttyUSB0"), when);
        ASSERT_TRUE(opened.trace) << opened.error.toStdString();
        paths.append(QFileInfo(opened.path).fileName());
    }
    EXPECT_EQ(paths, (QStringList{QStringLiteral("20261210-044012-write.log"),
                                  QStringLiteral("20261210-044012-write-2.log"),
                                  QStringLiteral("20261210-044012-write-3.log")}));
}

TEST(SessionTrace, ANamedFileIsEmptiedForTheFirstSessionAndAddedToAfter)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.log"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("left from another run\n");
    }
    for (const bool append : {false, true}) {
        SessionTrace::Opened opened =
            SessionTrace::Open({{}, path}, append, OperationRead, QStringLiteral("/dev/pts/4"));
        ASSERT_TRUE(opened.trace);
        opened.trace->state(OperationRead, StateAwaitProgram, StateIdle);
        opened.trace->state(OperationRead, StateAwaitProgram, StateIdle); // unchanged: not written again
        opened.trace->sent(QByteArray("PROGRAM"));
        opened.trace->received(QByteArray("ZR\x06"));
    }
    const QStringList lines = readAll(path).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 8) << readAll(path).toStdString();
    EXPECT_TRUE(
        lines[0].startsWith(QStringLiteral("MK-21 CPS protocol trace: read on /dev/pts/4, started ")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral(" ms  state read: awaiting program accepted (1)")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(" ms  TX    50 52 4F 47 52 41 4D")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral(" ms  RX    5A 52 06")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("MK-21 CPS protocol trace: read on /dev/pts/4")));
    for (int k = 0; k < 3; ++k) // the second session's lines, but for their times
        EXPECT_EQ(lines[5 + k].section(QStringLiteral(" ms  "), 1),
                  lines[1 + k].section(QStringLiteral(" ms  "), 1));
}

TEST(SessionTrace, AFolderThatCannotBeMadeIsReportedWithItsPath)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const SessionTrace::Opened opened =
        SessionTrace::Open({file + QStringLiteral("/trace"), {}}, false, OperationRead, QString());
    EXPECT_FALSE(opened.trace);
    EXPECT_EQ(opened.path, file + QStringLiteral("/trace"));
}

} // namespace
} // namespace mk21
