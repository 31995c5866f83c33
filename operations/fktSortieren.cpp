#include "operations/fktSortieren.h"

#include "operations/fktMP3Tags.h"
#include "operations/fktUmbenennen.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/TextCharacters.h"
#include "operations/fktAllgemein.h"
#include "operations/fktAttribute.h"
#include "operations/fktMP3Tags.h"
#include "operations/fktUmbenennen.h"
#include "platform/Abort.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QComboBox>
#include <QSet>
#include <QTabWidget>

#include <algorithm>
#include <cerrno>
#include <optional>

QString SortRoot;

namespace {

enum Criterion { Initial, ContainedText, FileType, FileSize, FileDate };

QString Text(int id)
{
    return LoadLangString(id);
}

// A category as one folder name: "/" and "\" removed; empty when no folder can be meant.
QString FolderName(QString Category)
{
    Category.remove(u'/');
    Category.remove(u'\\');
    return fs::isPlaceholderName(Category) ? QString() : Category;
}

// A size bound in bytes: the digits of Field times the unit of Box (Byte, kByte,
// MByte); nullopt when the field is empty or not a number.
std::optional<qint64> BoundInBytes(const TEdit *Field, QComboBox *Box)
{
    if (Box->currentIndex() < 0)
        Box->setCurrentIndex(0);
    const QString digits = Field->Text();
    if (digits.isEmpty() || digits.size() > 12
        || !std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    constexpr qint64 Units[] = {1, 1024, 1048576};
    return digits.toLongLong() * Units[std::clamp(Box->currentIndex(), 0, 2)];
}

// The file's last-write date as the date folder: day-month-year (Datum 1:
// month-day-year), two-digit day and month; nullopt when it cannot be read.
std::optional<QString> DateFolder(const QString &Path)
{
    TDateTime created = 0, accessed = 0, written = 0;
    if (!GetFileTimes(Path, created, accessed, written))
        return std::nullopt;
    const fs::DateTimeParts date = fs::splitDateTime(written);
    const QString day = QStringLiteral("%1").arg(date.Day, 2, 10, QLatin1Char('0'));
    const QString month = QStringLiteral("%1").arg(date.Month, 2, 10, QLatin1Char('0'));
    return (Datum == 1 ? month + u'-' + day : day + u'-' + month) + u'-' + QString::number(date.Year);
}

// The folders of one sort preparation: each created once.
class CategoryFolders {
public:
    explicit CategoryFolders(const QString &Root) : root_(Root) {}
    // Root + Folder + "/" with its missing parents; false when it cannot be made.
    bool Create(const QString &Folder)
    {
        const QString path = root_ + Folder + u'/';
        if (ready_.contains(path))
            return true;
        if (!fs::createFolders(path))
            return false;
        ready_.insert(path);
        return true;
    }

private:
    QString root_;
    QSet<QString> ready_;
};

// The target RemoveInvalidNameChars gives for what the sort generated below SortRoot
// (category and name; only the name when the target lies elsewhere); nullopt when that
// changes nothing or leaves a category or name that can mean no entry.
std::optional<QString> CleanedTarget(const QString &Target)
{
    const qsizetype base = !SortRoot.isEmpty() && Target.startsWith(SortRoot) ? SortRoot.size()
                                                                              : fs::folderOf(Target).size();
    const QString generated = Target.mid(base);
    const QString cleaned = RemoveInvalidNameChars(generated);
    if (cleaned == generated)
        return std::nullopt;
    for (const QString &part : cleaned.split(u'/'))
        if (fs::isPlaceholderName(part))
            return std::nullopt;
    return Target.left(base) + cleaned;
}

enum class Outcome { Done, Failed, SameFile };

// One pair carried out to Target: its folder made, a free name taken, then moved or
// copied. Target becomes the path used; Error the errno of a failure.
Outcome CarryOut(int Mode, const QString &Source, QString &Target, QSet<QString> &ReadyFolders, int &Error)
{
    Error = EINVAL;
    if (!IsUsableTarget(Target))
        return Outcome::Failed;
    const QString folder = fs::folderOf(Target);
    if (!ReadyFolders.contains(folder)) {
        if (const fs::Result made = fs::createFolders(folder); !made) {
            Error = made.error;
            return Outcome::Failed;
        }
        ReadyFolders.insert(folder);
    }
    // On a case-insensitive file system the target can name the source itself (the move
    // would only change the letter case).
    if (Source.compare(Target, Qt::CaseInsensitive) == 0 && fs::sameEntry(Source, Target))
        return Outcome::SameFile;
    const auto carry = [&] { return Mode == 0 ? fs::moveFile(Source, Target) : fs::copyFile(Source, Target); };
    fs::Result done = carry();
    if (done.error == EEXIST) { // taken: the same file under another name, or a free name
        if (fs::sameEntry(Source, Target))
            return Outcome::SameFile;
        Target = MakeUniqueFileName(Target);
        done = carry();
    }
    Error = done.error;
    return done ? Outcome::Done : Outcome::Failed;
}

} // namespace

void HMenuAktionenSortierenClick()
{
    const BatchGuard guard;
    if (!guard.Entered())
        return;
    THauptForm *f = HauptForm;
    int mode = 0;
    if (f->PageControl->currentWidget() == f->TabSheet03) {
        BuildSortTargets();
        mode = f->SortRadioGroup2->ItemIndex();
    } else if (f->PageControl->currentWidget() == f->TabSheet01 && f->DatUmbSpeedButton04->Down()) {
        // The MP3 view sorts by artist into the target folder: renaming in place
        // becomes moving there; the cleaning retry keeps off the target folder.
        PrepareRenameLists();
        if (f->DatUmbRadioGroup01->ItemIndex() == 0)
            f->DatUmbRadioGroup01->setItemIndex(1);
        mode = f->DatUmbRadioGroup01->ItemIndex() - 1;
        SortMp3FilesByArtist();
        SortRoot = RenameTargetFolder;
    } else {
        return;
    }
    DropUnchangedNames();
    ExecuteSort(mode);
}

void BuildSortTargets()
{
    THauptForm *f = HauptForm;
    if (f->SortRekursiv->Checked()) {
        QString folder;
        CollectFolderFiles(folder);
    } else {
        CollectSelectedFiles();
    }
    f->NeueDateinamen = f->AlteDateinamen;

    if (!f->SortZielverzeichnis->Text().isEmpty()) {
        SortRoot = AddTrailingBackslash(f->SortZielverzeichnis->Text());
    } else {
        const TShellTreeView *tree = ActiveExplorer == 2 ? f->ShellTreeView02 : f->ShellTreeView01;
        SortRoot = AddTrailingBackslash(tree->Path());
    }
    const QString &root = SortRoot;

    const int criterion = f->SortRadioGroup1->ItemIndex();
    qint64 lower = 0, upper = 0;
    if (criterion == FileSize) {
        const auto lowerBound = BoundInBytes(f->SortUntergrenze, f->SortComboBox1);
        const auto upperBound = BoundInBytes(f->SortObergrenze, f->SortComboBox2);
        if (!lowerBound || !upperBound)
            Abort();
        lower = *lowerBound;
        upper = *upperBound;
        if (upper < lower)
            ReportAndAbort(9010);
    }
    if (criterion == Initial)
        FilterByInitialAndLength();
    QStringList &targets = f->NeueDateinamen;
    if (targets.isEmpty())
        Abort();

    // The criteria with one folder for the whole batch.
    CategoryFolders folders(root);
    const QString searched = f->SortEdit1->Text();
    const QString textFolder = searched.isEmpty() ? QString() : FolderName(searched);
    const QString sizeFolder = QString::number(lower);
    if (criterion == ContainedText && !textFolder.isEmpty())
        folders.Create(textFolder);
    if (criterion == FileSize && !folders.Create(sizeFolder))
        MessageDlg(Text(9011) + u'\r' + root + sizeFolder + u'/' + u'\r' + Text(9012), mtWarning, mbOKOnly, 0,
                   LanguageName());

    // A category of its own for the file: its folder, made now; nullopt when the
    // category names no folder (the file stays).
    const auto ownFolder = [&folders](const QString &category) -> std::optional<QString> {
        const QString folder = FolderName(category);
        if (folder.isEmpty())
            return std::nullopt;
        folders.Create(folder);
        return folder;
    };
    for (QString &target : targets) {
        const QString name = fs::nameOf(target);
        // The category folder; empty: the root itself; nullopt: the file stays.
        std::optional<QString> folder;
        switch (criterion) {
        case Initial:
            folder = ownFolder(AsciiLower(FirstCharacter(name)));
            break;
        case ContainedText:
            if (name.contains(searched) && (searched.isEmpty() || !textFolder.isEmpty()))
                folder = textFolder;
            break;
        case FileType: {
            const QString extension = fs::extensionOf(name);
            folder = extension.isEmpty() ? std::optional<QString>(QString()) : ownFolder(LeftText(Chars(AsciiLower(extension.mid(1))), 6));
            break;
        }
        case FileSize:
            if (const auto size = fs::fileSize(target); size && lower <= *size && *size <= upper)
                folder = sizeFolder;
            break;
        case FileDate:
            if (const auto date = DateFolder(target))
                folder = ownFolder(*date);
            break;
        default:
            break;
        }
        if (folder)
            target = folder->isEmpty() ? root + name : root + *folder + u'/' + name;
    }
}

void FilterByInitialAndLength()
{
    THauptForm *f = HauptForm;
    // An empty range box sets no limit on its side.
    const std::u32string from = Chars(AsciiUpper(FirstCharacter(f->SortComboBox3->currentText())));
    const std::u32string to = Chars(AsciiUpper(FirstCharacter(f->SortComboBox4->currentText())));
    const bool range = f->SortRadioGroup3->ItemIndex() == 1;
    const qsizetype minimum = f->SortMindestLaengeUpDown->Position();
    QStringList &oldNames = f->AlteDateinamen;
    QStringList &newNames = f->NeueDateinamen;
    for (qsizetype i = newNames.size() - 1; i >= 0; --i) {
        const QString name = fs::nameOf(newNames[i]);
        const std::u32string stem = Chars(AsciiUpper(name.left(name.size() - fs::extensionView(name).size())));
        bool dropped = qsizetype(stem.size()) < minimum;
        if (range && !dropped)
            dropped = stem.empty() || (!from.empty() && stem[0] < from[0]) || (!to.empty() && stem[0] > to[0]);
        if (dropped) {
            newNames.removeAt(i);
            if (i < oldNames.size())
                oldNames.removeAt(i);
        }
    }
}

void ExecuteSort(int Mode)
{
    THauptForm *f = HauptForm;
    f->ProtokollListBox.clear();
    const QString question = Mode == 0 ? Text(9016) + u'\r' + Text(9014) + u'\r' + Text(9015)
                                       : Text(9016) + u'\r' + Text(9002);
    const int answer = MessageDlg(question, mtWarning, mbYesNo, 0, LanguageName());
    if (answer == mrNo)
        Abort();
    TFailedFiles failures;
    if (answer == mrYes && (Mode == 0 || Mode == 1)) {
        const HourglassCursor busy;
        UndoLogWriter log;
        QSet<QString> readyFolders;
        const QStringList &oldNames = f->AlteDateinamen;
        QStringList &newNames = f->NeueDateinamen;
        const qsizetype count = std::min(oldNames.size(), newNames.size());
        for (qsizetype i = 0; i < count; ++i) {
            const QString &source = oldNames[i];
            try {
                if (Mode == 0 && !UndoLogWriter::CanLog(source)) {
                    failures.Add(source, EINVAL);
                    continue;
                }
                QString target = newNames[i];
                int error = 0;
                Outcome outcome = CarryOut(Mode, source, target, readyFolders, error);
                if (outcome == Outcome::Failed) {
                    if (const auto cleaned = CleanedTarget(newNames[i])) {
                        target = *cleaned;
                        outcome = CarryOut(Mode, source, target, readyFolders, error);
                    }
                }
                newNames[i] = target;
                if (outcome == Outcome::Failed)
                    failures.Add(source, error);
                if (outcome == Outcome::Done && Mode == 0)
                    log.Append(source, target);
            } catch (const std::exception &e) {
                failures.Add(source, QString::fromLocal8Bit(e.what()));
            }
        }
        const bool saved = log.Finish();
        SetUndoMenuState(802, 807, 802, Mode == 0 && saved && log.Logged(), 0);
    }
    RefreshExplorerLists();
    failures.Show();
}
