#include "tools/ctl/Usage.h"

#include "ProjectVersion.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace mk21::ctl {

namespace {

struct OptionHelp {
    const char* key;  // the option's name without dashes
    const char* text; // its line in the usage, with the two leading blanks
};

// In the order the usage lists them; --yes and --verify name the retry counts, filled in below.
constexpr std::array<OptionHelp, 16> optionHelp{{
    {"model", "  --model CODE        model code: ZR750 (MK-21G) or ZR750G (MK-21), any letter case"},
    {"band", "  --band N            band number (a wrong one lists them all)"},
    {"o", "  -o FILE             the file to write"},
    {"i", "  -i FILE             the data file to write into the radio"},
    {"device", "  --device PATH       the radio's serial device"},
    {"port", "  --port N[=DEVICE]   port number N (1..16), standing for DEVICE during this run when given"},
    {"image", "  --image FILE        also keep the radio's 2832-byte image in FILE"},
    {"password", "  --password P        the radio's password"},
    {"yes", "  --yes               answer OK/Yes to the session's questions (a silent radio is retried at\n"
            "                      most {retries} times); without it they are asked on the terminal, or\n"
            "                      answered with the cautious button"},
    {"verify", "  --verify            read the radio back after a write and compare (the default); a\n"
               "                      difference fails the write (with --yes it is written again at most\n"
               "                      {rewrites} times)"},
    {"no-verify", "  --no-verify         do not read the radio back after a write"},
    {"trace", "  --trace FILE        write every frame sent and received, timed, and the session's states\n"
              "                      to FILE, for whoever helps with a session that fails"},
    {"lang", "  --lang 1|2          message language: 1 English (the default), 2 Chinese"},
    {"data-root", "  --data-root DIR     run on the runtime tree in DIR (DIR/V200, DIR/Version.ini)"},
    {"help", "  -h, --help          this text; mk21ctl COMMAND --help shows that command's"},
    {"version", "  --version           the program's name and version"},
}};

struct CommandHelp {
    const char* name;
    const char* synopsis; // after "mk21ctl "
    const char* summary;
    const char* options; // keys of optionHelp, blank-separated
};

constexpr std::array<CommandHelp, 7> commandHelp{{
    {"new", "new --model CODE --band N -o FILE.dat", "a new configuration for that model and band",
     "model band o"},
    {"encode", "encode FILE.dat -o FILE.img", "the 2832-byte radio image of a data file", "o"},
    {"decode", "decode FILE.img -o FILE.dat", "a radio image saved as a data file (and its side file)", "o"},
    {"show", "show FILE", "a readable listing of a data file or an image", ""},
    {"read",
     "read (--device PATH | --port N[=DEVICE]) -o FILE.dat [--image FILE.img] [--password P]\n"
     "               [--model CODE --band N] [--yes] [--trace FILE]",
     "read a radio's configuration into a data file", "device port o image password model band yes trace"},
    {"write",
     "write (--device PATH | --port N[=DEVICE]) -i FILE.dat [--password P] [--yes]\n"
     "               [--verify | --no-verify] [--trace FILE]",
     "write a data file into a radio", "device port i password yes verify no-verify trace"},
    {"info", "info (--device PATH | --port N[=DEVICE]) [--password P] [--yes] [--trace FILE]",
     "read and show the radio's information area", "device port password yes trace"},
}};

const char* const commonOptions = "lang data-root help";

QString optionLines(const QString& keys)
{
    QStringList lines;
    for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts)) {
        const auto help = std::find_if(optionHelp.begin(), optionHelp.end(),
                                       [&](const OptionHelp& o) { return key == QLatin1String(o.key); });
        if (help != optionHelp.end())
            lines.append(QString::fromLatin1(help->text)
                             .replace(QLatin1String("{retries}"), QString::number(RetriesWithYes))
                             .replace(QLatin1String("{rewrites}"), QString::number(RewritesWithYes)));
    }
    return lines.join(u'\n') + u'\n';
}

} // namespace

QString UsageText()
{
    QString text = QStringLiteral("usage:\n");
    for (const CommandHelp& command : commandHelp)
        text += QStringLiteral("  mk21ctl %1\n").arg(QLatin1String(command.synopsis));
    text += QStringLiteral("  mk21ctl COMMAND --help | mk21ctl --help | mk21ctl --version\ncommands:\n");
    for (const CommandHelp& command : commandHelp)
        text += QStringLiteral("  %1 %2\n")
                    .arg(QLatin1String(command.name), -8)
                    .arg(QLatin1String(command.summary));
    QStringList keys;
    for (const OptionHelp& option : optionHelp)
        keys.append(QLatin1String(option.key));
    text += QStringLiteral("options:\n") + optionLines(keys.join(u' '));
    text += QStringLiteral("SIGINT (Ctrl+C) or SIGTERM stops a radio command at the next block: the radio is "
                           "told END,\nnothing is saved.\n"
                           "exit status: 0 success, 1 failure (the message says why), 2 usage error, 130 "
                           "stopped by a signal\n");
    return text;
}

QString CommandUsage(const QString& command)
{
    const auto help = std::find_if(commandHelp.begin(), commandHelp.end(),
                                   [&](const CommandHelp& c) { return command == QLatin1String(c.name); });
    if (help == commandHelp.end())
        return UsageText();
    return QStringLiteral("usage: mk21ctl %1\n%2\noptions:\n")
               .arg(QLatin1String(help->synopsis), QLatin1String(help->summary)) +
           optionLines(QString::fromLatin1(help->options) + u' ' + QLatin1String(commonOptions));
}

QString VersionText()
{
    return QStringLiteral("mk21ctl %1\n").arg(QLatin1String(ProjectVersion));
}

} // namespace mk21::ctl
