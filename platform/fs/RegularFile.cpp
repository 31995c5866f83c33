#include "platform/fs/RegularFile.h"

#include "platform/fs/PathCodec.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs {

std::unique_ptr<QFile> openRegularFile(const QString &path, bool followLinks)
{
    const QByteArray native = encodeName(path);
    if (native.isEmpty())
        return nullptr;
    // O_NONBLOCK keeps the open of a fifo from waiting for a writer; it does not
    // change reading a regular file.
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (followLinks ? 0 : O_NOFOLLOW));
    if (fd < 0)
        return nullptr;
    struct stat info{};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return file;
}

} // namespace fs
