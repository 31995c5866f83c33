#pragma once
// The rename executors and the undo log.

#include "platform/DateTime.h"
#include "platform/fs/LineFiles.h"

#include <QString>
#include <QStringList>

class TFailedFiles;

// ---- Executors and the undo log ----
// The executors go on past a file that fails and show one box of the failed files
// after the batch (TFailedFiles); the undo stays off after a batch that carried out
// nothing.
// Carries out the batch AlteDateinamen -> NeueDateinamen by the target mode of
// DatUmbRadioGroup01 (0 rename in place, 1 move, 2 copy), after one Yes/No question.
void ExecuteFileRename();
// Renames the folders of the batch (deepest first), after one Yes/No question.
void ExecuteFolderRename();
// Reverses the last batch by the undo kind in the Tag of HMenuDateiRueckgaengig.
void UndoLastAction();

// A new path the executors accept: absolute, with a real last component, and nothing
// that would break the line-based undo log.
bool IsUsableTarget(const QString &Path);
// Both explorer lists read their folders again.
void RefreshExplorerLists();

// The undo log file: Arbeitsverzeichnis + Protokolldatei.
QString UndoLogPath();

// The undo log of a running batch, written as the batch goes: the constructor empties
// the log file and HauptForm->ProtokollListBox; Append adds a carried-out pair to both
// (fs::AppendFile); Finish flushes the file to the disk. After a crash the file holds
// every pair carried out (the last one possibly missing), then possibly NUL bytes.
class UndoLogWriter {
public:
    UndoLogWriter();
    UndoLogWriter(const UndoLogWriter &) = delete;
    UndoLogWriter &operator=(const UndoLogWriter &) = delete;

    // False for a path holding CR or LF: the log holds one value per line, so a
    // rename or move of such a path must not be carried out.
    static bool CanLog(const QString &Path);
    static bool CanLogBytes(QByteArrayView EncodedPath); // the same for its bytes
    void Append(const QString &OldPath, const QString &NewPath);
    // Adds the pair, given as the bytes of both paths (fs::encodeName), to the file
    // alone: for a batch whose list nothing reads (a command-file run ends with it).
    void AppendEncoded(QByteArrayView OldBytes, QByteArrayView NewBytes);
    // Writes the lines of ProtokollListBox from index From on to the log file (the
    // caller added them to the list): a batch whose groups are not pairs.
    void WriteLines(qsizetype From);
    // True when every pair reached the log file.
    bool Finish();
    // True once a pair was appended: the batch carried something out to undo.
    bool Logged() const { return pairs_ > 0; }

private:
    void Write(); // record_ to the file, its last two bytes made CR LF
    fs::AppendFile file_;
    QByteArray record_; // the bytes of one pair, reused
    bool ok_ = false;
    qsizetype pairs_ = 0;
};

// Moves each (old, new) pair of a file-move log back to its old path, from the last
// complete pair to the first (a name the batch freed and gave to another file is free
// again when its own file comes back). Pairs that are not two different absolute paths
// are passed over; a failed move goes on with the others and is noted in Failures.
// Returns the moves carried out, as pairs (the path the file had, the path it has
// again), in their order.
QStringList UndoMoveLog(const QStringList &Lines, TFailedFiles &Failures);
// Undo menu item and tool button after a batch: caption, item hint and button hint as
// text ids (ButtonHintId 0 leaves the button's hint), enabled, Tag = undo kind (0 file
// moves, 1 attributes and times, 2 folder renames). The undo will read the log file
// of UndoLogPath() as it is now.
void SetUndoMenuState(int CaptionId, int ItemHintId, int ButtonHintId, bool Enabled, int Tag);

// Time stamps in an attribute log (kind 1): shortest decimal form of the day count
// with up to 15 significant digits and the system's decimal separator.
QString UndoLogTimeText(TDateTime Value);
bool ParseUndoLogTime(const QString &Text, TDateTime &Value);
