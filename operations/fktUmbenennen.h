#pragma once
// The rename module: the rename road of the rename tab (collect, copy, one rule,
// drop the unchanged pairs, execute), the index and addition rules, the text rules
// and the rename preview. The rules read their settings from the rename page of
// HauptForm and rewrite HauptForm->NeueDateinamen in place, item by item.

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The checked target folder (trailing "/") of target modes 1 and 2; set by
// CheckTargetFolder, left as it was in mode 0.
extern QString RenameTargetFolder;
// The folder (trailing "/") of the last recursive collection of the rename tab; the
// text rules keep a file's sub-path below it when they move or copy. Emptied by a
// collection from the file list, kept by a collection from the explorer selection.
extern QString RenameBaseFolder;

// ---- The road ----
// The rename action (menu item HMenuAktionenUmbenennen, pop-up item
// PM01DateiUmbenennen, tool button TB01Umbenennen): on the rename tab the files, on
// the folder tab the folders by the folder rule. A message of a collector or a rule,
// or a start value that is no whole number, ends it through the silent abort; nothing
// is renamed then. Does nothing while another batch or preview runs.
void HMenuAktionenUmbenennenClick();
// Fills AlteDateinamen from the source chosen on the rename tab (selection, folder
// tree, file list) and copies it into NeueDateinamen.
void PrepareRenameLists();
// Target modes 1 and 2: RenameTargetFolder := the target folder field with a trailing
// "/"; message 9003 and Abort when the field is empty. Mode 0: nothing.
void CheckTargetFolder();

// ---- Rules of the rule list (DatUmbRadioGroup02) ----
// Rules 0 to 2: number index, letter index, addition to the existing names, with the
// logical sort (DatUmbLogisch) and the capacity check (message 9005).
void SetUpIndexRule();
void ReplaceCharacters(); // 3
void InsertCharacters();  // 4
void CutCharacters();     // 5
void ChangeCase();        // 6
void ShortenNames();      // 7
void ChangeExtension();   // 8: the names of the old extension's mask, or all names
void InsertDateTime();    // 9: own values only when complete and valid (9120, 9121)

// Rule 10: the plug-in library named by DatUmbComboBox03 gives each new name
// (fktUmbenennen_Plugin.cpp). A library or export that is missing shows 9082 and
// changes nothing; the library is released on every path.
void RenameByExternalDll();
// The description of the plug-in library named by DatUmbComboBox03, its lines ended
// by "\n"; nothing after message 9082 when the library or its export is missing.
std::optional<QString> PluginDescription();

// ---- Rename-function language (sub-view "Funktionen", fktUmbenennen_Funktionen.cpp) ----
// Runs the commands of UmbenennungsFunktion one after the other over the whole batch.
// No command: 9105; a bad number of places: 9106; a letter or digit for "LVZ": 9116;
// an unknown command: silent abort.
void ApplyRenameFunction();
// Command K (from 1) of the function text: the text after the K-th ":" up to the next
// ":", the last one up to the last ">" of the text (empty without a ">" after it).
QString GetRenameFunctionCommand(int K);
// The operations on a name's stem.
QString ZeroString(int N);
QString PadDigitRuns(const QString &S, int N); // runs of "0"-"9" shorter than N padded
QString ReplaceText(const QString &S, const QString &A, const QString &B);
QString RemoveSpecialCharacters(const QString &S);
QString TransliterateUmlauts(const QString &S);
QString TrimBlanks(const QString &S);
QString BlankBeforeCapitals(const QString &S);
QString BlankBeforeCharacter(const QString &S, char32_t C);

// ---- Preview ----
// What started a preview: the user asking for it (a preview button, the View item or its
// tool button), or a change (a keystroke in a rule field, the selection, the folder, a
// rule switch, the language).
enum class PreviewStart { Asked, Change };
// With the rename tab shown and DatUmbVorschau down, or the folder tab and
// OrdnerVorschauSB down: the old and new names the rename action would produce, in
// VorschauStringGrid01 (names only, pairs that stay the same too). Nothing is renamed.
// A message of a collector or rule, or the silent abort, ends it: the grid keeps only its
// header row and the message shows in the preview page's line VorschauLabel01 until the
// next refresh. Its box opens only when the user asked; after a change, no box takes the
// keyboard. Does nothing while another batch or preview runs.
void ShowRenamePreview(PreviewStart Start = PreviewStart::Change);

// ---- Logical sort ----
// The first unbroken run of the digits 0-9 in FileName without its extension (from
// the last "."); 0 when there is none; a run beyond 32 bits gives INT32_MAX.
std::int32_t NumberInFileName(const QString &FileName);
// Quicksort of the index range L..R by Keys (middle pivot, not stable); Swap(i, j)
// exchanges two entries of the sorted list, the keys are exchanged here.
void SortByNumberKeys(std::vector<std::int32_t> &Keys, int L, int R, const std::function<void(int, int)> &Swap);
// Sorts the index range L..R of AlteDateinamen by NumberInFileName of the file names.
void SortByFileNumber(int L, int R);
// Sorts all of AlteDateinamen by SortByFileNumber.
void SortOldNamesLogically();

// ---- Letter index ----
// Advances the letter index by one: the character at Position (counted from 1) runs
// on to the next code, a "z" (or anything above it) becomes "a" and carries to the
// position before. A carry out of the first position stops there.
void IncrementLetterIndex(QString &Text, int Position);
