// The rename actions 1 to 10 of a command file. Each computes the new name of every
// entry and carries the change out at once (CarryOutBatch).

#include "operations/RemoteControl.h"

#include "operations/TextCharacters.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen_Eintrag.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "shell/Haupt.h"

#include <QStringBuilder>

#include <algorithm>
#include <optional>

namespace {

using RenameEntry::NameText;
using RenameEntry::Parts;

// Carries out the batch: Rule gives the new file name of entry i, or nullopt to leave
// the entry out. DATEILVK 0 renames in the entry's folder, 1 moves and 2 copies into
// the target folder; a move or copy never replaces a file. Only carried-out moves are
// logged (old path, new path), copies only when LogCopies is set, each right after it
// succeeded. A new name that is empty, "." or ".." leaves the entry as it is, and so
// does a pair to be logged whose paths cannot be (CR or LF). The log is written in
// every case.
template<typename Rule>
void CarryOutBatch(Rule rule, bool LogCopies = false)
{
    const TCommandFileSettings &s = CommandSettings;
    const QStringList &batch = HauptForm->AlteDateinamen;
    UndoLogWriter log;
    const bool inPlace = s.DATEILVK == 0;
    const bool intoTarget =
        (s.DATEILVK == 1 || s.DATEILVK == 2) && s.ZIELVERZEICHNIS.startsWith(u'/');
    const bool logged = s.DATEILVK != 2 || LogCopies;
    if (inPlace || intoTarget) {
        if (logged)
            HauptForm->ProtokollListBox.reserve(2 * batch.size());
        for (qsizetype i = 0; i < batch.size(); ++i) {
            const QString &oldPath = batch[i];
            const Parts parts = RenameEntry::Split(oldPath);
            const std::optional<QString> name = rule(parts, i);
            if (!name || fs::isPlaceholderName(*name))
                continue;
            // Views, so that the builder allocates the path exactly (the batch's log keeps it).
            const QString newPath = QStringView(inPlace ? parts.Folder : s.ZIELVERZEICHNIS) % QStringView(*name);
            if (logged && (!UndoLogWriter::CanLog(oldPath) || !UndoLogWriter::CanLog(newPath)))
                continue;
            const bool done = s.DATEILVK == 2 ? bool(fs::copyFile(oldPath, newPath))
                                              : newPath == oldPath || fs::moveFile(oldPath, newPath);
            if (done && logged)
                log.Append(oldPath, newPath);
        }
    }
    log.Finish();
}

// The extension in the case DEND asks for.
QString CasedExt(const QString &ext)
{
    switch (CommandSettings.DEND) {
    case 1: return AsciiUpper(ext);
    case 2: return AsciiLower(ext);
    default: return ext;
    }
}

// STWERT + i in decimal, padded with zeros after the sign to STANZ characters.
QString NumberText(qint64 value, int places)
{
    const QString digits = QString::number(value < 0 ? -value : value);
    const qsizetype sign = value < 0 ? 1 : 0;
    const qsizetype zeros = std::max<qsizetype>(0, places - sign - digits.size());
    QString text(sign + zeros + digits.size(), u'0');
    if (sign)
        text[0] = u'-';
    std::copy(digits.cbegin(), digits.cend(), text.begin() + sign + zeros);
    return text;
}

QString Number(qsizetype i)
{
    return NumberText(qint64(CommandSettings.STWERT) + i, CommandSettings.STANZ);
}

// Advances the letter index: the last character steps to the next code; "z" and
// anything above it become "a" and carry to the character before. Past the last
// value the index starts again at "a...a".
void AdvanceLetterIndex(std::u32string &index)
{
    for (auto i = index.size(); i-- > 0;) {
        if (index[i] < U'z') {
            ++index[i];
            return;
        }
        index[i] = U'a';
    }
}

// Letter case of a stem or extension for OPTION1 (0 first letter, 1 word starts,
// 2 upper, 3 lower, 4 swap). The extension's first letter is the one after its dot.
QString ChangeCase(QString text, std::uint8_t mode, bool isExt)
{
    switch (mode) {
    case 0:
    case 1:
        if (isExt || mode == 0) {
            const qsizetype at = isExt ? 1 : 0;
            if (at < text.size())
                text[at] = AsciiUpper(text[at]);
        } else {
            bool wordStart = true;
            for (QChar &c : text) {
                if (c == u' ') {
                    wordStart = true;
                } else if (wordStart) {
                    c = AsciiUpper(c);
                    wordStart = false;
                }
            }
        }
        return text;
    case 2: return AsciiUpper(text);
    case 3: return AsciiLower(text);
    case 4:
        for (QChar &c : text)
            c = c >= u'A' && c <= u'Z' ? AsciiLower(c) : AsciiUpper(c);
        return text;
    default: return text;
    }
}

} // namespace

void RenumberFiles()
{
    const TCommandFileSettings &s = CommandSettings;
    const QString stem = NameText(s.STAMMNAME);
    CarryOutBatch([&](const Parts &e, qsizetype i) -> std::optional<QString> {
        if (s.ENDE)
            return QString(stem % Number(i) % CasedExt(e.Ext));
        return QString(Number(i) % stem % CasedExt(e.Ext));
    });
}

void LetterIndexFiles()
{
    const TCommandFileSettings &s = CommandSettings;
    const QString stem = NameText(s.STAMMNAME);
    std::u32string index = Chars(s.STWERTLetters);
    if (index.size() != s.STANZ)
        index.assign(s.STANZ, U'a');
    CarryOutBatch([&](const Parts &e, qsizetype) -> std::optional<QString> {
        const QString letters = NameText(Text(index));
        AdvanceLetterIndex(index);
        return (s.ENDE ? stem + letters : letters + stem) + CasedExt(e.Ext);
    });
}

void AddToFileNames()
{
    const TCommandFileSettings &s = CommandSettings;
    const QString stem = NameText(s.STAMMNAME);
    CarryOutBatch([&](const Parts &e, qsizetype i) -> std::optional<QString> {
        switch (s.ERGAENZUNG) {
        case 0: return stem + e.Stem + CasedExt(e.Ext);
        case 1: return Number(i) + e.Stem + CasedExt(e.Ext);
        default: return e.Stem + CasedExt(e.Ext);
        }
    });
}

void ReplaceInFileNames()
{
    const TCommandFileSettings &s = CommandSettings;
    const QString replacement = NameText(s.ZKNEU);
    CarryOutBatch(
        [&](const Parts &e, qsizetype) -> std::optional<QString> {
            if (s.ZKALT.isEmpty())
                return std::nullopt;
            QString name = StringReplaceAll(e.Name, s.ZKALT, replacement);
            if (name == e.Name)
                return std::nullopt;
            return name;
        },
        true);
}

void InsertIntoFileNames()
{
    const TCommandFileSettings &s = CommandSettings;
    const QString text = NameText(s.ZK);
    CarryOutBatch([&](const Parts &e, qsizetype) -> std::optional<QString> {
        const std::u32string stem = Chars(e.Stem);
        const std::size_t L = stem.size(), P = s.POSITION;
        if (L < P)
            return std::nullopt;
        const std::size_t split = s.ANFANG ? P : L - P;
        return Text(std::u32string_view(stem).substr(0, split)) + text
            + Text(std::u32string_view(stem).substr(split)) + e.Ext;
    });
}

void CutFromFileNames()
{
    const TCommandFileSettings &s = CommandSettings;
    CarryOutBatch([&](const Parts &e, qsizetype) -> std::optional<QString> {
        const std::u32string chars = Chars(e.Stem);
        const std::u32string_view stem(chars);
        const qsizetype L = qsizetype(stem.size()), P = s.POSITION, N = s.ANZZEICHEN;
        // The stem is kept up to Keep characters and again from the From-th character
        // (0-based, from the first when below 0).
        auto cut = [&](qsizetype keep, qsizetype from) { return LeftText(stem, keep) + TextFrom(stem, from); };
        QString newStem = e.Stem;
        if (s.ANFANG && L - P + 1 >= N)
            newStem = cut(P - 1, P + N - 1);
        else if (!s.ANFANG && N <= P)
            newStem = cut(L - P, L - P + N);
        return newStem + e.Ext;
    });
}

void ChangeFileNameCase()
{
    const TCommandFileSettings &s = CommandSettings;
    const bool stemToo = s.OPTION2 == 0 || s.OPTION2 == 2;
    const bool extToo = s.OPTION2 == 1 || s.OPTION2 == 2;
    CarryOutBatch([&](const Parts &e, qsizetype) -> std::optional<QString> {
        return (stemToo ? ChangeCase(e.Stem, s.OPTION1, false) : e.Stem)
            + (extToo ? ChangeCase(e.Ext, s.OPTION1, true) : e.Ext);
    });
}

void ShortenFileNames()
{
    const TCommandFileSettings &s = CommandSettings;
    CarryOutBatch([&](const Parts &e, qsizetype) -> std::optional<QString> {
        std::u32string stem = Chars(e.Stem);
        QString ext = e.Ext;
        const std::size_t L = stem.size();
        auto cut = [&](std::size_t d) {
            stem = s.ANFANG ? stem.substr(d) : stem.substr(0, L - d);
        };
        if (s.KUERZEN == 0 && L > s.ANZZEICHEN) {
            cut(s.ANZZEICHEN);
        } else if (s.KUERZEN == 1) {
            if (L > 8)
                cut(L - 8);
            const std::u32string extChars = Chars(ext);
            if (extChars.size() > 4)
                ext = Text(std::u32string_view(extChars).substr(0, 4));
        }
        return Text(stem) + ext;
    });
}

void ReplaceFileExtension()
{
    const TCommandFileSettings &s = CommandSettings;
    if (!s.BEIALLEN) {
        QStringList &batch = HauptForm->AlteDateinamen;
        const QString wanted = AsciiLower(s.ENDUNGALT);
        QStringList kept;
        for (const QString &entry : std::as_const(batch)) {
            if (AsciiLower(fs::extensionOf(entry)) == wanted)
                kept.append(entry);
        }
        batch = std::move(kept);
    }
    const QString ext = NameText(s.ENDUNGNEU);
    CarryOutBatch([&](const Parts &e, qsizetype) -> std::optional<QString> {
        return e.Stem + ext;
    });
}

void CutAtStopCharacter()
{
    const TCommandFileSettings &s = CommandSettings;
    const std::u32string stop = Chars(s.STOPZEICHEN); // empty: never matches
    CarryOutBatch([&](const Parts &e, qsizetype) -> std::optional<QString> {
        const std::u32string chars = Chars(e.Stem);
        const std::u32string_view stem(chars);
        const std::size_t L = stem.size();
        std::size_t count = 0;
        QString newStem = e.Stem;
        for (std::size_t step = 0; step < L; ++step) {
            const std::size_t k = s.ANFANG ? step : L - 1 - step;
            if (!stop.empty() && stem[k] == stop[0])
                ++count;
            if (count >= s.ANZZEICHEN) {
                newStem = s.ANFANG ? Text(stem.substr(k + 1)) : Text(stem.substr(0, k));
                break;
            }
        }
        return newStem + e.Ext;
    });
}
