#include "app/windows/FrmHabits.h"
#include "app/windows/FrmMsgConfirm.h"

#include "app/SafetySettings.h"
#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "channels/ConfirmAnswer.h"
#include "channels/Preferences.h"
#include "tests/support/StagedState.h"
#include "tests/support/WhenModal.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>

using namespace mk21;
using mk21::test::Control;
using mk21::test::WhenModal;

namespace {

using Flags = std::array<bool, 5>; // in Habit.ini order

EditingPreferences FromFlags(const Flags& f)
{
    return {f[0], f[1], f[2], f[3], f[4]};
}

Flags ToFlags(const EditingPreferences& p)
{
    return {p.NoPasteQuestion, p.PasteInserts, p.NoDeleteQuestion, p.DeleteRemovesChannels, p.OffSetShowMode};
}

class PreferenceDialogs : public testing::Test {
protected:
    PreferenceDialogs()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsStore.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsStore.path());
    }

    bool verifying() const { return LoadVerifyAfterWrite(state.settings.ApplicationTitle); }

    QByteArray habitBytes() const
    {
        QFile file(Habits::FilePath(state.settings));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }

    // Runs `dialog` modally and lets `act` answer it.
    static int run(QDialog& dialog, std::function<void(QWidget*)> act)
    {
        WhenModal(std::move(act));
        return dialog.exec();
    }

    static void click(QWidget* w, const char* name)
    {
        QTest::mouseClick(Control<QPushButton>(w, name), Qt::LeftButton);
    }
    static void toggle(QWidget* w, const char* name)
    {
        QTest::keyClick(Control<QCheckBox>(w, name), Qt::Key_Space);
    }

    QTemporaryDir settingsStore; // the per-user settings of this test alone
    test::StagedState staged;
    AppState& state = staged.state;
};

} // namespace

TEST_F(PreferenceDialogs, HabitsShowTheStoredChoicesAndOkSavesTheTickedBoxes)
{
    const QString file = LanguageFilePath(state.settings);
    auto text = [&](int n) { return ReadProfileString(file, QStringLiteral("CHEdit"), QString::number(n)); };
    state.preferences = FromFlags({true, false, false, true, true});
    FrmHabits dialog(state);
    EXPECT_EQ(dialog.windowTitle(), text(28006));
    EXPECT_EQ(Control<QPushButton>(&dialog, "CommandOK")->text(), text(28004));
    EXPECT_EQ(Control<QPushButton>(&dialog, "CommandCancel")->text(), text(28005));
    for (int i = 0; i < 5; ++i) {
        const QString name = QStringLiteral("Check1(%1)").arg(i);
        auto* box = Control<QCheckBox>(&dialog, name.toLatin1().constData());
        EXPECT_EQ(box->text(), text(28007 + i));
        EXPECT_EQ(box->isChecked(), ToFlags(state.preferences)[static_cast<std::size_t>(i)]) << i;
    }
    auto* verify = Control<QCheckBox>(&dialog, "CheckVerify");
    EXPECT_EQ(verify->text(), ReadProfileString(file, QStringLiteral("Msg"), QStringLiteral("9095")));
    EXPECT_TRUE(verify->isChecked()); // on until turned off
    EXPECT_EQ(Control<QLabel>(&dialog, "LabelKeepDays")->text(),
              ReadProfileString(file, QStringLiteral("Msg"), QStringLiteral("9102")));
    EXPECT_EQ(Control<QSpinBox>(&dialog, "SpinKeepDays")->value(), 365); // a year unless set

    // Delete without asking, clearing the channels only; writes not verified and backups kept
    // for 30 days (both outside Habit.ini).
    EXPECT_EQ(run(dialog,
                  [](QWidget* w) {
                      toggle(w, "Check1(2)");
                      toggle(w, "Check1(3)");
                      toggle(w, "CheckVerify");
                      Control<QSpinBox>(w, "SpinKeepDays")->setValue(30);
                      click(w, "CommandOK");
                  }),
              QDialog::Accepted);
    EXPECT_EQ(ToFlags(state.preferences), (Flags{true, false, true, false, true}));
    EXPECT_EQ(habitBytes(), QByteArray::fromHex("ffff0000ffff0000ffff"));
    EXPECT_FALSE(verifying());
    EXPECT_EQ(LoadKeepBackupDays(state.settings.ApplicationTitle), 30);
    FrmHabits again(state);
    EXPECT_FALSE(Control<QCheckBox>(&again, "CheckVerify")->isChecked());
    EXPECT_EQ(Control<QSpinBox>(&again, "SpinKeepDays")->value(), 30);
}

TEST_F(PreferenceDialogs, HabitsCancelKeepsPreferencesAndFile)
{
    state.preferences = FromFlags({false, true, false, false, false});
    const QByteArray before = habitBytes();
    FrmHabits dialog(state);
    EXPECT_EQ(run(dialog,
                  [](QWidget* w) {
                      toggle(w, "Check1(0)");
                      toggle(w, "Check1(1)");
                      toggle(w, "CheckVerify");
                      Control<QSpinBox>(w, "SpinKeepDays")->setValue(0);
                      click(w, "CommandCancel");
                  }),
              QDialog::Rejected);
    EXPECT_EQ(ToFlags(state.preferences), (Flags{false, true, false, false, false}));
    EXPECT_EQ(habitBytes(), before);
    EXPECT_TRUE(verifying());
    EXPECT_EQ(LoadKeepBackupDays(state.settings.ApplicationTitle), 365);
}

TEST_F(PreferenceDialogs, ConfirmationAnswersSetTheModesPreferencesAndSave)
{
    const Flags start{false, true, false, true, true};
    const struct {
        int mode;
        const char* button;
        bool tick;
        int answer;
        Flags after;
        const char* bytes;
    } cases[] = {
        {ConfirmAnswer::PasteMode,
         "CommandOK",
         false,
         1,
         {false, true, false, true, true},
         "0000ffff0000ffffffff"},
        {ConfirmAnswer::PasteMode,
         "CommandCancel",
         true,
         2,
         {true, false, false, true, true},
         "ffff00000000ffffffff"},
        {ConfirmAnswer::DeleteMode,
         "CommandOK",
         true,
         1,
         {false, true, true, true, true},
         "0000ffffffffffffffff"},
        {ConfirmAnswer::DeleteMode,
         "CommandCancel",
         false,
         2,
         {false, true, false, false, true},
         "0000ffff00000000ffff"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + c.button);
        state.preferences = FromFlags(start);
        FrmMsgConfirm dialog(state);
        dialog.setMode(c.mode);
        EXPECT_EQ(Control<QLabel>(&dialog, "Label1")->text(),
                  GetLangText(state, c.mode == ConfirmAnswer::PasteMode ? 28001 : 28002));
        EXPECT_EQ(dialog.answer(), 0);
        run(dialog, [&c](QWidget* w) {
            EXPECT_FALSE(Control<QCheckBox>(w, "Check1")->isChecked());
            if (c.tick)
                toggle(w, "Check1");
            click(w, c.button);
        });
        EXPECT_EQ(dialog.answer(), c.answer);
        EXPECT_EQ(ToFlags(state.preferences), c.after);
        EXPECT_EQ(habitBytes(), QByteArray::fromHex(c.bytes));
    }
}

TEST_F(PreferenceDialogs, ClosingTheConfirmationWithoutAButtonChangesAndWritesNothing)
{
    for (int mode : {ConfirmAnswer::PasteMode, ConfirmAnswer::DeleteMode}) {
        state.preferences = FromFlags({false, true, false, true, false});
        const QByteArray before = habitBytes();
        FrmMsgConfirm dialog(state);
        dialog.setMode(mode);
        EXPECT_EQ(dialog.windowTitle(), GetLangText(state, 28000));
        run(dialog, [](QWidget* w) {
            toggle(w, "Check1");
            w->close(); // the close box
        });
        EXPECT_EQ(dialog.answer(), 0) << mode;
        EXPECT_EQ(ToFlags(state.preferences), (Flags{false, true, false, true, false})) << mode;
        EXPECT_EQ(habitBytes(), before) << mode;
    }
}
