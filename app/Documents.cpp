#include "app/Documents.h"

#include "app/AppState.h"
#include "app/LanguageTexts.h"
#include "data/DataFile.h"

namespace mk21::ModDocument {

namespace {

constexpr int MsgFileError = 9002;
constexpr int MsgBadVersionTag = 9065;
constexpr int VersionKindDataFile = 1;

} // namespace

DocumentResult OpenDataFile(AppState& state, const ModVersion::ProgramLauncher& launcher)
{
    const QString path = state.document.DocumentPath;
    const std::optional<FixedText<4>> tag = ModDataFile::ReadVersionTag(path);
    if (!tag) {
        ShowMsg(state, MsgFileError);
        return DocumentResult::Failure;
    }
    if (!ModVersion::IsVersionTag(tag->raw())) {
        ShowMsg(state, MsgBadVersionTag);
        return DocumentResult::Failure;
    }

    const QString firmware = tag->text();
    const QString release = QString::fromLatin1(ReleaseTag);
    if (!ModVersion::IsVersionPairListed(state, release, firmware)) {
        const QString question = ModVersion::VersionMessage(state, release, firmware, VersionKindDataFile);
        if (ShowText(state, question, PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes)
            return DocumentResult::Failure;
        // Only a release that really started takes over; otherwise the user keeps working here.
        if (!ModVersion::LaunchSoftwareVersion(state, firmware, launcher))
            return DocumentResult::Failure;
        return DocumentResult::EndProgram;
    }

    switch (ModDataFile::LoadDocumentFile(state, path)) {
    case ModDataFile::FileStatus::Done:
        state.document.IsUntitled = false;
        return DocumentResult::Success;
    case ModDataFile::FileStatus::Refused:
        return DocumentResult::Failure;
    case ModDataFile::FileStatus::Failed:
        break;
    }
    ShowMsg(state, MsgFileError);
    return DocumentResult::Failure;
}

DocumentResult SaveDataFile(AppState& state)
{
    if (ModDataFile::SaveDocumentFile(state, state.document.DocumentPath) != ModDataFile::FileStatus::Done) {
        ShowMsg(state, MsgFileError);
        return DocumentResult::Failure;
    }
    state.document.IsUntitled = false;
    return DocumentResult::Success;
}

} // namespace mk21::ModDocument
