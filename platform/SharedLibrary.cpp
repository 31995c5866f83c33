#include "platform/SharedLibrary.h"

#include "platform/fs/PathCodec.h"

#include <dlfcn.h>

namespace platform {

SharedLibrary::SharedLibrary(const QString &Path)
{
    // An empty name would give the program itself.
    const QByteArray native = fs::encodeName(Path);
    if (!native.isEmpty())
        handle_ = dlopen(native.constData(), RTLD_NOW | RTLD_LOCAL);
}

SharedLibrary::~SharedLibrary()
{
    if (handle_)
        dlclose(handle_);
}

void *SharedLibrary::Symbol(const char *Name) const
{
    return handle_ ? dlsym(handle_, Name) : nullptr;
}

bool SharedLibrary::IsLoaded(const QString &Path)
{
    const QByteArray native = fs::encodeName(Path);
    if (native.isEmpty())
        return false;
    void *handle = dlopen(native.constData(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return false;
    dlclose(handle);
    return true;
}

} // namespace platform
