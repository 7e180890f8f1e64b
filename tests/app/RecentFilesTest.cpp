// The recent files: order, limit, one entry per file however it is spelled, removal, the menu
// texts, and the list as the settings store keeps it.
#include "app/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace mk21 {
namespace {

class RecentFiles : public testing::Test {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
        for (const char* name : {"a.dat", "b.dat", "c.dat", "d.dat", "e.dat"}) {
            QFile file(at(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir().mkdir(at("sub")));
        ASSERT_TRUE(QFile::link(at("a.dat"), at("link.dat")));
    }

    // Paths in the temporary folder: "a" is its a.dat, "a~" a spelling through sub/.. .
    QString at(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QStringList paths(const QStringList& names) const
    {
        QStringList list;
        for (const QString& name : names)
            list.append(name.endsWith(u'~') ? at("sub/../" + name.chopped(1) + ".dat") : at(name + ".dat"));
        return list;
    }

    QTemporaryDir dir;
    QTemporaryDir store;
};

TEST_F(RecentFiles, TheLatestComesFirstOnceAndTheOldestBeyondFourGo)
{
    const struct {
        const char* what;
        QStringList before;
        QString added;
        QStringList after;
    } cases[] = {
        {"into an empty list", {}, "a", {"a"}},
        {"a new file", {"a", "b"}, "c", {"c", "a", "b"}},
        {"the first again", {"a", "b"}, "a", {"a", "b"}},
        {"an older one moves up", {"a", "b", "c"}, "c", {"c", "a", "b"}},
        {"the fifth pushes out the oldest", {"a", "b", "c", "d"}, "e", {"e", "a", "b", "c"}},
        {"another spelling replaces the entry", {"a", "b"}, "b~", {"b~", "a"}},
        {"a link to a listed file is that file", {"b", "a"}, "link", {"link", "b"}},
        {"a missing file by two spellings", {"x", "a"}, "x~", {"x~", "a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ModRecent::WithFileFirst(paths(c.before), paths({c.added}).first()), paths(c.after));
    }
}

TEST_F(RecentFiles, RemovalTakesEveryEntryOfThatFile)
{
    EXPECT_EQ(ModRecent::WithoutFile(paths({"a", "b", "c"}), at("sub/../b.dat")), paths({"a", "c"}));
    EXPECT_EQ(ModRecent::WithoutFile(paths({"link", "b"}), at("a.dat")), paths({"b"}));
    EXPECT_EQ(ModRecent::WithoutFile(paths({"a", "b"}), at("x.dat")), paths({"a", "b"}));
}

TEST_F(RecentFiles, MenuTextsNumberTheFileNames)
{
    EXPECT_EQ(ModRecent::MenuText(0, at("a.dat")), "&1 a.dat");
    EXPECT_EQ(ModRecent::MenuText(3, "/x/R&D radios.dat"), "&4 R&&D radios.dat");
}

TEST_F(RecentFiles, TheStoreKeepsTheListAndReadsADamagedOneTidied)
{
    const QString title = QStringLiteral("MK-21 CPS");
    EXPECT_TRUE(ModRecent::LoadRecentFiles(title).isEmpty());
    for (const QString& path : paths({"a", "b", "c", "d", "e", "b~"}))
        ModRecent::RememberRecentFile(title, path);
    EXPECT_EQ(ModRecent::LoadRecentFiles(title), paths({"b~", "e", "d", "c"}));
    ModRecent::ForgetRecentFile(title, at("e.dat"));
    EXPECT_EQ(ModRecent::LoadRecentFiles(title), paths({"b~", "d", "c"}));

    QStringList damaged = paths({"a", "b", "a~", "c", "d", "e"});
    damaged.insert(1, QString());
    QSettings(title, title).setValue("Recent/Files", damaged);
    EXPECT_EQ(ModRecent::LoadRecentFiles(title), paths({"a", "b", "c", "d"}));
}

} // namespace
} // namespace mk21
