#include "link/VersionTables.h"

#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "base/TextOps.h"
#include "base/texts/MessageTexts.h"
#include "data/ModelBand.h"
#include "link/LinkState.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>

namespace mk21::ModVersion {

namespace {

const QString crlf = QStringLiteral("\r\n");

// A count of keys: TrimNul, then a whole number, bounded so that a damaged file cannot make us
// read an absurd number of keys. Anything unreadable counts as 0.
int readCount(const IniDocument& ini, const QString& key)
{
    const QString text = TrimNul(ini.value(QStringLiteral("Version"), key).value_or(QString()));
    return std::clamp(ModFun::NumOrDefault(text, 0), 0, MaxVersionKeys);
}

// The release tag also names a folder, so only characters a number may contain are accepted.
bool isNumberText(const QString& text)
{
    for (const QChar c : text) {
        if (!(c.isDigit() && c.unicode() < 128) && c != u'.' && c != u'+' && c != u'-' && c != u' ')
            return false;
    }
    return ModFun::IsNumeric(text);
}

QString programFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

} // namespace

bool StartDetached(const QString& program)
{
    return QProcess::startDetached(program, {});
}

QString VersionTablePath(const LinkState& state)
{
    return QDir(state.settings.DataRoot).filePath(QStringLiteral("Version.ini"));
}

bool LoadVersionTables(LinkState& state)
{
    state.versionTable.clear();
    const IniDocument ini = IniDocument::load(VersionTablePath(state));
    const int firmCount = readCount(ini, QStringLiteral("FirmVersionCount"));
    // The "Soft" section lists the installed releases; nothing depends on it, so it is not read.
    const QString firmSection = QStringLiteral("Firm");
    for (int i = 0; i < firmCount; ++i) {
        const QString value =
            TrimNul(ini.value(firmSection, QStringLiteral("Firm") + QString::number(i)).value_or(QString()));
        state.versionTable.append(VersionPair{value.left(4), value.right(4)});
    }
    // Without its own pair every valid data file and radio of this release would be refused as
    // served by another release, with a message naming the same version twice.
    const QString own = QString::fromLatin1(ReleaseTag);
    if (IsVersionPairListed(state, own, own))
        return true;
    state.versionTable.append(VersionPair{own, own});
    return false;
}

bool IsVersionTag(const QString& text)
{
    const QString tag = TrimNul(text);
    return tag.size() == 4 && tag.startsWith(u'V') && isNumberText(tag.mid(1));
}

QString ShowVersion(const QString& tag)
{
    return tag.left(2) + u'.' + tag.right(2);
}

bool IsVersionPairListed(const LinkState& state, const QString& release, const QString& firmware)
{
    return std::any_of(state.versionTable.cbegin(), state.versionTable.cend(), [&](const VersionPair& pair) {
        return pair.release == release && pair.firmware == firmware;
    });
}

QString SoftwareForFirmware(const LinkState& state, const QString& firmware)
{
    for (const VersionPair& pair : state.versionTable) {
        if (pair.firmware == firmware)
            return pair.release;
    }
    return {};
}

QString VersionMessage(LinkState& state, const QString& release, const QString& firmware, int kind)
{
    const QString lineA =
        crlf + GetLangText(state, Texts::Msg::SoftwareVersion) + u' ' + ShowVersion(release);
    QString lineB;
    if (kind == 0)
        lineB = crlf + GetLangText(state, Texts::Msg::FirmwareVersion) + u' ' + ShowVersion(firmware);
    else if (kind == 1)
        lineB = crlf + GetLangText(state, Texts::Msg::DataFileVersion) + u' ' + ShowVersion(firmware);
    else
        lineB = ShowVersion(firmware);
    return GetLangText(state, Texts::Msg::OtherReleaseQuestion) + lineB + lineA;
}

bool LaunchSoftwareVersion(LinkState& state, const QString& firmware, const ProgramLauncher& launcher)
{
    const QString release = SoftwareForFirmware(state, firmware);
    // Only a well-formed tag may become a folder name: nothing outside DataRoot/<tag>/ is started.
    if (release.isEmpty() || !IsVersionTag(release)) {
        ShowMsg(state, Texts::Msg::NoReleaseServes);
        return false;
    }
    const QString program = QDir(state.settings.DataRoot).filePath(release + u'/' + programFileName());
    if (launcher && launcher(program))
        return true;

    // The release is listed but not installed where expected: say which program is missing.
    Prompt prompt;
    prompt.text = GetLangText(state, Texts::Msg::NoReleaseServes) + crlf + QDir::toNativeSeparators(program);
    prompt.textNumber = Texts::Msg::NoReleaseServes;
    prompt.title = state.settings.ApplicationTitle;
    state.prompter.ask(prompt);
    return false;
}

bool ModelMatches(const QString& current, const QString& radio, int sessionKind)
{
    if (current == radio)
        return true;
    if (sessionKind == SessionKindWrite)
        return false;
    return ModelBandTable::IsKnownModelCode(radio);
}

bool BandMatches(int currentBand, int radioBand, int sessionKind)
{
    return sessionKind != SessionKindWrite || currentBand == radioBand;
}

bool BandFamilyMatches(int currentBand, int radioBand)
{
    const int x = (currentBand >> 3) & 0x1F;
    const int y = (radioBand >> 3) & 0x1F;
    return x <= 3 && x == y;
}

CompatibilityResult CheckRadioCompatibility(LinkState& state, const QString& radioModel, int radioBand,
                                            const QString& radioFirmware, int sessionKind,
                                            const ProgramLauncher& launcher)
{
    const QString release = QString::fromLatin1(ReleaseTag);
    const int currentBand = ModelBandTable::BandNumberOfText(state.model.CurrentBandText);
    const bool versionListed = IsVersionPairListed(state, release, radioFirmware);

    if (ModelMatches(state.model.CurrentModelCode, radioModel, sessionKind) &&
        BandMatches(currentBand, radioBand, sessionKind) && versionListed)
        return CompatibilityResult::GoOn;

    if (state.model.CurrentModelCode != radioModel) {
        ShowMsg(state, Texts::Msg::ModelMismatch);
        return CompatibilityResult::Stop;
    }
    if (!versionListed) {
        const QString text = VersionMessage(state, release, radioFirmware, 0);
        if (ShowText(state, text, PromptIcon::None, PromptButtons::YesNo) != PromptAnswer::Yes)
            return CompatibilityResult::Stop;
        return LaunchSoftwareVersion(state, radioFirmware, launcher) ? CompatibilityResult::Launch
                                                                     : CompatibilityResult::Stop;
    }
    if (BandFamilyMatches(currentBand, radioBand)) {
        return ShowMsg(state, Texts::Msg::BandDiffers, PromptIcon::Warning, PromptButtons::OkCancel) ==
                       PromptAnswer::Ok
                   ? CompatibilityResult::GoOn
                   : CompatibilityResult::Stop;
    }
    ShowMsg(state, Texts::Msg::BandCannotTake, PromptIcon::Warning);
    return CompatibilityResult::Stop;
}

} // namespace mk21::ModVersion
