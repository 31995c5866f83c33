#include "platform/Environment.h"

#include "platform/fs/PathCodec.h"

#include <QByteArray>

#include <cerrno>
#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace {

QStringList &Arguments()
{
    static QStringList arguments;
    return arguments;
}

QString WithSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

// The variable's value when it is an absolute path, else empty.
QString AbsoluteFromEnvironment(const char *name)
{
    const QByteArray value = qgetenv(name);
    if (!value.startsWith('/'))
        return {};
    return WithSlash(fs::decodeName(value));
}

} // namespace

QStringList ProgramArguments()
{
    return Arguments();
}

void SetProgramArguments(int argc, char **argv)
{
    Arguments().clear();
    for (int i = 1; i < argc; ++i)
        Arguments() << fs::decodeName(QByteArray(argv[i]));
}

QString HomeFolder()
{
    const QString home = AbsoluteFromEnvironment("HOME");
    if (!home.isEmpty())
        return home;
    if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_dir && entry->pw_dir[0] == '/')
        return WithSlash(fs::decodeName(QByteArray(entry->pw_dir)));
    return QStringLiteral("/");
}

QString ConfigHomeFolder()
{
    const QString folder = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    return folder.isEmpty() ? HomeFolder() + QStringLiteral(".config/") : folder;
}

QString DataHomeFolder()
{
    const QString folder = AbsoluteFromEnvironment("XDG_DATA_HOME");
    return folder.isEmpty() ? HomeFolder() + QStringLiteral(".local/share/") : folder;
}

QString RuntimeFolder()
{
    return AbsoluteFromEnvironment("XDG_RUNTIME_DIR");
}

QString TempFolder()
{
    const QString folder = AbsoluteFromEnvironment("TMPDIR");
    return folder.isEmpty() ? QStringLiteral("/tmp/") : folder;
}

QString CurrentFolder()
{
    std::vector<char> buffer(4096);
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE)
            return {};
        buffer.resize(buffer.size() * 2);
    }
    return WithSlash(fs::decodeName(QByteArray(buffer.data())));
}

QString ExecutableFolder()
{
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (size_t(n) < buffer.size()) {
            const QByteArray path(buffer.data(), n);
            return fs::decodeName(path.left(path.lastIndexOf('/') + 1));
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool IsWritableFolder(const QString &Folder)
{
    return !Folder.isEmpty() && access(fs::encodeName(Folder).constData(), W_OK | X_OK) == 0;
}
