#pragma once

#include "base/texts/TextList.h"

// The channel edit window.

#define MK21_CHANNEL_EDIT_TEXTS(X)                                                                           \
    X(Caption, 15000)                                                                                        \
    X(ChannelLabel, 15001)                                                                                   \
    X(ReceiveLabel, 15002)                                                                                   \
    X(TransmitLabel, 15003)                                                                                  \
    X(NameLabel, 15004)                                                                                      \
    X(DecodeLabel, 15005)                                                                                    \
    X(EncodeLabel, 15006)                                                                                    \
    X(PowerLabel, 15007)                                                                                     \
    X(SignallingLabel, 15008)                                                                                \
    X(PttIdLabel, 15009)                                                                                     \
    X(SpacingLabel, 15010)                                                                                   \
    X(BusyLockLabel, 15011)                                                                                  \
    X(ReverseLabel, 15012)                                                                                   \
    X(AutoDialLabel, 15013)                                                                                  \
    X(CheckCaptionBase, 15014) /* Check1(0..6): scan skip .. compander */                                    \
    X(VoiceEncryptionCheck, 15015)                                                                           \
    X(TransmitInhibitCheck, 15016)                                                                           \
    X(TalkaroundCheck, 15017)                                                                                \
    X(ReverseCheck, 15018)                                                                                   \
    X(WhisperCheck, 15019)                                                                                   \
    X(CompanderCheck, 15020)                                                                                 \
    X(IdCodeLabel, 15021)                                                                                    \
    X(SignallingRelationLabel, 15022)                                                                        \
    X(GroupLabel, 15029)                                                                                     \
    X(Off, 15030)                                                                                            \
    X(BusyCarrier, 15031)                                                                                    \
    X(BusyTone, 15032)                                                                                       \
    X(BusySignalling, 15033)                                                                                 \
    X(Reverse, 15034)                                                                                        \
    X(Talkaround, 15035)                                                                                     \
    X(PttIdBot, 15037)                                                                                       \
    X(PttIdEot, 15038)                                                                                       \
    X(PttIdBoth, 15039)                                                                                      \
    X(Spacing12_5, 15040)                                                                                    \
    X(Spacing20, 15041)                                                                                      \
    X(Spacing25, 15042)                                                                                      \
    X(SignallingDtmf, 15043)                                                                                 \
    X(PowerLow, 15044)                                                                                       \
    X(PowerMedium, 15045)                                                                                    \
    X(PowerHigh, 15046)                                                                                      \
    X(RelationAnd, 15050)                                                                                    \
    X(RelationOr, 15051)                                                                                     \
    X(OffsetLabel, 15100)

namespace mk21::Texts::ChannelEdit {
MK21_SECTION_TEXTS("ChannelEdit", MK21_CHANNEL_EDIT_TEXTS)
} // namespace mk21::Texts::ChannelEdit

#undef MK21_CHANNEL_EDIT_TEXTS
