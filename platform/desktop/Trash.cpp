// The recycle bin: GIO's freedesktop Trash, one path per call.

// glib's headers come before Qt's: they use "signals" as a name, which Qt defines.
#include <gio/gio.h>

#include "platform/desktop/Desktop.h"

#include "platform/fs/PathCodec.h"

#include <cerrno>

namespace desktop {

bool moveToTrash(const QString &path, QString *errorText)
{
    QByteArray native = fs::encodeName(path);
    while (native.size() > 1 && native.endsWith('/'))
        native.chop(1);
    if (!native.startsWith('/')) {
        if (errorText)
            *errorText = qt_error_string(ENOENT);
        return false;
    }
    GFile *file = g_file_new_for_path(native.constData());
    GError *error = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &error);
    if (error) {
        if (errorText)
            *errorText = QString::fromUtf8(error->message);
        g_error_free(error);
    }
    g_object_unref(file);
    return trashed;
}

} // namespace desktop
