#include "channels/Preferences.h"

#include "app/AppState.h"
#include "tests/support/StagedState.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace mk21;
using mk21::test::StagedState;

namespace {

QString habitPath(const StagedState& staged)
{
    return staged.programFile(QStringLiteral("Habit.ini"));
}

void writeHabit(const StagedState& staged, const QByteArray& bytes)
{
    QFile file(habitPath(staged));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readHabit(const StagedState& staged)
{
    QFile file(habitPath(staged));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

EditingPreferences allTrue()
{
    return {true, true, true, true, true};
}

// The five flags as a bit pattern, first preference in bit 0.
int bitsOf(const EditingPreferences& p)
{
    return (p.NoPasteQuestion ? 1 : 0) | (p.PasteInserts ? 2 : 0) | (p.NoDeleteQuestion ? 4 : 0) |
           (p.DeleteRemovesChannels ? 8 : 0) | (p.OffSetShowMode ? 16 : 0);
}

EditingPreferences fromBits(int bits)
{
    return {(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0, (bits & 16) != 0};
}

} // namespace

TEST(Preferences, LoadReadsTheStoredRecord)
{
    const struct {
        const char* what;
        QByteArray bytes;
        int bits;
    } cases[] = {
        {"first and fifth -1", QByteArray::fromHex("FFFF000000000000FFFF"), 1 | 16},
        {"all -1", QByteArray::fromHex("FFFFFFFFFFFFFFFFFFFF"), 31},
        {"all 0", QByteArray(10, '\0'), 0},
        {"any nonzero is true", QByteArray::fromHex("010000010000FF7F0000"), 1 | 2 | 8},
        {"empty file", QByteArray(), 0},
        {"short file", QByteArray::fromHex("0000FF"), 2},
        {"bytes beyond the record", QByteArray::fromHex("00000000FFFF00000000FFFF"), 4},
    };
    for (const auto& c : cases) {
        StagedState staged;
        writeHabit(staged, c.bytes);
        staged.state.preferences = fromBits(31 & ~c.bits); // the opposite, to see every field set
        LoadPreferences(staged.state);
        EXPECT_EQ(bitsOf(staged.state.preferences), c.bits) << c.what;
        EXPECT_EQ(readHabit(staged), c.bytes) << c.what << ": loading must not change the file";
        EXPECT_TRUE(staged.prompter.asked.isEmpty()) << c.what;
    }
}

TEST(Preferences, MissingFileIsCreatedEmpty)
{
    StagedState staged;
    QFile::remove(habitPath(staged));
    staged.state.preferences = allTrue();
    LoadPreferences(staged.state);
    EXPECT_EQ(bitsOf(staged.state.preferences), 0);
    ASSERT_TRUE(QFile::exists(habitPath(staged)));
    EXPECT_EQ(QFile(habitPath(staged)).size(), 0);
}

TEST(Preferences, UnreadableFileReadsAllFalse)
{
    StagedState staged;
    QFile::remove(habitPath(staged));
    ASSERT_TRUE(QDir().mkpath(habitPath(staged))); // a folder where the file should be
    staged.state.preferences = allTrue();
    LoadPreferences(staged.state);
    EXPECT_EQ(bitsOf(staged.state.preferences), 0);
}

TEST(Preferences, SaveWritesTheWholeRecord)
{
    StagedState staged;
    writeHabit(staged, QByteArray(16, '\x55')); // longer than a record: replaced, not overwritten in place
    staged.state.preferences = {false, true, false, false, true};
    ASSERT_TRUE(SavePreferences(staged.state));
    EXPECT_EQ(readHabit(staged), QByteArray::fromHex("0000FFFF00000000FFFF"));
}

TEST(Preferences, RoundTripOfEveryCombination)
{
    StagedState staged;
    for (int bits = 0; bits < 32; ++bits) {
        staged.state.preferences = fromBits(bits);
        ASSERT_TRUE(SavePreferences(staged.state)) << bits;
        ASSERT_EQ(readHabit(staged).size(), Habits::RecordSize) << bits;
        staged.state.preferences = fromBits(31 & ~bits);
        LoadPreferences(staged.state);
        EXPECT_EQ(bitsOf(staged.state.preferences), bits);
    }
}

TEST(Preferences, UnwritableLocation)
{
    StagedState staged;
    // The program folder lies under a plain file, so nothing can be created there (even as root).
    const QString blocker = staged.rootFile(QStringLiteral("blocker"));
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    staged.state.settings.ProgramFolder = blocker + QStringLiteral("/V200");
    staged.state.preferences = fromBits(1 | 8);
    EXPECT_FALSE(SavePreferences(staged.state));
    EXPECT_EQ(bitsOf(staged.state.preferences), 1 | 8) << "the change stays in memory";

    LoadPreferences(staged.state);
    EXPECT_EQ(bitsOf(staged.state.preferences), 0);
    EXPECT_TRUE(staged.prompter.asked.isEmpty());
}
