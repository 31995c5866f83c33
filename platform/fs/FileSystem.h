#pragma once
// File-system calls of the program. Every path is a QString in the lossless codec;
// nothing here hands names to QFile/QDir. Moves and copies never replace a target.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace fs {

// Outcome of a call that can fail: errno of the failing step, 0 on success.
struct Result {
    int error = 0;
    explicit operator bool() const { return error == 0; }
    QString message() const; // strerror text of error
};

bool exists(const QString &path);       // any entry, a dangling symbolic link included (lstat)
bool isFolder(const QString &path);     // a folder (follows links)
bool isRegularFile(const QString &path); // a regular file (follows links)
std::optional<std::int64_t> fileSize(const QString &path); // size of a regular file

// Moves a file or folder; never replaces an existing target. Works across file
// systems (copy to a temporary name, fsync, put in place, remove the source) and for
// a rename that only changes letter case on a case-insensitive file system.
Result moveFile(const QString &from, const QString &to);
// Copies a regular file; the target must not exist. Mode and last-write time are kept;
// a partial target is removed on failure.
Result copyFile(const QString &from, const QString &to);
// Creates a folder with all missing parents; success when it exists already.
Result createFolders(const QString &path);
Result removeFile(const QString &path);
Result removeEmptyFolder(const QString &path);
// Replaces the file's content atomically (temporary file in the same folder, rename).
Result writeFileAtomic(const QString &path, const QByteArray &content);
std::optional<QByteArray> readFile(const QString &path);

struct Entry {
    QString name;
    bool isFolder = false;
    bool isHidden = false; // name begins with "."
};
// The regular files and folders of a folder, sorted case-insensitively, then by bytes.
// Symbolic links to folders and everything that is neither file nor folder are left out.
std::vector<Entry> listFolder(const QString &folder);

// Windows-style mask: case-insensitive, "*" and "?"; "*.*" also matches names without a dot.
bool matchesMask(const QString &name, const QString &mask);

} // namespace fs
