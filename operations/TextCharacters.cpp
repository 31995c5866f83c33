#include "operations/TextCharacters.h"

#include <algorithm>

QChar AsciiUpper(QChar C)
{
    return C >= u'a' && C <= u'z' ? QChar(C.unicode() - 32) : C;
}

QChar AsciiLower(QChar C)
{
    return C >= u'A' && C <= u'Z' ? QChar(C.unicode() + 32) : C;
}

QString AsciiUpper(const QString &S)
{
    QString r = S;
    for (QChar &c : r)
        c = AsciiUpper(c);
    return r;
}

QString AsciiLower(const QString &S)
{
    QString r = S;
    for (QChar &c : r)
        c = AsciiLower(c);
    return r;
}

QString FirstLetterUpper(const QString &S)
{
    if (S.isEmpty())
        return S;
    QString r = S;
    r[0] = AsciiUpper(r[0]);
    return r;
}

QString WordStartsUpper(const QString &S)
{
    QString r = S;
    bool wordStart = true;
    for (QChar &c : r) {
        if (c == u' ') {
            wordStart = true;
        } else {
            if (wordStart)
                c = AsciiUpper(c);
            wordStart = false;
        }
    }
    return r;
}

QString SwapCase(const QString &S)
{
    QString r = S;
    for (QChar &c : r)
        c = c >= u'a' && c <= u'z' ? AsciiUpper(c) : AsciiLower(c);
    return r;
}

std::u32string Chars(QStringView S)
{
    std::u32string out;
    out.reserve(std::size_t(S.size()));
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar c = S[i];
        if (c.isHighSurrogate() && i + 1 < S.size() && S[i + 1].isLowSurrogate()) {
            out.push_back(QChar::surrogateToUcs4(c, S[i + 1]));
            ++i;
        } else {
            out.push_back(c.unicode());
        }
    }
    return out;
}

QString Text(std::u32string_view Characters)
{
    QString out;
    out.reserve(qsizetype(Characters.size()));
    for (const char32_t c : Characters) {
        if (QChar::requiresSurrogates(c)) {
            out.append(QChar(QChar::highSurrogate(c)));
            out.append(QChar(QChar::lowSurrogate(c)));
        } else {
            out.append(QChar(char16_t(c)));
        }
    }
    return out;
}

QString LeftText(std::u32string_view Characters, qsizetype Count)
{
    return Text(Characters.substr(0, std::size_t(std::clamp<qsizetype>(Count, 0, qsizetype(Characters.size())))));
}

QString TextFrom(std::u32string_view Characters, qsizetype From)
{
    return Text(Characters.substr(std::size_t(std::clamp<qsizetype>(From, 0, qsizetype(Characters.size())))));
}

QString FirstCharacter(QStringView S)
{
    if (S.isEmpty())
        return {};
    const bool pair = S.size() > 1 && S[0].isHighSurrogate() && S[1].isLowSurrogate();
    return S.left(pair ? 2 : 1).toString();
}
