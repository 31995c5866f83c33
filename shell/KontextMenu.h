#pragma once
// The folder context-menu entry: a desktop entry for folders that starts the program on
// the chosen folder, kept per user as corvexpro-folder.desktop in
// $XDG_DATA_HOME/applications/ and as a file-manager service menu of the same name in
// $XDG_DATA_HOME/kio/servicemenus/. The names do not depend on the language.

#include <QString>

// The Exec value that starts Program on the chosen folder: the path quoted and escaped
// as desktop entry files want it (both levels, "%" as "%%"), then " %f".
QString FolderEntryExec(const QString &Program);

// Writes the service menu, and the applications entry when the desktop already has a
// default application for folders (so the entry never becomes the folder opener); Name
// is the entry's name in the menu. Both are executable. False when a file cannot be
// written; both are then removed.
bool CreateFolderContextEntry(const QString &Program, const QString &Name);
// Removes both files; false when one exists and cannot be removed.
bool RemoveFolderContextEntry();
