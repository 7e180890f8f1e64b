#include "link/ImageCompare.h"

#include "data/ImageLayout.h"
#include "link/Protocol.h"

#include <QStringList>

namespace mk21::ModVerify {

namespace {

constexpr int ComparedEnd = static_cast<int>(ImageLayout::EncodedEnd);
constexpr int UnusedStart = static_cast<int>(ImageLayout::UnusedAfterMaps);
constexpr int UnusedEnd = UnusedStart + static_cast<int>(ImageLayout::UnusedSize);

bool compared(int address)
{
    return address < ComparedEnd && (address < UnusedStart || address >= UnusedEnd);
}

} // namespace

QList<int> DifferingBlocks(const Image& sent, const Image& held)
{
    QList<int> differing;
    for (int block = 0; block < ComparedEnd; block += ModComm::BlockSize) {
        for (int address = block; address < block + ModComm::BlockSize; ++address) {
            const auto i = static_cast<std::size_t>(address);
            if (compared(address) && sent[i] != held[i]) {
                differing.append(block);
                break;
            }
        }
    }
    return differing;
}

QString AddressList(const QList<int>& addresses, int shown)
{
    QStringList parts;
    for (qsizetype i = 0; i < addresses.size() && i < shown; ++i)
        parts.append(QString::number(addresses[i]));
    if (addresses.size() > shown)
        parts.append(QString(QChar(0x2026))); // an ellipsis
    return parts.join(QStringLiteral(", "));
}

} // namespace mk21::ModVerify
