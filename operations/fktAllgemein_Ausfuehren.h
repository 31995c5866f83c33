#pragma once
// The rename executors and the undo log.

#include "platform/DateTime.h"

#include <QString>
#include <QStringList>

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
