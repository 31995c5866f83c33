#include "shell/KontextMenu.h"

#include "platform/Environment.h"
#include "platform/desktop/DefaultApplication.h"
#include "platform/fs/FileSystem.h"

namespace {

const QString EntryName = QStringLiteral("corvexpro-folder.desktop");

QString ApplicationsEntry()
{
    return DataHomeFolder() + QStringLiteral("applications/") + EntryName;
}

QString ServiceMenuEntry()
{
    return DataHomeFolder() + QStringLiteral("kio/servicemenus/") + EntryName;
}

// A value of the string type: backslash and the control characters escaped.
QString EscapedValue(const QString &Text)
{
    QString value;
    for (QChar c : Text) {
        switch (c.unicode()) {
        case '\\': value += QStringLiteral("\\\\"); break;
        case '\n': value += QStringLiteral("\\n"); break;
        case '\r': value += QStringLiteral("\\r"); break;
        case '\t': value += QStringLiteral("\\t"); break;
        default: value += c;
        }
    }
    return value;
}

bool WriteEntry(const QString &Path, const QString &Content)
{
    const QString folder = Path.left(Path.lastIndexOf(u'/') + 1);
    return fs::createFolders(folder) && fs::writeFileAtomic(Path, Content.toUtf8(), 0755);
}

bool RemoveEntry(const QString &Path)
{
    return !fs::exists(Path) || fs::removeFile(Path);
}

} // namespace

QString FolderEntryExec(const QString &Program)
{
    QString quoted = QStringLiteral("\"");
    for (QChar c : Program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    quoted += u'"';
    return EscapedValue(quoted) + QStringLiteral(" %f");
}

bool CreateFolderContextEntry(const QString &Program, const QString &Name)
{
    const QString exec = FolderEntryExec(Program);
    const QString name = EscapedValue(Name);
    bool ok = WriteEntry(ServiceMenuEntry(),
                    QStringLiteral("[Desktop Entry]\nType=Service\nMimeType=inode/directory;\nActions=corvexpro;\n"
                                   "X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n\n[Desktop Action corvexpro]\nName=") +
                        name + QStringLiteral("\nExec=") + exec + u'\n');
    if (ok && desktop::hasDefaultApplication(QStringLiteral("inode/directory"), EntryName))
        ok = WriteEntry(ApplicationsEntry(), QStringLiteral("[Desktop Entry]\nType=Application\nName=") + name +
                                            QStringLiteral("\nExec=") + exec +
                                            QStringLiteral("\nMimeType=inode/directory;\nNoDisplay=true\n"));
    if (!ok)
        RemoveFolderContextEntry(); // nothing half made stays behind
    return ok;
}

bool RemoveFolderContextEntry()
{
    const bool applications = RemoveEntry(ApplicationsEntry());
    return RemoveEntry(ServiceMenuEntry()) && applications;
}
