#include "platform/fs/LineFiles.h"

#include "platform/fs/PathCodec.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace fs {

namespace {

constexpr qsizetype ChunkSize = 64 * 1024;

} // namespace

LineReader::~LineReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

Result LineReader::open(const QString &path)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = ::open(encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    error_ = 0;
    atEnd_ = false;
    buffer_.clear();
    start_ = 0;
    return {fd_ >= 0 ? 0 : errno};
}

// Reads the next chunk behind what is left of the buffer; false at the end or on error.
bool LineReader::fill()
{
    if (fd_ < 0 || atEnd_)
        return false;
    buffer_.remove(0, start_);
    start_ = 0;
    const qsizetype kept = buffer_.size();
    buffer_.resize(kept + ChunkSize);
    ssize_t got;
    do
        got = ::read(fd_, buffer_.data() + kept, size_t(ChunkSize));
    while (got < 0 && errno == EINTR);
    if (got <= 0) {
        if (got < 0)
            error_ = errno;
        atEnd_ = true;
        buffer_.resize(kept);
        return false;
    }
    buffer_.resize(kept + got);
    return true;
}

std::optional<QByteArrayView> LineReader::next()
{
    qsizetype searchFrom = start_;
    for (;;) {
        const qsizetype end = buffer_.indexOf('\n', searchFrom);
        if (end >= 0) {
            qsizetype stop = end;
            if (stop > start_ && buffer_.at(stop - 1) == '\r')
                --stop;
            const QByteArrayView line(buffer_.constData() + start_, stop - start_);
            start_ = end + 1;
            return line;
        }
        const qsizetype scanned = buffer_.size() - start_;
        if (!fill()) {
            if (error_ != 0 || start_ >= buffer_.size())
                return std::nullopt;
            const QByteArrayView line = QByteArrayView(buffer_).sliced(start_);
            start_ = buffer_.size();
            return line;
        }
        searchFrom = start_ + scanned;
    }
}

AppendFile::~AppendFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

Result AppendFile::open(const QString &path)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = ::open(encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0666);
    error_ = fd_ >= 0 ? 0 : errno;
    return {error_};
}

Result AppendFile::append(const QByteArray &bytes)
{
    if (fd_ < 0)
        return {error_ ? error_ : EBADF};
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            if (!error_)
                error_ = error;
            return {error};
        }
        data += written;
        left -= written;
    }
    return {};
}

Result AppendFile::close()
{
    if (fd_ < 0)
        return {error_ ? error_ : EBADF};
    if (::fdatasync(fd_) != 0 && !error_)
        error_ = errno;
    if (::close(fd_) != 0 && !error_)
        error_ = errno;
    fd_ = -1;
    return {error_};
}

} // namespace fs
