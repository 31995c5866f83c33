#pragma once
// The folder tools: numbered folder series, the folders below a folder, folder sizes and
// the empty folders below a folder. Results go to HauptForm->AlteDateinamen. No walk
// follows a symbolic link or enters /proc, /sys or /dev.

#include <QString>

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
