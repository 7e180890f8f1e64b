#include "tools/sim/FaultPlan.h"

#include "tools/sim/RadioMemory.h"

namespace mk21::sim {

const char* FaultName(FaultKind kind)
{
    switch (kind) {
    case FaultKind::Drop: return "drop";
    case FaultKind::Checksum: return "checksum";
    case FaultKind::Address: return "address";
    case FaultKind::Garbage: return "garbage";
    case FaultKind::Delay: return "delay";
    case FaultKind::Resend: return "resend";
    case FaultKind::Corrupt: return "corrupt";
    }
    return "?";
}

namespace {

std::optional<FaultKind> FaultByName(const QString& name)
{
    for (FaultKind kind : AllFaultKinds) {
        if (name == QLatin1String(FaultName(kind)))
            return kind;
    }
    return std::nullopt;
}

} // namespace

bool FaultPlan::AddFault(const QString& fault, QString& error)
{
    error = QStringLiteral("bad fault '%1'").arg(fault);
    if (fault == QLatin1String("silent")) {
        silent_ = true;
        return true;
    }
    if (fault.startsWith(QLatin1String("hangup-after:"))) {
        bool ok = false;
        const int blocks = fault.mid(13).toInt(&ok);
        if (!ok || blocks < 1)
            return false;
        hangUpAfter_ = blocks;
        return true;
    }
    const qsizetype colon = fault.indexOf(QLatin1Char(':'));
    const qsizetype at = fault.indexOf(QLatin1Char('@'));
    const qsizetype split = colon >= 0 && (at < 0 || colon < at) ? colon : at;
    if (split < 0)
        return false;
    const std::optional<FaultKind> kind = FaultByName(fault.left(split));
    if (!kind)
        return false;
    const QString value = fault.mid(split + 1);
    bool ok = false;
    if (split == colon) {
        const double rate = value.toDouble(&ok);
        if (!ok || !(rate >= 0.0 && rate <= 1.0))
            return false;
        rates_.push_back({*kind, rate});
    } else if (value.startsWith(QLatin1String("addr="))) {
        const int address = value.mid(5).toInt(&ok, 0);
        if (!ok || address < 0 || address >= RadioMemory::Size)
            return false;
        shots_.push_back({.kind = *kind, .address = address});
    } else {
        const int nth = value.toInt(&ok);
        if (!ok || nth < 1)
            return false;
        shots_.push_back({.kind = *kind, .nth = nth});
    }
    error.clear();
    return true;
}

bool FaultPlan::Eligible(FaultKind fault, ReplyKind reply)
{
    switch (fault) {
    case FaultKind::Drop:
    case FaultKind::Garbage:
    case FaultKind::Delay: return reply != ReplyKind::None;
    case FaultKind::Checksum:
    case FaultKind::Address: return reply == ReplyKind::DataBlock;
    case FaultKind::Resend:
    case FaultKind::Corrupt: return reply == ReplyKind::WriteAck;
    }
    return false;
}

double FaultPlan::Draw()
{
    // 53 random bits make a uniform double in [0, 1), the same on every platform.
    return static_cast<double>(rng_() >> 11) * 0x1.0p-53;
}

FaultSet FaultPlan::Decide(ReplyKind kind, int address)
{
    FaultSet faults;
    for (FaultKind fault : AllFaultKinds) {
        if (!Eligible(fault, kind))
            continue;
        const int n = ++eligibleCounts_[static_cast<std::size_t>(fault)];
        // Every rate draws for every eligible reply, so a seed gives the same run each time.
        for (const Rate& rate : rates_) {
            if (rate.kind == fault && Draw() < rate.rate)
                faults.Add(fault);
        }
        for (OneShot& shot : shots_) {
            if (shot.kind != fault || shot.used)
                continue;
            if ((shot.nth > 0 && shot.nth == n) || (shot.address >= 0 && shot.address == address)) {
                shot.used = true;
                faults.Add(fault);
                break;
            }
        }
    }
    return faults;
}

Bytes FaultPlan::Garbage(std::size_t length)
{
    Bytes bytes(length);
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>(rng_() & 0xFF);
    if (!bytes.empty()) {
        // A reply is known by its first byte; moving these to the upper half keeps them unknown.
        const std::uint8_t first = bytes.front();
        if (first == Frames::Ack || first == Frames::Resend || first == 'Z' ||
            first == Frames::IdentityCode || first == Frames::WriteCode)
            bytes.front() = static_cast<std::uint8_t>(first | 0x80);
    }
    return bytes;
}

} // namespace mk21::sim
