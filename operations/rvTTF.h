#pragma once
// TrueType font names: the names of a font's 'name' table as far as the TrueType view
// shows them, and the rename rule of that view (fonts renamed by their full name).

#include <QByteArrayView>
#include <QString>

class QIODevice;

// The names of the last font read (emptied at the start of every read).
extern QString FontNotice;     // name id 0, up to its first NUL
extern QString FontFamilyName; // name id 1, printable bytes
extern QString FontStyleName;  // name id 2, printable bytes
extern QString FontFullName;   // name id 4, file-name-safe bytes, at most 80 characters

// Reads the four names of a font file; a file that is no regular file or cannot be
// opened (never waited for) gives none.
void ReadTrueTypeNames(const QString &FileName);
// The same over an open device, read from its start.
void ReadTrueTypeNames(QIODevice &File);
// Name bytes as text, the bytes that Mode does not keep dropped: mode 1 keeps the
// printable bytes 20-7E and A0-FF; mode 2 only those that may stand in a file name,
// cut to 80 characters. Kept bytes are Windows-1252 characters.
QString FilterFontNameBytes(QByteArrayView Bytes, int Mode);
// Name bytes up to the first NUL as Windows-1252 text, without trailing blanks and
// control characters.
QString FontNameBytesToText(QByteArrayView Bytes);

// The names of a ".ttf" file (any letter case) in the TrueType view's value labels;
// the labels emptied for any other name.
void ShowFontInfo(const QString &FileName);
// The rule of the TrueType view: each font becomes its full name + ".ttf", in its
// folder (mode 0) or directly in the target folder (modes 1 and 2). A font without a
// full name keeps its name. An empty batch shows 9052, an empty target folder 9003;
// both leave every entry as it is.
void RenameByFontName();
