#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>

namespace mk21 {

// Removes trailing blanks, then cuts before the first NUL character.
QString TrimNul(const QString& text);

// A fixed-length text of exactly N single-byte characters, as the radio record stores it.
// Assignment pads with spaces or cuts to N; text() reads it through TrimNul.
template <std::size_t N> class FixedText final {
public:
    FixedText() { bytes_.fill(' '); }
    FixedText(const QString& text) { assign(text); } // NOLINT: behaves like the record field
    FixedText(const char* text) { assign(QString::fromLatin1(text)); } // NOLINT

    FixedText& operator=(const QString& text)
    {
        assign(text);
        return *this;
    }
    FixedText& operator=(const char* text)
    {
        assign(QString::fromLatin1(text));
        return *this;
    }

    // Characters outside Latin-1 cannot be stored in one byte; they become '?'.
    void assign(const QString& text)
    {
        const QByteArray latin = text.toLatin1();
        for (std::size_t i = 0; i < N; ++i) {
            const auto at = static_cast<qsizetype>(i);
            bytes_[i] = at < latin.size() ? latin[at] : ' ';
        }
    }

    // An emptied value: a NUL followed by spaces (reads back as empty).
    void clear()
    {
        bytes_.fill(' ');
        bytes_[0] = '\0';
    }

    // Every stored character, untrimmed.
    QString raw() const { return QString::fromLatin1(bytes_.data(), static_cast<qsizetype>(N)); }
    QString text() const { return TrimNul(raw()); }

    std::array<char, N>& bytes() { return bytes_; }
    const std::array<char, N>& bytes() const { return bytes_; }
    static constexpr std::size_t size() { return N; }

    friend bool operator==(const FixedText&, const FixedText&) = default;

private:
    std::array<char, N> bytes_{};
};

} // namespace mk21
