#pragma once

#include "base/texts/TextList.h"

// The alert window.

#define MK21_ALERT_TEXTS(X)                                                                                  \
    X(Title, 27000)                                                                                          \
    X(LabelBase, 27001) /* labels of Combo1(0..10) */                                                        \
    X(LocalAlarm, 27030)                                                                                     \
    X(SilentRemoteAlarm, 27031)                                                                              \
    X(RemoteAlarmSiren, 27032)                                                                               \
    X(RemoteAlarmVoice, 27033)                                                                               \
    X(EmergencyChannel, 27034)                                                                               \
    X(CurrentChannel, 27035)                                                                                 \
    X(Continuous, 27036)                                                                                     \
    X(IdNone, 27037)                                                                                         \
    X(IdDtmfCode, 27038)

namespace mk21::Texts::Alert {
MK21_SECTION_TEXTS("AlertSet", MK21_ALERT_TEXTS)
inline constexpr int LabelCount = 11;
} // namespace mk21::Texts::Alert

#undef MK21_ALERT_TEXTS
