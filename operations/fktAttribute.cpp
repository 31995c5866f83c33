#include "operations/fktAttribute.h"

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "platform/Abort.h"
#include "platform/desktop/DefaultApplication.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/RadioGroup.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <cerrno>

namespace {

const QString Unknown = QStringLiteral("?????");
const QString Am = QStringLiteral("am");
const QString Pm = QStringLiteral("pm");

// A Zeit other than 1 counts as the 24-hour form.
bool TwelveHourForm()
{
    return Zeit == 1;
}

// The attribute word of four check boxes: read-only, archive, hidden, system.
std::uint32_t CheckedAttributes(const TCheckBox *ReadOnly, const TCheckBox *Archive, const TCheckBox *Hidden,
                                const TCheckBox *System)
{
    return (ReadOnly->Checked() ? FILE_ATTRIBUTE_READONLY : 0) | (Archive->Checked() ? FILE_ATTRIBUTE_ARCHIVE : 0)
         | (Hidden->Checked() ? FILE_ATTRIBUTE_HIDDEN : 0) | (System->Checked() ? FILE_ATTRIBUTE_SYSTEM : 0);
}

// The hour of the day a row holds; nullopt for an am/pm text that is neither.
std::optional<int> RowHour(const TStampRow &Row)
{
    const int shown = Row.UpDowns[HourField]->Position();
    return TwelveHourForm() ? FromTwelveHour(shown, Row.AmPm->currentText()) : std::optional(shown);
}

void ShowHour(const TStampRow &Row, int Hour)
{
    if (TwelveHourForm()) {
        const TTwelveHour shown = ToTwelveHour(Hour);
        Row.UpDowns[HourField]->setPosition(shown.Hour);
        Row.AmPm->setCurrentIndex(shown.Pm ? 1 : 0);
    } else {
        Row.UpDowns[HourField]->setPosition(Hour);
    }
}

void ShowStamp(const TStampRow &Row, const fs::DateTimeParts &P)
{
    Row.UpDowns[DayField]->setPosition(P.Day);
    Row.UpDowns[MonthField]->setPosition(P.Month);
    Row.UpDowns[YearField]->setPosition(P.Year);
    ShowHour(Row, P.Hour);
    Row.UpDowns[MinuteField]->setPosition(P.Minute);
    Row.UpDowns[SecondField]->setPosition(P.Second);
}

constexpr fs::DateTimeParts ClearedStamp{1980, 1, 1, 0, 0, 0, 0};

// A stamp that is zero holds no time: 0 in the file system's count (1970-01-01 UTC) or
// in that of Windows (1601-01-01 UTC), as shares and NTFS media give a stamp never set.
bool IsZeroStamp(TDateTime Stamp)
{
    constexpr std::int64_t WindowsZero = -11644473600; // seconds before 1970-01-01 UTC
    const timespec utc = fs::fromDateTime(Stamp);
    return utc.tv_nsec == 0 && (utc.tv_sec == 0 || utc.tv_sec == WindowsZero);
}

// The fields of a row of the attributes page emptied, its am/pm box too.
void BlankFields(const TStampRow &Row)
{
    for (TEdit *field : Row.Fields)
        field->clear();
    Row.AmPm->setCurrentIndex(-1);
}

// A row that shows no numbers; its up-downs hold the cleared stamp, from which a click
// starts.
void ShowBlankStamp(const TStampRow &Row)
{
    ShowStamp(Row, ClearedStamp);
    BlankFields(Row);
}

// The stamp a row of the attributes page shows, 0 milliseconds.
std::optional<TDateTime> RowStamp(const TStampRow &Row)
{
    const std::optional<int> hour = RowHour(Row);
    if (!hour)
        return std::nullopt;
    return fs::joinDateTime({Row.UpDowns[YearField]->Position(), Row.UpDowns[MonthField]->Position(),
                             Row.UpDowns[DayField]->Position(), *hour, Row.UpDowns[MinuteField]->Position(),
                             Row.UpDowns[SecondField]->Position(), 0});
}

// A batch's new value of one stamp: the checked components of the kind take the row's
// values, the others keep Old's; 0 milliseconds.
std::optional<TDateTime> NewStamp(TDateTime Old, const TStampRow &Row, const TCheckBox *const *Checks, int Kind)
{
    fs::DateTimeParts p = fs::splitDateTime(Old);
    p.Millisecond = 0;
    const bool date = Kind == 1 || Kind >= 3;
    const bool time = Kind >= 2;
    int *parts[6] = {&p.Day, &p.Month, &p.Year, &p.Hour, &p.Minute, &p.Second};
    for (int c = 0; c < 6; ++c) {
        if (!(c < HourField ? date : time) || !Checks[c]->Checked())
            continue;
        if (c == HourField) {
            const std::optional<int> hour = RowHour(Row);
            if (!hour)
                return std::nullopt;
            p.Hour = *hour;
        } else {
            *parts[c] = Row.UpDowns[c]->Position();
        }
    }
    return fs::joinDateTime(p);
}

void MoveToColumn(QGridLayout *Grid, QWidget *Control, int Column)
{
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    const int index = Grid->indexOf(Control);
    if (index < 0)
        return;
    Grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    if (column == Column)
        return;
    const Qt::Alignment alignment = Grid->itemAt(index)->alignment();
    Grid->removeWidget(Control);
    Grid->addWidget(Control, row, Column, alignment);
}

// Day and month columns of one page by Datum, its hours by Zeit. Heads: the column
// labels of day and month; Checks: the tab's component boxes (none on the page).
void ArrangePage(QGridLayout *Grid, const std::array<TStampRow, 3> &Rows, QLabel *DayHead, QLabel *MonthHead,
                 const std::array<TCheckBox *, 18> *Checks)
{
    const int datum = Datum == 1 ? 1 : 0;
    const int dayColumn = AttributeColumn(DayField, datum), monthColumn = AttributeColumn(MonthField, datum);
    MoveToColumn(Grid, DayHead, dayColumn);
    MoveToColumn(Grid, MonthHead, monthColumn);
    const bool twelve = TwelveHourForm();
    for (size_t r = 0; r < Rows.size(); ++r) {
        const TStampRow &row = Rows[r];
        MoveToColumn(Grid, row.Fields[DayField]->parentWidget(), dayColumn);
        MoveToColumn(Grid, row.Fields[MonthField]->parentWidget(), monthColumn);
        if (Checks) {
            MoveToColumn(Grid, (*Checks)[r * 6 + DayField], dayColumn);
            MoveToColumn(Grid, (*Checks)[r * 6 + MonthField], monthColumn);
        }
        TUpDown *hour = row.UpDowns[HourField];
        const bool wasTwelve = hour->Max() == 12;
        if (wasTwelve != twelve && row.IsBlank()) {
            hour->setRange(twelve ? 1 : 0, twelve ? 12 : 23);
            ShowHour(row, 0);
            BlankFields(row);
        } else if (wasTwelve != twelve) {
            const int shown = hour->Position();
            // A box text that is neither "am" nor "pm" reads as "am".
            const int ofDay = wasTwelve ? FromTwelveHour(shown, row.AmPm->currentText())
                                              .value_or(FromTwelveHour(shown, Am).value_or(0))
                                        : shown;
            hour->setRange(twelve ? 1 : 0, twelve ? 12 : 23);
            ShowHour(row, ofDay);
        }
        // The last-access row's time fields stay hidden, its box with them.
        row.AmPm->setVisible(twelve && r < 2);
    }
}

THauptForm &Form()
{
    return *HauptForm;
}

} // namespace

// ---- 12-hour form ----

TTwelveHour ToTwelveHour(int Hour)
{
    if (Hour == 0)
        return {12, false};
    if (Hour < 12)
        return {Hour, false};
    return {Hour == 12 ? 12 : Hour - 12, true};
}

std::optional<int> FromTwelveHour(int Shown, const QString &AmPm)
{
    if (Shown < 1 || Shown > 12)
        return std::nullopt;
    if (AmPm == Am)
        return Shown == 12 ? 0 : Shown;
    if (AmPm == Pm)
        return Shown == 12 ? 12 : Shown + 12;
    return std::nullopt;
}

// ---- Attributes page ----

void ClearAttributePage()
{
    THauptForm &f = Form();
    for (QLabel *label : {f.AttributeDateiname, f.AttributeDateigroesse, f.AttributeVerknuepft})
        label->setText(Unknown);
    f.AttributeVerknuepft->setToolTip(Unknown);
    for (TCheckBox *box : {f.AttributeCheckBox01, f.AttributeCheckBox02, f.AttributeCheckBox03, f.AttributeCheckBox04}) {
        const QSignalBlocker quiet(box); // a box set in code writes nothing
        box->setChecked(false);
    }
    for (const TStampRow &row : f.AttributePageRows()) {
        ShowStamp(row, ClearedStamp);
        row.AmPm->setCurrentIndex(0);
    }
    f.AttributeStampsShown = false;
    f.AttrSpeedButton01->setEnabled(false);
}

void ShowFileAttributes(const QString &FileName)
{
    if (FileName.isEmpty()) {
        ClearAttributePage();
        return;
    }
    THauptForm &f = Form();
    const std::optional<std::int64_t> size = fs::fileSize(FileName);
    f.AttributeDateigroesse->setText(size ? QString::number(*size) + QStringLiteral(" Byte") : Unknown);
    f.AttributeDateiname->setText(fs::nameOf(FileName));
    const QString program = desktop::defaultApplicationPath(FileName);
    f.AttributeVerknuepft->setText(program.isEmpty() ? Unknown : program);
    f.AttributeVerknuepft->setToolTip(f.AttributeVerknuepft->text());

    const std::uint32_t word = GetFileAttributesA(FileName);
    const std::pair<TCheckBox *, std::uint32_t> boxes[] = {{f.AttributeCheckBox01, FILE_ATTRIBUTE_READONLY},
                                                           {f.AttributeCheckBox02, FILE_ATTRIBUTE_ARCHIVE},
                                                           {f.AttributeCheckBox03, FILE_ATTRIBUTE_HIDDEN},
                                                           {f.AttributeCheckBox04, FILE_ATTRIBUTE_SYSTEM}};
    for (const auto &[box, bit] : boxes) {
        const QSignalBlocker quiet(box);
        box->setChecked(word != INVALID_FILE_ATTRIBUTES && (word & bit));
    }

    TDateTime created = 0, accessed = 0, written = 0;
    f.AttributeStampsShown = GetFileTimes(FileName, created, accessed, written);
    const std::array<TStampRow, 3> rows = f.AttributePageRows();
    const TDateTime stamps[3] = {created, written, accessed};
    for (size_t r = 0; r < rows.size(); ++r) {
        if (!f.AttributeStampsShown)
            ShowStamp(rows[r], ClearedStamp);
        else if (IsZeroStamp(stamps[r]))
            ShowBlankStamp(rows[r]);
        else
            ShowStamp(rows[r], fs::splitDateTime(stamps[r]));
    }
    f.AttrSpeedButton01->setEnabled(false);
}

fs::Result ApplyFileAttributes(const QString &FileName, int Mode)
{
    THauptForm &f = Form();
    std::uint32_t wanted = 0;
    if (Mode == 1) {
        wanted = CheckedAttributes(f.AttributeCheckBox01, f.AttributeCheckBox02, f.AttributeCheckBox03,
                                   f.AttributeCheckBox04);
    } else if (Mode == 2) {
        f.ProtokollListBox << QString::number(GetFileAttributesA(FileName));
        SetFileAttributesA(FileName, 0);
        wanted = CheckedAttributes(f.AttrCheckBox1, f.AttrCheckBox2, f.AttrCheckBox3, f.AttrCheckBox4);
    } else {
        return {};
    }
    errno = 0;
    if (!SetFileAttributesA(FileName, wanted))
        return fs::Result{TFailedFiles::FailedCallError()};
    return {};
}

fs::Result ApplyFileTimes(const QString &FileName, int Mode, const fs::FileTimes &Old)
{
    THauptForm &f = Form();
    if (Mode == 1) {
        if (!f.AttributeStampsShown)
            return {};
        const std::array<TStampRow, 3> rows = f.AttributePageRows();
        std::optional<TDateTime> created = RowStamp(rows[0]), written = RowStamp(rows[1]),
                                 accessed = RowStamp(rows[2]);
        // A row left blank keeps the file's stamp.
        if (rows[0].IsBlank() || rows[1].IsBlank() || rows[2].IsBlank()) {
            fs::FileTimes now;
            errno = 0;
            if (!GetFileTimes(FileName, now.created, now.accessed, now.written))
                return fs::Result{TFailedFiles::FailedCallError()};
            if (rows[0].IsBlank())
                created = now.created;
            if (rows[1].IsBlank())
                written = now.written;
            if (rows[2].IsBlank())
                accessed = now.accessed;
        }
        if (!created || !written || !accessed)
            return {}; // a date that does not exist: nothing written, the button stays enabled
        SetFileTimes(FileName, *created, *accessed, *written);
        f.AttrSpeedButton01->setEnabled(false);
        return {};
    }
    const int kind = f.AttrRadioGroup1->ItemIndex();
    if (Mode != 2 || kind < 1 || kind > 4)
        return {};
    f.ProtokollListBox << UndoLogTimeText(Old.created) << UndoLogTimeText(Old.written)
                       << UndoLogTimeText(Old.accessed);
    const std::array<TStampRow, 3> rows = f.AttributeTabRows();
    const TCheckBox *const *checks = f.AttrCheckBoxes.data();
    const std::optional<TDateTime> created = NewStamp(Old.created, rows[0], checks, kind);
    const std::optional<TDateTime> written = NewStamp(Old.written, rows[1], checks + 6, kind);
    const std::optional<TDateTime> accessed = NewStamp(Old.accessed, rows[2], checks + 12, kind);
    if (!created || !written || !accessed)
        return fs::Result{EINVAL}; // a date that does not exist for this file
    errno = 0;
    if (!SetFileTimes(FileName, *created, *accessed, *written))
        return fs::Result{TFailedFiles::FailedCallError()};
    return {};
}

void ArrangeDateTimeFields()
{
    THauptForm &f = Form();
    ArrangePage(f.AttributeRaster, f.AttributePageRows(), f.AttributeLabel06, f.AttributeLabel07, nullptr);
    ArrangePage(f.AttrRaster, f.AttributeTabRows(), f.AttrLabel04, f.AttrLabel05, &f.AttrCheckBoxes);
}

// ---- The attribute batch ----

void ChangeAttributesOfFiles()
{
    THauptForm &f = Form();
    f.AlteDateinamen.clear();
    f.ProtokollListBox.clear();
    if (f.AttrRekursiv->Checked()) {
        QString folder;
        CollectFolderFiles(folder);
    } else {
        CollectSelectedFiles();
    }
    const QString question = LoadLangString(9017) + u'\r' + LoadLangString(9014) + u'\r' + LoadLangString(9015);
    if (MessageDlg(question, mtWarning, mbYesNo, 0, LanguageName()) != mrYes)
        Abort();

    const int kind = f.AttrRadioGroup1->ItemIndex();
    if (kind < 0 || kind > 4)
        Abort();
    TFailedFiles failures;
    {
        const HourglassCursor busy;
        UndoLogWriter log;
        qsizetype changed = 0; // files that took some change
        f.ProtokollListBox << QString::number(kind);
        log.WriteLines(0);
        for (const QString &path : std::as_const(f.AlteDateinamen)) {
            if (!UndoLogWriter::CanLog(path)) {
                failures.Add(path, EINVAL); // its lines would not read back in step
                continue;
            }
            const qsizetype group = f.ProtokollListBox.size();
            fs::Result done; // the first step that failed
            bool wrote = false; // some step changed the file
            if (kind == 0) {
                f.ProtokollListBox << path;
                done = ApplyFileAttributes(path, 2);
                wrote = bool(done);
            } else {
                fs::FileTimes old;
                errno = 0;
                if (!GetFileTimes(path, old.created, old.accessed, old.written)) {
                    failures.Add(path, TFailedFiles::FailedCallError()); // unknown old stamps: left out whole
                    continue;
                }
                f.ProtokollListBox << path;
                const std::uint32_t remembered = GetFileAttributesA(path);
                SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL); // a read-only file takes new stamps
                done = ApplyFileTimes(path, 2, old);
                wrote = bool(done);
                if (remembered != INVALID_FILE_ATTRIBUTES)
                    SetFileAttributesA(path, remembered);
                if (kind == 4) {
                    const fs::Result attributes = ApplyFileAttributes(path, 2);
                    wrote = wrote || attributes;
                    if (done)
                        done = attributes;
                }
            }
            log.WriteLines(group);
            if (wrote)
                ++changed;
            if (!done)
                failures.Add(path, done.error);
        }
        const bool saved = log.Finish();
        SetUndoMenuState(829, 830, 0, saved && changed > 0, 1);
    }
    RefreshExplorerLists();
    f.AttrSpeedButton01->setEnabled(false);
    failures.Show();
}

void HMenuAktionenAttrAendernClick()
{
    ChangeAttributesOfFiles();
}

bool GetFileTimes(const QString &FileName, TDateTime &Created, TDateTime &Accessed, TDateTime &Written)
{
    fs::FileTimes times;
    if (!fs::readTimes(FileName, times))
        return false;
    Created = times.created;
    Accessed = times.accessed;
    Written = times.written;
    return true;
}

bool SetFileTimes(const QString &FileName, TDateTime Created, TDateTime Accessed, TDateTime Written)
{
    return fs::writeTimes(FileName, fs::FileTimes{Created, Accessed, Written});
}
