// Text rules of the rule list (rules 3 to 9): replace, insert, cut, letter case,
// shorten, extension and date/time. Each rewrites every entry of NeueDateinamen in
// place; positions and lengths count characters.

#include "operations/fktUmbenennen.h"

#include "localisation/fktSprache.h"
#include "operations/TextCharacters.h"
#include "operations/fktAllgemein.h"
#include "operations/fktAttribute.h"
#include "operations/fktUmbenennen_Eintrag.h"
#include "platform/fs/FileSystem.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QComboBox>
#include <QDate>
#include <QRegularExpression>

#include <array>
#include <optional>


using namespace RenameEntry;

namespace {

QStringList &Entries()
{
    return HauptForm->NeueDateinamen;
}

// Writes Stem + Ext back into the entry's folder by the target mode.
void StoreStem(qsizetype Index, const Parts &P, const QString &Stem, const QString &Ext)
{
    Store(Entries(), Index, TextRuleFolder(P.Folder), Stem + Ext);
}

// ---- Letter case ----

// The extension's first letter (after the dot) upper-cased; an empty one stays empty.
QString ExtFirstLetterUpper(const QString &Ext)
{
    if (Ext.size() < 2)
        return Ext;
    QString r = Ext;
    r[1] = AsciiUpper(r[1]);
    return r;
}

// ---- Date and time ----

// The creation time as rule 9 writes it, by the arrangement of RGDatumZeit03.
QString CreationTimeText(const fs::DateTimeParts &T, int Arrangement)
{
    const QString date = Datum == 1 ? QStringLiteral("%1-%2-%3").arg(T.Month).arg(T.Day).arg(T.Year)
                                    : QStringLiteral("%1-%2-%3").arg(T.Day).arg(T.Month).arg(T.Year);
    const QString time = QStringLiteral("%1.%2.%3").arg(T.Hour).arg(T.Minute).arg(T.Second);
    switch (Arrangement) {
    case 1:
        return date + time;
    case 2:
        return time;
    case 3:
        return time + date;
    default:
        return date;
    }
}

// The own date and time of MaskEdit01 and MaskEdit02, by the arrangement.
QString OwnDateTimeText(int Arrangement)
{
    const QString date = HauptForm->MaskEdit01->Text();
    const QString time = HauptForm->MaskEdit02->Text();
    switch (Arrangement) {
    case 1:
        return date + u' ' + time;
    case 2:
        return time;
    case 3:
        return time + u' ' + date;
    default:
        return date;
    }
}

// The three numbers of an own date or time that has Form; nullopt for any other text.
std::optional<std::array<int, 3>> ThreeNumbers(const QString &Text, const QRegularExpression &Form)
{
    const QRegularExpressionMatch match = Form.match(Text);
    if (!match.hasMatch())
        return std::nullopt;
    return std::array<int, 3>{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()};
}

// MaskEdit01 holds a date that exists: day, month (month first with Datum 1) and a
// four-digit year.
bool IsCompleteOwnDate(const QString &Text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})[^0-9]([0-9]{1,2})[^0-9]([0-9]{4})$"));
    const std::optional<std::array<int, 3>> n = ThreeNumbers(Text, form);
    if (!n)
        return false;
    const auto [first, second, year] = *n;
    return Datum == 1 ? QDate(year, first, second).isValid() : QDate(year, second, first).isValid();
}

// MaskEdit02 holds a time of day: hour, minute and second of two digits each (the
// hour may have one).
bool IsCompleteOwnTime(const QString &Text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2})[^0-9]([0-9]{2})[^0-9]([0-9]{2})$"));
    const std::optional<std::array<int, 3>> n = ThreeNumbers(Text, form);
    return n && (*n)[0] < 24 && (*n)[1] < 60 && (*n)[2] < 60;
}

// The own values that the arrangement uses must be complete: an empty or partial field
// would put its bare separators into every name.
void CheckOwnDateTime(int Arrangement)
{
    const bool date = Arrangement != 2, time = Arrangement != 0;
    if (date && !IsCompleteOwnDate(HauptForm->MaskEdit01->Text()))
        ReportAndAbort(9120);
    if (time && !IsCompleteOwnTime(HauptForm->MaskEdit02->Text()))
        ReportAndAbort(9121);
}

// The mask of the old extension: "*.txt" as it stands, ".txt" and "txt" as "*.txt".
QString OldExtensionMask(const QString &Text)
{
    if (Text.startsWith(u'*'))
        return Text;
    return Text.startsWith(u'.') ? u'*' + Text : QStringLiteral("*.") + Text;
}

// A date or time text never adds a folder: its separators "/" and "\" become "-".
QString AsNamePart(QString Text)
{
    Text.replace(u'/', u'-');
    Text.replace(u'\\', u'-');
    return Text;
}

} // namespace

void ReplaceCharacters()
{
    CheckTargetFolder();
    const QString search = HauptForm->DatUmbEdit05->Text();
    if (search.isEmpty()) {
        ShowInformation(LoadLangString(9008) + u'\r' + LoadLangString(9009));
        return;
    }
    const QString replacement = NameText(HauptForm->DatUmbEdit06->Text());
    QStringList &entries = Entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        // The whole name, extension included.
        const Parts p = Split(entries[i]);
        Store(entries, i, TextRuleFolder(p.Folder), StringReplaceAll(p.Stem + p.Ext, search, replacement));
    }
}

void InsertCharacters()
{
    CheckTargetFolder();
    const QString text = NameText(HauptForm->DatUmbEdit07->Text());
    const int n = HauptForm->DatUmbUpDownZKE->Position();
    const bool fromEnd = HauptForm->DatUmbRadioGroup06->ItemIndex() == 1;
    QStringList &entries = Entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Parts p = Split(entries[i]);
        const std::u32string stem = Chars(p.Stem);
        const int l = int(stem.size());
        if (l < n)
            continue;
        const int at = fromEnd ? l - n : n;
        StoreStem(i, p, LeftText(stem, at) + text + TextFrom(stem, at), p.Ext);
    }
}

void CutCharacters()
{
    CheckTargetFolder();
    const int count = HauptForm->DatUmbUpDownZA01->Position();
    const int position = HauptForm->DatUmbUpDownZA02->Position();
    const bool fromEnd = HauptForm->DatUmbRadioGroup07->ItemIndex() == 1;
    QStringList &entries = Entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Parts p = Split(entries[i]);
        const std::u32string stem = Chars(p.Stem);
        const int l = int(stem.size());
        QString newStem = p.Stem;
        if (!fromEnd && l - position + 1 >= count)
            newStem = LeftText(stem, position) + TextFrom(stem, position + count);
        else if (fromEnd && count <= position)
            newStem = LeftText(stem, l - position) + TextFrom(stem, l - position + count);
        StoreStem(i, p, newStem, p.Ext);
    }
}

void ChangeCase()
{
    CheckTargetFolder();
    const int mode = HauptForm->DatUmbRadioGroup08->ItemIndex();
    const int scope = HauptForm->DatUmbRadioGroup09->ItemIndex();
    const bool onStem = scope == 0 || scope == 2;
    const bool onExt = scope == 1 || scope == 2;
    QString (*stemCase)(const QString &) = nullptr;
    QString (*extCase)(const QString &) = nullptr;
    switch (mode) {
    case 0:
        stemCase = FirstLetterUpper;
        extCase = ExtFirstLetterUpper;
        break;
    case 1:
        stemCase = WordStartsUpper;
        extCase = ExtFirstLetterUpper;
        break;
    case 2:
        stemCase = extCase = AsciiUpper;
        break;
    case 3:
        stemCase = extCase = AsciiLower;
        break;
    case 4:
        stemCase = extCase = SwapCase;
        break;
    default:
        return;
    }
    QStringList &entries = Entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Parts p = Split(entries[i]);
        StoreStem(i, p, onStem ? stemCase(p.Stem) : p.Stem, onExt ? extCase(p.Ext) : p.Ext);
    }
}

void ShortenNames()
{
    CheckTargetFolder();
    const int n = HauptForm->DatUmbUpDownNK->Position();
    const int kind = HauptForm->DatUmbRadioGroup11->ItemIndex();
    const bool atStart = HauptForm->DatUmbRadioGroup10->ItemIndex() != 1;
    const bool withExt = HauptForm->DatUmbRadioGroup12->ItemIndex() == 1;
    QStringList &entries = Entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Parts p = Split(entries[i]);
        const std::u32string stem = Chars(p.Stem);
        const int l = int(stem.size());
        int cut = 0;
        switch (kind) {
        case 0:
            cut = l > n ? n : 0;
            break;
        case 1:
            if (withExt) {
                cut = l + int(Chars(p.Ext).size()) - n;
                if (l <= cut)
                    cut = 0;
            } else {
                cut = l - n;
            }
            break;
        case 2:
            cut = l - 8;
            break;
        }
        QString newStem = p.Stem;
        if (cut >= 1)
            newStem = atStart ? TextFrom(stem, cut) : LeftText(stem, l - cut);
        QString ext = p.Ext;
        if (kind == 2)
            ext = LeftText(Chars(p.Ext), 4);
        StoreStem(i, p, newStem, ext);
    }
}

void ChangeExtension()
{
    CheckTargetFolder();
    THauptForm *f = HauptForm;
    if (!f->DatUmbAlleEndungen->Checked() && f->DatUmbComboBox01->currentText().isEmpty())
        ReportAndAbort(9063);
    // "*.txt", ".txt" and "txt" all give ".txt".
    QString ext = NameText(f->DatUmbComboBox02->currentText());
    if (ext.startsWith(u'*'))
        ext.remove(0, 1);
    if (!ext.startsWith(u'.'))
        ext.prepend(u'.');
    if (ext == u".")
        ReportAndAbort(9064);
    // Without "all", only the entries of the old extension change; the others stay.
    const bool all = f->DatUmbAlleEndungen->Checked();
    const QString oldMask = OldExtensionMask(f->DatUmbComboBox01->currentText());
    QStringList &entries = Entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Parts p = Split(entries[i]);
        if (all || fs::matchesMask(p.Name, oldMask))
            StoreStem(i, p, p.Stem, ext);
    }
}

void InsertDateTime()
{
    CheckTargetFolder();
    THauptForm *f = HauptForm;
    const bool ownValues = f->RGDatumZeit01->ItemIndex() == 1;
    const bool behind = f->RGDatumZeit02->ItemIndex() == 1;
    const int arrangement = f->RGDatumZeit03->ItemIndex();
    if (ownValues)
        CheckOwnDateTime(arrangement);
    const QString ownText = AsNamePart(OwnDateTimeText(arrangement));
    QStringList &entries = Entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QString text = ownText;
        if (!ownValues) {
            TDateTime created = 0, accessed = 0, written = 0;
            if (!GetFileTimes(entries[i], created, accessed, written))
                continue; // without its creation time a file keeps its name
            text = CreationTimeText(fs::splitDateTime(created), arrangement);
        }
        const Parts p = Split(entries[i]);
        StoreStem(i, p, behind ? p.Stem + u' ' + text : text + u' ' + p.Stem, p.Ext);
    }
}
