#include "operations/fktUmbenennen_Eintrag.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "operations/fktUmbenennen.h"
#include "platform/Abort.h"
#include "platform/toolkit/RadioGroup.h"
#include "shell/Haupt.h"

namespace RenameEntry {

Parts Split(const QString &Entry)
{
    const qsizetype slash = Entry.lastIndexOf(u'/');
    const QString name = Entry.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    Parts parts;
    parts.Folder = AddTrailingBackslash(Entry.left(slash + 1));
    parts.Ext = dot < 0 ? QString() : name.mid(dot);
    parts.Stem = name.left(name.size() - parts.Ext.size());
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
    return kept;
}

QChar AsciiUpper(QChar C)
{
    return C >= u'a' && C <= u'z' ? QChar(C.unicode() - 32) : C;
}

QChar AsciiLower(QChar C)
{
    return C >= u'A' && C <= u'Z' ? QChar(C.unicode() + 32) : C;
}

QString AsciiUpper(const QString &S)
{
    QString r = S;
    for (QChar &c : r)
        c = AsciiUpper(c);
    return r;
}

QString AsciiLower(const QString &S)
{
    QString r = S;
    for (QChar &c : r)
        c = AsciiLower(c);
    return r;
}

Characters::Characters(const QString &Text) : text_(Text), length_(int(Text.size()))
{
    bool pairs = false;
    for (qsizetype i = 0; i + 1 < Text.size() && !pairs; ++i)
        pairs = Text[i].isHighSurrogate() && Text[i + 1].isLowSurrogate();
    if (!pairs)
        return;
    for (qsizetype i = 0; i < Text.size(); ++i) {
        starts_.push_back(i);
        if (Text[i].isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate())
            ++i;
    }
    length_ = int(starts_.size());
    starts_.push_back(Text.size());
}

qsizetype Characters::Offset(int Index) const
{
    Index = qBound(0, Index, length_);
    return starts_.empty() ? Index : starts_[size_t(Index)];
}

QString Characters::Left(int Count) const
{
    return text_.left(Offset(Count));
}

QString Characters::From(int From) const
{
    return text_.mid(Offset(From));
}

void ShowInformation(const QString &Text)
{
    MessageDlg(Text, mtInformation, mbOKOnly, 0, LanguageName());
}

void ShowAndAbort(int Id)
{
    ShowInformation(LoadLangString(Id));
    Abort();
}

} // namespace RenameEntry
