#pragma once
// A shared library loaded for one use (dlopen with RTLD_NOW | RTLD_LOCAL) and released
// when the object goes.

#include <QString>

namespace platform {

class SharedLibrary {
public:
    // Loads the library at Path (a file name without "/" is looked up by the system's
    // search); not loaded when it cannot be.
    explicit SharedLibrary(const QString &Path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary &) = delete;
    SharedLibrary &operator=(const SharedLibrary &) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    // The exported symbol, nullptr when the library or the symbol is missing.
    void *Symbol(const char *Name) const;
    // Whether the library at Path is loaded in the process now (RTLD_NOLOAD).
    static bool IsLoaded(const QString &Path);

private:
    void *handle_ = nullptr;
};

} // namespace platform
