#include "base/TextOps.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace mk21 {

QString TrimNul(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    QString result = text.left(end);
    const qsizetype nul = result.indexOf(QChar(u'\0'));
    if (nul >= 0)
        result.truncate(nul);
    return result;
}

namespace ModFun {

bool IsNumeric(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

double ToNumber(const QString& text)
{
    if (!IsNumeric(text))
        return 0;
    QString t = text.trimmed();
    if (t.startsWith(u'+'))
        t.remove(0, 1);
    return QLocale::c().toDouble(t);
}

QString PlainNumber(double value)
{
    // Fixed notation: an exponent form ("1e-05") would not read back as a number.
    return QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
}

QString DtmfCodeToText(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c == u'E')
            c = u'*';
        else if (c == u'F')
            c = u'#';
    }
    return out;
}

QString DtmfTextToCode(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c == u'*')
            c = u'E';
        else if (c == u'#')
            c = u'F';
    }
    return out;
}

QString FileNameOfPath(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return cut < 0 ? path : path.mid(cut + 1);
}

std::int16_t Times16(double number)
{
    if (std::isnan(number))
        return 0;
    const double scaled = std::nearbyint(number * 16);
    const double clamped = std::clamp(scaled, double(std::numeric_limits<std::int16_t>::min()),
                                      double(std::numeric_limits<std::int16_t>::max()));
    return static_cast<std::int16_t>(clamped);
}

int NumOrDefault(const QString& text, int defaultValue)
{
    if (text.isEmpty() || !IsNumeric(text))
        return defaultValue;
    const double value = std::nearbyint(ToNumber(text));
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(value);
}

} // namespace ModFun
} // namespace mk21
