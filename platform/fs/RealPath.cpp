#include "platform/fs/RealPath.h"

#include "platform/fs/PathCodec.h"
#include "platform/fs/PathNames.h"

#include <cstdlib>

namespace fs {

QString realPath(const QString &path)
{
    if (!path.startsWith(u'/'))
        return {};
    const QString normal = normalPath(path);
    QString existing = withoutTrailingSlash(normal);
    QString rest; // the part below `existing`, beginning with "/" when not empty
    for (;;) {
        if (char *resolved = ::realpath(encodeName(existing).constData(), nullptr)) {
            QString result = decodeName(QByteArray(resolved));
            std::free(resolved);
            if (!rest.isEmpty())
                result = (result == u"/" ? QString() : result) + rest;
            if (normal.endsWith(u'/') && !result.endsWith(u'/'))
                result += u'/';
            return result;
        }
        if (existing == u"/")
            return normal;
        const qsizetype slash = existing.lastIndexOf(u'/');
        rest = existing.mid(slash) + rest;
        existing = slash == 0 ? QStringLiteral("/") : existing.left(slash);
    }
}

} // namespace fs
