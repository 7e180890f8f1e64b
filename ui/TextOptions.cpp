#include "ui/TextOptions.h"

#include <QByteArray>

#include <algorithm>
#include <array>

namespace mk21 {

namespace {

constexpr std::array<const char*, 6> textOptions{"-h", "--help", "-?", "--help-all", "-v", "--version"};
// The options whose value is the next argument.
constexpr std::array<const char*, 2> valueOptions{"--data-root", "--port"};

bool isOneOf(const QString& argument, const auto& options)
{
    return std::any_of(options.begin(), options.end(),
                       [&](const char* option) { return argument == QLatin1String(option); });
}

} // namespace

bool AsksOnlyForText(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            return false;
        if (isOneOf(argument, valueOptions))
            ++i;
        else if (isOneOf(argument, textOptions))
            return true;
    }
    return false;
}

void UseNoDisplayForTextOptions(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (AsksOnlyForText(arguments))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace mk21
