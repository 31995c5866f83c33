#include "platform/fs/LineFiles.h"

#include "platform/fs/PathCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
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

Result LineReader::open(const QString &path, bool endAtNul)
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = ::open(encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    error_ = 0;
    atEnd_ = false;
    endAtNul_ = endAtNul;
    cutAtNul_ = false;
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
    qsizetype size = kept + got;
    if (endAtNul_) {
        if (const void *nul = std::memchr(buffer_.constData() + kept, 0, size_t(got))) {
            size = static_cast<const char *>(nul) - buffer_.constData();
            cutAtNul_ = atEnd_ = true;
        }
    }
    buffer_.resize(size);
    return size > kept;
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
            if (error_ != 0 || start_ >= buffer_.size() || cutAtNul_)
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
    if (fd_ >= 0) {
        unmap();
        ::close(fd_);
    }
}

Result AppendFile::open(const QString &path)
{
    if (fd_ >= 0) {
        unmap();
        ::close(fd_);
    }
    // A mapping needs the file readable; a file that is only writable takes writes.
    const QByteArray name = encodeName(path);
    fd_ = ::open(name.constData(), O_RDWR | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0666);
    mapping_ = fd_ >= 0;
    if (fd_ < 0 && errno == EACCES)
        fd_ = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0666);
    error_ = fd_ >= 0 ? 0 : errno;
    map_ = nullptr;
    mapStart_ = mapSize_ = reserved_ = written_ = 0;
    return {error_};
}

// Maps the file from the page of written_ on, for at least count more bytes. The blocks
// are reserved first (fallocate), so a store into the mapping cannot fail for want of
// space. False when the file system cannot do either.
bool AppendFile::mapFor(qsizetype count)
{
    static const qsizetype page = qsizetype(::sysconf(_SC_PAGESIZE));
    const qsizetype start = written_ / page * page;
    const qsizetype size = std::max(MapChunk, (written_ - start + count + page - 1) / page * page);
    if (start + size > reserved_) {
        if (::fallocate(fd_, 0, off_t(reserved_), off_t(start + size - reserved_)) != 0)
            return false;
        reserved_ = start + size;
    }
    if (map_)
        ::munmap(map_, size_t(mapSize_));
    void *map = ::mmap(nullptr, size_t(size), PROT_READ | PROT_WRITE, MAP_SHARED, fd_, off_t(start));
    map_ = map == MAP_FAILED ? nullptr : static_cast<char *>(map);
    mapStart_ = start;
    mapSize_ = map_ ? size : 0;
    return map_ != nullptr;
}

// Ends the mapping and cuts the file to the bytes written.
void AppendFile::unmap()
{
    if (!mapping_)
        return;
    mapping_ = false;
    if (map_)
        ::munmap(map_, size_t(mapSize_));
    map_ = nullptr;
    if (::ftruncate(fd_, off_t(written_)) != 0 && !error_)
        error_ = errno;
}

Result AppendFile::append(QByteArrayView bytes)
{
    if (fd_ < 0)
        return {error_ ? error_ : EBADF};
    if (mapping_ && !bytes.isEmpty()) {
        if (written_ + bytes.size() <= mapStart_ + mapSize_ || mapFor(bytes.size())) {
            std::memcpy(map_ + (written_ - mapStart_), bytes.data(), size_t(bytes.size()));
            written_ += bytes.size();
            return {};
        }
        unmap();
        if (error_)
            return {error_};
    }
    return write(bytes);
}

Result AppendFile::write(QByteArrayView bytes)
{
    const char *data = bytes.data();
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
    unmap();
    if (::fdatasync(fd_) != 0 && !error_)
        error_ = errno;
    if (::close(fd_) != 0 && !error_)
        error_ = errno;
    fd_ = -1;
    return {error_};
}

} // namespace fs
