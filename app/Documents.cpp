#include "app/Documents.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/MessageTexts.h"
#include "data/DataFile.h"

namespace mk21::ModDocument {

namespace {

constexpr int VersionKindDataFile = 1;

} // namespace

DocumentResult OpenDataFile(AppState& state, const ModVersion::ProgramLauncher& launcher)
{
    const QString path = state.document.DocumentPath;
    FileResult unreadable;
    const std::optional<FixedText<4>> tag = ModDataFile::ReadVersionTag(path, &unreadable);
    if (!tag) {
        ShowFileResult(state, unreadable);
        return DocumentResult::Failure;
    }
    if (!ModVersion::IsVersionTag(tag->raw())) {
        ShowMsg(state, Texts::Msg::BadVersionTag);
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

    const FileResult loaded = ModDataFile::LoadDocumentFile(state, path);
    if (!loaded.ok()) {
        ShowFileResult(state, loaded);
        return DocumentResult::Failure;
    }
    state.document.IsUntitled = false;
    return DocumentResult::Success;
}

DocumentResult SaveDataFile(AppState& state)
{
    const FileResult saved = ModDataFile::SaveDocumentFile(state, state.document.DocumentPath);
    ShowFileResult(state, saved);
    if (!saved.ok() && saved.message != Texts::Msg::SideFileNotWritten)
        return DocumentResult::Failure;
    state.document.IsUntitled = false;
    return saved.ok() ? DocumentResult::Success : DocumentResult::SavedWithoutSideFile;
}

void TakeRadioConfiguration(AppState& state)
{
    state.document.DocumentPath = QStringLiteral("new.dat");
    state.document.IsUntitled = true;
}

} // namespace mk21::ModDocument
