#include "operations/fktUmbenennen_Eintrag.h"

#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/RadioGroup.h"
#include "shell/Haupt.h"

namespace RenameEntry {

Parts Split(const QString &Entry)
{
    const PartViews views = SplitView(Entry);
    return {views.Folder.toString(), views.Name.toString(), views.Stem.toString(), views.Ext.toString()};
}

PartViews SplitView(QStringView Entry)
{
    PartViews parts;
    const qsizetype slash = Entry.lastIndexOf(u'/');
    parts.Folder = Entry.left(slash + 1);
    parts.Name = Entry.sliced(slash + 1);
    parts.Ext = fs::extensionView(parts.Name);
    parts.Stem = parts.Name.left(parts.Name.size() - parts.Ext.size());
    return parts;
}

int TargetMode()
{
    const int mode = HauptForm->DatUmbRadioGroup01->ItemIndex();
    return mode == 1 || mode == 2 ? mode : 0;
}

QString TextRuleFolder(const QString &Folder)
{
    if (TargetMode() == 0)
        return Folder;
    return RenameTargetFolder + PathBelowFolder(RenameBaseFolder, Folder);
}

void Store(QStringList &Names, qsizetype Index, const QString &Folder, const QString &Name)
{
    if (Name.isEmpty() || Name == u"." || Name == u"..")
        return;
    Names[Index] = Folder + Name;
}

QString NameText(const QString &Text)
{
    QString kept = Text;
    kept.remove(u'/');
    kept.remove(u'\\');
    kept.remove(QChar(0));
    return kept;
}

} // namespace RenameEntry
