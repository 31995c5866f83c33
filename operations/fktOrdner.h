#pragma once
// The folder tools: numbered folder series, the folders below a folder, folder sizes,
// the empty folders below a folder, the folder rename rules and the folder statistics.
// Results go to HauptForm->AlteDateinamen. No walk follows a symbolic link or enters
// /proc, /sys or /dev.

#include <QString>

#include <array>
#include <cstdint>

class QTreeWidgetItem;
class TTreeView;

// Creates the series of the folder page (OrdName01 + number + OrdName02 for every
// number from OrdStartwert to OrdEndwert) in OrdnerZielverzeichnis, else in the left
// tree's folder; a folder that cannot be created is reported and the series goes on.
void CreateFolderSeries();
// Appends Folder and every folder below it, each with a trailing "/", in depth-first
// pre-order, sorted within each folder; folders whose names begin with "." are left out.
void ListFoldersRecursive(const QString &Folder);
// Adds the sub-folders of Folder (with WithFiles also its files) below ParentNode
// (nullptr: the top level) of Tree, their sub-folders below them, and so on; each node
// shows image 0. Names beginning with "." are left out, and so are (with what lies below
// them) names that a structure file cannot hold: those with CR or LF or beginning with
// a blank or TAB.
void ReadFolderTreeRecursive(TTreeView *Tree, const QString &Folder, bool WithFiles, QTreeWidgetItem *ParentNode);
// The summed size of the regular files in Folder, with Recursive also in its sub-folders
// whose names do not begin with "."; folders and symbolic links add nothing.
std::int64_t GetFolderSize(const QString &Folder, bool Recursive);
// AlteDateinamen := the empty folders below Folder, sorted, without trailing "/". A
// folder is empty when nothing but folders lies anywhere below it (dot-named folders
// searched too) and all of it can be read. Folder itself, dot-named folders and the
// folders below them, and folders in the system's own folders are never listed.
void ListEmptyFolders(const QString &Folder);
// True when nothing but folders lies below Folder and all of it can be read.
bool IsEmptyFolderTree(const QString &Folder);

// ---- Folder rename rules (the folder page's rename sub-view) ----
// The active tree's folder with a trailing "/", set by PrepareFolderRenameLists.
extern QString FolderRenameBase;
// AlteDateinamen := the selected items of the active list, or with OrdnerRekursiv every
// folder below the active tree's folder (trailing "/"); NeueDateinamen := each one's
// path below FolderRenameBase. Items that do not lie below it are left out. Message
// 9059 and Abort when nothing is selected; a recursive batch may end up empty.
void PrepareFolderRenameLists();
// Item I of NeueDateinamen taken apart: Parent its folders below the base (trailing
// "/", may be empty), Name its last component (one trailing "/" dropped).
struct FolderPathParts {
    QString Parent;
    QString Name;
};
FolderPathParts SplitFolderPath(int I);
// The five rules of RadioGroupOrdU1: each replaces every item of NeueDateinamen by
// FolderRenameBase + Parent + the new Name (no trailing "/"). A new Name that is
// empty, "." or ".." leaves the folder's path as it was.
void ReplaceInFolderNames(); // 0: EditOrdU1 by EditOrdU2; 9008/9009 and Abort when EditOrdU1 is empty
void InsertIntoFolderNames(); // 1: EditOrdU3 at OrdnerZKPosition from the start or the end
void CutFromFolderNames();    // 2: OrdnerZKEnt characters at OrdnerZKPosition02 (from 1)
void ChangeFolderNameCase();  // 3: by RadioGroupOrdU2
void ShortenFolderNames();    // 4: to OrdnerAnzEnt characters, removing at the start or the end
// The rule chosen in RadioGroupOrdU1.
void ApplyFolderRenameRule();

// ---- Folder statistics (Explorer02 page "OrdnerFuellstand") ----
// A colour number from its channels, each taken modulo 256: r + g * 256 + b * 65536.
std::int32_t MakeRgbColor(int r, int g, int b);
// The slice colours of the pie, kept between runs.
extern std::array<std::int32_t, 20> FolderChartColors;
// Fills FolderChartColors for Count sub-folders (5, 10, 15 or 20 entries) in the
// scheme Scheme (TortenFarbe: 0 red, 1 green, 2 blue); another Scheme changes nothing.
void FillFolderChartColors(int Count, int Scheme);
// The size text of the table: below 1 GiB "<MiB> MByte", else "<GiB> GByte", three
// decimals with the system locale's separator; Value := the number the text shows, in
// MiB (the quotient rounded to 4 decimals, then to the 3 shown, times 1024 for GiB).
QString FolderSizeText(std::int64_t Bytes, double *Value = nullptr);
// Rebuilds the table OrdnerStringGrid01 and the pie OrdnerChart01 for the left tree's
// folder: one row per sub-folder of the left list (size, files and folders below it),
// at most 20 slices (the smallest folders summed as "Others"). Lets the message loop
// run per sub-folder; called while it runs, it stops that run at its next step and
// starts again for the left tree's folder as it is then.
void ShowFolderStatistics();
// Sorts the rows of OrdnerStringGrid02 ascending by the size in bytes in column 0.
void SortFolderStatistics();
void SortFolderStatisticsRows(int Lo, int Hi);
