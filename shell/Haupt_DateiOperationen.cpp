#include "shell/Haupt_DateiOperationen.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein_Fehler.h"
#include "platform/desktop/Desktop.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"

#include <array>
#include <cerrno>
#include <optional>
#include <vector>

namespace {

// The texts of the questions and refusals, held here for the five languages (rows by
// DialogLanguageRow), like the button texts of the own dialogs.
enum FileOperationText { ftReplace, ftIntoItself, ftRootFolder, ftTextCount };
const std::array<std::array<const char *, ftTextCount>, 5> FileOperationTexts = {{
    {"\"%1\" ist bereits vorhanden.\nMöchten Sie es ersetzen ? Das vorhandene Element wird in den Papierkorb "
     "verschoben.",
     "Ein Ordner kann nicht in sich selbst oder einen seiner Unterordner kopiert oder verschoben werden.",
     "Das Stammverzeichnis kann nicht kopiert oder verschoben werden."},
    {"\"%1\" already exists.\nDo you want to replace it ? The existing item is moved to the trash.",
     "A folder cannot be copied or moved into itself or one of its sub-folders.",
     "The root folder cannot be copied or moved."},
    {"\"%1\" bestaat al.\nWilt u het vervangen ? Het bestaande item wordt naar de prullenbak verplaatst.",
     "Een map kan niet naar zichzelf of een van zijn submappen worden gekopieerd of verplaatst.",
     "De hoofdmap kan niet worden gekopieerd of verplaatst."},
    {"\"%1\" ya existe.\n¿ Desea reemplazarlo ? El elemento existente se mueve a la papelera.",
     "Una carpeta no se puede copiar ni mover a sí misma ni a una de sus subcarpetas.",
     "La carpeta raíz no se puede copiar ni mover."},
    {"\"%1\" existe déjà.\nVoulez-vous le remplacer ? L'élément existant est placé dans la corbeille.",
     "Un dossier ne peut pas être copié ou déplacé dans lui-même ou dans l'un de ses sous-dossiers.",
     "Le dossier racine ne peut pas être copié ou déplacé."},
}};

QString OperationText(FileOperationText Text)
{
    return QString::fromUtf8(FileOperationTexts[size_t(DialogLanguageRow(LanguageName()))][Text]);
}

enum class Transfer { Copy, Move };

// Whether the source is a folder: known from its listing (no link followed), or asked
// of the file system only when it matters (a dragged item is never a link to a folder).
class SourceKind {
public:
    explicit SourceKind(const QString &Path) : path_(Path) {}
    explicit SourceKind(bool IsFolder) : folder_(IsFolder) {}
    bool IsFolder()
    {
        if (!folder_)
            folder_ = fs::isFolder(path_);
        return *folder_;
    }

private:
    QString path_;
    std::optional<bool> folder_;
};

// Source onto Target without replacing: EEXIST when Target exists.
fs::Result Carry(const QString &Source, SourceKind &Kind, const QString &Target, Transfer How)
{
    return How == Transfer::Move ? fs::moveFile(Source, Target)
           : Kind.IsFolder()     ? fs::copyFolder(Source, Target)
                                 : fs::copyFile(Source, Target);
}

bool TransferEntry(const QString &Source, SourceKind Kind, const QString &Target, Transfer How,
                   TFailedFiles &Failures);

// The entries of folder Source into the existing folder Target; a moved folder that
// is empty afterwards goes.
bool Merge(const QString &Source, const QString &Target, Transfer How, TFailedFiles &Failures)
{
    std::vector<fs::Entry> entries;
    if (const fs::Result listed = fs::folderEntries(Source, entries); !listed) {
        Failures.Add(Source, listed.error);
        return false;
    }
    bool all = true;
    for (const fs::Entry &entry : entries)
        all &= TransferEntry(fs::joinPath(Source, entry.name), SourceKind(entry.isFolder),
                             fs::joinPath(Target, entry.name), How, Failures);
    if (all && How == Transfer::Move)
        fs::removeEmptyFolder(Source);
    return all;
}

// The item is carried at once; only a target that exists is looked at: a folder onto a
// folder is merged, anything else replaced after the question.
bool TransferEntry(const QString &Source, SourceKind Kind, const QString &Target, Transfer How,
                   TFailedFiles &Failures)
{
    fs::Result done = Carry(Source, Kind, Target, How);
    if (done.error == EEXIST && fs::exists(Target)) {
        if (fs::sameEntry(Source, Target))
            return true; // another spelling of the item itself
        if (Kind.IsFolder() && fs::isFolder(Target))
            return Merge(Source, Target, How, Failures);
        if (MessageDlg(OperationText(ftReplace).arg(Target), mtConfirmation, mbYesNo, 0, LanguageName()) != mrYes)
            return false;
        QString reason;
        if (!desktop::moveToTrash(Target, &reason)) {
            Failures.Add(Target, reason);
            return false;
        }
        done = Carry(Source, Kind, Target, How);
    }
    if (!done)
        Failures.Add(Source, done.error);
    return bool(done);
}

bool RunTransfer(const QString &Source, const QString &Target, Transfer How, TFailedFiles &Failures)
{
    const QString from = fs::withoutTrailingSlash(fs::normalPath(Source));
    const QString to = fs::withoutTrailingSlash(fs::normalPath(Target));
    if (fs::nameOf(from).isEmpty() || fs::nameOf(to).isEmpty()) {
        Failures.Add(Source, OperationText(ftRootFolder));
        return false;
    }
    if (from == to)
        return true; // onto itself: nothing to do
    SourceKind kind(from);
    if (to.startsWith(from + u'/') && kind.IsFolder()) {
        Failures.Add(Source, OperationText(ftIntoItself));
        return false;
    }
    return TransferEntry(from, kind, to, How, Failures);
}

} // namespace

bool DeleteToRecycleBin(const QString &Path, TFailedFiles &Failures)
{
    QString reason;
    if (desktop::moveToTrash(Path, &reason))
        return true;
    Failures.Add(Path, reason);
    return false;
}

bool ShellCopyFiles(const QString &Source, const QString &Target, TFailedFiles &Failures)
{
    return RunTransfer(Source, Target, Transfer::Copy, Failures);
}

bool ShellMoveFiles(const QString &Source, const QString &Target, TFailedFiles &Failures)
{
    return RunTransfer(Source, Target, Transfer::Move, Failures);
}
