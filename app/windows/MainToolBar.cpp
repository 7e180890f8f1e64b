#include "app/windows/MainToolBar.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/MainWindowTexts.h"

#include <QAction>
#include <QIcon>
#include <QStyle>

namespace mk21 {

namespace {

// One position of the toolbar; a null key is a separator.
struct ButtonRow {
    const char* key = nullptr;
    int tooltip = 0;
    const char* themeIcon = nullptr;
    QStyle::StandardPixmap fallback = QStyle::SP_CustomBase;
    // Our own picture where the style has none that means the same; used instead of `fallback`.
    const char* picture = nullptr;
};

const ButtonRow buttons[MainToolBar::Positions] = {
    {"NewFile", Texts::ToolBar::NewFile, "document-new", QStyle::SP_FileIcon},
    {"OpenFile", Texts::ToolBar::OpenFile, "document-open", QStyle::SP_DialogOpenButton},
    {"SaveFile", Texts::ToolBar::SaveFile, "document-save", QStyle::SP_DialogSaveButton},
    {},
    {"Print", Texts::ToolBar::Print, "document-print", QStyle::SP_FileDialogDetailedView},
    {},
    {"ReadRadio", Texts::ToolBar::ReadRadio, "go-down", QStyle::SP_ArrowDown},
    {"CommSet", Texts::ToolBar::CommSet, "preferences-system", QStyle::SP_ComputerIcon},
    {"WriteRadio", Texts::ToolBar::WriteRadio, "go-up", QStyle::SP_ArrowUp},
    {},
    {"BtnCHCut", Texts::ToolBar::ChannelCut, "edit-cut", {}, ":/toolbar/edit-cut.png"},
    {"BtnCHCopy", Texts::ToolBar::ChannelCopy, "edit-copy", {}, ":/toolbar/edit-copy.png"},
    {"BtnCHPaste", Texts::ToolBar::ChannelPaste, "edit-paste", {}, ":/toolbar/edit-paste.png"},
    {},
    {"BtnCHInsert", Texts::ToolBar::ChannelInsert, "list-add", QStyle::SP_FileDialogListView},
    {"BtnCHDelete", Texts::ToolBar::ChannelDelete, "list-remove", QStyle::SP_TrashIcon},
    {"BtnCHMoveUp", Texts::ToolBar::ChannelMoveUp, "go-up", QStyle::SP_ArrowUp},
    {"BtnCHMoveDown", Texts::ToolBar::ChannelMoveDown, "go-down", QStyle::SP_ArrowDown},
    {},
    {"About", Texts::ToolBar::About, "help-about", QStyle::SP_MessageBoxInformation},
};

} // namespace

MainToolBar::MainToolBar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("tbToolBar"));
    setMovable(false);
    for (const ButtonRow& row : buttons) {
        if (row.key == nullptr) {
            buttons_.append(addSeparator());
            continue;
        }
        const QString key = QString::fromLatin1(row.key);
        const QIcon fallback = row.picture != nullptr ? QIcon(QString::fromLatin1(row.picture))
                                                      : style()->standardIcon(row.fallback);
        QAction* button =
            addAction(QIcon::fromTheme(QString::fromLatin1(row.themeIcon), fallback), QString());
        button->setObjectName(key);
        connect(button, &QAction::triggered, this, [this, key] { emit buttonClicked(key); });
        buttons_.append(button);
    }
    showChannelButtons(false);
}

void MainToolBar::setTexts(AppState& state)
{
    for (int i = 0; i < Positions; ++i) {
        if (buttons[i].key == nullptr)
            continue;
        const QString tip = GetLangText(state, buttons[i].tooltip);
        buttons_[i]->setText(tip);
        buttons_[i]->setToolTip(tip);
    }
}

void MainToolBar::showChannelButtons(bool show)
{
    for (int position = FirstChannelPosition; position <= LastChannelPosition; ++position)
        at(position)->setVisible(show);
}

} // namespace mk21
