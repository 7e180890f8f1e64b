#include "app/windows/frmAbout.h"

#include "app/AppState.h"
#include "base/LanguageTexts.h"
#include "base/texts/AboutTexts.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace mk21 {

namespace {
QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}
} // namespace

frmAbout::frmAbout(AppState& state, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setWindowTitle(GetLangText(state, Texts::About::Caption));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_ComputerIcon);
    Image1->setPixmap(icon.pixmap(32, 32));
    Image1->setAlignment(Qt::AlignTop);

    lblTitle = NamedLabel(this, "lblTitle", GetLangText(state, Texts::About::Title));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = NamedLabel(this, "lblVersion", GetLangText(state, Texts::About::Version));
    lblDescription = NamedLabel(this, "lblDescription", GetLangText(state, Texts::About::Description));
    lblDisclaimer = NamedLabel(this, "lblDisclaimer", GetLangText(state, Texts::About::Disclaimer));
    cmdOK = new QPushButton(GetLangText(state, Texts::About::Ok), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 3, 1);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(lblDescription, 2, 1);
    layout->addWidget(lblDisclaimer, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    layout->addLayout(buttons, 4, 0, 1, 2);
    setMinimumWidth(420);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace mk21
