#include "app/windows/frmMain.h"

#include "app/AppState.h"
#include "app/ConfigurationChange.h"
#include "app/QtTranslation.h"
#include "app/Startup.h"
#include "app/WindowPlacement.h"
#include "app/windows/FileDialogs.h"
#include "app/windows/MainBackground.h"
#include "app/windows/MainSessions.h"
#include "app/windows/MainStatusBar.h"
#include "app/windows/MainToolBar.h"
#include "app/windows/MainTreePanel.h"
#include "app/windows/Switchboard.h"
#include "base/LanguageTexts.h"
#include "base/TextOps.h"
#include "base/texts/MainWindowTexts.h"
#include "base/texts/MessageTexts.h"
#include "channels/windows/ChannelWindows.h"
#include "channels/windows/frmCommChInfo.h"
#include "data/ModelBand.h"
#include "features/windows/EditorWindow.h"
#include "link/SerialLink.h"
#include "ui/ChildWindows.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QUrl>

namespace mk21 {

namespace {

bool IsChannelTable(const QMdiSubWindow* sub)
{
    return sub != nullptr && sub->widget() != nullptr &&
           sub->widget()->objectName() == QLatin1String(frmCommChInfo::FormName);
}

} // namespace

frmMain::frmMain(AppState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(std::make_unique<QtFileDialogs>(this)),
      folderOpener_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("frmMain"));
    buildWindow();
    switchboard_ = std::make_unique<Switchboard>(state_, mdiArea_, this);
    connectCommands();
    sessions_ = std::make_unique<MainSessions>(state_, *this);
    link_ = &sessions_->link();
    restorePlacement();
    SetMainTexts();
    ShowRecentFiles();
    LoadTree();
    LoadNewDoc2();
    setAcceptDrops(true);
}

frmMain::~frmMain()
{
    // The area reports its windows going while it is destroyed, after this window has gone.
    disconnect(mdiArea_, nullptr, this, nullptr);
}

void frmMain::buildWindow()
{
    // Right clicks on the bars would offer Qt's own hide menu beside the View menu.
    setContextMenuPolicy(Qt::NoContextMenu);

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    plainBackground_ = mdiArea_->background();
    // A child window larger than the area (the channel table in the default window size) must
    // still be reachable to its right and bottom edges.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);

    menus_.build(*this);

    tbToolBar = new MainToolBar(this);
    addToolBar(Qt::TopToolBarArea, tbToolBar);

    Picture1 = new MainTreePanel;
    panelDock_ = new QDockWidget(this);
    panelDock_->setObjectName(QStringLiteral("Picture1Dock"));
    panelDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    panelDock_->setTitleBarWidget(new QWidget(panelDock_)); // the panel draws its own title bar
    panelDock_->setWidget(Picture1);
    addDockWidget(Qt::LeftDockWidgetArea, panelDock_);

    sbStatusBar = new MainStatusBar(this);
    setStatusBar(sbStatusBar);

    TimerCHEdit.setObjectName(QStringLiteral("TimerCHEdit"));
    TimerCHEdit.setInterval(ChannelCommandInterval);
    TimerCHEdit.setSingleShot(true);
    NewDocTimer.setObjectName(QStringLiteral("NewDocTimer"));
    NewDocTimer.setInterval(NewDocInterval);
    NewDocTimer.setSingleShot(true);
}

void frmMain::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    dialogs_ = std::move(dialogs);
}

ChannelWindows& frmMain::channelWindows()
{
    return switchboard_->channelWindows();
}

void frmMain::setChildForm(const QString& name, ModFun::WindowFactory factory)
{
    switchboard_->setStandIn(name, std::move(factory));
}

void frmMain::OpenChildForm(const QString& name)
{
    switchboard_->open(name);
}

void frmMain::CloseCurAllWindows()
{
    mdiArea_->closeAllSubWindows();
}

void frmMain::childActivated()
{
    // The channel commands belong to the channel table; they show while it is the current child.
    ShowCHInfo(IsChannelTable(mdiArea_->currentSubWindow()));
}

void frmMain::ShowCHInfo(bool show)
{
    menus_.MnuCHEdit->menuAction()->setVisible(show);
    tbToolBar->showChannelButtons(show);
}

void frmMain::SetSaveEditData()
{
    // The channel table stores a value still being typed and leaves in-place editing.
    if (frmCommChInfo* table = channelWindows().table()) {
        table->ValidateActiveEditor();
        table->SetEditDisable();
    }
}

void frmMain::CommitOpenEditors()
{
    SetSaveEditData();
    // The editors store what is typed without the focus moving: a menu or a key takes none.
    for (const QMdiSubWindow* child : mdiArea_->subWindowList()) {
        auto* editor = qobject_cast<EditorWindow*>(child->widget());
        if (editor != nullptr && ModFun::IsLoadedChild(editor))
            editor->CommitPendingText();
    }
    // The channel edit window stores a field when the field loses the focus.
    QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && mdiArea_->isAncestorOf(focused))
        focused->clearFocus();
}

void frmMain::SetMainTexts()
{
    dialogFilter_ = GetLangText(state_, Texts::Msg::FileType) + QStringLiteral(" (*.dat)");
    sbStatusBar->setPort(GetLangText(state_, Texts::Main::PortLabel) +
                         QString::number(state_.settings.comPort));
    sbStatusBar->setModelBand(ModelBandTable::DisplayNameOfModelCode(state_.model.CurrentModelCode) +
                              QLatin1Char('[') + state_.model.CurrentBandText + QLatin1Char(']'));
    ShowMainTxt();
    LoadBKPic();
    ModLanguage::FollowQtTexts(state_.settings.CurrentLanguage);
    menus_.setTexts(state_);
    tbToolBar->setTexts(state_);
}

void frmMain::ShowMainTxt()
{
    const QString model = ModelBandTable::DisplayNameOfModelCode(state_.model.CurrentModelCode);
    setWindowTitle(GetLangText(state_, Texts::Main::ApplicationTitle) + QLatin1Char('[') + model +
                   QLatin1Char(':') + state_.model.CurrentBandText + QStringLiteral("][") +
                   GetLangText(state_, Texts::Main::FileLabel) + QLatin1Char(':') +
                   ModFun::FileNameOfPath(state_.document.DocumentPath) + QLatin1Char(']'));
    Picture1->setModelName(model);
}

void frmMain::LoadTree()
{
    Picture1->LoadTree(state_);
    menus_.MnuDTMF->setVisible(true);
}

void frmMain::Change_Language()
{
    SetMainTexts();
    LoadTree();
}

void frmMain::LoadBKPic()
{
    const QString path = BackgroundPicturePath(state_.settings);
    if (path != tilePath_) {
        tile_ = BackgroundTile(path);
        tilePath_ = path;
    }
    // Without a readable picture the area keeps its plain background.
    mdiArea_->setBackground(tile_.isNull() ? plainBackground_ : QBrush(tile_));
}

void frmMain::Form_Activate()
{
    AppSettings& settings = state_.settings;
    if (settings.CurrentLanguage == settings.ShownLanguage)
        return;
    settings.ShownLanguage = settings.CurrentLanguage;
    Change_Language();
    CloseCurAllWindows();
    OpenChildForm(QLatin1String(frmCommChInfo::FormName));
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    LoadBKPic();
}

void frmMain::restorePlacement()
{
    const WindowPlacement placement = LoadPlacement(state_.settings.ApplicationTitle);
    move(Twips::ToPixelsX(placement.left, *this), Twips::ToPixelsY(placement.top, *this));
    resize(Twips::ToPixelsX(placement.width, *this), Twips::ToPixelsY(placement.height, *this));
}

void frmMain::storePlacement()
{
    SavePlacement(state_.settings.ApplicationTitle,
                  {Twips::FromPixelsX(x(), *this), Twips::FromPixelsY(y(), *this),
                   Twips::FromPixelsX(width(), *this), Twips::FromPixelsY(height(), *this)});
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (endingAtOnce_) {
        event->accept();
        return;
    }
    // The child windows go first, each with its own unload; one that refuses keeps us open.
    CloseCurAllWindows();
    for (const QMdiSubWindow* sub : mdiArea_->subWindowList()) {
        if (!sub->isHidden()) {
            event->ignore();
            return;
        }
    }
    if (!isMinimized())
        storePlacement();
    if (ModDocument::IsConfigurationChanged(state_)) {
        const PromptAnswer answer =
            ShowMsg(state_, Texts::Msg::SaveChanges, PromptIcon::Warning, PromptButtons::YesNoCancel);
        // Cancel, or a save that did not complete (dialog or question cancelled, write failed),
        // keeps us open; the child windows have closed, so the document is shown again.
        if (answer == PromptAnswer::Cancel || (answer == PromptAnswer::Yes && !mnuFileSave_Click())) {
            event->ignore();
            OpenChildForm(QLatin1String(frmCommChInfo::FormName));
            return;
        }
    }
    if (link_ != nullptr && link_->isOpen())
        link_->close();
    CompleteSettingsAtExit(state_);
    event->accept();
}

} // namespace mk21
