// The rename-function language of the sub-view "Funktionen": a line of commands such
// as "<N:ZSA3:SZU>", each run over the whole batch before the next one. Commands
// rewrite the stem of each name; the folder and the extension stay.

#include "operations/fktUmbenennen.h"

#include "operations/TextCharacters.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen_Eintrag.h"
#include "platform/Abort.h"
#include "platform/toolkit/Edits.h"
#include "shell/Haupt.h"

#include <limits>

using namespace RenameEntry;

namespace {

QString FunctionText()
{
    return HauptForm->UmbenennungsFunktion->Text();
}

// The keyword of a command, compared in ASCII without regard to case.
bool IsKeyword(const QString &Command, QLatin1StringView Keyword)
{
    return Command.size() >= 3 && AsciiUpper(Command.left(3)) == Keyword;
}

// The places of "ZSA": a run of "0"-"9" that fits 32 bits, kept modulo 256.
int PlacesOf(const QString &Parameter)
{
    if (Parameter.isEmpty())
        ReportAndAbort(9106);
    qint64 value = 0;
    for (QChar c : Parameter) {
        if (c < u'0' || c > u'9')
            ReportAndAbort(9106);
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<std::int32_t>::max())
            ReportAndAbort(9106);
    }
    return int(value % 256);
}

bool IsAsciiLetterOrDigit(char32_t C)
{
    return (C >= U'A' && C <= U'Z') || (C >= U'a' && C <= U'z') || (C >= U'0' && C <= U'9');
}

// Command of the function text as an operation on a stem; aborts as the language says.
std::function<QString(const QString &)> OperationOf(const QString &Command)
{
    const QString parameter = Command.mid(3);
    if (IsKeyword(Command, QLatin1StringView("ZSA"))) {
        const int places = PlacesOf(parameter);
        return [places](const QString &S) { return PadDigitRuns(S, places); };
    }
    if (IsKeyword(Command, QLatin1StringView("ZED"))) {
        const qsizetype semicolon = parameter.indexOf(u';');
        if (semicolon < 0)
            return [](const QString &S) { return S; };
        const QString a = parameter.left(semicolon);
        const QString b = NameText(parameter.mid(semicolon + 1));
        return [a, b](const QString &S) { return ReplaceText(S, a, b); };
    }
    if (IsKeyword(Command, QLatin1StringView("SZE")))
        return RemoveSpecialCharacters;
    if (IsKeyword(Command, QLatin1StringView("SZU")))
        return TransliterateUmlauts;
    if (IsKeyword(Command, QLatin1StringView("LFA")))
        return TrimBlanks;
    if (IsKeyword(Command, QLatin1StringView("LVG")))
        return BlankBeforeCapitals;
    if (IsKeyword(Command, QLatin1StringView("LVZ"))) {
        const std::u32string chars = Chars(parameter);
        if (chars.empty())
            return [](const QString &S) { return S; }; // no character matches nothing
        const char32_t c = chars.front();
        if (IsAsciiLetterOrDigit(c))
            ReportAndAbort(9116);
        return [c](const QString &S) { return BlankBeforeCharacter(S, c); };
    }
    Abort(); // an unknown command (an empty one too) ends the action silently
}

} // namespace

QString GetRenameFunctionCommand(int K)
{
    const QString text = FunctionText();
    qsizetype start = -1;
    for (int k = 0; k < K; ++k) {
        start = text.indexOf(u':', start + 1);
        if (start < 0)
            return {};
    }
    const qsizetype next = text.indexOf(u':', start + 1);
    if (next >= 0)
        return text.mid(start + 1, next - start - 1);
    const qsizetype close = text.lastIndexOf(u'>');
    return close > start ? text.mid(start + 1, close - start - 1) : QString();
}

void ApplyRenameFunction()
{
    CheckTargetFolder();
    const qsizetype count = FunctionText().count(u':');
    if (count == 0)
        ReportAndAbort(9105);
    QStringList &entries = HauptForm->NeueDateinamen;
    // Each entry keeps its own folder while the commands run; the target modes move it
    // once, at the end, with its sub-path below the collected folder.
    QStringList folders;
    folders.reserve(entries.size());
    for (const QString &entry : std::as_const(entries))
        folders.append(Split(entry).Folder);
    for (int k = 1; k <= count; ++k) {
        const auto operation = OperationOf(GetRenameFunctionCommand(k));
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const PartViews p = SplitView(entries[i]);
            const QString stem = p.Stem.toString();
            const QString newStem = operation(stem);
            if (newStem != stem)
                Store(entries, i, p.Folder.toString(), newStem + p.Ext.toString());
        }
    }
    if (TargetMode() != 0)
        for (qsizetype i = 0; i < entries.size(); ++i)
            entries[i] = TextRuleFolder(folders[i]) + SplitView(entries[i]).Name.toString();
}

QString ZeroString(int N)
{
    return QString(std::max(N, 0), u'0');
}

QString PadDigitRuns(const QString &S, int N)
{
    QString r;
    r.reserve(S.size() + N);
    qsizetype run = 0; // digits seen in the current run
    for (qsizetype i = 0; i <= S.size(); ++i) {
        const bool digit = i < S.size() && S[i] >= u'0' && S[i] <= u'9';
        if (digit) {
            ++run;
            continue;
        }
        if (run > 0) {
            if (run < N)
                r += ZeroString(int(N - run));
            r += QStringView(S).sliced(i - run, run);
            run = 0;
        }
        if (i < S.size())
            r += S[i];
    }
    return r;
}

QString ReplaceText(const QString &S, const QString &A, const QString &B)
{
    return StringReplaceAll(S, A, B);
}

QString RemoveSpecialCharacters(const QString &S)
{
    QString r;
    r.reserve(S.size());
    for (QChar c : S)
        if (!SpecialCharacters.contains(c) && !UmlautCharacters.contains(c))
            r += c;
    return r;
}

QString TransliterateUmlauts(const QString &S)
{
    static const std::pair<char16_t, const char16_t *> Table[] = {
        {u'\u00C4', u"Ae"}, {u'\u00D6', u"Oe"}, {u'\u00DC', u"Ue"}, {u'\u00E4', u"ae"},
        {u'\u00F6', u"oe"}, {u'\u00FC', u"ue"}, {u'\u00DF', u"ss"},
    };
    QString r = S;
    for (const auto &[umlaut, latin] : Table)
        r.replace(QChar(umlaut), QString::fromUtf16(latin));
    return r;
}

QString TrimBlanks(const QString &S)
{
    qsizetype from = 0;
    qsizetype to = S.size();
    while (from < to && S[from] == u' ')
        ++from;
    while (to > from && S[to - 1] == u' ')
        --to;
    return S.mid(from, to - from);
}

QString BlankBeforeCapitals(const QString &S)
{
    QString r;
    r.reserve(S.size() * 2);
    for (qsizetype i = 0; i < S.size(); ++i) {
        if (i > 0 && S[i] >= u'A' && S[i] <= u'Z')
            r += u' ';
        r += S[i];
    }
    return r;
}

QString BlankBeforeCharacter(const QString &S, char32_t C)
{
    const std::u32string chars = Chars(S);
    std::u32string r;
    r.reserve(chars.size() * 2);
    for (size_t i = 0; i < chars.size(); ++i) {
        if (i > 0 && chars[i] == C)
            r += U' ';
        r += chars[i];
    }
    return Text(r);
}
