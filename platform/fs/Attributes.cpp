#include "platform/fs/Attributes.h"

#include "platform/fs/PathCodec.h"

#include <QByteArray>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr char DosAttributeName[] = "user.DOSATTRIB";
constexpr char CreationTimeName[] = "user.crtime";
constexpr char UserNamespace[] = "user.";
constexpr std::uint32_t StoredBits = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
constexpr std::uint32_t SettableBits = FILE_ATTRIBUTE_READONLY | StoredBits;
constexpr mode_t WriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr long long NsPerSecond = 1'000'000'000;

bool onFat(const QByteArray &path)
{
    struct statfs info{};
    return statfs(path.constData(), &info) == 0 && info.f_type == MSDOS_SUPER_MAGIC;
}

int openForIoctl(const QByteArray &path)
{
    return open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

std::optional<std::uint32_t> fatAttributes(const QByteArray &path)
{
    const int fd = openForIoctl(path);
    if (fd < 0)
        return std::nullopt;
    std::uint32_t attributes = 0;
    const bool read = ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attributes) == 0;
    close(fd);
    return read ? std::optional(attributes) : std::nullopt;
}

bool setFatAttributes(const QByteArray &path, std::uint32_t wanted)
{
    const int fd = openForIoctl(path);
    if (fd < 0)
        return false;
    std::uint32_t attributes = 0;
    bool done = ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attributes) == 0;
    if (done) {
        attributes = (attributes & ~SettableBits) | (wanted & SettableBits);
        done = ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &attributes) == 0;
    }
    close(fd);
    return done;
}

// Samba's legacy text "0x" + hex word; its binary form begins with the same text and
// a NUL, so both read the same.
std::optional<std::uint32_t> parseDosAttribute(const char *data, ssize_t size)
{
    if (size < 3 || data[0] != '0' || (data[1] != 'x' && data[1] != 'X'))
        return std::nullopt;
    const char *end = data + 2;
    while (end < data + size && *end != '\0')
        ++end;
    std::uint32_t word = 0;
    const auto [stop, error] = std::from_chars(data + 2, end, word, 16);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return word;
}

std::uint32_t storedBits(const QByteArray &path)
{
    char value[4096];
    const ssize_t size = getxattr(path.constData(), DosAttributeName, value, sizeof value);
    return size > 0 ? parseDosAttribute(value, size).value_or(0) & StoredBits : 0;
}

// Whether `word` must be written to user.DOSATTRIB: it has a stored bit, or the file has
// the attribute already (then it is cleared as well).
bool dosAttributeToWrite(const QByteArray &path, std::uint32_t word)
{
    char value[4096];
    return (word & StoredBits) != 0 || getxattr(path.constData(), DosAttributeName, value, sizeof value) >= 0
        || errno == ERANGE;
}

bool writeDosAttribute(const QByteArray &path, std::uint32_t word)
{
    const QByteArray text = "0x" + QByteArray::number(word, 16);
    return setxattr(path.constData(), DosAttributeName, text.constData(), text.size(), 0) == 0;
}

std::optional<timespec> parseCreationTime(const char *data, ssize_t size)
{
    long long ns = 0;
    const auto [stop, error] = std::from_chars(data, data + size, ns);
    if (size <= 0 || error != std::errc() || stop != data + size)
        return std::nullopt;
    long long seconds = ns / NsPerSecond, rest = ns % NsPerSecond;
    if (rest < 0) {
        rest += NsPerSecond;
        --seconds;
    }
    return timespec{seconds, rest};
}

std::optional<QByteArray> formatCreationTime(const timespec &instant)
{
    long long ns = 0;
    if (__builtin_mul_overflow(static_cast<long long>(instant.tv_sec), NsPerSecond, &ns)
        || __builtin_add_overflow(ns, static_cast<long long>(instant.tv_nsec), &ns))
        return std::nullopt;
    return QByteArray::number(ns);
}

timespec toTimespec(const statx_timestamp &stamp)
{
    return timespec{stamp.tv_sec, long(stamp.tv_nsec)};
}

// The creation time as readTimes gives it, from the stored value (if any) and statx.
timespec creationTime(std::optional<timespec> stored, const struct statx &info)
{
    if (stored)
        return *stored;
    // A birth time of exactly 0 is what some file systems report when they keep none.
    if ((info.stx_mask & STATX_BTIME) && (info.stx_btime.tv_sec != 0 || info.stx_btime.tv_nsec != 0))
        return toTimespec(info.stx_btime);
    return toTimespec(info.stx_mtime);
}

std::optional<timespec> storedCreationTime(const QByteArray &path)
{
    char value[64];
    const ssize_t size = getxattr(path.constData(), CreationTimeName, value, sizeof value);
    return size > 0 ? parseCreationTime(value, size) : std::nullopt;
}

bool statPath(const QByteArray &path, struct statx &info)
{
    return !path.isEmpty()
        && statx(AT_FDCWD, path.constData(), AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME, &info) == 0;
}

} // namespace

std::uint32_t GetFileAttributesA(const QString &path)
{
    const QByteArray native = fs::encodeName(path);
    struct stat info{};
    if (native.isEmpty() || stat(native.constData(), &info) != 0)
        return INVALID_FILE_ATTRIBUTES;
    std::uint32_t word = 0;
    const std::optional<std::uint32_t> fat = onFat(native) ? fatAttributes(native) : std::nullopt;
    if (fat) {
        word = *fat & SettableBits;
    } else {
        if ((info.st_mode & WriteBits) == 0)
            word |= FILE_ATTRIBUTE_READONLY;
        word |= storedBits(native);
    }
    if (S_ISDIR(info.st_mode))
        word |= FILE_ATTRIBUTE_DIRECTORY;
    return word ? word : FILE_ATTRIBUTE_NORMAL;
}

bool SetFileAttributesA(const QString &path, std::uint32_t attributes)
{
    const QByteArray native = fs::encodeName(path);
    struct stat info{};
    if (native.isEmpty() || stat(native.constData(), &info) != 0)
        return false;
    if (onFat(native))
        return setFatAttributes(native, attributes);

    const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
    const mode_t mode = info.st_mode & 07777;
    const bool writable = mode & WriteBits;
    const mode_t wanted = readOnly ? mode & ~WriteBits : writable ? mode : mode | S_IWUSR;
    std::uint32_t word = attributes & SettableBits;
    if (S_ISDIR(info.st_mode))
        word |= FILE_ATTRIBUTE_DIRECTORY;
    if (!dosAttributeToWrite(native, word)) // also where there are no user xattrs
        return wanted == mode || chmod(native.constData(), wanted) == 0;

    // User extended attributes need write permission, also on a file that stays read-only.
    const mode_t writableMode = writable ? mode : mode | S_IWUSR;
    if (writableMode != mode && chmod(native.constData(), writableMode) != 0)
        return false;
    const bool stored = writeDosAttribute(native, word);
    const mode_t finalMode = stored ? wanted : mode;
    if (finalMode != writableMode && chmod(native.constData(), finalMode) != 0)
        return false;
    return stored;
}

namespace fs {

bool readTimes(const QString &path, FileTimes &times)
{
    const QByteArray native = encodeName(path);
    struct statx info{};
    if (!statPath(native, info))
        return false;
    times = FileTimes{toDateTime(creationTime(storedCreationTime(native), info)),
                      toDateTime(toTimespec(info.stx_atime)), toDateTime(toTimespec(info.stx_mtime))};
    return true;
}

bool writeTimes(const QString &path, const FileTimes &times)
{
    if (!isValidDateTime(times.created) || !isValidDateTime(times.accessed) || !isValidDateTime(times.written))
        return false;
    const QByteArray native = encodeName(path);
    struct statx info{};
    if (!statPath(native, info))
        return false;
    if (!S_ISDIR(info.stx_mode) && (info.stx_mode & WriteBits) == 0) {
        errno = EACCES; // a read-only file takes no new times until its attribute is cleared
        return false;
    }

    const std::optional<timespec> stored = storedCreationTime(native);
    bool creationChanged = toDateTime(creationTime(stored, info)) != times.created;
    bool creationLost = false; // it cannot be stored here: the other two are still written
    if (creationChanged) {
        const std::optional<QByteArray> text = formatCreationTime(fromDateTime(times.created));
        if (!text || setxattr(native.constData(), CreationTimeName, text->constData(), text->size(), 0) != 0) {
            creationLost = true;
            creationChanged = false;
        }
    }

    auto stamp = [](const statx_timestamp &current, TDateTime wanted) {
        return toDateTime(toTimespec(current)) == wanted ? timespec{0, UTIME_OMIT} : fromDateTime(wanted);
    };
    const timespec stamps[2] = {stamp(info.stx_atime, times.accessed), stamp(info.stx_mtime, times.written)};
    if (utimensat(AT_FDCWD, native.constData(), stamps, 0) == 0) {
        if (creationLost)
            errno = ENOTSUP;
        return !creationLost;
    }

    const int error = errno;
    if (creationChanged) {
        const std::optional<QByteArray> old = stored ? formatCreationTime(*stored) : std::nullopt;
        if (old)
            setxattr(native.constData(), CreationTimeName, old->constData(), old->size(), 0);
        else
            removexattr(native.constData(), CreationTimeName);
    }
    errno = error;
    return false;
}

void carryStoredAttributes(int sourceFd, int copyFd, bool asMove)
{
    const ssize_t listed = flistxattr(sourceFd, nullptr, 0);
    QByteArray names(listed > 0 ? listed : 0, '\0');
    const ssize_t size = listed > 0 ? flistxattr(sourceFd, names.data(), names.size()) : 0;
    for (const char *name = names.constData(); size > 0 && name < names.constData() + size;
         name += std::strlen(name) + 1) {
        if (std::strncmp(name, UserNamespace, sizeof UserNamespace - 1) != 0 || std::strcmp(name, CreationTimeName) == 0)
            continue;
        const ssize_t length = fgetxattr(sourceFd, name, nullptr, 0);
        QByteArray value(length > 0 ? length : 0, '\0');
        if (length >= 0 && fgetxattr(sourceFd, name, value.data(), value.size()) == length)
            fsetxattr(copyFd, name, value.constData(), value.size(), 0);
    }
    if (!asMove)
        return;
    struct statx info{};
    if (statx(sourceFd, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return;
    char value[64];
    const ssize_t length = fgetxattr(sourceFd, CreationTimeName, value, sizeof value);
    const auto stored = length > 0 ? parseCreationTime(value, length) : std::nullopt;
    if (const std::optional<QByteArray> text = formatCreationTime(creationTime(stored, info)))
        fsetxattr(copyFd, CreationTimeName, text->constData(), text->size(), 0);
}

} // namespace fs
