#include "features/MessageEditor.h"

#include "base/texts/EmbeddedMessageTexts.h"
#include "data/ConfigurationState.h"
#include "features/EditorEntries.h"

#include <cstddef>

namespace mk21::MessageEditor {

namespace {
FixedText<LineLength>& LineOf(ConfigurationState& s, int i)
{
    return s.WorkingConfiguration.Features.MessageLines[static_cast<std::size_t>(i)];
}
} // namespace

Editor::Model Describe(ConfigurationState&)
{
    Editor::Model model{FormName, Texts::EmbeddedMessage::Title};
    for (int i = 0; i < 4; ++i) {
        Editor::TextField line;
        line.name = EditorEntries::Indexed("Text1", i);
        line.maxLength = LineLength;
        line.shown = [i](const ConfigurationState& s) {
            return s.WorkingConfiguration.Features.MessageLines[static_cast<std::size_t>(i)].text();
        };
        line.store = [i](ConfigurationState& s, const QString& text) { StoreLine(LineOf(s, i), text); };
        line.filter = LineCharacter;
        model.texts.push_back(std::move(line));
    }
    return model;
}

void StoreLine(FixedText<LineLength>& line, const QString& text)
{
    line = text.size() < LineLength ? text + QChar(u'\0') : text;
}

std::optional<QChar> LineCharacter(QChar typed)
{
    if (typed.unicode() > 127 || typed.unicode() < 32)
        return std::nullopt;
    return typed;
}

} // namespace mk21::MessageEditor
