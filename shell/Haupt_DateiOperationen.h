#pragma once
// The file operations of the explorer panes: delete to the trash, copy and move of one
// path per call. Copy and move never replace by themselves: a target that exists is
// replaced only when the user answers Yes to the question (the existing item goes to
// the trash first), and a folder onto an existing folder of its name is merged entry by
// entry with the same question. Each item that fails is noted with its cause in the
// batch's Failures. Nothing is ever deleted for good.

#include <QString>

class TFailedFiles;

// Moves the file or folder to the trash; true when it went there.
bool DeleteToRecycleBin(const QString &Path, TFailedFiles &Failures);
// Copies the file or folder (with its whole tree) to the full target path; true when
// everything was copied.
bool ShellCopyFiles(const QString &Source, const QString &Target, TFailedFiles &Failures);
// Moves the file or folder to the full target path; true when everything was moved.
bool ShellMoveFiles(const QString &Source, const QString &Target, TFailedFiles &Failures);
