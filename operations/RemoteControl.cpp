// The command-file runner: reading the command file, the entry filters, the dispatch
// of the actions, the undo log of a run and the undo from the log.

#include "operations/RemoteControl.h"

#include "operations/TextCharacters.h"
#include "operations/TextLines.h"
#include "operations/fktAllgemein.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/LineFiles.h"
#include "platform/fs/PathCodec.h"
#include "platform/fs/PathNames.h"
#include "platform/fs/RealPath.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QHash>
#include <QScopeGuard>

#include <optional>
#include <string_view>
#include <utility>

TCommandFileSettings CommandSettings;

namespace {

// Decimal integer with an optional sign; blanks around it are allowed.
std::optional<int> ParseInteger(const QString &value)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

// Reads the lines of a command file in order, one at a time, each decoded with the
// lossless path codec; past the end every line is empty.
class CommandLines {
public:
    bool Open(const QString &path) { return bool(reader_.open(path)); }

    // The next line as its bytes (valid until the next read), or nullopt at the end of
    // the file (or when it cannot be read on).
    std::optional<QByteArrayView> ReadBytes()
    {
        std::optional<QByteArrayView> line = reader_.next();
        if (line && first_ && line->startsWith("\xEF\xBB\xBF"))
            line = line->sliced(3);
        first_ = false;
        return line;
    }
    QString Next()
    {
        const std::optional<QByteArrayView> line = ReadBytes();
        return line ? fs::decodeName(*line) : QString();
    }

    // The value of the next line when it carries Key, else nullopt (the line is
    // consumed either way).
    std::optional<QString> Value(QStringView Key)
    {
        const QString line = Next();
        if (line.size() < Key.size() || AsciiUpper(line.left(Key.size())) != Key)
            return std::nullopt;
        return line.mid(Key.size());
    }

    // Each reader leaves the setting as it is when the key does not match; the number
    // readers fail (false) only for a value that is not an integer.
    bool Integer(QStringView Key, int &Setting)
    {
        const auto value = Value(Key);
        if (!value)
            return true;
        const auto number = ParseInteger(*value);
        if (number)
            Setting = *number;
        return number.has_value();
    }
    bool Small(QStringView Key, std::uint8_t &Setting)
    {
        int number = Setting;
        if (!Integer(Key, number))
            return false;
        Setting = std::uint8_t(number & 0xFF);
        return true;
    }
    void Text(QStringView Key, QString &Setting)
    {
        if (const auto value = Value(Key))
            Setting = *value;
    }
    void Truth(QStringView Key, bool &Setting)
    {
        const auto value = Value(Key);
        if (!value)
            return;
        const QString upper = AsciiUpper(*value);
        if (upper == u"TRUE")
            Setting = true;
        else if (upper == u"FALSE")
            Setting = false;
    }

private:
    fs::LineReader reader_;
    bool first_ = true;
};

// The settings lines of the action AKTION (after AKTION, ZIELVERZEICHNIS, DATEILVK);
// false when a number value does not convert.
bool ReadActionSettings(CommandLines &in, TCommandFileSettings &s)
{
    switch (s.AKTION) {
    case 1:
        in.Text(u"STAMMNAME: ", s.STAMMNAME);
        if (!in.Small(u"STANZ: ", s.STANZ) || !in.Integer(u"STWERT: ", s.STWERT)
            || !in.Small(u"DEND: ", s.DEND))
            return false;
        in.Truth(u"ENDE: ", s.ENDE);
        return true;
    case 2:
        in.Text(u"STAMMNAME: ", s.STAMMNAME);
        if (!in.Small(u"STANZ: ", s.STANZ))
            return false;
        in.Text(u"STWERT: ", s.STWERTLetters);
        s.STWERTLetters = AsciiLower(s.STWERTLetters);
        if (!in.Small(u"DEND: ", s.DEND))
            return false;
        in.Truth(u"ENDE: ", s.ENDE);
        return true;
    case 3:
        in.Text(u"STAMMNAME: ", s.STAMMNAME);
        if (!in.Small(u"DEND: ", s.DEND) || !in.Small(u"ERGAENZUNG: ", s.ERGAENZUNG))
            return false;
        if (s.ERGAENZUNG == 1)
            return in.Small(u"STANZ: ", s.STANZ) && in.Integer(u"STWERT: ", s.STWERT);
        return true;
    case 4:
        in.Text(u"ZKALT: ", s.ZKALT);
        in.Text(u"ZKNEU: ", s.ZKNEU);
        return true;
    case 5:
        in.Text(u"ZK: ", s.ZK);
        if (!in.Small(u"POSITION: ", s.POSITION))
            return false;
        in.Truth(u"ANFANG: ", s.ANFANG);
        return true;
    case 6:
        if (!in.Small(u"ANZZEICHEN: ", s.ANZZEICHEN) || !in.Small(u"POSITION: ", s.POSITION))
            return false;
        in.Truth(u"ANFANG: ", s.ANFANG);
        return true;
    case 7:
        return in.Small(u"OPTION1: ", s.OPTION1) && in.Small(u"OPTION2: ", s.OPTION2);
    case 8:
        if (!in.Small(u"ANZZEICHEN: ", s.ANZZEICHEN))
            return false;
        in.Truth(u"ANFANG: ", s.ANFANG);
        return in.Small(u"KUERZEN: ", s.KUERZEN);
    case 9:
        in.Text(u"ENDUNGALT: ", s.ENDUNGALT);
        in.Text(u"ENDUNGNEU: ", s.ENDUNGNEU);
        in.Truth(u"BEIALLEN: ", s.BEIALLEN);
        return true;
    case 10:
        if (const auto value = in.Value(u"STOPZEICHEN: "))
            s.STOPZEICHEN = FirstCharacter(*value);
        if (!in.Small(u"ANZZEICHEN: ", s.ANZZEICHEN))
            return false;
        in.Truth(u"ANFANG: ", s.ANFANG);
        return true;
    default:
        return true; // undo and unknown actions read no settings
    }
}

bool StartsWithAsciiCaseInsensitive(const QString &text, const QString &prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (AsciiUpper(text[i]) != AsciiUpper(prefix[i]))
            return false;
    }
    return true;
}

// Decides which paths from outside (entries, the target folder, undo-log lines) the
// run may touch. The paths are looked at as their bytes, as they come from the file;
// each folder is resolved through its links once per run.
class PathFilter {
public:
    // Writes the path as it is to be used (normalised) into Usable; false when it must
    // not be touched: not absolute, a name that is empty, "." or "..", directly in "/",
    // or below WindowsDir or a protected system folder, as written or as it really lies.
    bool Encoded(QByteArrayView path, QByteArray &Usable)
    {
        if (!path.startsWith('/') || path.contains('\0'))
            return false;
        const QByteArrayView name = path.sliced(FolderLength(path));
        if (name.isEmpty() || name == "." || name == "..")
            return false;
        fs::normalEncodedPath(path, Usable);
        return IsSafeFolder(QByteArrayView(Usable).first(FolderLength(Usable)));
    }

    // A target folder (ending in "/"): normalised, or empty when it is none of the
    // folders the run may write into. A relative folder stays as it is (it names none).
    QString Folder(const QString &folder)
    {
        if (!folder.startsWith(u'/'))
            return folder;
        QByteArray normal;
        fs::normalEncodedPath(fs::encodeName(folder), normal);
        return !folder.contains(QChar(0)) && IsSafeFolder(normal) ? fs::decodeName(normal) : QString();
    }

private:
    // Up to and including the last "/" (a plain backward scan).
    static qsizetype FolderLength(QByteArrayView path)
    {
        return qsizetype(std::string_view(path.data(), size_t(path.size())).rfind('/') + 1);
    }
    static bool IsProtected(const QString &folder)
    {
        return folder == u"/" || StartsWithAsciiCaseInsensitive(folder, WindowsDir) || IsInSystemFolder(folder);
    }
    // Folder: absolute, normalised, with a trailing "/". Entries come folder by folder,
    // so the last folder is compared before the table is asked.
    bool IsSafeFolder(QByteArrayView folder)
    {
        if (folder == lastFolder_)
            return lastSafe_;
        lastFolder_ = folder.toByteArray();
        const auto known = safe_.constFind(lastFolder_);
        if (known != safe_.constEnd()) {
            lastSafe_ = *known;
        } else {
            const QString decoded = fs::decodeName(lastFolder_);
            lastSafe_ = !IsProtected(decoded) && !IsProtected(fs::realPath(decoded));
            safe_.insert(lastFolder_, lastSafe_);
        }
        return lastSafe_;
    }

    QHash<QByteArray, bool> safe_;
    QByteArray lastFolder_; // never a folder: empty
    bool lastSafe_ = false;
};

// Action 0: the pairs of the undo log moved back, from the last complete pair to the
// first (as UndoMoveLog). A pair is used as it was tested: both paths must pass the
// filter of the entries.
void UndoFromLog(PathFilter &filter)
{
    const auto lines = TextLines::readPackedLines(UndoLogPath());
    if (!lines)
        return;
    QByteArray oldPath, newPath; // reused
    fs::FolderMover mover;
    for (qsizetype j = lines->size() / 2 * 2 - 2; j >= 0; j -= 2) {
        // Both absolute once they pass; a pair of one path twice has nothing to undo.
        if (filter.Encoded(lines->at(j), oldPath) && filter.Encoded(lines->at(j + 1), newPath)
            && oldPath != newPath)
            mover.move(newPath, oldPath);
    }
}

// The entries of a run, handed out one at a time, filtered as they come and used as
// they were tested: the path lines of the command file from the first on, or the files
// a mask line found. Nothing keeps them: the action takes each as it comes.
class EntrySource {
public:
    EntrySource(CommandLines &in, PathFilter &filter, std::optional<QByteArrayView> first)
        : in_(&in), filter_(filter), first_(first) {}
    EntrySource(QStringList found, PathFilter &filter) : filter_(filter), found_(std::move(found)) {}

    std::optional<QByteArrayView> Next()
    {
        for (;;) {
            std::optional<QByteArrayView> entry;
            if (first_) {
                entry = std::exchange(first_, std::nullopt);
            } else if (in_) {
                entry = in_->ReadBytes();
            } else if (nextFound_ < found_.size()) {
                encoded_.resize(0);
                fs::appendEncodedName(encoded_, found_.at(nextFound_++));
                entry = encoded_;
            }
            if (!entry)
                return std::nullopt;
            if (filter_.Encoded(*entry, usable_))
                return QByteArrayView(usable_);
        }
    }

private:
    CommandLines *in_ = nullptr;
    PathFilter &filter_;
    std::optional<QByteArrayView> first_; // the line read to tell a list from a mask
    QStringList found_;
    qsizetype nextFound_ = 0;
    QByteArray encoded_, usable_; // reused
};

EntrySource *RunningEntries = nullptr; // while an action runs

void Dispatch(std::uint8_t action)
{
    switch (action) {
    case 1: RenumberFiles(); break;
    case 2: LetterIndexFiles(); break;
    case 3: AddToFileNames(); break;
    case 4: ReplaceInFileNames(); break;
    case 5: InsertIntoFileNames(); break;
    case 6: CutFromFileNames(); break;
    case 7: ChangeFileNameCase(); break;
    case 8: ShortenFileNames(); break;
    case 9: ReplaceFileExtension(); break;
    case 10: CutAtStopCharacter(); break;
    default: break; // any other action runs nothing and writes no log
    }
}

// Runs the rename action on the entries.
void DispatchOn(EntrySource &entries, std::uint8_t action)
{
    RunningEntries = &entries;
    const auto done = qScopeGuard([] { RunningEntries = nullptr; });
    Dispatch(action);
}

void Run()
{
    CommandSettings = TCommandFileSettings();
    TCommandFileSettings &s = CommandSettings;
    CommandLines in;
    if (!HauptForm || !in.Open(CommandFileName))
        return;

    // A first line with another key, or a value that is no number, ends the run.
    const auto actionValue = in.Value(u"AKTION: ");
    const auto action = actionValue ? ParseInteger(*actionValue) : std::nullopt;
    if (!action)
        return;
    s.AKTION = std::uint8_t(*action & 0xFF);

    PathFilter filter;
    if (const auto target = in.Value(u"ZIELVERZEICHNIS: "); target && !target->isEmpty())
        s.ZIELVERZEICHNIS = filter.Folder(AddTrailingBackslash(*target));
    if (!in.Small(u"DATEILVK: ", s.DATEILVK) || !ReadActionSettings(in, s))
        return;

    HauptForm->AlteDateinamen.clear();
    HauptForm->ProtokollListBox.clear();

    // A list of paths is read as the action takes it.
    const std::optional<QByteArrayView> line = in.ReadBytes();
    if (line && line->contains('*')) {
        if (s.AKTION >= 1 && s.AKTION <= 3)
            return; // the index actions need an explicit list of paths
        if (s.AKTION < 4 || s.AKTION > 10)
            return; // only the rename actions use the entries
        CollectFilesRecursive(fs::decodeName(*line));
        EntrySource entries(std::exchange(HauptForm->AlteDateinamen, {}), filter);
        DispatchOn(entries, s.AKTION);
        return;
    }
    if (s.AKTION == 0) {
        UndoFromLog(filter);
    } else {
        EntrySource entries(in, filter, line);
        DispatchOn(entries, s.AKTION);
    }
}

} // namespace

void RunCommandFile()
{
    try {
        Run();
    } catch (...) {
        // A command-file run ends quietly whatever happens.
    }
}

std::optional<QByteArrayView> NextCommandEntry()
{
    return RunningEntries ? RunningEntries->Next() : std::nullopt;
}

