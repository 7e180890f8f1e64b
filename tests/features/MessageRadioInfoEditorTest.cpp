#include "features/MessageEditor.h"
#include "features/RadioInfoEditor.h"

#include "data/ModelBand.h"
#include "tests/features/EditorTestSupport.h"

namespace mk21 {
namespace {

using MessageEditorTest = test::EditorTest;

TEST_F(MessageEditorTest, ALineIsStoredAsTypedWithANulBelowSixteenCharacters)
{
    struct Case {
        const char* typed;
        QByteArray stored;
        const char* shownAgain;
    };
    const Case cases[] = {
        {"HELLO", QByteArray("HELLO") + '\0' + QByteArray(10, ' '), "HELLO"},
        {"", QByteArray(1, '\0') + QByteArray(15, ' '), ""},
        {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP"},
        {"ABCDEFGHIJKLMNO", QByteArray("ABCDEFGHIJKLMNO") + '\0', "ABCDEFGHIJKLMNO"},
        // Blanks typed at the end stand before the NUL: kept, and shown again.
        {"HI  ", QByteArray("HI  ") + '\0' + QByteArray(11, ' '), "HI  "},
    };
    const Editor::Model model = MessageEditor::Describe(state);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const Editor::TextField& line = *model.text(QStringLiteral("Text1(2)"));
        line.store(state, QLatin1String(c.typed));
        const auto& bytes = features().MessageLines[2].bytes();
        EXPECT_EQ(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), c.stored);
        EXPECT_EQ(line.shown(state), QLatin1String(c.shownAgain));
    }
    EXPECT_EQ(features().MessageLines[0], state.WorkingConfiguration.Features.MessageLines[0]);
}

TEST_F(MessageEditorTest, OpeningRewritesAShownLineAndLeavesAnEmptyOneAlone)
{
    features().MessageLines[0] = "HI   ";
    const auto emptyBefore = features().MessageLines[1];
    open(MessageEditor::Describe(state));
    EXPECT_EQ(features().MessageLines[0].raw(), QStringLiteral("HI") + QChar(u'\0') + QString(13, u' '));
    EXPECT_EQ(features().MessageLines[1], emptyBefore);
}

TEST_F(MessageEditorTest, OnlyAsciiCharactersPass)
{
    const Editor::Model model = MessageEditor::Describe(state);
    const Editor::TextField& line = *model.text(QStringLiteral("Text1(0)"));
    EXPECT_EQ(Editor::Filtered(line, QStringLiteral("Ab 9!~\u00e9\u4e2d")), QStringLiteral("Ab 9!~"));
}

using RadioInfoEditorTest = test::EditorTest;

TEST_F(RadioInfoEditorTest, EveryDetailIsShownAndNothingIsStored)
{
    RadioDetails& d = state.Details;
    d.SalesAreaCode = QStringLiteral("0777");
    d.SerialNumber = "SN-0042";
    d.RepairReason = "dropped";
    d.VersionInfo = QStringLiteral("V3.10");
    d.DealerCode = "D-9";
    d.DetailModel = QLatin1String(ModelBandTable::ModelZR750);
    d.DetailBand = ModelBandTable::BandNumbers().at(14);
    const Editor::Model model = RadioInfoEditor::Describe(state);
    const RadioConfiguration before = state.WorkingConfiguration;
    const RadioDetails detailsBefore = state.Details;
    open(model);
    EXPECT_EQ(state.WorkingConfiguration, before);
    EXPECT_EQ(state.Details, detailsBefore);

    const std::pair<const char*, const char*> texts[] = {
        {"Text1(0)", "0777"},  {"Text1(1)", "SN-0042"}, {"Text1(4)", "dropped"},
        {"Text1(5)", "V3.10"}, {"Text1(8)", "D-9"},
    };
    for (const auto& [name, text] : texts) {
        const Editor::TextField* field = model.text(QLatin1String(name));
        ASSERT_NE(field, nullptr) << name;
        EXPECT_TRUE(field->readOnly) << name;
        EXPECT_FALSE(field->store) << name << " stores nothing";
        EXPECT_EQ(field->shown(state), QLatin1String(text)) << name;
    }
    EXPECT_EQ(shown(model, "Combo1(0)"), QStringLiteral("MK-21G"));
    EXPECT_EQ(shown(model, "Combo1(1)"), QStringLiteral("144 - 148 MHz"));
    EXPECT_EQ(model.list(QStringLiteral("Combo1(1)"))->entries.size(), 17);
    EXPECT_EQ(model.texts.size(), 12U);
}

TEST_F(RadioInfoEditorTest, ANewConfigurationShowsTheModelsDisplayName)
{
    const Editor::Model model = RadioInfoEditor::Describe(state);
    EXPECT_EQ(shown(model, "Combo1(0)"), QStringLiteral("MK-21"));
    EXPECT_EQ(model.list(QStringLiteral("Combo1(1)"))->entries.first(), QStringLiteral("400 - 480 MHz"));
    EXPECT_EQ(model.list(QStringLiteral("Combo1(1)"))->entries.last(), QStringLiteral("450 - 520 MHz"));
}

} // namespace
} // namespace mk21
