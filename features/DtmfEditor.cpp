#include "features/DtmfEditor.h"

#include "base/LanguageTexts.h"
#include "base/ListRules.h"
#include "base/TextOps.h"
#include "base/texts/DtmfTexts.h"
#include "data/ConfigurationState.h"
#include "features/EditorEntries.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace mk21::DtmfEditor {

namespace {

namespace T = Texts::Dtmf;
using namespace EditorEntries;

constexpr int MillisecondsPerUnit = 50;
constexpr int MaxCodeLength = 16;

DtmfSettings& Dtmf(ConfigurationState& s)
{
    return s.WorkingConfiguration.Features.Dtmf;
}
const DtmfSettings& Dtmf(const ConfigurationState& s)
{
    return s.WorkingConfiguration.Features.Dtmf;
}

// A timing list shows milliseconds and stores units of 50 ms: the stored value's text is looked
// up, and a chosen entry stores its number / 50, rounded.
Editor::List TimingList(int index, QStringList entries, Integer DtmfSettings::*field)
{
    Editor::List list = Editor::Labelled(Indexed("Combo1", index), Indexed("Label1", index),
                                         T::TimingLabelBase + index, std::move(entries));
    list.shown = [field](const ConfigurationState& s, const QStringList& entries) {
        return ListRules::SelectedByText(entries, QString::number(Dtmf(s).*field * MillisecondsPerUnit));
    };
    list.store = [field](ConfigurationState& s, const QStringList& entries, int position) {
        const double ms = entries.at(position).toDouble();
        Dtmf(s).*field = static_cast<Integer>(std::lround(ms / MillisecondsPerUnit));
    };
    return list;
}

// A list whose position is the stored value.
Editor::List PositionList(QString name, QString label, int labelText, QStringList entries,
                          Integer DtmfSettings::*field)
{
    Editor::List list = Editor::Labelled(std::move(name), std::move(label), labelText, std::move(entries));
    list.shown = [field](const ConfigurationState& s, const QStringList& entries) {
        return ListRules::SelectedByIndex(entries, Dtmf(s).*field);
    };
    list.store = [field](ConfigurationState& s, const QStringList&, int position) {
        Dtmf(s).*field = static_cast<Integer>(position);
    };
    return list;
}

// Text1(k) edits the BOT, EOT, stun or kill code, Text2(n) memory n + 1.
const DtmfCode& CodeOf(const DtmfSettings& dtmf, bool memory, int index)
{
    if (memory)
        return dtmf.DtmfMemory[static_cast<std::size_t>(index)];
    const DtmfCode* codes[CodeFieldCount] = {&dtmf.BotCode, &dtmf.EotCode, &dtmf.StunCode, &dtmf.KillCode};
    return *codes[index];
}
DtmfCode& CodeOf(DtmfSettings& dtmf, bool memory, int index)
{
    return const_cast<DtmfCode&>(CodeOf(std::as_const(dtmf), memory, index));
}

Editor::TextField CodeField(bool memory, int index)
{
    Editor::TextField field;
    field.name = Indexed(memory ? "Text2" : "Text1", index);
    field.label = Indexed(memory ? "Label4" : "Label3", index);
    if (memory)
        field.labelCaption = QString::number(index + 1);
    else
        field.labelText = T::CodeLabelBase + index;
    field.maxLength = MaxCodeLength;
    field.shown = [memory, index](const ConfigurationState& s) {
        return ShownCode(CodeOf(Dtmf(s), memory, index));
    };
    field.store = [memory, index](ConfigurationState& s, const QString& text) {
        StoreCode(CodeOf(Dtmf(s), memory, index), text);
    };
    field.filter = CodeCharacter;
    return field;
}

} // namespace

Editor::Model Describe(ConfigurationState& state)
{
    Editor::Model model{FormName, T::Title};
    model.lists = {
        TimingList(0, Numbers(50, 500, 50), &DtmfSettings::DtmfRate),
        TimingList(1, Numbers(0, 1000, 100), &DtmfSettings::FirstDigitTime),
        TimingList(2, Numbers(100, 2500, 100), &DtmfSettings::FirstDigitDelay),
        TimingList(3, {"0", "100", "500", "1000"}, &DtmfSettings::StarHashTime),
        PositionList(Indexed("Combo1", 4), Indexed("Label1", 4), T::TimingLabelBase + 4,
                     LangTexts(state, {T::DKeyOff}) + WithSuffix(Numbers(1, 16), "s"),
                     &DtmfSettings::DKeySetting),
        PositionList(Indexed("Combo2", 1), Indexed("Label2", 1), T::DecodeLabelBase + 1,
                     LangTexts(state, {T::DecodeOff, T::DecodeCallAlert, T::DecodeAutoAnswer}),
                     &DtmfSettings::CallAlertMode),
        PositionList(Indexed("Combo2", 4), Indexed("Label2", 4), T::DecodeLabelBase + 4,
                     LangTexts(state, {T::DecodeOff}) + QStringList{"A", "B", "C", "D", "*", "#"},
                     &DtmfSettings::GroupCode),
        PositionList(Indexed("Combo2", 5), Indexed("Label2", 5), T::DecodeLabelBase + 5,
                     LangTexts(state, {T::DecodeOff}) + WithSuffix(Numbers(1, 15), "s"),
                     &DtmfSettings::AutoResetTime),
    };

    Editor::Check sideTone;
    sideTone.name = QStringLiteral("Check1");
    sideTone.caption = T::SideToneCheck;
    sideTone.value = [](const ConfigurationState& s) { return Dtmf(s).SideTone; };
    sideTone.store = [](ConfigurationState& s, int ticked) {
        Dtmf(s).SideTone = static_cast<Integer>(ticked);
    };
    model.checks.push_back(std::move(sideTone));

    Editor::TextField identity;
    identity.name = QStringLiteral("Text3");
    identity.label = QStringLiteral("Label5");
    identity.labelText = T::IdCodeLabel;
    identity.maxLength = MaxIdLength;
    identity.commit = Editor::TextField::Commit::OnLeave;
    identity.shown = [](const ConfigurationState& s) { return ShownIdentity(Dtmf(s)); };
    identity.store = [](ConfigurationState& s, const QString& text) { StoreIdentity(Dtmf(s), text); };
    identity.filter = IdCharacter;
    model.texts.push_back(std::move(identity));

    for (int k = 0; k < CodeFieldCount; ++k)
        model.texts.push_back(CodeField(false, k));
    for (int n = 0; n < MemoryFieldCount; ++n)
        model.texts.push_back(CodeField(true, n));
    return model;
}

QString ShownCode(const DtmfCode& code)
{
    const int length = code.Length < 0 || code.Length > MaxCodeLength ? 0 : code.Length;
    return code.Digits.raw().left(length);
}

void StoreCode(DtmfCode& code, const QString& text)
{
    const QString digits = TrimNul(text);
    code.Length = static_cast<Integer>(digits.size());
    code.Digits = digits;
}

std::optional<QChar> CodeCharacter(QChar typed)
{
    const char16_t c = typed.unicode();
    if ((c >= u'0' && c <= u'9') || c == u'*' || c == u'#' || (c >= u'A' && c <= u'D'))
        return typed;
    if (c >= u'a' && c <= u'd')
        return QChar(c - u'a' + u'A');
    return std::nullopt;
}

std::optional<QChar> IdCharacter(QChar typed)
{
    const char16_t c = typed.unicode();
    if (c >= u'0' && c <= u'9')
        return typed;
    return std::nullopt;
}

QString CheckedIdentity(const QString& text)
{
    const QString zero = QStringLiteral("000");
    if (text.size() > MaxIdLength || text.size() < MinIdLength)
        return zero;
    return ModFun::IsNumeric(text) ? text : zero;
}

QString ShownIdentity(const DtmfSettings& dtmf)
{
    const int length =
        dtmf.IdLength < MinIdLength || dtmf.IdLength > MaxIdLength ? MinIdLength : dtmf.IdLength;
    return dtmf.IdCode.raw().left(length);
}

void StoreIdentity(DtmfSettings& dtmf, const QString& text)
{
    const QString checked = CheckedIdentity(text);
    dtmf.IdLength = static_cast<Integer>(checked.size());
    dtmf.IdCode = checked;
}

QList<int> FilledMemories(const DtmfSettings& dtmf)
{
    QList<int> filled;
    for (int n = 0; n < DtmfMemoryCount; ++n) {
        if (dtmf.DtmfMemory[static_cast<std::size_t>(n)].Length > 0)
            filled.append(n + 1);
    }
    return filled;
}

} // namespace mk21::DtmfEditor
