#pragma once

#include "app/AppState.h"
#include "channels/ChannelList.h"
#include "channels/ChannelViews.h"

#include <QList>
#include <QString>

#include <gtest/gtest.h>

#include <cstddef>

namespace mk21::test {

// Records every notification of the channel list model, in order.
class RecordingChannelViews final : public ChannelViews {
public:
    void channelChanged(int number) override { events.append(QStringLiteral("row %1").arg(number)); }
    void editWindowRefresh() override { events.append(QStringLiteral("edit")); }
    void channelReferencesChanged() override { events.append(QStringLiteral("refs")); }

    QList<QString> events;
};

// The record of channel `number`; fails the test when there is none.
inline ChannelRecord& ChannelOf(AppState& state, int number)
{
    const std::optional<int> index = ModCHEdit::FindChannel(state.WorkingConfiguration, number);
    EXPECT_TRUE(index.has_value()) << "channel " << number << " is missing";
    return state.WorkingConfiguration.Channels[static_cast<std::size_t>(index.value_or(0))];
}

// Adds channel `number` with a stored transmit side, as read from a radio.
inline ChannelRecord& AddDuplex(AppState& state, int number, const char* rx, const char* offset,
                                Byte direction)
{
    EXPECT_TRUE(ModCHEdit::AddChannel(state, number, QString::fromLatin1(rx)));
    ChannelRecord& channel = ChannelOf(state, number);
    channel.Offset = offset;
    channel.OffsetDir = direction;
    return channel;
}

inline int TimesShown(const QList<int>& numbers, int textNumber)
{
    return static_cast<int>(numbers.count(textNumber));
}

} // namespace mk21::test
