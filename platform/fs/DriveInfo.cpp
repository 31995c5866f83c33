#include "platform/fs/DriveInfo.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/fs/PathNames.h"

#include <sys/statvfs.h>

bool IsDriveReady(const QString &Path)
{
    if (!Path.startsWith(u'/'))
        return false;
    QString existing = fs::withoutTrailingSlash(Path);
    while (existing.size() > 1 && !fs::exists(existing))
        existing = fs::withoutTrailingSlash(fs::folderOf(existing));
    struct statvfs info{};
    return statvfs(fs::encodeName(existing).constData(), &info) == 0;
}
