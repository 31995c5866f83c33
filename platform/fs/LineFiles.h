#pragma once
// Line files read and written piece by piece: a reader that hands out one line at a
// time (never the whole file), and a file that grows by appended records.

#include "platform/fs/FileSystem.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace fs {

// Reads a file line by line. A line ends at LF; one CR before it is dropped; a last
// line without LF counts.
class LineReader {
public:
    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader &) = delete;
    LineReader &operator=(const LineReader &) = delete;

    // With endAtNul, the file ends at its first NUL byte, and a line that the NUL cuts
    // off (no LF before it) does not count: the padding an AppendFile leaves after a
    // crash, behind a record it was copying.
    Result open(const QString &path, bool endAtNul = false);
    // The next line as its bytes, valid until the next call (no copy is made); nullopt
    // at the end of the file or after a read error (failed() tells them apart).
    std::optional<QByteArrayView> next();
    bool failed() const { return error_ != 0; }

private:
    bool fill();

    int fd_ = -1;
    int error_ = 0;
    bool atEnd_ = false;
    bool endAtNul_ = false;
    bool cutAtNul_ = false;
    QByteArray buffer_;
    qsizetype start_ = 0;
};

// A file written from the start and then grown by appending: open() creates it or
// empties it, append() adds its bytes, close() cuts the file to them and flushes it to
// the disk. The bytes are copied into a shared mapping of the file, grown chunk by
// chunk with its blocks reserved, so an append is a copy and no system call; when the
// process dies, the kernel keeps what was copied, and the file then ends in NUL bytes
// (read it with LineReader's endAtNul). Where the file cannot be mapped, each append
// is one write.
class AppendFile {
public:
    AppendFile() = default;
    ~AppendFile();
    AppendFile(const AppendFile &) = delete;
    AppendFile &operator=(const AppendFile &) = delete;

    Result open(const QString &path);
    bool isOpen() const { return fd_ >= 0; }
    Result append(QByteArrayView bytes);
    // Flushes to the disk and closes; reports the first error of the file's life.
    Result close();

    static constexpr qsizetype MapChunk = 1024 * 1024; // the least a mapping covers

private:
    bool mapFor(qsizetype count);
    void unmap();
    Result write(QByteArrayView bytes);

    int fd_ = -1;
    int error_ = 0;
    bool mapping_ = false; // appends go through the mapping (one is made when needed)
    char *map_ = nullptr;  // file bytes [mapStart_, mapStart_ + mapSize_)
    qsizetype mapStart_ = 0;
    qsizetype mapSize_ = 0;
    qsizetype reserved_ = 0; // the file's size while mapping
    qsizetype written_ = 0;
};

} // namespace fs
