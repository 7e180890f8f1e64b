#include "tools/sim/PseudoTerminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <cerrno>
#include <cstring>

namespace mk21::sim {

namespace {

std::string Failure(const char* step)
{
    return std::string(step) + ": " + std::strerror(errno);
}

} // namespace

std::optional<PseudoTerminal> PseudoTerminal::Create(std::string& error)
{
    PseudoTerminal pty;
    pty.master_.reset(posix_openpt(O_RDWR | O_NOCTTY));
    if (!pty.master_.valid()) {
        error = Failure("posix_openpt");
        return std::nullopt;
    }
    const int master = pty.master_.get();
    if (fcntl(master, F_SETFD, FD_CLOEXEC) != 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        error = Failure("grantpt/unlockpt");
        return std::nullopt;
    }
    char name[256] = {};
    if (ptsname_r(master, name, sizeof name) != 0) {
        error = Failure("ptsname_r");
        return std::nullopt;
    }
    pty.slavePath_ = name;
    pty.slave_.reset(open(name, O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!pty.slave_.valid()) {
        error = Failure("open slave");
        return std::nullopt;
    }
    // Raw at once, so that nothing the program sends is echoed or translated by the line discipline.
    termios tio{};
    if (tcgetattr(pty.slave_.get(), &tio) != 0) {
        error = Failure("tcgetattr");
        return std::nullopt;
    }
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag |= CLOCAL | CREAD;
    if (tcsetattr(pty.slave_.get(), TCSANOW, &tio) != 0) {
        error = Failure("tcsetattr");
        return std::nullopt;
    }
    const int flags = fcntl(master, F_GETFL);
    if (flags < 0 || fcntl(master, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = Failure("O_NONBLOCK");
        return std::nullopt;
    }
    return pty;
}

int PseudoTerminal::UnreadByProgram() const
{
    int waiting = 0;
    return ioctl(slave_.get(), FIONREAD, &waiting) == 0 ? waiting : -1;
}

} // namespace mk21::sim
