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
        for (const char* name : {"a", "b", "c", "d", "e"})
            ASSERT_TRUE(QFile(paths({name}).first()).open(QIODevice::WriteOnly));
        ASSERT_TRUE(QDir().mkdir(dir.filePath("sub")));
        ASSERT_TRUE(QFile::link(dir.filePath("a.dat"), dir.filePath("link.dat")));
    }

    // "a" is a.dat in the temporary folder, "a~" the same file spelled through sub/.. .
    QStringList paths(const QStringList& names) const
    {
        QStringList list;
        for (const QString& name : names)
            list.append(
                dir.filePath(name.endsWith(u'~') ? "sub/../" + name.chopped(1) + ".dat" : name + ".dat"));
        return list;
    }

    QTemporaryDir dir;
    QTemporaryDir store;
};

TEST_F(RecentFiles, TheLatestComesFirstOnceTheOldestBeyondFourGoAndRemovalTakesTheFile)
{
    const struct {
        const char* what;
        QStringList before;
        QString file;
        bool add; // or remove
        QStringList after;
    } cases[] = {
        {"a new file", {"a", "b"}, "c", true, {"c", "a", "b"}},
        {"an older one moves up", {"a", "b", "c"}, "c", true, {"c", "a", "b"}},
        {"the fifth pushes out the oldest", {"a", "b", "c", "d"}, "e", true, {"e", "a", "b", "c"}},
        {"another spelling replaces the entry", {"a", "b"}, "b~", true, {"b~", "a"}},
        {"a link to a listed file is that file", {"b", "a"}, "link", true, {"link", "b"}},
        {"a missing file by two spellings", {"x", "a"}, "x~", true, {"x~", "a"}},
        {"removed by another spelling", {"a", "b", "c"}, "b~", false, {"a", "c"}},
        {"removed through a link", {"link", "b"}, "a", false, {"b"}},
    };
    for (const auto& c : cases) {
        const QString file = paths({c.file}).first();
        EXPECT_EQ(c.add ? ModRecent::WithFileFirst(paths(c.before), file)
                        : ModRecent::WithoutFile(paths(c.before), file),
                  paths(c.after))
            << c.what;
    }
    EXPECT_EQ(ModRecent::MenuText(3, "/x/R&D radios.dat"), "&4 R&&D radios.dat");
}

TEST_F(RecentFiles, TheStoreKeepsTheListAndReadsADamagedOneTidied)
{
    const QString title = QStringLiteral("MK-21 CPS");
    for (const QString& path : paths({"a", "b", "c", "d", "e", "b~"}))
        ModRecent::RememberRecentFile(title, path);
    ModRecent::ForgetRecentFile(title, paths({"e"}).first());
    EXPECT_EQ(ModRecent::LoadRecentFiles(title), paths({"b~", "d", "c"}));

    QStringList damaged = paths({"a", "b", "a~", "c", "d", "e"});
    damaged.insert(1, QString());
    QSettings(title, title).setValue("Recent/Files", damaged);
    EXPECT_EQ(ModRecent::LoadRecentFiles(title), paths({"a", "b", "c", "d"}));
}

} // namespace
} // namespace mk21
