#pragma once

#include "base/texts/TextList.h"

// The radio information window.

#define MK21_RADIO_INFO_TEXTS(X)                                                                             \
    X(Title, 21000)                                                                                          \
    X(DealerFrame, 21001)                                                                                    \
    X(SalesAreaCode, 21002)                                                                                  \
    X(BatchNumber, 21003)                                                                                    \
    X(CustomerCode, 21004)                                                                                   \
    X(Model, 21005)                                                                                          \
    X(Band, 21006)                                                                                           \
    X(SerialNumber, 21007)                                                                                   \
    X(ProductionDate, 21008)                                                                                 \
    X(RepairDate, 21009)                                                                                     \
    X(Version, 21010)                                                                                        \
    X(RepairReason, 21011)                                                                                   \
    X(RepairReasonHint, 21012)                                                                               \
    X(DealerCode, 21013)                                                                                     \
    X(StockInDate, 21014)                                                                                    \
    X(SalesDate, 21015)                                                                                      \
    X(HandledBy, 21016)

namespace mk21::Texts::RadioInfo {
MK21_SECTION_TEXTS("Local", MK21_RADIO_INFO_TEXTS)
} // namespace mk21::Texts::RadioInfo

#undef MK21_RADIO_INFO_TEXTS
