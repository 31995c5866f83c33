#pragma once
// File-system calls of the program. Every path is a QString in the lossless codec;
// nothing here hands names to QFile/QDir. Moves and copies never replace a target.

#include <QByteArray>
#include <QByteArrayView>
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
// The two paths name one entry (same device and inode, no link followed): on a
// case-insensitive file system two spellings of one name.
bool sameEntry(const QString &a, const QString &b);
bool sameFile(const QString &a, const QString &b); // both exist and are one file (follows links)

// Moves a file or folder; never replaces an existing target (EEXIST). Works across file
// systems (copy to a temporary name, fsync, put in place, remove the source) and for
// a rename that only changes letter case on a case-insensitive file system.
// A symbolic link is moved as the link. Across file systems a file keeps its mode, its
// times and its user extended attributes, the creation time among them; a folder is
// copied as a tree under a temporary hidden name in the target folder, put in place
// whole in one rename, then the source tree removed: a killed move leaves either no
// target or the whole one, and the source whole until the target is complete.
// Across file systems only regular files, folders and symbolic links are carried: a fifo,
// socket or device (or a tree holding one) is refused with EOPNOTSUPP from its type,
// never opened; a tree holding another mounted file system fails with EXDEV. On any failure only what the move created is removed; should
// removing the source fail after a complete copy (rare: each source folder is checked
// to be writable first), the copy stays and the error is reported, so nothing is lost.
// A folder on a file system without RENAME_NOREPLACE is not moved (EINVAL).
Result moveFile(const QString &from, const QString &to);
// The same for paths given as their bytes (encodeName) without a trailing "/", for a
// caller that holds them already.
Result moveEncoded(const QByteArray &from, const QByteArray &to);
// Moves many entries, as moveEncoded does, for a batch that comes folder by folder: the
// folders of the last move are held open and a move within them names its entries
// relative to them, so the kernel does not walk the folders' paths again for each
// entry. A held folder is the one its path named when the batch reached it.
class FolderMover {
public:
    FolderMover() = default;
    ~FolderMover();
    FolderMover(const FolderMover &) = delete;
    FolderMover &operator=(const FolderMover &) = delete;

    Result move(const QByteArray &from, const QByteArray &to);

private:
    struct Held {
        QByteArray folder; // with its trailing "/"; empty when none is held
        int fd = -1;
    };
    static int hold(Held &held, QByteArrayView folder);
    Held from_, to_;
};
// Copies a regular file (following links); the target must not exist. Mode (without
// set-id bits), last-write time and user extended attributes (not the creation time:
// the copy is new) are kept. The copy is written under a temporary name in the target
// folder and put in place only when complete; on failure it is removed. A fifo, socket or
// device is refused with EOPNOTSUPP from its type, never opened; a symbolic link to
// one is copied as the link.
Result copyFile(const QString &from, const QString &to);
// Copies a folder with its whole tree into the new folder `to` (never replaces: EEXIST):
// folders, regular files with their mode and last-write time, symbolic links as links.
// The tree is built under a temporary hidden name in the target folder and put in place
// in one rename when complete. A tree holding a fifo, socket or device is refused with
// EOPNOTSUPP; on any failure the partial copy is removed.
//
// Every call here that makes a temporary entry in a folder (moves and copies, the atomic
// replacements below) first removes from that folder what killed runs left: entries of
// this user named ".corvex-" + 8 lower-case hex digits + ".tmp" (files, and folders with
// their trees) last written over an hour ago; nothing else. A folder is searched at most
// once an hour per run.
Result copyFolder(const QString &from, const QString &to);
// Creates a folder with all missing parents; success when it exists already.
Result createFolders(const QString &path);
Result removeFile(const QString &path);
Result removeEmptyFolder(const QString &path);
// Replaces the file's content atomically (temporary file in the same folder, fsync,
// rename). An existing file keeps its mode, a new one gets newFileMode (less the umask);
// a symbolic link stays and its file is replaced.
Result writeFileAtomic(const QString &path, const QByteArray &content, unsigned newFileMode = 0666);
// Creates the file with `content` (mode newFileMode less the umask); never replaces an
// existing entry, a dangling symbolic link included (EEXIST). The content goes to a
// temporary file in the folder first, so a failure leaves no partial file.
Result createFileExclusive(const QString &path, const QByteArray &content, unsigned newFileMode = 0666);
// The whole content of a file; nullopt when unreadable, with the reason in *failure.
std::optional<QByteArray> readFile(const QString &path, Result *failure = nullptr);

// A run of bytes of a file: [start, start + length).
struct ByteRange {
    std::int64_t start = 0;
    std::int64_t length = 0;
};
// Replaces the regular file at `path` by the ranges `kept` of its own content, in order,
// read from `source` (the descriptor of the file opened at `path`): a temporary file in
// its folder is written, flushed and renamed over it. The new file keeps the mode, the
// owner and group, the user extended attributes (user.DOSATTRIB) and the creation time;
// its last write is now. Refused, changing nothing: when `path` is a symbolic link or no
// longer the file of `source` (ESTALE), when the file is read-only (no write permission
// for anyone, EACCES) or has other hard links (EMLINK), when the owner cannot be given
// (EPERM), or when a range lies outside the file (EINVAL).
Result replaceWithRanges(const QString &path, int source, const std::vector<ByteRange> &kept);

struct Entry {
    QString name;
    bool isFolder = false;
    bool isHidden = false; // name begins with "."
};
// The regular files and folders of a folder, sorted case-insensitively (by upper case,
// as NTFS does), then by bytes. A symbolic link to a regular file counts as a file;
// links to folders, dangling links and everything else are left out.
std::vector<Entry> listFolder(const QString &folder);

// Every entry of a folder, whatever its kind, in byte order, into entries; isFolder only
// for a real folder (no link followed).
Result folderEntries(const QString &folder, std::vector<Entry> &entries);

// Every entry of a folder by kind, no link followed: its sub-folders (sorted as
// listFolder sorts them, dot-named ones included), whether it holds anything else
// (files, symbolic links of any kind, special files) and, with sizes, the summed size
// of its regular files (a link adds nothing). nullopt when it cannot be read through.
struct FolderContent {
    std::vector<Entry> folders;
    bool holdsOther = false;
    std::int64_t fileBytes = 0;
};
std::optional<FolderContent> folderContent(const QString &folder, bool sizes = false);

// Windows-style mask: case-insensitive, "*" and "?" (one character); a final ".*" also
// matches the end of the name, so "*.*" matches names without a dot.
bool matchesMask(const QString &name, const QString &mask);

} // namespace fs
