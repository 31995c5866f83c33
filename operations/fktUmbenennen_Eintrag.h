#pragma once
// Shared by the rules of the rename module and the command-file actions: taking an
// entry apart, putting it together again.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace RenameEntry {

// An entry split into its folder (trailing "/"), its name (after the last "/"), and
// the name's stem and extension (from the last "." of the name, the dot included;
// empty when the name has none).
struct Parts {
    QString Folder;
    QString Name;
    QString Stem;
    QString Ext;
};
Parts Split(const QString &Entry);
// The same parts as views into the entry, for a caller that keeps the entry meanwhile.
struct PartViews {
    QStringView Folder;
    QStringView Name;
    QStringView Stem;
    QStringView Ext;
};
PartViews SplitView(QStringView Entry);

// Target mode of DatUmbRadioGroup01: 0 rename in place, 1 move, 2 copy.
int TargetMode();
// The folder a text rule writes an entry into: its own folder in mode 0; in modes 1
// and 2 RenameTargetFolder + the entry's sub-path below RenameBaseFolder.
QString TextRuleFolder(const QString &Folder);
// Item Index of Names := Folder + Name, unless Name is empty, "." or ".." (the entry
// then stays as it is and drops out of the batch).
void Store(QStringList &Names, qsizetype Index, const QString &Folder, const QString &Name);
// Text that goes into a name: "/", "\" and NUL removed, so no rule adds a folder.
QString NameText(const QString &Text);

} // namespace RenameEntry
