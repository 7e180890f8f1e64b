#include "tests/link/SimSession.h"

#include "tests/link/ToolState.h"

#include <QTimer>

namespace mk21::test {

using namespace ModSession;

SimSession::SimSession()
{
    StartToolState(state);
    QObject::connect(&engine, &SessionEngine::sessionFinished, &engine, [this](int op, bool ok) {
        ++finished;
        success = ok;
        portOpenAtFinish = link.isOpen();
        if (!ok || op != OperationRead || !untilDecoded_)
            markDone();
    });
    QObject::connect(&engine, &SessionEngine::configurationRead, &engine, [this] { markDone(); });
    QObject::connect(&engine, &SessionEngine::radioDetailsRead, &engine, [this] { ++detailsRead; });
}

bool SimSession::runCommand(const QString& device, Command command, bool untilDecoded, int timeoutMs)
{
    state.settings.comPort = 5;
    state.settings.PortOverrides.insert(5, device);
    done_ = false;
    untilDecoded_ = untilDecoded;
    if (!(engine.*command)())
        return false;
    if (!done_) {
        // A loop that sleeps in the event dispatcher, as the program's own does: polling loops
        // such as QTest::qWaitFor nap 10 ms between rounds and would slow every exchange.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop_, &QEventLoop::quit);
        guard.start(timeoutMs);
        loop_.exec();
    }
    return done_;
}

void SimSession::markDone()
{
    done_ = true;
    loop_.quit();
}

QByteArray SimSession::image() const
{
    return QByteArray(reinterpret_cast<const char*>(state.RadioImage.data()), RadioImageSize);
}

QByteArray SimSession::infoArea() const
{
    return QByteArray(reinterpret_cast<const char*>(state.InfoArea.data()), InfoAreaSize);
}

} // namespace mk21::test
