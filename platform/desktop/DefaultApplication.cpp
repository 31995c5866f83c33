// glib's headers first: Qt defines "signals" as a keyword.
#include <gio/gio.h>

#include "platform/desktop/DefaultApplication.h"

#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"

#include <QMimeDatabase>

#include <memory>

namespace desktop {

QString defaultApplicationPath(const QString &path)
{
    if (path.isEmpty() || fs::isFolder(path))
        return {};
    // By the name only, as the desktop's opener decides: no read of the file's content.
    const QList<QMimeType> types = QMimeDatabase().mimeTypesForFileName(fs::nameOf(path));
    if (types.isEmpty())
        return {};
    const QByteArray type = types.first().name().toUtf8();
    const std::unique_ptr<GAppInfo, decltype(&g_object_unref)> info(
        g_app_info_get_default_for_type(type.constData(), FALSE), &g_object_unref);
    const char *executable = info ? g_app_info_get_executable(info.get()) : nullptr;
    if (!executable || !*executable)
        return {};
    const std::unique_ptr<gchar, decltype(&g_free)> found(g_find_program_in_path(executable), &g_free);
    return found ? QString::fromLocal8Bit(found.get()) : QString();
}

bool hasDefaultApplication(const QString &mimeType, const QString &exceptId)
{
    const QByteArray type = mimeType.toUtf8();
    const QByteArray except = exceptId.toUtf8();
    GAppInfo *application = g_app_info_get_default_for_type(type.constData(), FALSE);
    if (!application)
        return false;
    bool found = except != g_app_info_get_id(application);
    g_object_unref(application);
    if (found)
        return true;
    // The excepted entry is the one found: is there another one?
    GList *all = g_app_info_get_all_for_type(type.constData());
    for (GList *item = all; item && !found; item = item->next)
        found = except != g_app_info_get_id(G_APP_INFO(item->data));
    g_list_free_full(all, g_object_unref);
    return found;
}

} // namespace desktop
