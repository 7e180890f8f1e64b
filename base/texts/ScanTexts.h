#pragma once

#include "base/texts/TextList.h"

// The scan window.

#define MK21_SCAN_TEXTS(X)                                                                                   \
    X(Title, 26000)                                                                                          \
    X(ScanMode, 26001)                                                                                       \
    X(PriorityChannel, 26002)                                                                                \
    X(PriorityChannel1, 26003)                                                                               \
    X(PriorityChannel2, 26004)                                                                               \
    X(RevertChannel, 26005)                                                                                  \
    X(LookBackTimeA, 26006)                                                                                  \
    X(LookBackTimeB, 26007)                                                                                  \
    X(ReceiveResumeDelay, 26008)                                                                             \
    X(TransmitResumeDelay, 26009)                                                                            \
    X(EntryTone, 26010)                                                                                      \
    X(Off, 26030)                                                                                            \
    X(On, 26031)                                                                                             \
    X(RevertSelected, 26032)                                                                                 \
    X(RevertTalkback, 26033)                                                                                 \
    X(RevertLastCalled, 26034)                                                                               \
    X(RevertLastUsed, 26035)

namespace mk21::Texts::Scan {
MK21_SECTION_TEXTS("ScanSet", MK21_SCAN_TEXTS)
} // namespace mk21::Texts::Scan

#undef MK21_SCAN_TEXTS
