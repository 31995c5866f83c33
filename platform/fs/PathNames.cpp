#include "platform/fs/PathNames.h"

#include <QList>

namespace fs {

QString folderOf(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString nameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString extensionOf(QStringView path)
{
    const QStringView name = path.mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toString();
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

QString normalPath(const QString &path)
{
    if (!path.startsWith(u'/'))
        return path;
    if (!path.contains(u"//") && !path.contains(u"/./") && !path.contains(u"/../") && !path.endsWith(u"/.")
        && !path.endsWith(u"/.."))
        return path; // already normal: shared, not copied
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

bool isPlaceholderName(QStringView name)
{
    return name.isEmpty() || name == u"." || name == u"..";
}

} // namespace fs
