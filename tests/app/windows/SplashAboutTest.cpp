#include "app/windows/frmAbout.h"
#include "app/windows/frmSplash.h"

#include "base/IniFile.h"
#include "base/LanguageTexts.h"
#include "tests/support/StagedState.h"
#include "tests/support/WhenModal.h"

#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace mk21;
using mk21::test::Control;
using mk21::test::WhenModal;

namespace {

QImage Shown(const frmSplash& splash)
{
    return Control<QLabel>(&splash, "picLogo")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage Decoded(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(Pictures, OurJpegsDecodeThroughQtsJpegPlugin)
{
    test::StagedState staged;
    const struct {
        const char* file;
        QSize minimum;
    } cases[] = {
        {"PIC/BK_1.jpg", {3, 3}}, // the tiling cuts a one-pixel frame off
        {"PIC/BK_2.jpg", {3, 3}},
        {"StartE.jpg", {320, 200}},
        {"StartC.jpg", {320, 200}},
    };
    for (const auto& c : cases) {
        QImageReader reader(staged.programFile(QString::fromLatin1(c.file)));
        EXPECT_EQ(reader.format(), "jpeg") << c.file;
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << c.file << ": " << reader.errorString().toStdString();
        EXPECT_GE(image.width(), c.minimum.width()) << c.file;
        EXPECT_GE(image.height(), c.minimum.height()) << c.file;
    }
    EXPECT_NE(Decoded(staged.programFile("StartE.jpg")), Decoded(staged.programFile("StartC.jpg")));
    EXPECT_NE(Decoded(staged.programFile("PIC/BK_1.jpg")), Decoded(staged.programFile("PIC/BK_2.jpg")));
}

TEST(Splash, ShowsThePictureOfTheLanguage)
{
    test::StagedState staged;
    const struct {
        Integer language;
        const char* file; // nullptr: an empty picture box
    } cases[] = {{1, "StartE.jpg"}, {2, "StartC.jpg"}, {3, nullptr}, {0, nullptr}};
    for (const auto& c : cases) {
        staged.state.settings.CurrentLanguage = c.language;
        frmSplash splash(staged.state);
        if (c.file == nullptr) {
            EXPECT_TRUE(Control<QLabel>(&splash, "picLogo")->pixmap().isNull()) << c.language;
            continue;
        }
        const QImage expected = Decoded(staged.programFile(QString::fromLatin1(c.file)));
        ASSERT_FALSE(expected.isNull());
        EXPECT_EQ(Shown(splash), expected) << c.language;
    }
}

TEST(Splash, AMissingPictureLeavesTheBoxEmptyAndStillHandsOver)
{
    test::StagedState staged;
    staged.state.settings.CurrentLanguage = 2;
    ASSERT_TRUE(QFile::remove(staged.programFile("StartC.jpg")));
    frmSplash splash(staged.state);
    EXPECT_TRUE(Control<QLabel>(&splash, "picLogo")->pixmap().isNull());
    EXPECT_TRUE(Control<QTimer>(&splash, "Timer1")->isActive());
}

TEST(Splash, AClickBeforeTheTimerHandsOverOnceAndStopsIt)
{
    test::StagedState staged;
    frmSplash splash(staged.state);
    splash.show();
    QSignalSpy handOver(&splash, &frmSplash::handOver);
    auto* timer = Control<QTimer>(&splash, "Timer1");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 2000);
    QTest::mouseClick(Control<QLabel>(&splash, "picLogo"), Qt::LeftButton);
    EXPECT_EQ(handOver.count(), 1);
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(splash.isVisible());
    QTest::mouseClick(Control<QLabel>(&splash, "picLogo"), Qt::LeftButton);
    EXPECT_EQ(handOver.count(), 1);
}

TEST(Splash, TheTimerHandsOverOnceAfterTwoSeconds)
{
    test::StagedState staged;
    // Started before the splash and its timer, so that the time measured is never shorter than
    // the timer's own; a coarse timer may still fire up to 5 % early.
    QElapsedTimer clock;
    clock.start();
    frmSplash splash(staged.state);
    splash.show();
    QSignalSpy handOver(&splash, &frmSplash::handOver);
    ASSERT_TRUE(handOver.wait(4000));
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_FALSE(splash.isVisible());
    QTest::mouseClick(Control<QLabel>(&splash, "picLogo"), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_EQ(handOver.count(), 1);
}

TEST(About, TextsFollowTheLanguageEachTimeItOpens)
{
    test::StagedState staged;
    AppState& state = staged.state;
    const struct {
        const char* control;
        int number;
    } texts[] = {
        {"lblTitle", 24001}, {"lblVersion", 24002}, {"lblDescription", 24003}, {"lblDisclaimer", 24004}};
    for (const char* file : {"english.ini", "chinese.ini"}) {
        state.settings.LanguageFileName = QString::fromLatin1(file);
        const QString path = LanguageFilePath(state.settings);
        auto about = [&](int n) {
            return ReadProfileString(path, QStringLiteral("About"), QString::number(n));
        };
        frmAbout dialog(state);
        EXPECT_EQ(dialog.windowTitle(), about(24000)) << file;
        for (const auto& t : texts) {
            EXPECT_FALSE(about(t.number).isEmpty());
            EXPECT_EQ(Control<QLabel>(&dialog, t.control)->text(), about(t.number))
                << file << " " << t.control;
        }
        EXPECT_EQ(Control<QPushButton>(&dialog, "cmdOK")->text(), about(24005));
        EXPECT_FALSE(Control<QLabel>(&dialog, "Image1")->pixmap().isNull());
        WhenModal([](QWidget* w) { QTest::mouseClick(Control<QPushButton>(w, "cmdOK"), Qt::LeftButton); });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    }
}
