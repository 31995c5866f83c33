#include "platform/fs/FileSystem.h"

#include "platform/fs/Attributes.h"
#include "platform/fs/PathCodec.h"

#include <QHash>
#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs {

QString Result::message() const
{
    return qt_error_string(error);
}

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes and reports the error of a file that was written.
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int errorOf(bool ok)
{
    return ok ? 0 : errno;
}

QByteArray nativePath(const QString &path)
{
    QByteArray native = encodeName(path);
    while (native.size() > 1 && native.endsWith('/'))
        native.chop(1);
    return native;
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// Temporary entries of this program are named ".corvex-" + 8 lower-case hex digits +
// ".tmp". Only names of exactly this form are ever cleaned away (removeStaleTemporaries),
// so an entry that holds the user's data under a temporary name uses another suffix.
constexpr char TemporaryPrefix[] = ".corvex-";
constexpr char TemporarySuffix[] = ".tmp";
constexpr int TemporaryDigits = 8;
constexpr std::int64_t StaleSeconds = 3600; // a temporary entry this old is a leftover

bool isTemporaryName(const char *name)
{
    const std::size_t prefix = sizeof TemporaryPrefix - 1, suffix = sizeof TemporarySuffix - 1;
    if (std::strlen(name) != prefix + TemporaryDigits + suffix || std::strncmp(name, TemporaryPrefix, prefix) != 0
        || std::strcmp(name + prefix + TemporaryDigits, TemporarySuffix) != 0)
        return false;
    return std::all_of(name + prefix, name + prefix + TemporaryDigits,
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

int removeTree(int folder, const char *name);

// Whether `folder` is to be searched for leftovers now: once per folder and hour, so that
// a batch into one folder does not read it again for each entry.
bool dueForCleaning(const QByteArray &folder)
{
    static std::mutex guard;
    static QHash<QByteArray, std::chrono::steady_clock::time_point> cleaned;
    const auto now = std::chrono::steady_clock::now();
    const auto stale = std::chrono::seconds(StaleSeconds);
    const std::lock_guard<std::mutex> lock(guard);
    if (cleaned.size() >= 4096)
        cleaned.removeIf([&](const auto &entry) { return now - entry.value() >= stale; });
    const auto at = cleaned.find(folder);
    if (at != cleaned.end() && now - *at < stale)
        return false;
    cleaned.insert(folder, now);
    return true;
}

// Removes what a killed run left in `folder`: files and folders (with their trees) of this
// user whose name is of the temporary form and that were last written over an hour ago.
// Failures are ignored: a leftover that stays is harmless.
void removeStaleTemporaries(const QByteArray &folder)
{
    if (!dueForCleaning(folder))
        return;
    FileDescriptor fd(open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR *listing = fd.valid() ? fdopendir(fcntl(fd.get(), F_DUPFD_CLOEXEC, 0)) : nullptr;
    if (!listing)
        return;
    std::vector<QByteArray> found;
    while (const dirent *entry = readdir(listing))
        if (isTemporaryName(entry->d_name))
            found.emplace_back(entry->d_name);
    closedir(listing);
    const time_t limit = time(nullptr) - StaleSeconds;
    for (const QByteArray &name : found) {
        struct stat info{};
        if (fstatat(fd.get(), name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
            && (S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)) && info.st_uid == geteuid()
            && info.st_mtim.tv_sec < limit)
            removeTree(fd.get(), name.constData());
    }
}

// Makes a fresh entry with a temporary name in `folder`: `create(candidate)` returns 0
// or an errno, EEXIST when the name is taken. The name made is stored in `made`. The
// leftovers of killed runs in the folder are removed first; an entry that will hold
// the user's own data under its temporary name gives another `suffix`, which no
// cleaning ever touches.
template <typename Create>
int makeTemporary(const QByteArray &folder, QByteArray &made, Create create, const char *suffix = TemporarySuffix)
{
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    removeStaleTemporaries(prefix);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray digits =
            QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(TemporaryDigits, '0');
        const QByteArray candidate = prefix + TemporaryPrefix + digits + suffix;
        const int error = create(candidate);
        if (error != EEXIST) {
            if (error == 0)
                made = candidate;
            return error;
        }
    }
    return EEXIST;
}

// For a file system without RENAME_NOREPLACE: a hard link claims the name without replacing.
int linkThenUnlink(const QByteArray &from, const QByteArray &to)
{
    if (link(from.constData(), to.constData()) != 0)
        return errno;
    if (unlink(from.constData()) != 0) {
        const int unlinkError = errno;
        unlink(to.constData());
        return unlinkError;
    }
    return 0;
}

int renameWithoutReplacing(const QByteArray &from, const QByteArray &to, bool folder)
{
    if (renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    const int error = errno;
    return (error != EINVAL && error != ENOSYS) || folder ? error : linkThenUnlink(from, to);
}

void syncFolder(const QByteArray &folder)
{
    FileDescriptor fd(open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        fsync(fd.get());
}

// Opens a file to read that was found to be a regular file, and describes it in `info`.
// Non-blocking, so that an entry swapped for a fifo in the meantime cannot make the
// open wait; anything but a regular file is refused.
int openRegularFile(int folder, const char *name, int flags, FileDescriptor &fd, struct stat &info)
{
    fd.reset(openat(folder, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags));
    if (!fd.valid() || fstat(fd.get(), &info) != 0)
        return errno;
    return S_ISREG(info.st_mode) ? 0 : EOPNOTSUPP;
}

int writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        data += written;
        size -= written;
    }
    return 0;
}

int copyContent(int in, int out)
{
    for (;;) {
        const ssize_t copied = copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (copied > 0 || (copied < 0 && errno == EINTR))
            continue;
        if (copied == 0)
            return 0;
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
            return errno;
        break; // not offered between these files: copy through a buffer from where it stopped
    }
    // one buffer for every file of a tree: a fresh one of this size would be mapped and
    // unmapped for each file
    thread_local std::string buffer(1 << 17, '\0');
    for (;;) {
        const ssize_t got = read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0 ? 0 : errno;
        if (const int error = writeAll(out, buffer.data(), got))
            return error;
    }
}

// Stored attributes, mode and times of `in` (a file or folder) onto the new `out`. A move
// keeps everything and reaches the disk; a copy is new: accessed now, no special mode bits.
int carryMetadata(int in, const struct stat &source, int out, bool asMove)
{
    carryStoredAttributes(in, out, asMove);
    if (fchmod(out, source.st_mode & (asMove ? 07777 : 0777)) != 0)
        return errno;
    const timespec times[2] = {asMove ? source.st_atim : timespec{0, UTIME_NOW}, source.st_mtim};
    if (futimens(out, times) != 0)
        return errno;
    return asMove ? errorOf(fsync(out) == 0) : 0;
}

// Content, stored attributes, mode and times of `in` into the new file `out`.
int transferFile(int in, const struct stat &source, int out, bool asMove)
{
    if (const int error = copyContent(in, out))
        return error;
    return carryMetadata(in, source, out, asMove);
}

int copyLink(int fromFolder, const char *from, int toFolder, const char *to)
{
    char destination[PATH_MAX];
    const ssize_t length = readlinkat(fromFolder, from, destination, sizeof destination);
    if (length < 0)
        return errno;
    if (length == sizeof destination)
        return ENAMETOOLONG;
    destination[length] = '\0';
    return errorOf(symlinkat(destination, toFolder, to) == 0);
}

// The entry names of an open folder, in byte order.
int readNames(int folder, std::vector<QByteArray> &names)
{
    const int fd = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *listing = fd >= 0 ? fdopendir(fd) : nullptr;
    if (!listing) {
        const int error = errno;
        if (fd >= 0)
            close(fd);
        return error;
    }
    int error = 0;
    for (;;) {
        errno = 0;
        const dirent *entry = readdir(listing);
        if (!entry) {
            error = errno;
            break;
        }
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    }
    closedir(listing);
    std::sort(names.begin(), names.end());
    return error;
}

int removeTree(int folder, const char *name)
{
    struct stat info{};
    if (fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    if (!S_ISDIR(info.st_mode))
        return errorOf(unlinkat(folder, name, 0) == 0);
    FileDescriptor inner(openat(folder, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
    if (!inner.valid())
        return errno;
    std::vector<QByteArray> names;
    if (const int error = readNames(inner.get(), names))
        return error;
    for (const QByteArray &entry : names) {
        if (const int error = removeTree(inner.get(), entry.constData()))
            return error;
    }
    return errorOf(unlinkat(folder, name, AT_REMOVEDIR) == 0);
}

// Copies the entries of folder `in` into the new folder `out`, then gives `out` the stored
// attributes, mode and times of `in` (described by `source`). For a move every source
// folder must be writable, so that removing the source afterwards cannot stop half-way
// for want of rights, and the tree must not reach into another file system; a copy is
// a new tree (as copyFile makes new files).
int copyTree(int in, const struct stat &source, int out, bool asMove)
{
    if (asMove && faccessat(in, ".", W_OK | X_OK, AT_EACCESS) != 0)
        return errno;
    std::vector<QByteArray> names;
    if (const int error = readNames(in, names))
        return error;
    for (const QByteArray &name : names) {
        struct stat entry{};
        if (fstatat(in, name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
            return errno;
        if (asMove && entry.st_dev != source.st_dev)
            return EXDEV; // another file system mounted inside
        int error = 0;
        if (S_ISDIR(entry.st_mode)) {
            if (mkdirat(out, name.constData(), 0700) != 0)
                return errno;
            FileDescriptor from(openat(in, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
            FileDescriptor to(openat(out, name.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
            error = from.valid() && to.valid() ? copyTree(from.get(), entry, to.get(), asMove) : errno;
        } else if (S_ISREG(entry.st_mode)) {
            FileDescriptor from;
            if (const int openError = openRegularFile(in, name.constData(), O_NOFOLLOW, from, entry))
                return openError;
            FileDescriptor to(openat(out, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
            if (!to.valid())
                return errno;
            error = transferFile(from.get(), entry, to.get(), asMove);
            if (!error)
                error = to.close();
        } else if (S_ISLNK(entry.st_mode)) {
            error = copyLink(in, name.constData(), out, name.constData());
        } else {
            return EOPNOTSUPP; // fifos, sockets and devices are not carried across file systems
        }
        if (error)
            return error;
    }
    return carryMetadata(in, source, out, asMove);
}

// Puts the finished temporary folder `temporary` in place as `to`, never replacing. A file
// system without RENAME_NOREPLACE gets the name claimed by an empty folder of our own,
// which the rename then replaces.
int placeFolder(const QByteArray &temporary, const QByteArray &to)
{
    if (const int error = renameWithoutReplacing(temporary, to, true); error != EINVAL && error != ENOSYS)
        return error;
    if (mkdir(to.constData(), 0700) != 0)
        return errno;
    if (rename(temporary.constData(), to.constData()) != 0) {
        const int error = errno;
        rmdir(to.constData());
        return error;
    }
    return 0;
}

// Copies the tree of the open folder `in` into a new folder `to` (never replacing: EEXIST):
// the tree is built under a temporary hidden name in the target folder and put in place
// in one rename when it is complete, so that a killed copy leaves no half folder under
// the final name. On any failure the temporary tree is removed again.
int copyFolderInto(int in, const struct stat &source, const QByteArray &to, bool asMove)
{
    struct stat existing{};
    if (lstat(to.constData(), &existing) == 0)
        return EEXIST; // refused before anything is copied
    QByteArray temporary;
    int error = makeTemporary(folderOf(to), temporary, [](const QByteArray &candidate) {
        return errorOf(mkdir(candidate.constData(), 0700) == 0);
    });
    if (error)
        return error;
    FileDescriptor out(open(temporary.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
    error = out.valid() ? copyTree(in, source, out.get(), asMove) : errno;
    if (!error)
        error = placeFolder(temporary, to);
    if (error)
        removeTree(AT_FDCWD, temporary.constData());
    return error;
}

// Copies the open regular file `in` to `to` through a temporary file in its folder, put
// in place without replacing (EEXIST) only when it is complete; on failure the temporary
// file is removed.
int transferThroughTemporary(int in, const struct stat &source, const QByteArray &to, bool asMove)
{
    FileDescriptor out;
    QByteArray temporary;
    int error = makeTemporary(folderOf(to), temporary, [&](const QByteArray &candidate) {
        out.reset(open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        return errorOf(out.valid());
    });
    if (error)
        return error;
    error = transferFile(in, source, out.get(), asMove);
    if (!error)
        error = out.close();
    if (!error)
        error = renameWithoutReplacing(temporary, to, false);
    if (error)
        unlink(temporary.constData());
    return error;
}

int moveFileAcross(const QByteArray &from, const QByteArray &to)
{
    FileDescriptor in;
    struct stat source{};
    if (const int error = openRegularFile(AT_FDCWD, from.constData(), O_NOFOLLOW, in, source))
        return error;
    if (const int error = transferThroughTemporary(in.get(), source, to, true))
        return error;
    syncFolder(folderOf(to));
    if (unlink(from.constData()) != 0) {
        const int error = errno;
        unlink(to.constData());
        return error;
    }
    return 0;
}

int moveLinkAcross(const QByteArray &from, const QByteArray &to)
{
    if (const int error = copyLink(AT_FDCWD, from.constData(), AT_FDCWD, to.constData()))
        return error;
    if (unlink(from.constData()) != 0) {
        const int error = errno;
        unlink(to.constData());
        return error;
    }
    return 0;
}

// The tree is copied under a temporary name, put in place whole, and only then is the
// source removed. Only a failure while removing the source, after the copy is complete,
// leaves both: the error is reported and nothing is lost.
int moveFolderAcross(const QByteArray &from, const QByteArray &to)
{
    FileDescriptor in(open(from.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
    struct stat source{};
    if (!in.valid() || fstat(in.get(), &source) != 0)
        return errno;
    if (faccessat(AT_FDCWD, folderOf(from).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return errno;
    if (const int error = copyFolderInto(in.get(), source, to, true))
        return error;
    syncFolder(folderOf(to));
    return removeTree(AT_FDCWD, from.constData());
}

// A rename onto the same entry under another letter case (a case-insensitive file
// system) goes through a temporary name in the same folder. The entry is the user's own,
// so its temporary name is not of the form that leftovers are cleaned by.
int renameThroughTemporary(const QByteArray &from, const QByteArray &to, bool folder)
{
    QByteArray temporary;
    int error = makeTemporary(folderOf(from), temporary, [&](const QByteArray &candidate) {
        return renameWithoutReplacing(from, candidate, folder);
    }, ".ren");
    if (error)
        return error;
    error = renameWithoutReplacing(temporary, to, folder);
    if (error)
        renameWithoutReplacing(temporary, from, folder);
    return error;
}

// Upper case per character, as the listing order and masks compare names.
std::u32string upperCodePoints(const QString &text)
{
    std::u32string result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text.at(i).unicode();
        if (code < 0x80) {
            result.push_back(code >= U'a' && code <= U'z' ? code - 32 : code);
            continue;
        }
        if (QChar::isHighSurrogate(code) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            code = QChar::surrogateToUcs4(char16_t(code), text.at(++i).unicode());
        result.push_back(QChar::toUpper(code));
    }
    return result;
}

bool wildcardMatch(const std::u32string &name, const std::u32string &mask)
{
    std::size_t at = 0, in = 0, star = std::u32string::npos, resume = 0;
    while (at < name.size()) {
        if (in < mask.size() && (mask[in] == U'?' || mask[in] == name[at])) {
            ++at;
            ++in;
        } else if (in < mask.size() && mask[in] == U'*') {
            star = in++;
            resume = at;
        } else if (star != std::u32string::npos) {
            in = star + 1;
            at = ++resume;
        } else {
            return false;
        }
    }
    while (in < mask.size() && mask[in] == U'*')
        ++in;
    return in == mask.size();
}

} // namespace

bool exists(const QString &path)
{
    struct stat info{};
    const QByteArray native = nativePath(path);
    return !native.isEmpty() && lstat(native.constData(), &info) == 0;
}

bool isFolder(const QString &path)
{
    struct stat info{};
    const QByteArray native = nativePath(path);
    return !native.isEmpty() && stat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isRegularFile(const QString &path)
{
    struct stat info{};
    const QByteArray native = nativePath(path);
    return !native.isEmpty() && stat(native.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::int64_t> fileSize(const QString &path)
{
    struct stat info{};
    const QByteArray native = nativePath(path);
    if (native.isEmpty() || stat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return std::int64_t(info.st_size);
}

// Both paths exist and name one device and inode, their last links followed or not.
static bool sameNode(const QString &a, const QString &b, bool followLinks)
{
    const auto info = followLinks ? &::stat : &::lstat;
    struct stat first{}, second{};
    const QByteArray nativeA = nativePath(a), nativeB = nativePath(b);
    return !nativeA.isEmpty() && !nativeB.isEmpty() && info(nativeA.constData(), &first) == 0
        && info(nativeB.constData(), &second) == 0 && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool sameEntry(const QString &a, const QString &b)
{
    return sameNode(a, b, false);
}

bool sameFile(const QString &a, const QString &b)
{
    return sameNode(a, b, true);
}

Result moveFile(const QString &from, const QString &to)
{
    return moveEncoded(nativePath(from), nativePath(to));
}

namespace {

// The rest of a move whose no-replace rename failed with Error.
Result finishMove(int error, const QByteArray &source, const QByteArray &target)
{
    struct stat sourceInfo{}, targetInfo{};
    if (lstat(source.constData(), &sourceInfo) != 0)
        return {errno};
    const bool folder = S_ISDIR(sourceInfo.st_mode);
    if ((error == EINVAL || error == ENOSYS) && !folder)
        error = linkThenUnlink(source, target);
    if (error == EEXIST) {
        // Taken by the source itself: the very same path, or another letter case of its
        // name on a case-insensitive file system.
        if (lstat(target.constData(), &targetInfo) != 0)
            return {EEXIST};
        const bool sameEntry = targetInfo.st_dev == sourceInfo.st_dev && targetInfo.st_ino == sourceInfo.st_ino;
        if (sameEntry && source == target)
            return {};
        if (sameEntry && decodeName(source).compare(decodeName(target), Qt::CaseInsensitive) == 0)
            return {renameThroughTemporary(source, target, folder)};
        return {EEXIST};
    }
    if (error != EXDEV)
        return {error};
    if (lstat(target.constData(), &targetInfo) == 0)
        return {EEXIST}; // refused before anything is copied
    if (folder)
        return {moveFolderAcross(source, target)};
    if (S_ISLNK(sourceInfo.st_mode))
        return {moveLinkAcross(source, target)};
    if (S_ISREG(sourceInfo.st_mode))
        return {moveFileAcross(source, target)};
    return {EOPNOTSUPP}; // fifos, sockets and devices: refused from their type, never opened
}

} // namespace

Result moveEncoded(const QByteArray &source, const QByteArray &target)
{
    if (source.isEmpty() || target.isEmpty())
        return {ENOENT};
    // The no-replace rename answers nearly every move alone; source and target are
    // looked at only when it fails.
    if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return {};
    return finishMove(errno, source, target);
}

FolderMover::~FolderMover()
{
    for (const Held *held : {&from_, &to_})
        if (held->fd >= 0)
            ::close(held->fd);
}

int FolderMover::hold(Held &held, QByteArrayView folder)
{
    if (held.folder != folder) {
        if (held.fd >= 0)
            ::close(held.fd);
        held.folder = folder.toByteArray();
        held.fd = ::open(held.folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
    return held.fd;
}

Result FolderMover::move(const QByteArray &source, const QByteArray &target)
{
    const qsizetype sourceName = source.lastIndexOf('/') + 1, targetName = target.lastIndexOf('/') + 1;
    if (sourceName == 0 || targetName == 0 || sourceName == source.size() || targetName == target.size())
        return moveEncoded(source, target);
    const QByteArrayView sourceFolder = QByteArrayView(source).first(sourceName);
    const QByteArrayView targetFolder = QByteArrayView(target).first(targetName);
    const int from = hold(from_, sourceFolder);
    const int to = targetFolder == sourceFolder ? from : hold(to_, targetFolder);
    if (from < 0 || to < 0)
        return moveEncoded(source, target);
    if (renameat2(from, source.constData() + sourceName, to, target.constData() + targetName, RENAME_NOREPLACE) == 0)
        return {};
    return finishMove(errno, source, target);
}

Result copyFile(const QString &from, const QString &to)
{
    const QByteArray source = nativePath(from), target = nativePath(to);
    if (source.isEmpty() || target.isEmpty())
        return {ENOENT};
    // Decided from the type before any open: opening a fifo would wait for a writer.
    struct stat info{};
    if (stat(source.constData(), &info) != 0)
        return {errno};
    if (S_ISDIR(info.st_mode))
        return {EISDIR};
    if (!S_ISREG(info.st_mode)) {
        // A link to a fifo, socket or device is copied as the link; such an entry itself is refused.
        struct stat entry{};
        if (lstat(source.constData(), &entry) == 0 && S_ISLNK(entry.st_mode))
            return {copyLink(AT_FDCWD, source.constData(), AT_FDCWD, target.constData())};
        return {EOPNOTSUPP};
    }
    FileDescriptor in;
    if (const int error = openRegularFile(AT_FDCWD, source.constData(), 0, in, info))
        return {error};
    return {transferThroughTemporary(in.get(), info, target, false)};
}

Result copyFolder(const QString &from, const QString &to)
{
    const QByteArray source = nativePath(from), target = nativePath(to);
    if (source.isEmpty() || target.isEmpty())
        return {ENOENT};
    FileDescriptor in(open(source.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW));
    struct stat info{};
    if (!in.valid() || fstat(in.get(), &info) != 0)
        return {errno};
    return {copyFolderInto(in.get(), info, target, false)};
}

Result createFolders(const QString &path)
{
    const QByteArray target = nativePath(path);
    if (target.isEmpty())
        return {ENOENT};
    struct stat info{};
    // Most often only the last folder is missing: one call.
    if (mkdir(target.constData(), 0777) == 0)
        return {};
    if (errno == EEXIST)
        return {stat(target.constData(), &info) != 0 ? errno : S_ISDIR(info.st_mode) ? 0 : ENOTDIR};
    if (errno != ENOENT)
        return {errno};
    for (qsizetype end = 1; end <= target.size(); ++end) {
        if (end < target.size() && target.at(end) != '/')
            continue;
        const QByteArray part = target.left(end);
        if (part.endsWith('/') || mkdir(part.constData(), 0777) == 0)
            continue;
        if (errno != EEXIST)
            return {errno};
        if (stat(part.constData(), &info) != 0)
            return {errno};
        if (!S_ISDIR(info.st_mode))
            return {ENOTDIR};
    }
    return {};
}

Result removeFile(const QString &path)
{
    const QByteArray native = nativePath(path);
    return {native.isEmpty() ? ENOENT : errorOf(unlink(native.constData()) == 0)};
}

Result removeEmptyFolder(const QString &path)
{
    const QByteArray native = nativePath(path);
    return {native.isEmpty() ? ENOENT : errorOf(rmdir(native.constData()) == 0)};
}

namespace {

// The bytes [start, start + length) of `in` appended to `out`.
int copyRange(int in, std::int64_t start, std::int64_t length, int out)
{
    off_t from = off_t(start);
    while (length > 0) {
        const ssize_t copied = copy_file_range(in, &from, out, nullptr, size_t(length), 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied == 0)
            return EINVAL; // the file ended before the range
        if (copied > 0) {
            length -= copied;
            continue;
        }
        if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
            return errno;
        break; // not offered between these files: copy through a buffer from where it stopped
    }
    std::string buffer(std::size_t(std::min<std::int64_t>(std::max<std::int64_t>(length, 1), 1 << 20)), '\0');
    while (length > 0) {
        const ssize_t got = pread(in, buffer.data(), std::size_t(std::min<std::int64_t>(length, std::int64_t(buffer.size()))), from);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0 ? EINVAL : errno;
        if (const int error = writeAll(out, buffer.data(), got))
            return error;
        from += got;
        length -= got;
    }
    return 0;
}


// A new file for `target` in its folder (created with `mode` before the umask), written
// by `fill(fd)` (0 or an errno), flushed and renamed over `target` (with `replace`) or
// put in its place only while it is free (else EEXIST); on failure the temporary file
// is removed.
template <typename Fill> int placeThroughTemporary(const QByteArray &target, mode_t mode, bool replace, Fill fill)
{
    FileDescriptor out;
    QByteArray temporary;
    int error = makeTemporary(folderOf(target), temporary, [&](const QByteArray &candidate) {
        out.reset(open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        return errorOf(out.valid());
    });
    if (error)
        return error;
    error = fill(out.get());
    if (!error)
        error = errorOf(fsync(out.get()) == 0);
    if (!error)
        error = out.close();
    if (!error)
        error = replace ? errorOf(rename(temporary.constData(), target.constData()) == 0)
                        : renameWithoutReplacing(temporary, target, false);
    if (error) {
        unlink(temporary.constData());
        return error;
    }
    syncFolder(folderOf(target));
    return 0;
}

} // namespace

Result writeFileAtomic(const QString &path, const QByteArray &content, unsigned newFileMode)
{
    QByteArray target = nativePath(path);
    if (target.isEmpty())
        return {ENOENT};
    struct stat existing{};
    const bool replacing = stat(target.constData(), &existing) == 0;
    if (replacing && lstat(target.constData(), &existing) == 0 && S_ISLNK(existing.st_mode)) {
        // Rewrite the file the link points to and keep the link.
        char *resolved = realpath(target.constData(), nullptr);
        if (!resolved)
            return {errno};
        target = resolved;
        std::free(resolved);
        stat(target.constData(), &existing);
    }
    return {placeThroughTemporary(target, mode_t(newFileMode), true, [&](int out) {
        const int error = writeAll(out, content.constData(), content.size());
        return error || !replacing ? error : errorOf(fchmod(out, existing.st_mode & 07777) == 0);
    })};
}

Result createFileExclusive(const QString &path, const QByteArray &content, unsigned newFileMode)
{
    const QByteArray target = nativePath(path);
    if (target.isEmpty())
        return {ENOENT};
    return {placeThroughTemporary(target, mode_t(newFileMode), false,
                                  [&](int out) { return writeAll(out, content.constData(), content.size()); })};
}

Result replaceWithRanges(const QString &path, int source, const std::vector<ByteRange> &kept)
{
    const QByteArray target = nativePath(path);
    struct stat named{}, opened{};
    if (target.isEmpty() || lstat(target.constData(), &named) != 0 || fstat(source, &opened) != 0)
        return {target.isEmpty() ? ENOENT : errno};
    if (!S_ISREG(named.st_mode) || named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        return {ESTALE};
    if ((opened.st_mode & 0222) == 0)
        return {EACCES};
    if (opened.st_nlink > 1)
        return {EMLINK};
    for (const ByteRange &r : kept)
        if (r.start < 0 || r.length < 0 || r.start > opened.st_size || r.length > opened.st_size - r.start)
            return {EINVAL};
    return {placeThroughTemporary(target, 0600, true, [&](int out) {
        if (fchown(out, opened.st_uid, opened.st_gid) != 0)
            return EPERM;
        for (const ByteRange &r : kept)
            if (const int error = copyRange(source, r.start, r.length, out))
                return error;
        carryStoredAttributes(source, out, true);
        return errorOf(fchmod(out, opened.st_mode & 07777) == 0);
    })};
}

std::optional<QByteArray> readFile(const QString &path, Result *failure)
{
    const auto failed = [failure](int error) -> std::optional<QByteArray> {
        if (failure)
            failure->error = error;
        return std::nullopt;
    };
    const QByteArray native = nativePath(path);
    FileDescriptor in(native.isEmpty() ? -1 : open(native.constData(), O_RDONLY | O_CLOEXEC));
    if (!in.valid())
        return failed(native.isEmpty() ? ENOENT : errno);
    struct stat info{};
    if (fstat(in.get(), &info) != 0)
        return failed(errno);
    if (S_ISDIR(info.st_mode))
        return failed(EISDIR);
    QByteArray content;
    content.reserve(qsizetype(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = read(in.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failed(errno);
        if (got == 0)
            return content;
        content.append(buffer, got);
    }
}

namespace {

struct Listed {
    Entry entry;
    QByteArray bytes;
    std::u32string key;
};

void addListed(std::vector<Listed> &listed, const char *name, bool isFolder)
{
    Listed entry;
    entry.bytes = name;
    entry.entry.name = decodeName(entry.bytes);
    entry.entry.isFolder = isFolder;
    entry.entry.isHidden = name[0] == '.';
    entry.key = upperCodePoints(entry.entry.name);
    listed.push_back(std::move(entry));
}

// Case-insensitively (by upper case, as NTFS does), then by bytes.
std::vector<Entry> sortedEntries(std::vector<Listed> &listed)
{
    // sort positions rather than the entries: moving three strings per swap costs more
    std::vector<std::uint32_t> order(listed.size());
    for (std::uint32_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&listed](std::uint32_t x, std::uint32_t y) {
        const Listed &a = listed[x], &b = listed[y];
        const int c = a.key.compare(b.key);
        return c != 0 ? c < 0 : a.bytes < b.bytes;
    });
    std::vector<Entry> entries;
    entries.reserve(listed.size());
    for (std::uint32_t i : order)
        entries.push_back(std::move(listed[i].entry));
    return entries;
}

bool isDotOrDotDot(const char *name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

} // namespace

std::vector<Entry> listFolder(const QString &folder)
{
    std::vector<Listed> listed;
    const QByteArray native = nativePath(folder);
    DIR *listing = native.isEmpty() ? nullptr : opendir(native.constData());
    if (!listing)
        return {};
    while (const dirent *item = readdir(listing)) {
        if (isDotOrDotDot(item->d_name))
            continue;
        unsigned char type = item->d_type;
        struct stat info{};
        if (type == DT_UNKNOWN && fstatat(dirfd(listing), item->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0)
            type = S_ISREG(info.st_mode) ? DT_REG : S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_UNKNOWN;
        // A link counts when it leads to a regular file; links to folders are not followed.
        if (type == DT_LNK)
            type = fstatat(dirfd(listing), item->d_name, &info, 0) == 0 && S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        if (type != DT_REG && type != DT_DIR)
            continue;
        addListed(listed, item->d_name, type == DT_DIR);
    }
    closedir(listing);
    return sortedEntries(listed);
}

Result folderEntries(const QString &folder, std::vector<Entry> &entries)
{
    const QByteArray native = nativePath(folder);
    if (native.isEmpty())
        return {ENOENT};
    FileDescriptor fd(open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        return {errno};
    std::vector<QByteArray> names;
    if (const int error = readNames(fd.get(), names))
        return {error};
    entries.clear();
    entries.reserve(names.size());
    for (const QByteArray &name : names) {
        struct stat info{};
        const bool isFolder = fstatat(fd.get(), name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
        entries.push_back({decodeName(name), isFolder, name.startsWith('.')});
    }
    return {};
}

std::optional<FolderContent> folderContent(const QString &folder, bool sizes)
{
    const QByteArray native = nativePath(folder);
    DIR *listing = native.isEmpty() ? nullptr : opendir(native.constData());
    if (!listing)
        return std::nullopt;
    std::vector<Listed> listed;
    FolderContent content;
    errno = 0;
    while (const dirent *item = readdir(listing)) {
        if (isDotOrDotDot(item->d_name))
            continue;
        struct stat info{};
        const bool needStat = item->d_type == DT_UNKNOWN || (sizes && item->d_type == DT_REG);
        const bool statted = needStat && fstatat(dirfd(listing), item->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0;
        const bool isFolder = item->d_type == DT_DIR || (item->d_type == DT_UNKNOWN && statted && S_ISDIR(info.st_mode));
        if (isFolder) {
            addListed(listed, item->d_name, true);
        } else {
            content.holdsOther = true;
            if (statted && S_ISREG(info.st_mode))
                content.fileBytes += info.st_size;
        }
        errno = 0;
    }
    const bool complete = errno == 0;
    closedir(listing);
    if (!complete)
        return std::nullopt;
    content.folders = sortedEntries(listed);
    return content;
}

bool matchesMask(const QString &name, const QString &mask)
{
    const std::u32string upperName = upperCodePoints(name), upperMask = upperCodePoints(mask);
    if (wildcardMatch(upperName, upperMask))
        return true;
    // As on Windows, a final ".*" also matches the end of the name: "*.*" matches "README".
    return upperMask.size() >= 2 && upperMask.ends_with(U".*")
        && wildcardMatch(upperName, upperMask.substr(0, upperMask.size() - 2));
}

} // namespace fs
