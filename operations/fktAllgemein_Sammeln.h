#pragma once
// The collectors of the batch operations: they fill the work lists of the main window.

#include <QString>
#include <QStringList>

#include <functional>

// ---- Collectors (fill HauptForm->AlteDateinamen) ----
// Adds the files of Folder + Mask and of every sub-folder (PathMask = folder with
// trailing "/" followed by the mask); does not clear the list. Hidden files are
// collected, folders whose name begins with "." are not entered, links to folders are
// not followed. Lets the message loop run now and then (holds a BatchGuard meanwhile).
void CollectFilesRecursive(const QString &PathMask);
// The same walk into Found, without the batch guard; Stop, asked after the message loop
// ran, ends it before the next folder is read.
void WalkFilesRecursive(const QString &PathMask, QStringList &Found, const std::function<bool()> &Stop);
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
