#include "platform/fs/PathNames.h"

#include "platform/fs/PathCodec.h"

#include <QList>

#include <cstring>

namespace fs {

QString folderOf(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString nameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QStringView extensionView(QStringView path)
{
    const QStringView name = path.mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QStringView() : name.mid(dot);
}

QString extensionOf(QStringView path)
{
    return extensionView(path).toString();
}

QString withoutTrailingSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QString joinPath(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

namespace {

// True when no component of the absolute path is empty (but a trailing one), "." or "..":
// one pass, since nearly every path that comes in is normal already. For UTF-16 units
// and for the bytes of a path alike.
template<typename Unit>
bool isNormal(const Unit *at, const Unit *end)
{
    while (at != end) {
        ++at; // past the "/"
        const Unit *start = at;
        while (at != end && *at != Unit('/'))
            ++at;
        const qsizetype length = at - start;
        if (length == 0 && at != end)
            return false; // "//"
        if (length == 1 && start[0] == Unit('.'))
            return false;
        if (length == 2 && start[0] == Unit('.') && start[1] == Unit('.'))
            return false;
    }
    return true;
}

} // namespace

QString normalPath(const QString &path)
{
    if (!path.startsWith(u'/'))
        return path;
    if (isNormal(path.utf16(), path.utf16() + path.size()))
        return path; // shared, not copied
    QList<QStringView> kept;
    for (const QStringView part : QStringView(path).split(u'/')) {
        if (part.isEmpty() || part == u".")
            continue;
        if (part == u"..") {
            if (!kept.isEmpty())
                kept.removeLast();
            continue;
        }
        kept.append(part);
    }
    QString result;
    result.reserve(path.size());
    for (const QStringView part : kept) {
        result += u'/';
        result += part;
    }
    if (result.isEmpty() || (path.endsWith(u'/') && !result.endsWith(u'/')))
        result += u'/';
    return result;
}

void normalEncodedPath(QByteArrayView path, QByteArray &normal)
{
    if (!path.startsWith('/') || isNormal(path.data(), path.data() + path.size())) {
        normal.resize(path.size()); // keeps its capacity
        std::memcpy(normal.data(), path.data(), size_t(path.size()));
    } else {
        normal = encodeName(normalPath(decodeName(path)));
    }
}

bool isPlaceholderName(QStringView name)
{
    return name.isEmpty() || name == u"." || name == u"..";
}

} // namespace fs
