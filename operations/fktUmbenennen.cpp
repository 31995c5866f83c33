// The rename road, its preparation, the index and addition rules (rules 0 to 2 of the
// rule list), the logical sort and the rename preview.

#include "operations/fktUmbenennen.h"

#include "operations/TextCharacters.h"
#include "operations/fktAllgemein.h"
#include "operations/fktMP3Tags.h"
#include "operations/fktOrdner.h"
#include "operations/fktUmbenennen_Eintrag.h"
#include "operations/rvTTF.h"
#include "platform/Abort.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/StringGrid.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

QString RenameTargetFolder;
QString RenameBaseFolder;

using namespace RenameEntry;

namespace {

// Rules of the rule list DatUmbRadioGroup02
enum Rule : int {
    NumberIndex = 0,
    LetterIndex = 1,
    NameAddition = 2,
    Replace = 3,
    Insert = 4,
    Cut = 5,
    Case = 6,
    Shorten = 7,
    Extension = 8,
    DateTime = 9,
    Plugin = 10,
};

// Working values of rules 0 to 2, set by SetUpIndexRule.
struct IndexRule {
    qsizetype Count = 0;
    int Places = 1;
    qint64 StartValue = 0;
    qint64 Capacity = 0;
    QString IndexText; // the current letter index
    QString Stem;
};
IndexRule Index;

bool RenameTabShown()
{
    return HauptForm->PageControl->currentWidget() == HauptForm->TabSheet01;
}

bool FolderTabShown()
{
    return HauptForm->PageControl->currentWidget() == HauptForm->TabSheet04;
}

// The preview grid: the names of the old and the new paths, row by row; a folder's
// path may end in "/".
void ShowPreviewNames(const QStringList &OldPaths, const QStringList &NewPaths)
{
    QStringList oldNames;
    QStringList newNames;
    oldNames.reserve(OldPaths.size());
    newNames.reserve(OldPaths.size());
    for (qsizetype i = 0; i < OldPaths.size(); ++i) {
        oldNames.append(fs::nameOf(fs::withoutTrailingSlash(OldPaths[i])));
        newNames.append(fs::nameOf(fs::withoutTrailingSlash(NewPaths.value(i))));
    }
    TStringGrid *grid = HauptForm->VorschauStringGrid01;
    grid->setRowCount(int(oldNames.size()) + 1);
    grid->setColumn(0, 1, oldNames);
    grid->setColumn(1, 1, newNames);
}

// The preview page's line: the message of a failed refresh, hidden while there is none.
void ShowPreviewMessage(const QString &Text)
{
    QLabel *line = HauptForm->VorschauLabel01;
    line->setText(Text);
    line->setToolTip(Text);
    line->setVisible(!Text.isEmpty());
}

int ChosenRule()
{
    return HauptForm->DatUmbRadioGroup02->ItemIndex();
}

// The number index and the addition with numbers of the rule list read DatUmbEdit03.
bool RuleReadsStartValue()
{
    const int rule = ChosenRule();
    return HauptForm->DatUmb01->currentIndex() == 0 &&
           (rule == NumberIndex || (rule == NameAddition && HauptForm->DatUmbRadioGroup05->ItemIndex() == 1));
}

// DatUmbEdit03 as a whole number of 0 and up in 32 bits; nothing for any other text.
std::optional<qint64> StartValueField()
{
    const QString text = HauptForm->DatUmbEdit03->Text();
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<std::int32_t>::max())
            return std::nullopt;
    }
    return value;
}

// A start value that is no whole number ends the operation silently, before anything
// is collected.
void CheckStartValue()
{
    if (RuleReadsStartValue() && !StartValueField())
        Abort();
}

// The number index text: the number, with leading zeros up to Places digits.
QString PaddedNumber(qint64 Number, int Places)
{
    const QString digits = QString::number(Number);
    return QString(std::max<qsizetype>(0, Places - digits.size()), u'0') + digits;
}

// The extension of an index rule, in the case DatUmbRadioGroup03 chooses.
QString IndexRuleExt(const QString &Ext)
{
    switch (HauptForm->DatUmbRadioGroup03->ItemIndex()) {
    case 1:
        return AsciiUpper(Ext);
    case 2:
        return AsciiLower(Ext);
    default:
        return Ext;
    }
}

// The index rules put every file directly into the target folder.
QString IndexRuleFolder(const QString &Folder)
{
    return TargetMode() == 0 ? Folder : RenameTargetFolder;
}

QString WithIndex(const QString &IndexText)
{
    return HauptForm->DatUmbRadioGroup04->ItemIndex() == 1 ? IndexText + Index.Stem : Index.Stem + IndexText;
}

void ApplyNumberIndex()
{
    QStringList &names = HauptForm->NeueDateinamen;
    for (qsizetype i = 0; i < Index.Count; ++i) {
        const Parts p = Split(names[i]);
        const QString name = WithIndex(PaddedNumber(Index.StartValue + i, Index.Places));
        Store(names, i, IndexRuleFolder(p.Folder), name + IndexRuleExt(p.Ext));
    }
    LastIndexValue = int(std::clamp<qint64>(Index.Count + Index.StartValue - 1, std::numeric_limits<int>::min(),
                                            std::numeric_limits<int>::max()));
}

void ApplyLetterIndex()
{
    QStringList &names = HauptForm->NeueDateinamen;
    for (qsizetype i = 0; i < Index.Count; ++i) {
        const Parts p = Split(names[i]);
        Store(names, i, IndexRuleFolder(p.Folder), WithIndex(Index.IndexText) + IndexRuleExt(p.Ext));
        IncrementLetterIndex(Index.IndexText, int(Index.IndexText.size()));
    }
}

void ApplyNameAddition()
{
    QStringList &names = HauptForm->NeueDateinamen;
    const bool withNumber = HauptForm->DatUmbRadioGroup05->ItemIndex() == 1;
    for (qsizetype i = 0; i < Index.Count; ++i) {
        const Parts p = Split(names[i]);
        const QString front = withNumber ? PaddedNumber(Index.StartValue + i, Index.Places) : Index.Stem;
        Store(names, i, IndexRuleFolder(p.Folder), front + p.Stem + IndexRuleExt(p.Ext));
    }
}

qint64 Power(qint64 Base, int Exponent)
{
    qint64 r = 1;
    for (int k = 0; k < Exponent; ++k)
        r *= Base;
    return r;
}

// The letter index starts at the start text in lower case when it has Places letters
// a-z, else at "a" repeated Places times. Its capacity is the smaller of
// 26^Places - (product of the start text's letter values, a = 1 ... z = 26) and the
// number of codes from the start to "z" repeated: the index never leaves a-z and never
// repeats a name.
void SetUpLetterIndex()
{
    const QString typed = AsciiLower(HauptForm->DatUmbEdit04->Text());
    double product = 1;
    for (char32_t c : typed.toUcs4())
        product *= double(c) - 96;
    const bool usable = typed.size() == Index.Places &&
                        std::all_of(typed.begin(), typed.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
    Index.IndexText = usable ? typed : QString(Index.Places, u'a');

    const qint64 codes = Power(26, Index.Places);
    qint64 position = 0;
    for (QChar c : std::as_const(Index.IndexText))
        position = position * 26 + (c.unicode() - u'a');
    const qint64 codesLeft = codes - position;
    const double byProduct = std::round(double(codes) - product);
    Index.Capacity = byProduct < double(codesLeft) ? qint64(std::max(byProduct, -1.0)) : codesLeft;
}

void ApplyRuleOfList()
{
    switch (ChosenRule()) {
    case NumberIndex:
    case LetterIndex:
    case NameAddition:
        SetUpIndexRule();
        break;
    case Replace:
        ReplaceCharacters();
        break;
    case Insert:
        InsertCharacters();
        break;
    case Cut:
        CutCharacters();
        break;
    case Case:
        ChangeCase();
        break;
    case Shorten:
        ShortenNames();
        break;
    case Extension:
        ChangeExtension();
        break;
    case DateTime:
        InsertDateTime();
        break;
    case Plugin:
        RenameByExternalDll();
        break;
    }
}

// The routine of the rename tab's sub-view: the rule list, the rename functions, the
// TrueType names.
void ApplyRenameTabRule()
{
    switch (HauptForm->DatUmb01->currentIndex()) {
    case 0:
        ApplyRuleOfList();
        break;
    case 1:
        ApplyRenameFunction();
        break;
    case 2:
        RenameByFontName();
        break;
    case 3:
        NameMp3FilesFromTags();
        break;
    }
}

} // namespace

// ---- The road ----

void HMenuAktionenUmbenennenClick()
{
    const BatchGuard guard;
    if (!guard.Entered())
        return;
    if (RenameTabShown()) {
        CheckStartValue();
        PrepareRenameLists();
        ApplyRenameTabRule();
        DropUnchangedNames();
        ExecuteFileRename();
    } else if (FolderTabShown()) {
        PrepareFolderRenameLists();
        ApplyFolderRenameRule();
        // The old paths of a recursive batch end in "/", the new ones never do.
        for (QString &path : HauptForm->AlteDateinamen)
            path = fs::withoutTrailingSlash(path);
        DropUnchangedNames();
        ExecuteFolderRename();
    }
}

void PrepareRenameLists()
{
    THauptForm *f = HauptForm;
    const bool recursive = f->DatUmbRekursiv->Checked();
    const bool fileList = f->DatUmbDateiListe->Checked();
    if (!recursive && !fileList)
        CollectSelectedFiles();
    QString folder;
    if (recursive) {
        CollectFolderFiles(folder);
        RenameBaseFolder = folder;
    }
    if (fileList) {
        CollectFileListFiles(folder);
        RenameBaseFolder = folder;
    }
    f->NeueDateinamen = f->AlteDateinamen;
}

void CheckTargetFolder()
{
    if (TargetMode() == 0)
        return;
    const QString folder = HauptForm->DatUmbZielverzeichnis->Text();
    if (folder.isEmpty())
        ReportAndAbort(9003);
    RenameTargetFolder = AddTrailingBackslash(folder);
}

// ---- Rules 0 to 2 ----

void SetUpIndexRule()
{
    THauptForm *f = HauptForm;
    CheckTargetFolder();
    const int rule = ChosenRule();
    if (rule != NumberIndex && rule != LetterIndex && rule != NameAddition)
        return;
    if (f->DatUmbLogisch->Checked() && rule != NameAddition) {
        if (f->AlteDateinamen.size() > 1)
            SortOldNamesLogically();
        f->NeueDateinamen = f->AlteDateinamen;
    }
    Index.Count = f->NeueDateinamen.size();
    Index.Places = f->UpDownStellenanzahl01->Position();

    const bool counted = rule != NameAddition || f->DatUmbRadioGroup05->ItemIndex() == 1;
    if (rule == LetterIndex) {
        SetUpLetterIndex();
    } else if (counted) {
        const std::optional<qint64> start = StartValueField();
        if (!start)
            Abort();
        Index.StartValue = *start;
        Index.Capacity = Power(10, Index.Places) - Index.StartValue;
    }

    Index.Stem = NameText(f->DatUmbEdit01->Text());
    if (Index.Stem.isEmpty() && rule == NameAddition)
        ReportAndAbort(9004);
    if (counted && f->AlteDateinamen.size() > Index.Capacity)
        ReportAndAbort(9005);

    switch (rule) {
    case NumberIndex:
        ApplyNumberIndex();
        break;
    case LetterIndex:
        ApplyLetterIndex();
        break;
    default:
        ApplyNameAddition();
        break;
    }
}

void IncrementLetterIndex(QString &Text, int Position)
{
    for (; Position >= 1 && Position <= Text.size(); --Position) {
        QChar &c = Text[Position - 1];
        if (c < u'z') {
            c = QChar(c.unicode() + 1);
            return;
        }
        c = u'a';
    }
}

// ---- Logical sort ----

std::int32_t NumberInFileName(const QString &FileName)
{
    const qsizetype dot = FileName.lastIndexOf(u'.');
    const QStringView name = dot < 0 ? QStringView(FileName) : QStringView(FileName).left(dot);
    constexpr qint64 Largest = std::numeric_limits<std::int32_t>::max();
    qint64 value = 0;
    bool inRun = false;
    for (QChar c : name) {
        const bool digit = c >= u'0' && c <= u'9';
        if (!digit) {
            if (inRun)
                break;
            continue;
        }
        inRun = true;
        value = std::min(value * 10 + (c.unicode() - u'0'), Largest);
    }
    return std::int32_t(value);
}

void SortByNumberKeys(std::vector<std::int32_t> &Keys, int L, int R, const std::function<void(int, int)> &Swap)
{
    // The smaller part is sorted by recursion, the larger one by the loop, so that the
    // depth stays logarithmic.
    while (L < R) {
        const std::int32_t pivot = Keys[size_t((L + R) / 2)];
        int i = L;
        int j = R;
        do {
            while (Keys[size_t(i)] < pivot)
                ++i;
            while (Keys[size_t(j)] > pivot)
                --j;
            if (i <= j) {
                std::swap(Keys[size_t(i)], Keys[size_t(j)]);
                Swap(i, j);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - L < R - i) {
            if (L < j)
                SortByNumberKeys(Keys, L, j, Swap);
            L = i;
        } else {
            if (i < R)
                SortByNumberKeys(Keys, i, R, Swap);
            R = j;
        }
    }
}

void SortByFileNumber(int L, int R)
{
    QStringList &names = HauptForm->AlteDateinamen;
    if (L < 0 || R >= names.size() || L >= R)
        return;
    std::vector<std::int32_t> keys(size_t(R) + 1);
    for (int i = L; i <= R; ++i)
        keys[size_t(i)] = NumberInFileName(fs::nameOf(names[i]));
    SortByNumberKeys(keys, L, R, [&names](int i, int j) { names.swapItemsAt(i, j); });
}

void SortOldNamesLogically()
{
    SortByFileNumber(0, int(HauptForm->AlteDateinamen.size()) - 1);
}

// ---- Preview ----

void ShowRenamePreview(PreviewStart Start)
{
    const BatchGuard guard;
    if (!guard.Entered())
        return;
    THauptForm *f = HauptForm;
    const bool files = RenameTabShown() && f->DatUmbVorschau->Down();
    const bool folders = !files && FolderTabShown() && f->OrdnerVorschauSB->Down();
    if (!files && !folders)
        return;
    const PreviewMessages messages(Start == PreviewStart::Change);
    bool failed = false;
    try {
        if (files) {
            CheckStartValue();
            PrepareRenameLists();
            ApplyRenameTabRule();
        } else {
            PrepareFolderRenameLists();
            ApplyFolderRenameRule();
        }
    } catch (const EAbort &) {
        failed = true;
    }
    // A rule that reported and went on failed too: its names are not what the user set.
    failed = failed || !messages.Text().isEmpty();
    ShowPreviewMessage(messages.Text());
    if (failed)
        f->VorschauStringGrid01->setRowCount(1);
    else
        ShowPreviewNames(f->AlteDateinamen, f->NeueDateinamen);
}
