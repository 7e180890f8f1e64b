#include "app/windows/FrmSetLanguage.h"

#include "app/Startup.h"
#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "tests/support/StagedState.h"
#include "tests/support/WhenModal.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace mk21;
using mk21::test::Control;
using mk21::test::WhenModal;

namespace {

class LanguageDialog : public testing::Test {
protected:
    LanguageDialog()
    {
        QFile file(MySetupPath(state));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("cannot write mysetup.ini");
        file.write("[language]\r\nIsFirstRun=0\r\ncomPort=3\r\nCurrentLanguage=7\r\n");
    }

    QString stored(const char* key) const
    {
        return ReadProfileString(MySetupPath(state), QStringLiteral("language"), QString::fromLatin1(key));
    }

    QByteArray mysetupBytes() const
    {
        QFile file(MySetupPath(state));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void setLanguage(Integer language)
    {
        state.settings.CurrentLanguage = language;
        state.settings.LanguageFileName = language == 2 ? "chinese.ini" : "english.ini";
        state.settings.ShownLanguage = 0; // shows whether OK set it
    }

    // Runs the dialog modally; `choose` moves the list, then `button` is clicked.
    int run(Qt::Key choose, const char* button)
    {
        FrmSetLanguage dialog(state);
        WhenModal([choose, button](QWidget* w) {
            if (choose != Qt::Key_unknown)
                QTest::keyClick(Control<QComboBox>(w, "Combo1"), choose);
            QTest::mouseClick(Control<QPushButton>(w, button), Qt::LeftButton);
        });
        return dialog.exec();
    }

    test::StagedState staged;
    AppState& state = staged.state;
};

} // namespace

TEST_F(LanguageDialog, ShowsItsTextsAndSelectsTheCurrentLanguage)
{
    const QString file = LanguageFilePath(state.settings);
    auto lang = [&](int n) { return ReadProfileString(file, QStringLiteral("Lang"), QString::number(n)); };
    const struct {
        Integer language;
        int selected;
    } cases[] = {{1, 0}, {2, 1}, {5, 0}, {0, 0}};
    for (const auto& c : cases) {
        state.settings.CurrentLanguage = c.language;
        FrmSetLanguage dialog(state);
        auto* combo = Control<QComboBox>(&dialog, "Combo1");
        EXPECT_EQ(combo->currentIndex(), c.selected) << c.language;
        ASSERT_EQ(combo->count(), 2);
        EXPECT_EQ(combo->itemText(0), lang(23002));
        EXPECT_EQ(combo->itemText(1), lang(23003));
        EXPECT_EQ(dialog.windowTitle(), lang(23000));
        EXPECT_EQ(Control<QLabel>(&dialog, "Label1")->text(), lang(23001));
        EXPECT_EQ(Control<QPushButton>(&dialog, "CommandOK")->text(), GetLangText(state, 9017));
        EXPECT_FALSE(Control<QPushButton>(&dialog, "CommandOK")->text().isEmpty());
        EXPECT_EQ(Control<QPushButton>(&dialog, "CommandCancel")->text(), GetLangText(state, 9018));
    }
}

TEST_F(LanguageDialog, OkMakesTheChoiceCurrentAndStoresIt)
{
    const struct {
        Integer from;
        Qt::Key choose;
        Integer current;
        Integer shown;
        const char* file;
    } cases[] = {
        {1, Qt::Key_Down, 2, 1, "chinese.ini"},
        {2, Qt::Key_Up, 1, 2, "english.ini"},
        {1, Qt::Key_unknown, 1, 0, "english.ini"}, // unchanged: only the file is written
        {2, Qt::Key_unknown, 2, 0, "chinese.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        setLanguage(c.from);
        EXPECT_EQ(run(c.choose, "CommandOK"), QDialog::Accepted);
        EXPECT_EQ(state.settings.CurrentLanguage, c.current);
        EXPECT_EQ(state.settings.ShownLanguage, c.shown);
        EXPECT_EQ(state.settings.LanguageFileName, c.file);
        EXPECT_EQ(stored("CurrentLanguage"), QString::number(c.current));
        EXPECT_EQ(stored("comPort"), "3");
        EXPECT_EQ(stored("IsFirstRun"), "0");
    }
}

TEST_F(LanguageDialog, CancelChangesAndWritesNothing)
{
    setLanguage(1);
    const QByteArray before = mysetupBytes();
    EXPECT_EQ(run(Qt::Key_Down, "CommandCancel"), QDialog::Rejected);
    EXPECT_EQ(state.settings.CurrentLanguage, 1);
    EXPECT_EQ(state.settings.ShownLanguage, 0);
    EXPECT_EQ(state.settings.LanguageFileName, "english.ini");
    EXPECT_EQ(mysetupBytes(), before);
}

TEST_F(LanguageDialog, EnterInTheListMovesToTheNextControlOnly)
{
    setLanguage(1);
    const QByteArray before = mysetupBytes();
    FrmSetLanguage dialog(state);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* combo = Control<QComboBox>(&dialog, "Combo1");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(dialog.focusWidget(), Control<QPushButton>(&dialog, "CommandOK"));
    EXPECT_TRUE(dialog.isVisible()); // the default button was not pressed
    EXPECT_EQ(mysetupBytes(), before);
}
