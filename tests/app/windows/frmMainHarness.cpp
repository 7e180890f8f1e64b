#include "tests/app/windows/frmMainHarness.h"

#include "app/AppState.h"
#include "app/QtTranslation.h"
#include "app/Startup.h"
#include "app/windows/MainSessions.h"
#include "channels/windows/frmCommChInfo.h"
#include "ui/ChildWindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace mk21::test {

namespace {

const char* const standInForms[] = {"frmCommChInfo", "FrmOptFeatures", "FrmKey", "FrmScan", "FrmRadioInfo"};

} // namespace

std::optional<QString> ScriptedDialogs::next()
{
    ++shown;
    if (answers.isEmpty())
        return std::nullopt;
    const QString answer = answers.takeFirst();
    if (answer.isEmpty())
        return std::nullopt;
    return answer;
}

std::optional<QString> ScriptedDialogs::openFile(const QString& filter)
{
    filters.append(filter);
    return next();
}

std::optional<QString> ScriptedDialogs::saveFile(const QString& filter, const QString& preset)
{
    filters.append(filter);
    presets.append(preset);
    return next();
}

MainWindowHarness::MainWindowHarness(int language) : previousFolder_(QDir::currentPath())
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsStore.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsStore.path());
    QDir::setCurrent(work_.path());
    StartupEnvironment environment;
    environment.systemLocaleIsChinesePrc = language == 2; // the staged tree starts as a first run
    RunStartup(state, environment);
}

MainWindowHarness::~MainWindowHarness()
{
    window.reset();
    ModLanguage::FollowQtTexts(1); // Qt's texts of a Chinese window never reach the next test
    QDir::setCurrent(previousFolder_);
}

frmMain& MainWindowHarness::open()
{
    window = std::make_unique<frmMain>(state);
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window->setFileDialogs(std::move(scripted));
    window->sessions().setBackupFolder(workFile(QStringLiteral("backups"))); // never the user's
    window->setLauncher([this](const QString& program) {
        launched.append(program);
        return true;
    });
    for (const char* form : standInForms) {
        const QString name = QString::fromLatin1(form);
        const bool isTable = name == QLatin1String(frmCommChInfo::FormName);
        if ((realChannelTable && isTable) || (realEditors && !isTable))
            continue;
        window->setChildForm(name, [name] {
            auto standIn = std::make_unique<QWidget>();
            standIn->setWindowTitle(name);
            return standIn;
        });
    }
    // The window opened the real channel table while it loaded; the tests of the window's own
    // commands start without it and get the stand-in when they open one.
    if (!realChannelTable)
        ModFun::UnloadFormByName(window->mdiArea(), QLatin1String(frmCommChInfo::FormName));
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return *window;
}

QAction* MainWindowHarness::action(const char* name) const
{
    QAction* found = window->findChild<QAction*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void MainWindowHarness::clickNode(const char* key)
{
    auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    ASSERT_NE(tree, nullptr);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    for (int i = 0; i < root->childCount(); ++i) {
        QTreeWidgetItem* item = root->child(i);
        if (item->data(0, Qt::UserRole).toString() == QLatin1String(key)) {
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
            return;
        }
    }
    ADD_FAILURE() << "no tree node " << key;
}

QStringList MainWindowHarness::children() const
{
    QStringList names;
    for (const QMdiSubWindow* sub : window->mdiArea()->subWindowList()) {
        if (!sub->isHidden())
            names.append(sub->widget()->objectName());
    }
    return names;
}

QMdiSubWindow* MainWindowHarness::child(const QString& name) const
{
    for (QMdiSubWindow* sub : window->mdiArea()->subWindowList()) {
        if (!sub->isHidden() && sub->widget()->objectName() == name)
            return sub;
    }
    return nullptr;
}

void MainWindowHarness::change()
{
    state.WorkingConfiguration.Channels[0].TxPower =
        static_cast<Integer>(1 - state.SavedConfiguration.Channels[0].TxPower);
}

bool MainWindowHarness::waitForNewDocument()
{
    return QTest::qWaitFor([this] { return !window->NewDocTimer.isActive(); }, 2000);
}

} // namespace mk21::test
