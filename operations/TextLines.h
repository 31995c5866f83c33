#pragma once
// Line files of the program (undo log, plug-in list, folder-structure and command
// files). Written with CR LF after every line; read with LF alone accepted and one CR
// before it dropped. All file access goes through platform/fs.

#include "platform/fs/FileSystem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace TextLines {

// Lines of a file of paths: each line decoded with the lossless name codec, so that a
// path written by writeLinesAtomic comes back byte for byte. No path holds a NUL byte:
// the first one ends the file (an undo log after a crash, see fs::AppendFile), and a
// line it cuts off does not count. nullopt when unreadable.
std::optional<QStringList> readLines(const QString &path);
// The lines of a file of paths (as readLines reads them) held as their bytes in one
// block, so a long log costs little memory; a line is handed out as its bytes.
class PackedLines {
public:
    qsizetype size() const { return qsizetype(ends_.size()); }
    QByteArrayView at(qsizetype i) const; // valid while the lines live

private:
    friend std::optional<PackedLines> readPackedLines(const QString &path);
    QByteArray bytes_;
    std::vector<qsizetype> ends_; // where each line's bytes end
};
std::optional<PackedLines> readPackedLines(const QString &path);
// Lines of a text file: UTF-8 (a leading byte-order mark dropped), or Windows-1252
// when the file is not valid UTF-8 (files brought from Windows). nullopt when
// unreadable, with the reason in *failure.
std::optional<QStringList> readTextLines(const QString &path, fs::Result *failure = nullptr);
// The same for content at hand.
QStringList decodeTextLines(QByteArray content);
// Replaces the file atomically with the lines, each encoded with the lossless name
// codec (paths as their bytes) and followed by CR LF. No lines give an empty file.
fs::Result writeLinesAtomic(const QString &path, const QStringList &lines);

// Splits file content into lines by the rule above; a last line without LF counts.
QList<QByteArray> splitLines(const QByteArray &content);
// Windows-1252, one byte per character. The five bytes the code page leaves unassigned
// decode to the C1 controls U+0081, U+008D, U+008F, U+0090 and U+009D, and those
// encode back to them; a character outside the table encodes as one "?", also one
// beyond U+FFFF (a surrogate pair) and a lone surrogate.
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encodeWindows1252(QStringView text);

} // namespace TextLines
