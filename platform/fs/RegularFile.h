#pragma once
// Regular files opened on their exact name bytes, without blocking: fifos, devices and
// folders are refused. openRegularFile reads through a QFile (for readers that take a
// QIODevice: pictures, media); RegularFileHandle reads and changes a file in place.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace fs {

// The file opened read-only; nullptr when it is not a readable regular file. Without
// `followLinks` a symbolic link is refused as well.
std::unique_ptr<QFile> openRegularFile(const QString &path, bool followLinks = true);

// An existing regular file opened for reading, or for reading and writing; never creates
// one. Offsets and sizes are 64-bit; each call reports failure with the errno of the step.
class RegularFileHandle {
public:
    RegularFileHandle() = default;
    ~RegularFileHandle();
    RegularFileHandle(RegularFileHandle &&other) noexcept;
    RegularFileHandle &operator=(RegularFileHandle &&other) noexcept;
    RegularFileHandle(const RegularFileHandle &) = delete;
    RegularFileHandle &operator=(const RegularFileHandle &) = delete;

    // Opens path; false (error set) when it is missing, not a regular file, or not
    // readable (writable with Writable).
    bool open(const QString &path, bool writable);
    bool isOpen() const { return fd_ >= 0; }
    int error() const { return error_; }

    std::optional<std::int64_t> size();
    // Up to Length bytes at Offset into Data; the number read (fewer at the end of the
    // file); nullopt on failure.
    std::optional<std::int64_t> readAt(std::int64_t offset, char *data, std::int64_t length);
    // All of Data at Offset, or false.
    bool writeAt(std::int64_t offset, const QByteArray &data);
    // Cuts or extends the file to Size bytes.
    bool setSize(std::int64_t size);
    // Closes the file; false when closing reported an error (the data may not be stored).
    bool close();

private:
    bool fail();
    int fd_ = -1;
    int error_ = 0;
};

} // namespace fs
