#include "tools/sim/SimOptions.h"

#include "ProjectVersion.h"

#include <QCommandLineParser>

namespace mk21::sim {

const char* UsageText()
{
    return "usage: mk21sim [options]\n"
           "Plays an MK-21 radio on a new pseudo-terminal; prints the device path as the first line.\n"
           "  --memory FILE        3328-byte radio memory, loaded at start, saved after an END that\n"
           "                       followed writes and on exit (a missing file starts a blank radio)\n"
           "  --echo               the cable echoes every byte the program sends\n"
           "  --password TEXT      up to 4 characters at 2876..2879; \"\" clears it to FF bytes\n"
           "  --model CODE         identity model code (ZR750G), at most 7 characters\n"
           "  --band N             identity band number (0)\n"
           "  --firmware TAG       identity firmware version (V200), at most 4 characters\n"
           "  --capability BYTE    identity capability byte (0; 0x.. for hexadecimal)\n"
           "  --baud N             line rate for pacing, 10 bits a byte (9600)\n"
           "  --no-pacing          send and take bytes as fast as the pseudo-terminal allows\n"
           "  --seed N             seed of the random faults (default: from the clock, logged)\n"
           "  --fault FAULT        may be repeated; FAULT is one of\n"
           "                         KIND:RATE     each eligible reply with probability RATE (0..1)\n"
           "                         KIND@N        the Nth eligible reply of the run\n"
           "                         KIND@addr=A   the next block request for address A\n"
           "                         hangup-after:K  close the line once K block requests are answered\n"
           "                         silent        never answer (the cable echo still works)\n"
           "                       KIND: drop, garbage, delay (any reply), checksum, address (data\n"
           "                       blocks), resend (0A for a good write block, not stored)\n"
           "  --delay-ms MS        how late a delayed reply comes (400)\n"
           "  --verbose            log every request and reply to stderr\n"
           "  -h, --help           this text\n"
           "  --version            the program's name and version\n";
}

QString VersionText()
{
    return QStringLiteral("mk21sim %1\n").arg(QLatin1String(ProjectVersion));
}

namespace {

bool ParseInt(const QString& text, int low, int high, int& value)
{
    bool ok = false;
    const int v = text.toInt(&ok, 0);
    if (!ok || v < low || v > high)
        return false;
    value = v;
    return true;
}

bool IsPlainText(const QString& text, int maxLength)
{
    if (text.size() > maxLength)
        return false;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

} // namespace

ParsedOptions ParseOptions(const QStringList& arguments)
{
    ParsedOptions parsed;
    QCommandLineParser parser;
    const QCommandLineOption memory(QStringLiteral("memory"), {}, QStringLiteral("FILE"));
    const QCommandLineOption echo(QStringLiteral("echo"));
    const QCommandLineOption password(QStringLiteral("password"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption model(QStringLiteral("model"), {}, QStringLiteral("CODE"));
    const QCommandLineOption band(QStringLiteral("band"), {}, QStringLiteral("N"));
    const QCommandLineOption firmware(QStringLiteral("firmware"), {}, QStringLiteral("TAG"));
    const QCommandLineOption capability(QStringLiteral("capability"), {}, QStringLiteral("BYTE"));
    const QCommandLineOption baud(QStringLiteral("baud"), {}, QStringLiteral("N"));
    const QCommandLineOption noPacing(QStringLiteral("no-pacing"));
    const QCommandLineOption seed(QStringLiteral("seed"), {}, QStringLiteral("N"));
    const QCommandLineOption fault(QStringLiteral("fault"), {}, QStringLiteral("FAULT"));
    const QCommandLineOption delayMs(QStringLiteral("delay-ms"), {}, QStringLiteral("MS"));
    const QCommandLineOption verbose(QStringLiteral("verbose"));
    const QCommandLineOption help(QStringList{QStringLiteral("help"), QStringLiteral("h")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({memory, echo, password, model, band, firmware, capability, baud, noPacing, seed, fault,
                       delayMs, verbose, help, version});
    if (!parser.parse(arguments)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        parsed.help = parser.isSet(help);
        parsed.version = !parsed.help;
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        parsed.error = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
        return parsed;
    }

    SimOptions o;
    o.memoryPath = parser.value(memory);
    o.echo = parser.isSet(echo);
    o.verbose = parser.isSet(verbose);
    if (parser.isSet(password)) {
        const QString text = parser.value(password);
        if (!IsPlainText(text, 4)) {
            parsed.error = QStringLiteral("the password is at most 4 plain characters");
            return parsed;
        }
        o.password = text.toStdString();
    }
    if (parser.isSet(model)) {
        const QString text = parser.value(model);
        if (!IsPlainText(text, 7)) {
            parsed.error = QStringLiteral("the model code is at most 7 plain characters");
            return parsed;
        }
        o.identity.model = text.toStdString();
    }
    if (parser.isSet(firmware)) {
        const QString text = parser.value(firmware);
        if (!IsPlainText(text, 4)) {
            parsed.error = QStringLiteral("the firmware tag is at most 4 plain characters");
            return parsed;
        }
        o.identity.firmware = text.toStdString();
    }
    int value = 0;
    if (parser.isSet(band)) {
        if (!ParseInt(parser.value(band), 0, 255, value)) {
            parsed.error = QStringLiteral("the band is a number 0..255");
            return parsed;
        }
        o.identity.band = static_cast<std::uint8_t>(value);
    }
    if (parser.isSet(capability)) {
        if (!ParseInt(parser.value(capability), 0, 255, value)) {
            parsed.error = QStringLiteral("the capability is a byte 0..255");
            return parsed;
        }
        o.identity.capability = static_cast<std::uint8_t>(value);
    }
    if (parser.isSet(baud) && !ParseInt(parser.value(baud), 50, 4'000'000, o.baud)) {
        parsed.error = QStringLiteral("the baud rate is a number 50..4000000");
        return parsed;
    }
    if (parser.isSet(noPacing))
        o.baud = 0;
    if (parser.isSet(delayMs) && !ParseInt(parser.value(delayMs), 0, 60'000, o.delayMs)) {
        parsed.error = QStringLiteral("the delay is 0..60000 ms");
        return parsed;
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        o.seed = parser.value(seed).toULongLong(&ok, 0);
        if (!ok) {
            parsed.error = QStringLiteral("the seed is a whole number");
            return parsed;
        }
    }
    for (const QString& faultText : parser.values(fault)) {
        if (!o.faults.AddFault(faultText, parsed.error))
            return parsed;
    }
    parsed.options = std::move(o);
    return parsed;
}

} // namespace mk21::sim
