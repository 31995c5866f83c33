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

// The attribute word; INVALID_FILE_ATTRIBUTES when the path cannot be read. Both follow
// a final symbolic link. A user.DOSATTRIB that is not "0x" + hex reads as no bits.
std::uint32_t GetFileAttributesA(const QString &path);
// Sets read-only, hidden, system and archive from the word; false on failure. The word
// is stored as Samba's text "0x" + lower-case hex, read-only and folder bits included;
// it is written only when a stored bit is set or the file has one stored already.
bool SetFileAttributesA(const QString &path, std::uint32_t attributes);

namespace fs {

struct FileTimes {
    TDateTime created = 0;
    TDateTime accessed = 0;
    TDateTime written = 0;
};
// Creation time: user.crtime when the program set one, else the birth time, else
// the last-write time. Follows a final symbolic link, as the attribute word does.
bool readTimes(const QString &path, FileTimes &times);
// Sets last access and last write (utimensat); a changed creation time is kept in
// user.crtime. A stamp equal to the one readTimes gives is left exactly as it is.
// Fails, writing nothing, for an invalid value and for a file (not a folder) that is
// read-only. A changed creation time that cannot be stored (no user extended
// attributes, or an instant outside 1677..2262: nanoseconds in 64 bits) is left as it
// was while the other two are written, and the result is false.
bool writeTimes(const QString &path, const FileTimes &times);

// Carries what this layer keeps beside a file's data from one open file or folder to
// its new copy: every user extended attribute (user.DOSATTRIB among them) except the
// creation time; with `asMove` also the creation time, as the copy is the same file
// on another file system. Best effort: a target without user extended attributes
// simply keeps none.
void carryStoredAttributes(int sourceFd, int copyFd, bool asMove);

} // namespace fs
