#pragma once
// Characters and letter case of names, shared by the rename rules and the command-file
// actions. Letter case is plain ASCII ("A" to "Z", "a" to "z"); positions count
// characters: a surrogate pair is one character, and so is a lone surrogate (a byte of
// a name that is not UTF-8).

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

// Letter case of "A"-"Z" and "a"-"z" only; every other character stays as it is.
QChar AsciiUpper(QChar C);
QChar AsciiLower(QChar C);
QString AsciiUpper(const QString &S);
QString AsciiLower(const QString &S);
// The first character upper-cased, the rest as it is.
QString FirstLetterUpper(const QString &S);
// The first character that is not a blank, and every one after blanks, upper-cased;
// nothing is lowered.
QString WordStartsUpper(const QString &S);
// "A"-"Z" lower-cased and "a"-"z" upper-cased.
QString SwapCase(const QString &S);

// The characters of a text, one code point (or lone surrogate) each.
std::u32string Chars(QStringView S);
// The inverse of Chars: lone surrogates come back as they were.
QString Text(std::u32string_view Characters);
// The first Count characters as text (Count clamped to 0..size).
QString LeftText(std::u32string_view Characters, qsizetype Count);
// The characters from index From (0-based, clamped to 0..size) to the end as text.
QString TextFrom(std::u32string_view Characters, qsizetype From);
// The first character of a text (empty for an empty text).
QString FirstCharacter(QStringView S);
