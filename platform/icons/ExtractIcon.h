#pragma once
// The icons of Windows icon files and programs, read by the program itself: an ICO file
// holds one icon; a PE32 or PE32+ file (EXE, DLL) one per icon group resource
// (RT_GROUP_ICON), in the order of its resource directory (names, then ids; the first
// language of each). Every other file (ELF, NE, ...) holds none. Of an icon's images the
// 32 x 32 one with the most bits per pixel is taken, else the one nearest in size (the
// larger on a tie), scaled to 32 x 32. Images are DIBs (1 to 32 bits per pixel, with an
// AND mask or an alpha channel) or PNG. Every offset, size and count is checked against
// the file: hostile files give no icon, never a read outside them.

#include <QImage>
#include <QString>

class QIODevice;

// Edge length of every icon given out.
inline constexpr int IconEdge = 32;

// The number of icons File's content holds (read from its start); 0 for none.
int IconCount(QIODevice &File);
// Icon Index (from 0) of File's content as a 32 x 32 ARGB32 image; a null image when
// Index is out of range or the icon cannot be read.
QImage IconAt(QIODevice &File, int Index);

// The shell's ExtractIconA on a file name, its index -1 (the number of icons) as a call
// of its own. Only a regular file is opened (never waited for); any other holds none.
int ExtractIconCount(const QString &FileName);
QImage ExtractIconA(const QString &FileName, int Index);
