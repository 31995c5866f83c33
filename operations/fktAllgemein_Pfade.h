#pragma once
// Path, name and size helpers of the batch operations and the main window. IsDriveReady
// (platform/fs/DriveInfo.h) and ShellOpen (platform/desktop/Desktop.h) come with them.

#include "platform/desktop/Desktop.h"
#include "platform/fs/DriveInfo.h"

#include <QLocale>
#include <QString>

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
// Name without the SpecialCharacters ("/" and "\" among them).
QString WithoutSpecialCharacters(const QString &Name);
// The first of Path, stem_1.ext, stem_2.ext, ... that is free. Any existing entry
// (folder, dangling link) counts as taken, except the file OwnPath itself (so that a
// case-only rename on a case-insensitive file system keeps its name).
QString MakeUniqueFileName(const QString &Path, const QString &OwnPath = {});
// Text 8992 and the size of a regular file in Byte/kByte/MByte/GByte; empty otherwise.
QString FileSizeText(const QString &FileName);
// Size text of a byte count (as FileSizeText shows it).
QString FileSizeText(qint64 Size);
// A byte count in Byte, kByte, MByte or GByte (two decimals from kByte on), the number
// in Locale's form without group separators: "700 Byte", "1,50 kByte".
QString SizeText(qint64 Size, QLocale Locale);
// True when Folder (absolute, normalised, trailing "/") is one of the system's own
// folders /bin, /boot, /dev, /etc, /lib, /lib32, /lib64, /proc, /run, /sbin, /sys or
// lies below one: the batch tools never touch what is there.
bool IsInSystemFolder(QStringView Folder);
// The file manager's properties of a file or folder, else a small dialog of our own.
void ShowPropertiesDialog(const QString &Path);
