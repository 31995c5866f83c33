// GIO first: its headers use names that Qt defines as macros.
#include <gio/gio.h>

#include "platform/desktop/DefaultApplication.h"

namespace desktop {

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
