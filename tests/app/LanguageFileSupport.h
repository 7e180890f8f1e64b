#pragma once

#include "base/LanguageTexts.h"
#include "tests/support/StagedState.h"

#include <QFile>

#include <gtest/gtest.h>

#include <optional>

namespace mk21::test {

inline void WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The chosen language file of a staged state: nullopt removes it.
inline void SetLanguageFile(StagedState& s, const std::optional<QByteArray>& bytes)
{
    const QString path = LanguageFilePath(s.state.settings);
    if (bytes)
        WriteWholeFile(path, *bytes);
    else
        ASSERT_TRUE(QFile::remove(path));
}

} // namespace mk21::test
