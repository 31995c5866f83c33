#include "platform/fs/RegularFile.h"

#include "platform/fs/PathCodec.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace fs {

namespace {

// O_NONBLOCK keeps the open of a fifo from waiting for its other end; it does not
// change reading or writing a regular file. The type is checked on the open file.
int openRegular(const QString &path, int access, int &error)
{
    const QByteArray native = encodeName(path);
    if (native.isEmpty()) {
        error = ENOENT;
        return -1;
    }
    const int fd = ::open(native.constData(), access | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat info{};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::unique_ptr<QFile> openRegularFile(const QString &path, bool followLinks)
{
    int error = 0;
    const int fd = openRegular(path, O_RDONLY | (followLinks ? 0 : O_NOFOLLOW), error);
    if (fd < 0)
        return nullptr;
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return file;
}

RegularFileHandle::~RegularFileHandle()
{
    close();
}

RegularFileHandle::RegularFileHandle(RegularFileHandle &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(other.error_)
{
}

RegularFileHandle &RegularFileHandle::operator=(RegularFileHandle &&other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        error_ = other.error_;
    }
    return *this;
}

bool RegularFileHandle::fail()
{
    error_ = errno;
    return false;
}

bool RegularFileHandle::open(const QString &path, bool writable)
{
    close();
    error_ = 0;
    fd_ = openRegular(path, writable ? O_RDWR : O_RDONLY, error_);
    return fd_ >= 0;
}

std::optional<std::int64_t> RegularFileHandle::size()
{
    struct stat info{};
    if (fd_ < 0 || fstat(fd_, &info) != 0) {
        error_ = fd_ < 0 ? EBADF : errno;
        return std::nullopt;
    }
    return std::int64_t(info.st_size);
}

std::optional<std::int64_t> RegularFileHandle::readAt(std::int64_t offset, char *data, std::int64_t length)
{
    if (fd_ < 0 || offset < 0 || length < 0) {
        error_ = fd_ < 0 ? EBADF : EINVAL;
        return std::nullopt;
    }
    std::int64_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd_, data + done, size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            fail();
            return std::nullopt;
        }
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

bool RegularFileHandle::writeAt(std::int64_t offset, const QByteArray &data)
{
    if (fd_ < 0 || offset < 0) {
        error_ = fd_ < 0 ? EBADF : EINVAL;
        return false;
    }
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::pwrite(fd_, data.constData() + done, size_t(data.size() - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail();
        if (n == 0) {
            error_ = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

bool RegularFileHandle::setSize(std::int64_t size)
{
    if (fd_ < 0 || size < 0) {
        error_ = fd_ < 0 ? EBADF : EINVAL;
        return false;
    }
    return ::ftruncate(fd_, off_t(size)) == 0 || fail();
}

bool RegularFileHandle::close()
{
    if (fd_ < 0)
        return true;
    const int fd = std::exchange(fd_, -1);
    return ::close(fd) == 0 || fail();
}

} // namespace fs
