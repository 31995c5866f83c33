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

    Result open(const QString &path);
    // The next line as its bytes, valid until the next call (no copy is made); nullopt
    // at the end of the file or after a read error (failed() tells them apart).
    std::optional<QByteArrayView> next();
    bool failed() const { return error_ != 0; }

private:
    bool fill();

    int fd_ = -1;
    int error_ = 0;
    bool atEnd_ = false;
    QByteArray buffer_;
    qsizetype start_ = 0;
};

// A file written from the start and then grown by appending: open() creates it or
// empties it, append() adds its bytes with one write, close() flushes them to the disk.
class AppendFile {
public:
    AppendFile() = default;
    ~AppendFile();
    AppendFile(const AppendFile &) = delete;
    AppendFile &operator=(const AppendFile &) = delete;

    Result open(const QString &path);
    bool isOpen() const { return fd_ >= 0; }
    Result append(const QByteArray &bytes);
    // Flushes to the disk and closes; reports the first error of the file's life.
    Result close();

private:
    int fd_ = -1;
    int error_ = 0;
};

} // namespace fs
