#include "channels/ChannelListTexts.h"

#include "app/LanguageTexts.h"

namespace mk21::ModCHEdit
{

QStringList ListTexts(AppState& state, std::span<const int> numbers)
{
    QStringList texts;
    for (int number : numbers)
        texts.append(GetLangText(state, number));
    return texts;
}

QString ListText(AppState& state, std::span<const int> numbers, int value)
{
    const QStringList texts = ListTexts(state, numbers);
    return value >= 0 && value < texts.size() ? texts[value] : texts.value(0);
}

} // namespace mk21::ModCHEdit
