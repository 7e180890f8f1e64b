// A dealer's fleet bench: N `mk21ctl read` at once, each against its own mk21sim paced at 9600
// baud. Every image must be the one its simulator holds; every session's window, from sending
// "PROGRAM" to the acknowledge of "END" as mk21ctl's --trace stamps it, is set against the time
// its bytes need on the line (10 bits a byte), and the worst ratio is printed against the target.
// Trace stamps are whole milliseconds: some 0.0002 of a 5 s session.
// Not run by CTest: build the target mk21_fleet_bench and run it (option --sessions N, 16).
#include "tests/link/SimRadioProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

using namespace mk21;

constexpr double Baud = 9600.0;
constexpr double BitsPerByte = 10.0;
constexpr double TargetRatio = 1.03;
constexpr int ImageSize = 2832;

// One session as its trace tells it. As in mk21_link_bench, an exchange whose reply timed out (the
// first "PROGRAM" while the engine looks for the cable's echo) is left out, bytes and waiting.
struct TraceWindow {
    double seconds = 0;     // the first "PROGRAM" sent to the last bytes received, less the waiting
    double waitSeconds = 0; // timed-out exchanges: from their request to the next request
    qint64 lineBytes = 0;   // sent and received in the exchanges that were answered
    int timeouts = 0;
};

// Trace lines are "<ms> ms  <kind> <text>", kind TX or RX with the bytes in hex; a reply timeout
// is noted as "no reply within ...".
std::optional<TraceWindow> ReadTrace(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    static const QRegularExpression line(QStringLiteral(R"(^\s*(\d+) ms  (\S+)\s+(.*)$)"));
    const QString program = QString::fromLatin1(QByteArray("PROGRAM").toHex(' ').toUpper());
    struct Exchange {
        qint64 startMs = 0;
        qint64 bytes = 0;
        bool timedOut = false;
    };
    std::vector<Exchange> exchanges;
    qint64 last = -1;
    while (!file.atEnd()) {
        const QRegularExpressionMatch m = line.match(QString::fromUtf8(file.readLine()).trimmed());
        if (!m.hasMatch())
            continue;
        const qint64 ms = m.captured(1).toLongLong();
        const QString kind = m.captured(2);
        const QString text = m.captured(3);
        if (exchanges.empty() && (kind != QLatin1String("TX") || text != program))
            continue;
        if (kind == QLatin1String("TX"))
            exchanges.push_back({ms, 0, false});
        if (kind == QLatin1String("TX") || kind == QLatin1String("RX")) {
            exchanges.back().bytes += QByteArray::fromHex(text.toLatin1()).size();
            if (kind == QLatin1String("RX"))
                last = ms;
        } else if (kind == QLatin1String("--") && text.startsWith(QLatin1String("no reply within"))) {
            exchanges.back().timedOut = true;
        }
    }
    if (exchanges.empty() || last <= exchanges.front().startMs)
        return std::nullopt;
    TraceWindow w;
    for (std::size_t k = 0; k < exchanges.size(); ++k) {
        if (exchanges[k].timedOut && k + 1 < exchanges.size()) {
            ++w.timeouts;
            w.waitSeconds += (exchanges[k + 1].startMs - exchanges[k].startMs) / 1000.0;
        } else {
            w.lineBytes += exchanges[k].bytes;
        }
    }
    w.seconds = (last - exchanges.front().startMs) / 1000.0 - w.waitSeconds;
    return w;
}

// Each radio's memory differs from the others' outside its identity (2816..2831) and password.
QByteArray FleetMemory(int index)
{
    QByteArray memory = test::PatternMemory();
    const char twist = static_cast<char>(0x11 * (index + 1));
    for (int a = 0; a < memory.size(); ++a) {
        const bool identity = a >= 2816 && a < 2832;
        const bool password = a >= 2876 && a < 2880;
        if (!identity && !password)
            memory[a] = static_cast<char>(memory[a] ^ twist);
    }
    return memory;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const qsizetype option = args.indexOf(QStringLiteral("--sessions"));
    const int sessions = option > 0 ? std::max(1, args.value(option + 1).toInt()) : 16;

    QTemporaryDir dir;
    std::vector<std::unique_ptr<test::SimRadioProcess>> radios;
    std::vector<QByteArray> memories;
    for (int i = 0; i < sessions; ++i) {
        memories.push_back(FleetMemory(i));
        radios.push_back(std::make_unique<test::SimRadioProcess>(QStringList{}, memories.back()));
        if (!radios.back()->started()) {
            std::printf("mk21sim %d did not start\n", i + 1);
            return 1;
        }
    }
    // The reads' backups go into the temporary folder, not the user's data location.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    const auto path = [&dir](const char* stem, int i, const char* suffix) {
        return dir.filePath(
            QStringLiteral("%1%2.%3").arg(QLatin1String(stem)).arg(i + 1).arg(QLatin1String(suffix)));
    };
    std::vector<std::unique_ptr<QProcess>> reads;
    QElapsedTimer wall;
    wall.start();
    for (int i = 0; i < sessions; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(environment);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(test::StagedProgram("mk21ctl"),
                 {QStringLiteral("read"), QStringLiteral("--device"), radios[i]->device(),
                  QStringLiteral("-o"), path("radio", i, "dat"), QStringLiteral("--image"),
                  path("radio", i, "img"), QStringLiteral("--trace"), path("trace", i, "log"),
                  QStringLiteral("--yes")});
        reads.push_back(std::move(p));
    }
    int failures = 0;
    double worst = 0;
    int worstIndex = -1;
    for (int i = 0; i < sessions; ++i) {
        QProcess& p = *reads[i];
        const bool ended = p.waitForFinished(180000);
        const QString device = radios[i]->device();
        if (!ended || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            std::printf("session %2d (%s): mk21ctl failed (exit %d): %s\n", i + 1, qPrintable(device),
                        ended ? p.exitCode() : -1, p.readAll().constData());
            ++failures;
            continue;
        }
        QFile image(path("radio", i, "img"));
        const bool same = image.open(QIODevice::ReadOnly) && image.readAll() == memories[i].left(ImageSize);
        const std::optional<TraceWindow> w = ReadTrace(path("trace", i, "log"));
        if (!w) {
            std::printf("session %2d: the trace holds no session\n", i + 1);
            ++failures;
            continue;
        }
        const double bound = w->lineBytes * BitsPerByte / Baud;
        const double ratio = w->seconds / bound;
        std::printf("session %2d: %.3f s, %lld bytes, bound %.3f s, ratio %.4f, image %s%s\n", i + 1,
                    w->seconds, static_cast<long long>(w->lineBytes), bound, ratio,
                    same ? "identical" : "DIFFERS",
                    qPrintable(w->timeouts == 0 ? QString()
                                                : QStringLiteral("; left out: %1 WaitTimer expiries, %2 s")
                                                      .arg(w->timeouts)
                                                      .arg(w->waitSeconds, 0, 'f', 3)));
        if (!same)
            ++failures;
        if (ratio > worst) {
            worst = ratio;
            worstIndex = i;
        }
    }
    const double wallSeconds = wall.elapsed() / 1000.0;
    std::printf("%d sessions at once, %.1f s in all: %d image(s) wrong or sessions failed; worst ratio %.4f "
                "(session %d), target <= %.2f: %s\n",
                sessions, wallSeconds, failures, worst, worstIndex + 1, TargetRatio,
                worst <= TargetRatio ? "met" : "NOT met");
    return failures == 0 ? 0 : 1;
}
