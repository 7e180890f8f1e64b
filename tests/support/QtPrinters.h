#pragma once

// How GoogleTest prints Qt's text types in a failure message: as quoted, escaped text, where it
// would otherwise list the bytes of every element. Qt's classes live in the global namespace, so
// the printers do too, for argument-dependent lookup to find them. A QStringList prints as a list
// of such texts. Every test source gets this header through the compiler's -include.

#include <gtest/gtest-printers.h>

#include <QByteArray>
#include <QChar>
#include <QString>

#include <ostream>
#include <string>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << ::testing::PrintToString(text.toStdString());
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << ::testing::PrintToString(bytes.toStdString());
}

inline void PrintTo(QChar c, std::ostream* os)
{
    *os << ::testing::PrintToString(QString(c).toStdString());
}
