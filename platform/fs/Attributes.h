#pragma once
// The Windows attribute word and the three time stamps of a file or folder.
// Read-only is "no write permission for anyone"; hidden, system and archive live in
// the extended attribute user.DOSATTRIB (Samba's legacy "0x.." form), or are the real
// FAT attributes on FAT file systems.

#include "platform/DateTime.h"

#include <QString>
#include <cstdint>

constexpr std::uint32_t FILE_ATTRIBUTE_READONLY = 0x01;
constexpr std::uint32_t FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr std::uint32_t FILE_ATTRIBUTE_SYSTEM = 0x04;
constexpr std::uint32_t FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr std::uint32_t FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr std::uint32_t FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr std::uint32_t INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;

// The attribute word; INVALID_FILE_ATTRIBUTES when the path cannot be read.
std::uint32_t GetFileAttributesA(const QString &path);
// Sets read-only, hidden, system and archive from the word; false on failure.
bool SetFileAttributesA(const QString &path, std::uint32_t attributes);

namespace fs {

struct FileTimes {
    TDateTime created = 0;
    TDateTime accessed = 0;
    TDateTime written = 0;
};
// Creation time: user.crtime when the program set one, else the birth time, else
// the last-write time.
bool readTimes(const QString &path, FileTimes &times);
// Sets last access and last write; the creation time is kept in user.crtime.
bool writeTimes(const QString &path, const FileTimes &times);

} // namespace fs
