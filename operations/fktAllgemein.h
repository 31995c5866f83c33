#pragma once
// General functions of the batch operations: the collectors that fill the work lists
// of the main window, path and name helpers, the rename executors and the undo log.

#include "platform/DateTime.h"

#include <QString>
#include <QStringView>

// ---- Character tables ----
// Searched character by character, case-sensitively (e.g. SpecialCharacters.contains(c)).
inline constexpr QStringView InvalidFolderChars = u"\"*/<=>?|";
inline constexpr QStringView SpecialCharacters = u"!\"$%&()*+,/:;<=>?[\\]^`|\u00A7\u00B0\u00B4";
inline constexpr QStringView UmlautCharacters = u"\u00C4\u00D6\u00DC\u00DF\u00E4\u00F6\u00FC";

// ---- Messages ----
// Information box with OK, in the dialogs' language.
void ShowInformation(const QString &Text);
// Text Id as an information box, then the silent Abort.
[[noreturn]] void ReportAndAbort(int Id);

// ---- Re-entrancy guard ----
// A batch or preview holds a guard while it runs. While one is held (a collector lets
// the message loop run), a second batch, preview or window close must not start:
//     BatchGuard guard; if (!guard.Entered()) return;
// A guard created while another is held does not enter and releases nothing.
class BatchGuard {
public:
    BatchGuard();
    ~BatchGuard();
    BatchGuard(const BatchGuard &) = delete;
    BatchGuard &operator=(const BatchGuard &) = delete;
    bool Entered() const { return entered_; }
    static bool Running();

private:
    bool entered_;
};

// Shows the hourglass cursor while it lives.
class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor &) = delete;
    HourglassCursor &operator=(const HourglassCursor &) = delete;
};

// ---- Collectors (fill HauptForm->AlteDateinamen) ----
// Adds the files of Folder + Mask and of every sub-folder (PathMask = folder with
// trailing "/" followed by the mask); does not clear the list. Hidden files are
// collected, folders whose name begins with "." are not entered, links to folders are
// not followed. Lets the message loop run now and then (holds a BatchGuard meanwhile).
void CollectFilesRecursive(const QString &PathMask);
// The selected files of the active explorer list; message 9000 and Abort when none.
void CollectSelectedFiles();
// Every file below the active tree folder matching a mask of that explorer's filter;
// Folder := that folder with a trailing "/". Message 9052 and Abort when none.
void CollectFolderFiles(QString &Folder);
// The full paths of the file list DLStringGrid; sets BatchCount; Folder := "".
// Message 9052 and Abort when the list is empty or its first path is empty.
void CollectFileListFiles(QString &Folder);
// Removes every pair whose new path equals its old path; silent Abort when none is left.
void DropUnchangedNames();

// ---- Path, name and size helpers ----
// Path with "/" appended unless it ends in "/".
QString AddTrailingBackslash(const QString &Path);
// The part of Path below Base with a trailing "/"; empty when Base is empty or Path
// does not lie below Base at a component boundary (Path equal to Base included).
QString PathBelowFolder(const QString &Base, const QString &Path);
// Every occurrence of OldText replaced by NewText, left to right, without re-examining
// inserted text. OldText must not be empty.
QString StringReplaceAll(const QString &S, const QString &OldText, const QString &NewText);
// Removes InvalidFolderChars from the folder names (every "/" is kept) and
// SpecialCharacters from the name part (after the last "/").
QString RemoveInvalidNameChars(const QString &Path);
// The first of Path, stem_1.ext, stem_2.ext, ... that is free. Any existing entry
// (folder, dangling link) counts as taken, except the file OwnPath itself (so that a
// case-only rename on a case-insensitive file system keeps its name).
QString MakeUniqueFileName(const QString &Path, const QString &OwnPath = {});
// Text 8992 and the size of a regular file in Byte/kByte/MByte/GByte; empty otherwise.
QString FileSizeText(const QString &FileName);
// Size text of a byte count (as FileSizeText shows it).
QString FileSizeText(qint64 Size);
// True when the file system holding Path (its nearest existing ancestor) answers.
bool IsDriveReady(const QString &Path);
// Opens a document with the desktop's opener, or starts a program with parameters.
// ShowCmd is accepted for the callers' sake and not used.
void ShellOpen(const QString &FileName, const QString &Parameters, const QString &Directory,
               int ShowCmd);
// The file manager's properties of a file or folder, else a small dialog of our own.
void ShowPropertiesDialog(const QString &Path);

// ---- Executors and the undo log ----
// Carries out the batch AlteDateinamen -> NeueDateinamen by the target mode of
// DatUmbRadioGroup01 (0 rename in place, 1 move, 2 copy), after one Yes/No question.
void ExecuteFileRename();
// Renames the folders of the batch (deepest first), after one Yes/No question.
void ExecuteFolderRename();
// Reverses the last batch by the undo kind in the Tag of HMenuDateiRueckgaengig.
void UndoLastAction();

// The undo log file: Arbeitsverzeichnis + Protokolldatei.
QString UndoLogPath();
// Writes HauptForm->ProtokollListBox as the undo log (atomically, CR LF lines, paths as
// their bytes); false when it cannot be written.
bool SaveUndoLog();
// Undo menu item and tool button after a batch: caption, item hint and button hint as
// text ids (ButtonHintId 0 leaves the button's hint), enabled, Tag = undo kind (0 file
// moves, 1 attributes and times, 2 folder renames). The undo will read the log file
// of UndoLogPath() as it is now.
void SetUndoMenuState(int CaptionId, int ItemHintId, int ButtonHintId, bool Enabled, int Tag);

// Time stamps in an attribute log (kind 1): shortest decimal form of the day count
// with up to 15 significant digits and the system's decimal separator.
QString UndoLogTimeText(TDateTime Value);
bool ParseUndoLogTime(const QString &Text, TDateTime &Value);
