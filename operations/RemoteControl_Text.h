#pragma once
// Text helpers of the command-file runner and its actions. Letter case is plain ASCII
// ("A" to "Z", "a" to "z"); positions count characters: a surrogate pair is one
// character, and so is a lone surrogate (a byte of a name that is not UTF-8).

#include <QString>

#include <string>
#include <string_view>

inline QChar AsciiUpper(QChar c)
{
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c;
}
inline QChar AsciiLower(QChar c)
{
    return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c;
}
inline QString AsciiUpper(QString s)
{
    for (QChar &c : s)
        c = AsciiUpper(c);
    return s;
}
inline QString AsciiLower(QString s)
{
    for (QChar &c : s)
        c = AsciiLower(c);
    return s;
}

// The characters of a text, one code point (or lone surrogate) each.
inline std::u32string Chars(QStringView s)
{
    std::u32string out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            out.push_back(QChar::surrogateToUcs4(c, s[i + 1]));
            ++i;
        } else {
            out.push_back(c.unicode());
        }
    }
    return out;
}

// The inverse of Chars: lone surrogates come back as they were.
inline QString Text(std::u32string_view chars)
{
    QString out;
    out.reserve(qsizetype(chars.size()));
    for (const char32_t c : chars) {
        if (QChar::requiresSurrogates(c)) {
            out.append(QChar(QChar::highSurrogate(c)));
            out.append(QChar(QChar::lowSurrogate(c)));
        } else {
            out.append(QChar(char16_t(c)));
        }
    }
    return out;
}

// The first character of a text (empty for an empty text).
inline QString FirstCharacter(QStringView s)
{
    if (s.isEmpty())
        return {};
    const bool pair = s.size() > 1 && s[0].isHighSurrogate() && s[1].isLowSurrogate();
    return s.left(pair ? 2 : 1).toString();
}
