#include "link/windows/FrmSetComm.h"

#include "app/Startup.h"
#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "link/PortChoice.h"
#include "link/PortMap.h"
#include "tests/support/StagedState.h"
#include "tests/support/WhenModal.h"

#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace mk21;
using mk21::test::Control;
using mk21::test::WhenModal;

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QRadioButton* Option(const QWidget* dialog, int k)
{
    return Control<QRadioButton>(dialog, QStringLiteral("Option1(%1)").arg(k).toLatin1().constData());
}

// Ports 3 and 5 stand for files of this test (present), port 4 for a missing device named in
// mysetup.ini; the session port is 3.
class PortDialog : public testing::Test {
protected:
    PortDialog()
    {
        const bool written =
            WriteFile(deviceOf3, "") && WriteFile(deviceOf5, "") &&
            WriteFile(MySetupPath(state), "[language]\r\nIsFirstRun=0\r\ncomPort=3\r\n"
                                          "CurrentLanguage=1\r\n[ports]\r\n4=/dev/mk21-missing\r\n");
        if (!written)
            throw std::runtime_error("cannot prepare the port files");
        state.settings.comPort = 3;
        state.settings.PortOverrides.insert(3, deviceOf3);
        state.settings.PortOverrides.insert(5, deviceOf5);
    }

    // Runs the dialog modally: option `choose` (none when negative) is clicked, then `button`.
    int run(int choose, const char* button)
    {
        FrmSetComm dialog(state);
        WhenModal([choose, button](QWidget* w) {
            if (choose >= 0)
                QTest::mouseClick(Option(w, choose), Qt::LeftButton);
            QTest::mouseClick(Control<QPushButton>(w, button), Qt::LeftButton);
        });
        const int result = dialog.exec();
        EXPECT_FALSE(dialog.ReCommTimer.isActive());
        return result;
    }

    QString stored(const char* section, const char* key) const
    {
        return ReadProfileString(MySetupPath(state), QString::fromLatin1(section), QString::fromLatin1(key));
    }

    test::StagedState staged;
    AppState& state = staged.state;
    QTemporaryDir devices;
    QString deviceOf3 = devices.filePath(QStringLiteral("ttyMK21-3"));
    QString deviceOf5 = devices.filePath(QStringLiteral("ttyMK21-5"));
};

TEST_F(PortDialog, EachOptionShowsItsNumberAndDevice)
{
    state.settings.SimulatedRadioPort = 5;
    FrmSetComm dialog(state);
    const QString prefix = GetLangText(state, 22002);
    const QString simulated = GetLangText(state, 22003);
    ASSERT_FALSE(simulated.isEmpty());
    EXPECT_EQ(dialog.windowTitle(), GetLangText(state, 22000));
    EXPECT_EQ(Control<QGroupBox>(&dialog, "Frame1")->title(), GetLangText(state, 22001));
    EXPECT_TRUE(dialog.ReCommTimer.isActive());
    EXPECT_EQ(dialog.ReCommTimer.interval(), 1000);

    const QList<int> present = ModPorts::PresentPortNumbers(state);
    const QList<ModPorts::PortOption> options = ModPorts::PortOptions(state);
    for (int k = 0; k < 16; ++k) {
        SCOPED_TRACE(k);
        const QRadioButton* option = Option(&dialog, k);
        const QString text = option->text();
        EXPECT_EQ(text, ModPorts::OptionCaption(options.at(k), prefix, simulated));
        EXPECT_TRUE(text.startsWith(prefix + QString::number(k + 1) + QLatin1Char(' ')))
            << text.toStdString();
        EXPECT_TRUE(text.contains(ModPorts::DeviceOfPort(state, k + 1))) << text.toStdString();
        EXPECT_EQ(text.contains(simulated), k == 4);
        EXPECT_EQ(option->isEnabled(), present.contains(k + 1));
        EXPECT_EQ(option->isChecked(), k == 2);
    }
    EXPECT_TRUE(Option(&dialog, 2)->text().contains(deviceOf3));
    EXPECT_TRUE(Option(&dialog, 2)->isEnabled());
    EXPECT_TRUE(Option(&dialog, 3)->text().contains(QLatin1String("/dev/mk21-missing")));
    EXPECT_FALSE(Option(&dialog, 3)->isEnabled());
}

TEST_F(PortDialog, OkStoresTheChosenPortAndCancelNothing)
{
    const QByteArray before = FileBytes(MySetupPath(state));
    EXPECT_EQ(run(4, "CommandCancel"), QDialog::Rejected);
    EXPECT_EQ(state.settings.comPort, 3);
    EXPECT_EQ(FileBytes(MySetupPath(state)), before);

    EXPECT_EQ(run(4, "CommandOK"), QDialog::Accepted);
    EXPECT_EQ(state.settings.comPort, 5);
    EXPECT_EQ(stored("language", "comPort"), "5");
    EXPECT_EQ(stored("language", "CurrentLanguage"), "1");
    EXPECT_EQ(stored("ports", "4"), "/dev/mk21-missing");
}

TEST_F(PortDialog, TheSimulatedRadiosPortIsUsedForThisRunOnly)
{
    state.settings.SimulatedRadioPort = 5;
    const QByteArray before = FileBytes(MySetupPath(state));
    EXPECT_EQ(run(4, "CommandOK"), QDialog::Accepted);
    EXPECT_EQ(state.settings.comPort, 5);
    EXPECT_EQ(FileBytes(MySetupPath(state)), before) << "the user's port 3 stays stored";
    EXPECT_TRUE(staged.prompter.asked.isEmpty());

    EXPECT_EQ(run(2, "CommandOK"), QDialog::Accepted);
    EXPECT_EQ(state.settings.comPort, 3);
    EXPECT_EQ(stored("language", "comPort"), "3");
    state.settings.SimulatedRadioPort = 0; // a run without the simulated radio stores port 5 again
    EXPECT_EQ(run(4, "CommandOK"), QDialog::Accepted);
    EXPECT_EQ(stored("language", "comPort"), "5");
}

TEST_F(PortDialog, PortsThatComeAndGoAreFollowedAndTheSelectionStays)
{
    const QString appearing = devices.filePath(QStringLiteral("ttyMK21-6"));
    state.settings.PortOverrides.insert(6, appearing);
    FrmSetComm dialog(state);
    dialog.show();
    ASSERT_TRUE(Option(&dialog, 2)->isEnabled());
    ASSERT_FALSE(Option(&dialog, 5)->isEnabled());

    ASSERT_TRUE(QFile::remove(deviceOf3));
    ASSERT_TRUE(WriteFile(appearing, ""));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Option(&dialog, 2)->isEnabled(); }, 2500));
    EXPECT_TRUE(Option(&dialog, 5)->isEnabled());
    EXPECT_TRUE(Option(&dialog, 2)->isChecked());
}

} // namespace
