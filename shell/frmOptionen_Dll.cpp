// The options dialog's parts that act at once: the plug-in list and the folder
// context-menu entry.

#include "shell/frmOptionen.h"

#include "localisation/fktSprache.h"
#include "operations/TextLines.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Einstellungen.h"
#include "shell/Haupt_Globals.h"
#include "shell/KontextMenu.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QCoreApplication>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// Case-insensitive, then by code point.
bool PluginNameBefore(const QString &A, const QString &B)
{
    const int order = A.compare(B, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : A < B;
}

void InsertSorted(QListWidget *List, const QString &Name)
{
    int row = 0;
    while (row < List->count() && !PluginNameBefore(Name, List->item(row)->text()))
        ++row;
    List->insertItem(row, Name);
}

QStringList Items(const QListWidget *List)
{
    QStringList items;
    for (int row = 0; row < List->count(); ++row)
        items << List->item(row)->text();
    return items;
}

} // namespace

QString TOptionenF::DllListPath()
{
    return ProgramDataFolder() + QStringLiteral("DLL_Liste.txt");
}

void TOptionenF::LoadDllList()
{
    const QString path = DllListPath();
    if (!fs::exists(path))
        return;
    ListBoxOptionen01->clear();
    const auto lines = TextLines::readTextLines(path);
    if (!lines)
        return; // unreadable: the list stays empty
    QStringList names = *lines;
    std::stable_sort(names.begin(), names.end(), PluginNameBefore);
    ListBoxOptionen01->addItems(names);
}

void TOptionenF::SaveDllList()
{
    TextLines::writeLinesAtomic(DllListPath(), Items(ListBoxOptionen01)); // a failure stays silent
}

void FillDllComboBox()
{
    if (!HauptForm || !OptionenF)
        return;
    QComboBox *box = HauptForm->DatUmbComboBox03;
    if (!box)
        return; // a command-file run builds no pages
    HauptForm->DatUmbMemo01->clear();
    box->clear();
    box->setCurrentText(QString());
    box->addItems(Items(OptionenF->ListBoxOptionen01));
    box->setCurrentIndex(-1);
}

void TOptionenF::ListPluginFiles()
{
    FileListBox_Opt1->clear();
    for (const fs::Entry &entry : fs::listFolder(ProgramDir))
        if (!entry.isFolder && fs::matchesMask(entry.name, QStringLiteral("*.so*")))
            FileListBox_Opt1->addItem(entry.name);
}

void TOptionenF::BitBtnOpt01Click()
{
    const QListWidgetItem *chosen = FileListBox_Opt1->currentItem();
    const QString name = chosen && chosen->isSelected() ? chosen->text() : QString();
    if (Items(ListBoxOptionen01).contains(name, Qt::CaseSensitive))
        return;
    InsertSorted(ListBoxOptionen01, name);
    SaveDllList();
    FillDllComboBox();
}

void TOptionenF::BitBtnOpt02Click()
{
    if (ListBoxOptionen01->count() == 0)
        return;
    for (int row = ListBoxOptionen01->count() - 1; row >= 0; --row)
        if (ListBoxOptionen01->item(row)->isSelected())
            delete ListBoxOptionen01->takeItem(row);
    SaveDllList();
    FillDllComboBox();
}

void TOptionenF::KontextMenuCBClick()
{
    // Afterwards the box shows what is on disk.
    const bool wanted = KontextMenuCB->isChecked();
    const bool done = wanted ? CreateFolderContextEntry(QCoreApplication::applicationFilePath(), LoadLangString(710))
                             : RemoveFolderContextEntry();
    if (!done) {
        const QSignalBlocker quiet(KontextMenuCB);
        KontextMenuCB->setChecked(!wanted);
    }
}
