#include "channels/ChannelListTexts.h"

#include "base/LanguageTexts.h"
#include "channels/ChannelState.h"

namespace mk21::ModCHEdit {

QStringList ListTexts(ChannelState& state, std::span<const int> numbers)
{
    QStringList texts;
    for (int number : numbers)
        texts.append(GetLangText(state, number));
    return texts;
}

QString ListText(ChannelState& state, std::span<const int> numbers, int value)
{
    const QStringList texts = ListTexts(state, numbers);
    return value >= 0 && value < texts.size() ? texts[value] : texts.value(0);
}

} // namespace mk21::ModCHEdit
