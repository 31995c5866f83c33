// The command-file runner: reading the command file, the entry filters, the dispatch
// of the actions, the undo log of a run and the undo from the log.

#include "operations/RemoteControl.h"

#include "operations/TextCharacters.h"
#include "operations/TextLines.h"
#include "operations/fktAllgemein.h"
#include "platform/fs/FileSystem.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QDir>

#include <array>
#include <optional>

TCommandFileSettings CommandSettings;

namespace {

// Entries below these folders are never touched (besides WindowsDir).
constexpr std::array<QStringView, 11> ProtectedFolders = {
    u"/bin/", u"/boot/", u"/dev/", u"/etc/", u"/lib/", u"/lib32/",
    u"/lib64/", u"/proc/", u"/run/", u"/sbin/", u"/sys/"};

// Decimal integer with an optional sign; blanks around it are allowed.
std::optional<int> ParseInteger(const QString &value)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

// Reads the lines of a command file in order; past the end every line is empty.
class CommandLines {
public:
    explicit CommandLines(QStringList lines) : lines_(std::move(lines)) {}

    QString Next() { return next_ < lines_.size() ? lines_[next_++] : QString(); }
    QString Peek() const { return next_ < lines_.size() ? lines_[next_] : QString(); }

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

    // The remaining lines, from the next one on.
    QStringList Rest() const { return lines_.mid(next_); }

private:
    QStringList lines_;
    qsizetype next_ = 0;
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

// True when the entry may be part of the batch: an absolute path, not below WindowsDir
// or a protected system folder, not directly in "/". The tests are made on the path
// with "." and ".." resolved, so that no spelling slips past them.
bool IsUsableEntry(const QString &entry)
{
    if (!entry.startsWith(u'/') || entry.contains(QChar(0)))
        return false;
    const QString path = QDir::cleanPath(entry);
    if (StartsWithAsciiCaseInsensitive(path, WindowsDir))
        return false;
    for (const QStringView folder : ProtectedFolders) {
        if (path.startsWith(folder))
            return false;
    }
    return path.lastIndexOf(u'/') > 0;
}

bool IsAbsolutePath(const QString &path)
{
    return path.startsWith(u'/') && !path.contains(QChar(0));
}

void Dispatch(std::uint8_t action)
{
    switch (action) {
    case 0: UndoFromLog(); break;
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

void Run()
{
    CommandSettings = TCommandFileSettings();
    TCommandFileSettings &s = CommandSettings;
    const auto lines = TextLines::readTextLines(CommandFileName);
    if (!lines || !HauptForm)
        return;
    CommandLines in(*lines);

    // A first line with another key, or a value that is no number, ends the run.
    const auto actionValue = in.Value(u"AKTION: ");
    const auto action = actionValue ? ParseInteger(*actionValue) : std::nullopt;
    if (!action)
        return;
    s.AKTION = std::uint8_t(*action & 0xFF);

    if (const auto target = in.Value(u"ZIELVERZEICHNIS: "); target && !target->isEmpty())
        s.ZIELVERZEICHNIS = AddTrailingBackslash(*target);
    if (!in.Small(u"DATEILVK: ", s.DATEILVK) || !ReadActionSettings(in, s))
        return;

    QStringList &batch = HauptForm->AlteDateinamen;
    batch.clear();
    HauptForm->ProtokollListBox.clear();

    const QString first = in.Peek();
    if (first.contains(u'*')) {
        if (s.AKTION >= 1 && s.AKTION <= 3)
            return; // the index actions need an explicit list of paths
        if (s.AKTION >= 4 && s.AKTION <= 10) // only the rename actions use the entries
            CollectFilesRecursive(first);
    } else {
        batch = in.Rest();
    }

    // The filters keep the order of the entries; one pass, no removal in the middle.
    QStringList kept;
    kept.reserve(batch.size());
    for (const QString &entry : std::as_const(batch)) {
        if (IsUsableEntry(entry))
            kept.append(entry);
    }
    batch = std::move(kept);

    Dispatch(s.AKTION);
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

void WriteUndoLog()
{
    SaveUndoLog(); // a log that cannot be written is skipped quietly
}

void UndoFromLog()
{
    const auto lines = TextLines::readLines(UndoLogPath());
    if (!lines)
        return;
    // From the last pair to the first, so that a name the batch first freed and then
    // gave to another file is free again when its own file comes back.
    for (qsizetype j = lines->size() / 2 * 2 - 2; j >= 0; j -= 2) {
        const QString &oldPath = (*lines)[j];
        const QString &newPath = (*lines)[j + 1];
        if (IsAbsolutePath(oldPath) && IsAbsolutePath(newPath) && oldPath != newPath)
            fs::moveFile(newPath, oldPath);
    }
}
