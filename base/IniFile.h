#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

namespace mk21 {

// Text of a settings or language file: UTF-8 when the bytes are valid UTF-8, otherwise GBK.
QString DecodeTextFile(const QByteArray& bytes, bool* wasGbk = nullptr);

// A parsed private-profile file with the classic rules: names case-insensitive, the first section
// and the first key of a name win, blanks around names and values trimmed, ';' starts a comment
// only at the start of a line, one pair of outer quotes stripped, backslashes literal.
class IniDocument final {
public:
    static IniDocument parse(const QString& text);
    static IniDocument load(const QString& path); // a missing or unreadable file reads as empty

    std::optional<QString> value(const QString& section, const QString& key) const;

private:
    QHash<QString, QHash<QString, QString>> sections_; // lower-cased names
};

// Reads one value; an absent file, section or key gives the default.
QString ReadProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue = {});

// Writes one value, keeping every other line of the file as it was; creates file and section as
// needed. Returns false when the file cannot be written.
bool WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);

// Keeps one parsed file and parses it again only when its path, size or time stamp changes.
class IniCache final {
public:
    const IniDocument& document(const QString& path);

private:
    QString path_;
    qint64 size_ = -1;
    QDateTime modified_;
    IniDocument document_;
};

} // namespace mk21
