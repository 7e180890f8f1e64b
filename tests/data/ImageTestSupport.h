#pragma once

#include "app/AppState.h"
#include "data/RadioConfiguration.h"

#include <QString>

#include <cstddef>
#include <vector>

namespace mk21::test {

// Bytes [address, address + count) of an image, as ints so that failures print readably.
template <typename Array> std::vector<int> BytesAt(const Array& image, std::size_t address, std::size_t count)
{
    return std::vector<int>(image.begin() + static_cast<std::ptrdiff_t>(address),
                            image.begin() + static_cast<std::ptrdiff_t>(address + count));
}

// A simplex channel record as the channel list would hold it.
inline ChannelRecord MakeChannel(int number, const char* rx)
{
    ChannelRecord ch;
    ch.ChannelNo = static_cast<Integer>(number);
    ch.RxFreq = rx;
    ch.Offset.bytes().fill('\0');
    return ch;
}

// Replaces the working channel list.
inline void SetChannels(AppState& state, const std::vector<ChannelRecord>& channels)
{
    state.WorkingConfiguration.ChannelCount = static_cast<Integer>(channels.size());
    for (std::size_t i = 0; i < channels.size(); ++i)
        state.WorkingConfiguration.Channels[i] = channels[i];
}

// A fixed text whose value ends in one NUL when shorter than the field, as the decoder stores it.
inline QString Ended(const QString& text, int size)
{
    return text.size() < size ? text + QChar(u'\0') + QString(size - text.size() - 1, u' ') : text;
}

} // namespace mk21::test
