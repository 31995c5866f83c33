#include "operations/fktAllgemein_Pfade.h"

#include "localisation/fktSprache.h"
#include "operations/fktAllgemein.h"
#include "operations/fktAttribute.h"
#include "platform/fs/Attributes.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "shell/Haupt.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

QString Text(int id)
{
    return LoadLangString(id);
}

QString AttributeText(std::uint32_t attributes)
{
    QStringList names;
    const std::pair<std::uint32_t, int> bits[] = {{FILE_ATTRIBUTE_READONLY, 1515},
                                                  {FILE_ATTRIBUTE_ARCHIVE, 1517},
                                                  {FILE_ATTRIBUTE_HIDDEN, 1519},
                                                  {FILE_ATTRIBUTE_SYSTEM, 1521}};
    if (attributes != INVALID_FILE_ATTRIBUTES)
        for (const auto &[bit, id] : bits)
            if (attributes & bit)
                names << Text(id);
    return names.join(QStringLiteral(", "));
}

QString DateTimeText(TDateTime value)
{
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
    return QLocale::system().toString(epoch.addMSecs(qint64(std::llround(value * 86400000.0))),
                                      QLocale::ShortFormat);
}

// The system's own folders (WindowsDir "/usr" is tested apart).
constexpr std::array<QStringView, 11> SystemFolders = {
    u"/bin/", u"/boot/", u"/dev/", u"/etc/", u"/lib/", u"/lib32/",
    u"/lib64/", u"/proc/", u"/run/", u"/sbin/", u"/sys/"};

} // namespace

bool IsInSystemFolder(QStringView Folder)
{
    return std::any_of(SystemFolders.begin(), SystemFolders.end(),
                       [Folder](QStringView system) { return Folder.startsWith(system); });
}

QString AddTrailingBackslash(const QString &Path)
{
    if (Path.isEmpty() || Path.endsWith(u'/'))
        return Path;
    return Path + u'/';
}

QString PathBelowFolder(const QString &Base, const QString &Path)
{
    if (Base.isEmpty())
        return {};
    const QString base = AddTrailingBackslash(Base);
    const QString path = AddTrailingBackslash(Path);
    if (!path.startsWith(base))
        return {};
    return path.mid(base.size());
}

QString StringReplaceAll(const QString &S, const QString &OldText, const QString &NewText)
{
    if (OldText.isEmpty() || S.size() < OldText.size())
        return S;
    QString result = S;
    return result.replace(OldText, NewText, Qt::CaseSensitive);
}

namespace {

QString Without(const QString &Text, QStringView Table)
{
    QString kept;
    kept.reserve(Text.size());
    for (QChar c : Text)
        if (!Table.contains(c))
            kept.append(c);
    return kept;
}

} // namespace

QString WithoutSpecialCharacters(const QString &Name)
{
    return Without(Name, SpecialCharacters);
}

QString RemoveInvalidNameChars(const QString &Path)
{
    const qsizetype slash = Path.lastIndexOf(u'/');
    QStringList components = Path.left(slash + 1).split(u'/');
    for (QString &component : components) {
        // A folder name made only of such characters stays as it is: removing it
        // would put the file into the folder above.
        const QString cleaned = Without(component, InvalidFolderChars);
        if (!cleaned.isEmpty())
            component = cleaned;
    }
    const QString name = WithoutSpecialCharacters(Path.mid(slash + 1));
    if (name.isEmpty() || name == u"." || name == u"..")
        return Path;
    return components.join(u'/') + name;
}

QString MakeUniqueFileName(const QString &Path, const QString &OwnPath)
{
    const QString folder = fs::folderOf(Path);
    const QString name = fs::nameOf(Path);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString ext = dot > 0 ? name.mid(dot) : QString();
    const QString stem = name.left(name.size() - ext.size());
    // The file being renamed does not take its own name: a case-only rename on a
    // case-insensitive file system finds it under the new spelling. Where the folder
    // lists the new spelling as an entry of its own, another file has that name.
    auto taken = [&](const QString &candidate) {
        if (!fs::exists(candidate))
            return false;
        if (OwnPath.isEmpty() || candidate.compare(OwnPath, Qt::CaseInsensitive) != 0 || candidate == OwnPath)
            return true;
        const QString candidateName = fs::nameOf(candidate);
        for (const fs::Entry &e : fs::listFolder(folder))
            if (e.name == candidateName)
                return true;
        return false;
    };
    QString candidate = Path;
    for (qint64 k = 1; taken(candidate); ++k)
        candidate = folder + stem + u'_' + QString::number(k) + ext;
    return candidate;
}

QString SizeText(qint64 Size, QLocale Locale)
{
    Locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (Size < 1024)
        return Locale.toString(Size) + QStringLiteral(" Byte");
    if (Size < 1048576)
        return Locale.toString(double(Size) / 1024.0, 'f', 2) + QStringLiteral(" kByte");
    if (Size < 1073741824)
        return Locale.toString(double(Size) / 1048576.0, 'f', 2) + QStringLiteral(" MByte");
    return Locale.toString(double(Size) / 1073741824.0, 'f', 2) + QStringLiteral(" GByte");
}

QString FileSizeText(qint64 Size)
{
    return Text(8992) + SizeText(Size, QLocale::system());
}

QString FileSizeText(const QString &FileName)
{
    const std::optional<std::int64_t> size = fs::fileSize(FileName);
    return size ? FileSizeText(qint64(*size)) : QString();
}

void ShowPropertiesDialog(const QString &Path)
{
    if (Path.isEmpty() || desktop::showItemProperties(Path))
        return;
    // The properties of our own: name, folder, size, time stamps and attributes.
    const QString shown = fs::withoutTrailingSlash(Path);
    QList<desktop::PropertyRow> rows{{Text(3210), shown}};
    if (const auto size = fs::fileSize(shown))
        rows.append({Text(3211), FileSizeText(*size)});
    if (TDateTime created, accessed, written; GetFileTimes(shown, created, accessed, written)) {
        rows.append({Text(1511), DateTimeText(created)});
        rows.append({Text(1512), DateTimeText(written)});
        rows.append({Text(1513), DateTimeText(accessed)});
    }
    rows.append({QString(), AttributeText(GetFileAttributesA(shown))});
    desktop::showPropertiesDialog(HauptForm, Text(3404), shown, rows);
}
