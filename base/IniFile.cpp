#include "base/IniFile.h"

#include "base/FileWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace mk21 {

namespace {

QString stripOuterQuotes(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

bool isSectionHeader(const QString& trimmedLine, QString* name)
{
    if (!trimmedLine.startsWith(u'['))
        return false;
    const qsizetype close = trimmedLine.indexOf(u']');
    if (close < 0)
        return false;
    if (name)
        *name = trimmedLine.mid(1, close - 1).trimmed();
    return true;
}

// Splits "key = value"; false for lines that hold no pair.
bool splitPair(const QString& trimmedLine, QString* key, QString* value)
{
    if (trimmedLine.isEmpty() || trimmedLine.startsWith(u';'))
        return false;
    const qsizetype eq = trimmedLine.indexOf(u'=');
    if (eq <= 0)
        return false;
    *key = trimmedLine.left(eq).trimmed();
    *value = stripOuterQuotes(trimmedLine.mid(eq + 1).trimmed());
    return !key->isEmpty();
}

QByteArray readAll(const QString& path, bool* ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

} // namespace

QString DecodeTextFile(const QByteArray& bytes, bool* wasGbk)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    const bool isGbk = utf8.hasError();
    if (isGbk) {
        QStringDecoder gbk("GBK");
        text = gbk.isValid() ? gbk.decode(bytes) : QString::fromLatin1(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (wasGbk)
        *wasGbk = isGbk;
    return text;
}

IniDocument IniDocument::parse(const QString& text)
{
    IniDocument doc;
    QHash<QString, QString>* current = nullptr;
    bool currentIsFirst = false;
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        QString name;
        if (isSectionHeader(trimmed, &name)) {
            const QString lower = name.toLower();
            currentIsFirst = !doc.sections_.contains(lower);
            current = &doc.sections_[lower];
            continue;
        }
        QString key;
        QString value;
        if (current && currentIsFirst && splitPair(trimmed, &key, &value)) {
            const QString lowerKey = key.toLower();
            if (!current->contains(lowerKey))
                current->insert(lowerKey, value);
        }
    }
    return doc;
}

IniDocument IniDocument::load(const QString& path)
{
    bool ok = false;
    const QByteArray bytes = readAll(path, &ok);
    return ok ? parse(DecodeTextFile(bytes)) : IniDocument();
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const auto s = sections_.constFind(section.trimmed().toLower());
    if (s == sections_.constEnd())
        return std::nullopt;
    const auto k = s->constFind(key.trimmed().toLower());
    if (k == s->constEnd())
        return std::nullopt;
    return *k;
}

QString ReadProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue)
{
    return IniDocument::load(path).value(section, key).value_or(defaultValue);
}

bool WriteProfileString(const QString& path, const QString& section, const QString& key, const QString& value)
{
    bool existed = false;
    const QByteArray bytes = readAll(path, &existed);
    bool wasGbk = false;
    const QString text = DecodeTextFile(bytes, &wasGbk);
    // Lines are split where the reader splits them, at every LF, each keeping its own CR: a file
    // with mixed line ends must not hide a section from the writer that the reader finds.
    const QString cr =
        text.contains(QStringLiteral("\r\n")) || text.isEmpty() ? QStringLiteral("\r") : QString();
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the text ended with a line break
    else if (!lines.isEmpty() && !lines.back().endsWith(cr))
        lines.back() += cr; // the last line gets the file's line end

    const QString newLine = key + u'=' + value + cr;
    qsizetype sectionAt = -1;
    qsizetype lastInSection = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        QString name;
        if (isSectionHeader(trimmed, &name)) {
            if (sectionAt >= 0)
                break; // left the first matching section
            if (name.compare(section.trimmed(), Qt::CaseInsensitive) == 0) {
                sectionAt = i;
                lastInSection = i;
            }
            continue;
        }
        if (sectionAt < 0)
            continue;
        if (!trimmed.isEmpty())
            lastInSection = i;
        QString k;
        QString v;
        if (splitPair(trimmed, &k, &v) && k.compare(key.trimmed(), Qt::CaseInsensitive) == 0) {
            lines[i] = newLine;
            sectionAt = -2; // done
            break;
        }
    }
    if (sectionAt >= 0) {
        lines.insert(lastInSection + 1, newLine);
    } else if (sectionAt == -1) {
        lines.append(u'[' + section + u']' + cr);
        lines.append(newLine);
    }

    const QString out = lines.join(u'\n') + u'\n';
    QByteArray encoded;
    if (wasGbk) {
        QStringEncoder gbk("GBK");
        encoded = gbk.isValid() ? QByteArray(gbk.encode(out)) : out.toUtf8();
    } else {
        encoded = out.toUtf8();
    }
    return ModFileWrite::WriteWhole(path, encoded).ok();
}

const IniDocument& IniCache::document(const QString& path)
{
    const QFileInfo info(path);
    const qint64 size = info.exists() ? info.size() : -1;
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    if (path != path_ || size != size_ || modified != modified_) {
        path_ = path;
        size_ = size;
        modified_ = modified;
        document_ = IniDocument::load(path);
    }
    return document_;
}

} // namespace mk21
