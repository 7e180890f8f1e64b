#pragma once

#include "data/ConfigurationState.h"

#include <QList>
#include <QString>

#include <array>

namespace mk21::ModVerify {

using Image = std::array<Byte, RadioImageSize>;

// The start addresses of the protocol blocks in which the radio holds other bytes than were sent.
// Only the bytes the encoder writes from the configuration count (0 .. EncodedEnd-1, without the
// unused fill after the channel maps): the radio's identity and information bytes are its own.
QList<int> DifferingBlocks(const Image& sent, const Image& held);

// The addresses as a message shows them, at most `shown` of them and then an ellipsis.
QString AddressList(const QList<int>& addresses, int shown = 12);

} // namespace mk21::ModVerify
