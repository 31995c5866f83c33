// The rename actions 1 to 10 of a command file. Each computes the new name of every
// entry and carries the change out at once (CarryOutBatch).

#include "operations/RemoteControl.h"

#include "operations/TextCharacters.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen_Eintrag.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/fs/PathNames.h"

#include <QStringBuilder>

#include <algorithm>
#include <array>
#include <optional>

namespace {

using RenameEntry::NameText;
using RenameEntry::PartViews;

// Carries out the batch: Rule(parts, i, Name) writes the new file name of entry i into
// Name (handed over empty), or returns false to leave the entry out. DATEILVK 0
// renames in the entry's folder, 1 moves and 2 copies into the target folder; a move
// or copy never replaces a file. Only carried-out moves are logged (old path, new
// path), copies only when LogCopies is set, each right after it succeeded. A new name
// that is empty, "." or ".." leaves the entry as it is, and so does a pair to be logged
// whose paths cannot be (CR or LF). The log is written in every case. The paths stay
// bytes; only the name of each entry is decoded for the rule.
template<typename Rule>
void CarryOutBatch(Rule rule, bool LogCopies = false)
{
    const TCommandFileSettings &s = CommandSettings;
    UndoLogWriter log;
    const bool inPlace = s.DATEILVK == 0;
    const bool intoTarget =
        (s.DATEILVK == 1 || s.DATEILVK == 2) && s.ZIELVERZEICHNIS.startsWith(u'/');
    const bool logged = s.DATEILVK != 2 || LogCopies;
    if (inPlace || intoTarget) {
        const QByteArray target = fs::encodeName(s.ZIELVERZEICHNIS);
        QString oldName, newName;      // reused
        QByteArray oldPath, newPath;   // reused: the paths as the file system takes them
        fs::FolderMover mover;
        qsizetype i = 0;
        for (std::optional<QByteArrayView> next; (next = NextCommandEntry()); ++i) {
            const QByteArrayView entry = *next;
            const qsizetype folderLength = entry.lastIndexOf('/') + 1;
            oldName.resize(0);
            fs::appendDecodedName(oldName, entry.sliced(folderLength));
            newName.resize(0);
            if (!rule(RenameEntry::SplitView(oldName), i, newName) || fs::isPlaceholderName(newName))
                continue;
            oldPath.resize(0);
            oldPath.append(entry.data(), entry.size());
            newPath.resize(0);
            newPath.append(inPlace ? entry.first(folderLength) : QByteArrayView(target));
            fs::appendEncodedName(newPath, newName);
            if (logged && (!UndoLogWriter::CanLogBytes(oldPath) || !UndoLogWriter::CanLogBytes(newPath)))
                continue;
            const bool done = s.DATEILVK == 2
                ? bool(fs::copyFile(fs::decodeName(oldPath), fs::decodeName(newPath)))
                : newPath == oldPath || mover.move(oldPath, newPath);
            if (done && logged)
                log.AppendEncoded(oldPath, newPath);
        }
    }
    log.Finish();
}

// The extension in the case DEND asks for; Changed holds it when the case changes.
QStringView CasedExt(QStringView ext, QString &Changed)
{
    switch (CommandSettings.DEND) {
    case 1: return Changed = AsciiUpper(ext.toString());
    case 2: return Changed = AsciiLower(ext.toString());
    default: return ext;
    }
}

// Room for a number of up to 255 places (STANZ) with the sign and 19 digits.
using NumberBuffer = std::array<char16_t, 256 + 20>;

// Value in decimal, padded with zeros after the sign to Places characters, written
// into Buffer.
QStringView NumberText(qint64 value, int places, NumberBuffer &buffer)
{
    std::array<char16_t, 20> digits{}; // backwards
    std::size_t count = 0;
    quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    do {
        digits[count++] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    char16_t *out = buffer.data();
    if (value < 0)
        *out++ = u'-';
    const qsizetype zeros = std::max<qsizetype>(0, places - (out - buffer.data()) - qsizetype(count));
    out = std::fill_n(out, zeros, u'0');
    out = std::reverse_copy(digits.data(), digits.data() + count, out);
    return QStringView(buffer.data(), out - buffer.data());
}

// STWERT + i as NumberText with STANZ places.
QStringView Number(qsizetype i, NumberBuffer &buffer)
{
    return NumberText(qint64(CommandSettings.STWERT) + i, CommandSettings.STANZ, buffer);
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
    NumberBuffer digits;
    QString changed;
    CarryOutBatch([&](const PartViews &e, qsizetype i, QString &name) {
        const QStringView number = Number(i, digits), ext = CasedExt(e.Ext, changed);
        if (s.ENDE)
            name += stem % number % ext;
        else
            name += number % stem % ext;
        return true;
    });
}

void LetterIndexFiles()
{
    const TCommandFileSettings &s = CommandSettings;
    const QString stem = NameText(s.STAMMNAME);
    std::u32string index = Chars(s.STWERTLetters);
    if (index.size() != s.STANZ)
        index.assign(s.STANZ, U'a');
    QString changed;
    CarryOutBatch([&](const PartViews &e, qsizetype, QString &name) {
        const QString letters = NameText(Text(index));
        AdvanceLetterIndex(index);
        const QStringView ext = CasedExt(e.Ext, changed);
        if (s.ENDE)
            name += stem % letters % ext;
        else
            name += letters % stem % ext;
        return true;
    });
}

void AddToFileNames()
{
    const TCommandFileSettings &s = CommandSettings;
    const QString stem = NameText(s.STAMMNAME);
    NumberBuffer digits;
    QString changed;
    CarryOutBatch([&](const PartViews &e, qsizetype i, QString &name) {
        const QStringView ext = CasedExt(e.Ext, changed);
        switch (s.ERGAENZUNG) {
        case 0: name += stem % e.Stem % ext; break;
        case 1: name += Number(i, digits) % e.Stem % ext; break;
        default: name += e.Stem % ext; break;
        }
        return true;
    });
}

void ReplaceInFileNames()
{
    const TCommandFileSettings &s = CommandSettings;
    const QString replacement = NameText(s.ZKNEU);
    CarryOutBatch(
        [&](const PartViews &e, qsizetype, QString &name) {
            if (s.ZKALT.isEmpty())
                return false;
            name = StringReplaceAll(e.Name.toString(), s.ZKALT, replacement);
            return name != e.Name;
        },
        true);
}

void InsertIntoFileNames()
{
    const TCommandFileSettings &s = CommandSettings;
    const QString text = NameText(s.ZK);
    CarryOutBatch([&](const PartViews &e, qsizetype, QString &name) {
        const std::u32string stem = Chars(e.Stem);
        const std::size_t L = stem.size(), P = s.POSITION;
        if (L < P)
            return false;
        const std::size_t split = s.ANFANG ? P : L - P;
        name += Text(std::u32string_view(stem).substr(0, split)) % text
            % Text(std::u32string_view(stem).substr(split)) % e.Ext;
        return true;
    });
}

void CutFromFileNames()
{
    const TCommandFileSettings &s = CommandSettings;
    CarryOutBatch([&](const PartViews &e, qsizetype, QString &name) {
        const std::u32string chars = Chars(e.Stem);
        const std::u32string_view stem(chars);
        const qsizetype L = qsizetype(stem.size()), P = s.POSITION, N = s.ANZZEICHEN;
        // The stem is kept up to Keep characters and again from the From-th character
        // (0-based, from the first when below 0).
        auto cut = [&](qsizetype keep, qsizetype from) { return LeftText(stem, keep) + TextFrom(stem, from); };
        if (s.ANFANG && L - P + 1 >= N)
            name += cut(P - 1, P + N - 1);
        else if (!s.ANFANG && N <= P)
            name += cut(L - P, L - P + N);
        else
            name += e.Stem;
        name += e.Ext;
        return true;
    });
}

void ChangeFileNameCase()
{
    const TCommandFileSettings &s = CommandSettings;
    const bool stemToo = s.OPTION2 == 0 || s.OPTION2 == 2;
    const bool extToo = s.OPTION2 == 1 || s.OPTION2 == 2;
    CarryOutBatch([&](const PartViews &e, qsizetype, QString &name) {
        name += stemToo ? ChangeCase(e.Stem.toString(), s.OPTION1, false) : e.Stem.toString();
        name += extToo ? ChangeCase(e.Ext.toString(), s.OPTION1, true) : e.Ext.toString();
        return true;
    });
}

void ShortenFileNames()
{
    const TCommandFileSettings &s = CommandSettings;
    CarryOutBatch([&](const PartViews &e, qsizetype, QString &name) {
        std::u32string stem = Chars(e.Stem);
        QString ext = e.Ext.toString();
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
        name += Text(stem) % ext;
        return true;
    });
}

void ReplaceFileExtension()
{
    const TCommandFileSettings &s = CommandSettings;
    // Without BEIALLEN only the entries with the old extension take part.
    const QString wanted = AsciiLower(s.ENDUNGALT);
    const QString ext = NameText(s.ENDUNGNEU);
    CarryOutBatch([&](const PartViews &e, qsizetype, QString &name) {
        if (!s.BEIALLEN && AsciiLower(e.Ext.toString()) != wanted)
            return false;
        name += e.Stem % ext;
        return true;
    });
}

void CutAtStopCharacter()
{
    const TCommandFileSettings &s = CommandSettings;
    const std::u32string stop = Chars(s.STOPZEICHEN); // empty: never matches
    CarryOutBatch([&](const PartViews &e, qsizetype, QString &name) {
        const std::u32string chars = Chars(e.Stem);
        const std::u32string_view stem(chars);
        const std::size_t L = stem.size();
        std::size_t count = 0;
        QString newStem = e.Stem.toString();
        for (std::size_t step = 0; step < L; ++step) {
            const std::size_t k = s.ANFANG ? step : L - 1 - step;
            if (!stop.empty() && stem[k] == stop[0])
                ++count;
            if (count >= s.ANZZEICHEN) {
                newStem = s.ANFANG ? Text(stem.substr(k + 1)) : Text(stem.substr(0, k));
                break;
            }
        }
        name += newStem % e.Ext;
        return true;
    });
}
