#include "app/windows/MainToolBar.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"

#include <QAction>
#include <QIcon>
#include <QStyle>

namespace mk21
{

namespace
{

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
    {"NewFile", 11000, "document-new", QStyle::SP_FileIcon},
    {"OpenFile", 11001, "document-open", QStyle::SP_DialogOpenButton},
    {"SaveFile", 11002, "document-save", QStyle::SP_DialogSaveButton},
    {},
    {"Print", 11003, "document-print", QStyle::SP_FileDialogDetailedView},
    {},
    {"ReadRadio", 11004, "go-down", QStyle::SP_ArrowDown},
    {"CommSet", 11005, "preferences-system", QStyle::SP_ComputerIcon},
    {"WriteRadio", 11006, "go-up", QStyle::SP_ArrowUp},
    {},
    {"BtnCHCut", 11010, "edit-cut", {}, ":/toolbar/edit-cut.png"},
    {"BtnCHCopy", 11011, "edit-copy", {}, ":/toolbar/edit-copy.png"},
    {"BtnCHPaste", 11012, "edit-paste", {}, ":/toolbar/edit-paste.png"},
    {},
    {"BtnCHInsert", 11013, "list-add", QStyle::SP_FileDialogListView},
    {"BtnCHDelete", 11014, "list-remove", QStyle::SP_TrashIcon},
    {"BtnCHMoveUp", 11015, "go-up", QStyle::SP_ArrowUp},
    {"BtnCHMoveDown", 11016, "go-down", QStyle::SP_ArrowDown},
    {},
    {"About", 11007, "help-about", QStyle::SP_MessageBoxInformation},
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
