#pragma once

#include "base/texts/TextList.h"

// The channel table window.

#define MK21_CHANNEL_TABLE_TEXTS(X)                                                                          \
    X(ChannelHeader, 14001) /* first column header; the others follow by column */                           \
    X(ReceiveHeader, 14002)                                                                                  \
    X(TransmitHeader, 14003)                                                                                 \
    X(CodeHeader, 14004)                                                                                     \
    X(ReceiveToneHeader, 14005)                                                                              \
    X(TransmitToneHeader, 14006)                                                                             \
    X(PowerHeader, 14007)                                                                                    \
    X(ScanHeader, 14008)                                                                                     \
    X(SignalHeader, 14009)                                                                                   \
    X(SpacingHeader, 14010)                                                                                  \
    X(EditHeader, 14011)                                                                                     \
    X(ChannelWord, 14012)                                                                                    \
    X(NoneEntry, 14013)                                                                                      \
    X(PowerLow, 14014)                                                                                       \
    X(PowerMid, 14015)                                                                                       \
    X(PowerHigh, 14016)                                                                                      \
    X(ScanAdd, 14017)                                                                                        \
    X(ScanSkip, 14018)                                                                                       \
    X(SignalDtmf, 14019)                                                                                     \
    X(Spacing12_5, 14020)                                                                                    \
    X(Spacing20, 14021)                                                                                      \
    X(Spacing25, 14022)                                                                                      \
    X(EditButton, 14023)                                                                                     \
    X(GroupLabel, 14050)                                                                                     \
    X(OffsetHeader, 14100)

namespace mk21::Texts::ChannelTable {
MK21_SECTION_TEXTS("ChannelInfo", MK21_CHANNEL_TABLE_TEXTS)
} // namespace mk21::Texts::ChannelTable

#undef MK21_CHANNEL_TABLE_TEXTS
