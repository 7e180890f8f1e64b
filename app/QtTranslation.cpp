#include "app/QtTranslation.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace mk21::ModLanguage {

namespace {

// The installed translator is the application's child of this name; it carries its language.
const QString translatorName = QStringLiteral("mk21QtTexts");
const char* const languageProperty = "mk21Language";

} // namespace

bool FollowQtTexts(int language, const QString& folder)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr)
        return false;
    const int wanted = language == 2 ? 2 : 1;
    auto* installed = application->findChild<QTranslator*>(translatorName, Qt::FindDirectChildrenOnly);
    if (installed != nullptr && installed->property(languageProperty).toInt() == wanted)
        return true;
    delete installed; // a translator removes itself from the application
    if (wanted == 1)
        return true;
    auto translator = std::make_unique<QTranslator>();
    // qtbase holds the widgets' texts; qt_ is the catalogue that names it, for older layouts.
    if (!translator->load(QStringLiteral("qtbase_zh_CN"), folder) &&
        !translator->load(QStringLiteral("qt_zh_CN"), folder))
        return false;
    translator->setObjectName(translatorName);
    translator->setProperty(languageProperty, wanted);
    QTranslator* owned = translator.release();
    owned->setParent(application); // the application owns it from here
    QCoreApplication::installTranslator(owned);
    return true;
}

} // namespace mk21::ModLanguage
