#include "data/windows/FrmModelInfo.h"

#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "data/ModelBand.h"
#include "tests/support/StagedState.h"
#include "tests/support/WhenModal.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace mk21;
using mk21::test::Control;
using mk21::test::WhenModal;

namespace {

QStringList Entries(const QComboBox* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->itemText(i));
    return out;
}

class ModelWindow : public testing::Test {
protected:
    // Opens the window modally, lets the user pick model and band, and clicks `button`.
    int run(FrmModelInfo& dialog, const QString& model, const QString& band, const char* button)
    {
        WhenModal([=](QWidget* w) {
            auto* combo1 = Control<QComboBox>(w, "Combo1");
            auto* combo2 = Control<QComboBox>(w, "Combo2");
            combo1->setCurrentIndex(combo1->findText(model));
            combo2->setCurrentIndex(combo2->findText(band));
            QTest::mouseClick(Control<QPushButton>(w, button), Qt::LeftButton);
        });
        return dialog.exec();
    }

    test::StagedState staged;
    AppState& state = staged.state;
    RadioInfoRecord infoBefore = state.WorkingConfiguration.RadioInfo;
};

} // namespace

TEST_F(ModelWindow, ShowsTheCurrentModelAndBandWithFallBacks)
{
    const QString file = LanguageFilePath(state.settings);
    auto text = [&](int n) { return ReadProfileString(file, QStringLiteral("Model"), QString::number(n)); };
    const struct {
        const char* code;
        const char* band;
        const char* shownModel;
        const char* shownBand;
    } cases[] = {
        {"ZR750G", "400 - 480 MHz", "MK-21", "400 - 480 MHz"},
        {"ZR750", "450 - 520 MHz", "MK-21G", "450 - 520 MHz"},
        {"XYZ", "136 - 174 MHz", "MK-21", "136 - 174 MHz"},    // unknown model: the first entry
        {"ZR750", "999 - 999 MHz", "MK-21G", "400 - 480 MHz"}, // unknown band: the first band
    };
    for (const auto& c : cases) {
        state.model.CurrentModelCode = QString::fromLatin1(c.code);
        state.model.CurrentBandText = QString::fromLatin1(c.band);
        FrmModelInfo dialog(state);
        EXPECT_EQ(Control<QComboBox>(&dialog, "Combo1")->currentText(), c.shownModel) << c.code;
        EXPECT_EQ(Control<QComboBox>(&dialog, "Combo2")->currentText(), c.shownBand) << c.band;
        EXPECT_EQ(Entries(Control<QComboBox>(&dialog, "Combo1")), ModelBandTable::ModelDisplayNames());
        EXPECT_EQ(Entries(Control<QComboBox>(&dialog, "Combo2")), ModelBandTable::BandTexts());
        EXPECT_EQ(dialog.windowTitle(), text(13000));
        EXPECT_EQ(Control<QLabel>(&dialog, "Label1(0)")->text(), text(13001));
        EXPECT_EQ(Control<QLabel>(&dialog, "Label1(1)")->text(), text(13002));
        EXPECT_EQ(Control<QPushButton>(&dialog, "CommandOK")->text(), GetLangText(state, 9017));
    }
}

TEST_F(ModelWindow, ChoosingAnotherModelDoesNotRefillTheBands)
{
    state.model.CurrentBandText = QStringLiteral("144 - 148 MHz");
    FrmModelInfo dialog(state);
    auto* combo2 = Control<QComboBox>(&dialog, "Combo2");
    combo2->addItem(QStringLiteral("marker")); // would vanish on a refill
    QTest::keyClick(Control<QComboBox>(&dialog, "Combo1"), Qt::Key_Down);
    EXPECT_EQ(Control<QComboBox>(&dialog, "Combo1")->currentText(), "MK-21G");
    EXPECT_EQ(combo2->count(), 18);
    EXPECT_EQ(combo2->currentText(), "144 - 148 MHz");
}

TEST_F(ModelWindow, ConfirmedChangeSetsModelBandAndAsksForANewDocument)
{
    FrmModelInfo dialog(state);
    staged.prompter.script(PromptAnswer::Ok);
    EXPECT_EQ(run(dialog, "MK-21G", "136 - 174 MHz", "CommandOK"), QDialog::Accepted);
    ASSERT_EQ(staged.prompter.asked.size(), 1);
    const Prompt& question = staged.prompter.asked.front();
    EXPECT_EQ(question.textNumber, 9016);
    EXPECT_EQ(question.text, GetLangText(state, 9016));
    EXPECT_EQ(question.title, GetLangText(state, 9019));
    EXPECT_FALSE(question.title.isEmpty());
    EXPECT_EQ(question.icon, PromptIcon::Warning);
    EXPECT_EQ(question.buttons, PromptButtons::OkCancel);

    EXPECT_TRUE(dialog.newDocumentRequested());
    EXPECT_EQ(state.model.CurrentModelCode, "ZR750");
    EXPECT_EQ(state.model.CurrentBandText, "136 - 174 MHz");
    EXPECT_EQ(state.model.BandLow, 136);
    EXPECT_EQ(state.model.BandHigh, 174);
    EXPECT_EQ(state.WorkingConfiguration.RadioInfo.ModelCode.text(), "ZR750");
    EXPECT_EQ(state.WorkingConfiguration.RadioInfo.BandNumber, 8);
    EXPECT_EQ(state.Details.DetailBand, 8);
}

TEST_F(ModelWindow, NoChangeOrACancelKeepsEverything)
{
    const struct {
        const char* model;
        const char* band;
        const char* button;
        PromptAnswer answer; // to the question, when one is asked
        int questions;
    } cases[] = {
        {"MK-21", "400 - 480 MHz", "CommandOK", PromptAnswer::Ok, 0},     // nothing changed: no question
        {"MK-21", "430 - 450 MHz", "CommandOK", PromptAnswer::Cancel, 1}, // the question cancelled
        {"MK-21G", "400 - 480 MHz", "CommandOK", PromptAnswer::Cancel, 1},
        {"MK-21G", "136 - 174 MHz", "CommandCancel", PromptAnswer::Ok, 0}, // the window cancelled
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " " + c.band + " " + c.button);
        staged.prompter.clear();
        staged.prompter.script(c.answer);
        FrmModelInfo dialog(state);
        run(dialog, QString::fromLatin1(c.model), QString::fromLatin1(c.band), c.button);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(staged.prompter.asked.size(), c.questions);
        EXPECT_FALSE(dialog.newDocumentRequested());
        EXPECT_EQ(state.model.CurrentModelCode, "ZR750G");
        EXPECT_EQ(state.model.CurrentBandText, "400 - 480 MHz");
        EXPECT_EQ(state.model.BandLow, 400);
        EXPECT_EQ(state.model.BandHigh, 480);
        EXPECT_EQ(state.WorkingConfiguration.RadioInfo, infoBefore);
    }
}
