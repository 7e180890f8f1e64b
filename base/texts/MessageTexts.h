#pragma once

#include "base/texts/TextList.h"

// [Msg]: messages, question and button words every window shares.
#define MK21_MSG_TEXTS(X)                                                                                    \
    X(FileType, 9001)                                                                                        \
    X(FileError, 9002)                                                                                       \
    X(PortError, 9003)                                                                                       \
    X(ConfirmRead, 9004)                                                                                     \
    X(ConfirmWrite, 9005)                                                                                    \
    X(SaveChanges, 9006)                                                                                     \
    X(SaveConfirm, 9007)                                                                                     \
    X(NoAnswer, 9008) /* + 1 read finished, + 2 write finished */                                            \
    X(ReadFinished, 9009)                                                                                    \
    X(WriteFinished, 9010)                                                                                   \
    X(ModelMismatch, 9012)                                                                                   \
    X(BandDiffers, 9014)                                                                                     \
    X(ModelChangeQuestion, 9016)                                                                             \
    X(Ok, 9017)                                                                                              \
    X(Cancel, 9018)                                                                                          \
    X(ModelChangeTitle, 9019)                                                                                \
    X(FrequencyOutsideBand, 9021)                                                                            \
    X(Close, 9023)                                                                                           \
    X(Help, 9025)                                                                                            \
    X(NewConfirm, 9026)                                                                                      \
    X(ProgressTitleBase, 9026) /* + 1 read, + 2 write */                                                     \
    X(ReadingTitle, 9027)                                                                                    \
    X(WritingTitle, 9028)                                                                                    \
    X(ProgressLabel, 9029)                                                                                   \
    X(BandCannotTake, 9030)                                                                                  \
    X(RadioLocked, 9031)                                                                                     \
    X(NotAccepted, 9032)                                                                                     \
    X(WrongLength, 9033)                                                                                     \
    X(FirmwareVersion, 9060)                                                                                 \
    X(SoftwareVersion, 9061)                                                                                 \
    X(OtherReleaseQuestion, 9062)                                                                            \
    X(NoReleaseServes, 9063)                                                                                 \
    X(DataFileVersion, 9064)                                                                                 \
    X(BadVersionTag, 9065)                                                                                   \
    X(InsertBlockedByLastPosition, 9066)                                                                     \
    X(InvalidContent, 9067)                                                                                  \
    X(SideFileNotWritten, 9068)                                                                              \
    X(NotARadioImage, 9069)                                                                                  \
    X(BlockRefused, 9070)                                                                                    \
    X(LanguageFileDamaged, 9071)                                                                             \
    X(VersionTableDamaged, 9072)                                                                             \
    X(UnknownCommand, 9073)                                                                                  \
    X(CommandNeeds, 9074)                                                                                    \
    X(InvalidValue, 9075)                                                                                    \
    X(Cancelled, 9076)                                                                                       \
    X(IsDataFile, 9077)                                                                                      \
    X(IsRadioImage, 9078)                                                                                    \
    X(UnexpectedArgument, 9079)                                                                              \
    X(FaultChannelCount, 9080)                                                                               \
    X(FaultChannelNumber, 9081)                                                                              \
    X(FaultChannelTwice, 9082)                                                                               \
    X(FaultReceiveFrequency, 9083)                                                                           \
    X(FaultModelCode, 9084)                                                                                  \
    X(FaultBand, 9085)                                                                                       \
    X(ReasonNotARegularFile, 9086)                                                                           \
    X(ReasonSideFileClash, 9087)                                                                             \
    X(PortNoSuchDevice, 9088)                                                                                \
    X(PortPermissionDenied, 9089)                                                                            \
    X(PortBusy, 9090)                                                                                        \
    X(WriteVerified, 9091)                                                                                   \
    X(WriteDiffers, 9092)                                                                                    \
    X(WriteNotVerified, 9093)                                                                                \
    X(VerifyingTitle, 9094)                                                                                  \
    X(VerifyAfterWriteOption, 9095)                                                                          \
    X(WriteCancelled, 9120)                                                                                  \
    X(WriteCancelledUntouched, 9121)                                                                         \
    X(VerifyCancelled, 9122)                                                                                 \
    X(TraceNotWritten, 9123)                                                                                 \
    X(TraceMenuItem, 9124)                                                                                   \
    X(TraceFolderMenuItem, 9125)                                                                             \
    X(FolderNotOpened, 9126)

namespace mk21::Texts::Msg {
MK21_SECTION_TEXTS("Msg", MK21_MSG_TEXTS)
} // namespace mk21::Texts::Msg

#undef MK21_MSG_TEXTS
