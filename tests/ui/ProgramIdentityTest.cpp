#include "ui/ProgramIdentity.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// Every size drawn into resources/icons is compiled into the program, picture for picture, and
// is what the windows get as their icon.
TEST(ProgramIdentity, EverySizeOfTheIconIsCompiledIn)
{
    const QDir drawn(QStringLiteral(MK21_SOURCE_DIR "/resources/icons/hicolor"));
    const QStringList sizes = drawn.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(sizes.size(), 7);
    mk21::SetProgramIdentity();
    const QIcon icon = QGuiApplication::windowIcon();
    for (const QString& size : sizes) {
        SCOPED_TRACE(size.toStdString());
        const QImage file(drawn.filePath(size + QStringLiteral("/apps/mk21cps.png")));
        ASSERT_FALSE(file.isNull());
        EXPECT_TRUE(icon.availableSizes().contains(file.size()));
        EXPECT_TRUE(icon.pixmap(file.size()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                    file.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
}

} // namespace
