#include "operations/fktAttribute.h"

#include "platform/fs/Attributes.h"

bool GetFileTimes(const QString &FileName, TDateTime &Created, TDateTime &Accessed, TDateTime &Written)
{
    fs::FileTimes times;
    if (!fs::readTimes(FileName, times))
        return false;
    Created = times.created;
    Accessed = times.accessed;
    Written = times.written;
    return true;
}

bool SetFileTimes(const QString &FileName, TDateTime Created, TDateTime Accessed, TDateTime Written)
{
    return fs::writeTimes(FileName, fs::FileTimes{Created, Accessed, Written});
}
