#include "tests/link/LinkTap.h"

namespace mk21::test {

LinkTap::LinkTap(SerialLink& inner) : inner_(inner)
{
    clock_.start();
    connect(&inner_, &SerialLink::received, this, &SerialLink::received);
}

void LinkTap::clearBuffers()
{
    // What the port has taken in but nobody read is logged before it goes.
    const QByteArray dropped = inner_.readAll();
    if (!dropped.isEmpty())
        events_.append({Kind::Discard, now(), dropped});
    inner_.clearBuffers();
}

bool LinkTap::write(const QByteArray& bytes)
{
    events_.append({Kind::Write, now(), bytes});
    const bool written = inner_.write(bytes);
    if (onWrite)
        onWrite(bytes);
    return written;
}

QByteArray LinkTap::readAll()
{
    const qint64 at = now();
    QByteArray bytes = inner_.readAll();
    if (!bytes.isEmpty())
        events_.append({Kind::Read, at, bytes});
    return bytes;
}

} // namespace mk21::test
