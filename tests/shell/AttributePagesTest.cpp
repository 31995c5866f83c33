// The attributes page, the attribute tab and the attribute batch in the real window,
// on real files of a temporary folder, in a fixed time zone, the questions answered
// through the modal seam.

#include "localisation/fktSprache.h"
#include "localisation/rvDialogs.h"
#include "operations/fktAllgemein.h"
#include "operations/fktAttribute.h"
#include "platform/Abort.h"
#include "platform/fs/Attributes.h"
#include "platform/fs/FileSystem.h"
#include "platform/fs/PathCodec.h"
#include "platform/toolkit/Buttons.h"
#include "platform/toolkit/Edits.h"
#include "platform/toolkit/MenuItem.h"
#include "platform/toolkit/RadioGroup.h"
#include "platform/toolkit/ShellViews.h"
#include "shell/Haupt.h"
#include "shell/Haupt_Globals.h"
#include "support/FolderNames.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedModals.h"
#include "support/StoredSettings.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include <sys/stat.h>

namespace {

std::string Str(const QString &s)
{
    return s.toStdString();
}

TDateTime Stamp(int Year, int Month, int Day, int Hour, int Minute, int Second, int Ms = 0)
{
    const std::optional<TDateTime> value = fs::joinDateTime({Year, Month, Day, Hour, Minute, Second, Ms});
    EXPECT_TRUE(value.has_value());
    return value.value_or(0);
}

struct Times {
    TDateTime Created = 0, Accessed = 0, Written = 0;
    bool operator==(const Times &) const = default;
};

Times TimesOf(const QString &Path)
{
    Times t;
    EXPECT_TRUE(GetFileTimes(Path, t.Created, t.Accessed, t.Written)) << Str(Path);
    return t;
}

void SetTimes(const QString &Path, const Times &T)
{
    ASSERT_TRUE(SetFileTimes(Path, T.Created, T.Accessed, T.Written)) << Str(Path);
}

std::string Text(TDateTime Value)
{
    const fs::DateTimeParts p = fs::splitDateTime(Value);
    return QStringLiteral("%1-%2-%3 %4:%5:%6.%7")
        .arg(p.Year)
        .arg(p.Month)
        .arg(p.Day)
        .arg(p.Hour)
        .arg(p.Minute)
        .arg(p.Second)
        .arg(p.Millisecond)
        .toStdString();
}

TDateTime WithoutMs(TDateTime Value)
{
    fs::DateTimeParts p = fs::splitDateTime(Value);
    p.Millisecond = 0;
    return fs::joinDateTime(p).value_or(0);
}

class AttributePages : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
        Sprache = 0;
        LanguageIndex = 0;
        ASSERT_TRUE(dir_.isValid());
        Root = dir_.path() + u'/';
    }
    void TearDown() override
    {
        EXPECT_EQ(modals_.pending(), 0u) << "a scripted answer was not asked for";
        form_.reset();
        Zeit = 0;
        Datum = 0;
    }

    THauptForm &Window()
    {
        THauptForm &f = form_.Create();
        EXPECT_TRUE(f.ShellTreeView01->setPath(Root));
        return f;
    }

    QString Make(const QString &Name, const Times &T, const QByteArray &Content = "Inhalt")
    {
        const QString path = MakeTestFileBelow(dir_.path(), Name, Content);
        SetTimes(path, T);
        return path;
    }

    // The left list, read again, with Name selected; with the attributes page shown
    // (view mode 3) the page shows it.
    static void Select(THauptForm &f, const QString &Name)
    {
        f.ShellListView01->Refresh();
        for (int i = 0; i < f.ShellListView01->Count(); ++i)
            if (f.ShellListView01->Folders(i).Name == Name) {
                f.ShellListView01->setItemIndex(i);
                return;
            }
        FAIL() << "not listed: " << Str(Name);
    }
    static void ShowOnPage(THauptForm &f, const QString &Name)
    {
        f.HMenuAnsichtDateiAttributeClick();
        ASSERT_EQ(f.Explorer02->currentWidget(), f.DateiAttribute);
        Select(f, Name);
    }

    // The attribute tab with kind Kind and only the component boxes Checked.
    static void ChooseBatch(THauptForm &f, int Kind, std::initializer_list<int> Checked)
    {
        f.PageControl->setCurrentWidget(f.TabSheet02);
        f.AttrRadioGroup1->setItemIndex(Kind);
        for (TCheckBox *box : f.AttrCheckBoxes)
            box->setChecked(false);
        for (int i : Checked)
            f.AttrCheckBoxes[size_t(i)]->setChecked(true);
    }

    // Runs the action as the menu item does, answering Answer (and OK to the report of
    // failed files after the batch when FailureBox).
    void RunBatch(int Answer, bool FailureBox = false)
    {
        modals_.answer(Answer);
        if (FailureBox)
            modals_.answer(mrOk);
        RunGuarded([] { HMenuAktionenAttrAendernClick(); });
    }

    QStringList LogLines() const
    {
        QByteArray bytes;
        EXPECT_TRUE(ReadLog(bytes));
        QStringList lines;
        for (const QByteArray &line : bytes.split('\n'))
            if (!line.isEmpty())
                lines << fs::decodeName(line.endsWith('\r') ? line.chopped(1) : line);
        return lines;
    }
    static bool ReadLog(QByteArray &Bytes)
    {
        const std::optional<QByteArray> content = fs::readFile(UndoLogPath());
        Bytes = content.value_or(QByteArray());
        return content.has_value();
    }

    void Undo(THauptForm &f)
    {
        ASSERT_TRUE(f.HMenuDateiRueckgaengig->isEnabled());
        ASSERT_EQ(f.HMenuDateiRueckgaengig->Tag, 1);
        f.HMenuDateiRueckgaengig->trigger();
    }

    const Times Plain{Stamp(2001, 2, 3, 4, 5, 6), Stamp(2002, 3, 4, 5, 6, 7), Stamp(2003, 4, 5, 6, 7, 8)};
    QTemporaryDir dir_;
    QString Root;
    ScriptedModals modals_;
    MainWindowFixture form_;
};

// ---- The 12-hour form and the calendar ----

TEST(TwelveHourForm, BothWays)
{
    const struct {
        int hour, shown;
        bool pm;
    } rows[] = {{0, 12, false}, {1, 1, false}, {11, 11, false}, {12, 12, true}, {13, 1, true}, {23, 11, true}};
    for (const auto &r : rows) {
        const TTwelveHour t = ToTwelveHour(r.hour);
        EXPECT_EQ(t.Hour, r.shown) << r.hour;
        EXPECT_EQ(t.Pm, r.pm) << r.hour;
        EXPECT_EQ(FromTwelveHour(r.shown, r.pm ? "pm" : "am"), r.hour) << r.hour;
    }
    for (const char *text : {"AM", "pm ", "", "a.m."})
        EXPECT_FALSE(FromTwelveHour(5, text).has_value()) << text;
    EXPECT_FALSE(FromTwelveHour(0, "am").has_value());
    EXPECT_FALSE(FromTwelveHour(13, "pm").has_value());
}

TEST(TwelveHourForm, DatesThatDoNotExistAreRefused)
{
    EXPECT_FALSE(fs::joinDateTime({2023, 4, 31, 0, 0, 0, 0}));
    EXPECT_FALSE(fs::joinDateTime({2023, 2, 29, 0, 0, 0, 0}));
    EXPECT_TRUE(fs::joinDateTime({2024, 2, 29, 0, 0, 0, 0}));
    const fs::DateTimeParts back = fs::splitDateTime(*fs::joinDateTime({1970, 12, 31, 23, 59, 58, 999}));
    EXPECT_EQ(back.Year, 1970);
    EXPECT_EQ(back.Day, 31);
    EXPECT_EQ(back.Second, 58);
    EXPECT_EQ(back.Millisecond, 999);
    // Before 1899-12-30 the fraction still runs forward from midnight.
    const fs::DateTimeParts early = fs::splitDateTime(*fs::joinDateTime({1601, 1, 2, 6, 0, 0, 0}));
    EXPECT_EQ(early.Year, 1601);
    EXPECT_EQ(early.Day, 2);
    EXPECT_EQ(early.Hour, 6);
}

// ---- The attributes page ----

TEST_F(AttributePages, TwelveHourRowsShowTheHourAndSaveTheSameStampsBack)
{
    StoreSettings([](TRegistry &reg) { reg.WriteInteger("Zeit", 1); });
    const struct {
        const char *name;
        int hour, minute, shown;
        const char *ampm;
    } rows[] = {{"a.txt", 0, 30, 12, "am"}, {"b.txt", 12, 30, 12, "pm"}, {"c.txt", 23, 5, 11, "pm"}};
    for (const auto &r : rows)
        Make(r.name, {Stamp(2000, 1, 2, 3, 4, 5, 600), Stamp(1999, 5, 6, r.hour, r.minute, 10, 250),
                      Stamp(1970, 7, 8, r.hour, r.minute, 20, 750)});
    THauptForm &f = Window();
    for (const auto &r : rows) {
        ShowOnPage(f, r.name);
        EXPECT_EQ(Str(f.AttributeDateiname->text()), r.name);
        EXPECT_EQ(f.AttrStundeUpDown02->Position(), r.shown) << r.name;
        EXPECT_EQ(Str(f.AttrComboBox02->currentText()), r.ampm) << r.name;
        EXPECT_EQ(f.AttrMinuteUpDown02->Position(), r.minute) << r.name;
        EXPECT_EQ(f.AttrJahrUpDown02->Position(), 1970) << r.name; // the page's years begin in 1601
        EXPECT_EQ(f.AttrStundeUpDown01->Position(), 3) << r.name;
        EXPECT_FALSE(f.AttrSpeedButton01->isEnabled());

        const QString path = Root + r.name;
        const Times before = TimesOf(path);
        f.AttrTagUpDown01->setPosition(f.AttrTagUpDown01->Position()); // the save acts on a click
        f.DateiDatumZeitChange();
        ASSERT_TRUE(f.AttrSpeedButton01->isEnabled());
        f.AttrSpeedButton01->click();
        EXPECT_FALSE(f.AttrSpeedButton01->isEnabled());
        const Times after = TimesOf(path);
        EXPECT_EQ(Text(after.Written), Text(Stamp(1970, 7, 8, r.hour, r.minute, 20))) << r.name;
        EXPECT_EQ(Text(after.Created), Text(Stamp(2000, 1, 2, 3, 4, 5))) << r.name;
        // Selecting the file let the preview read it: the access time is the one shown.
        EXPECT_EQ(Text(after.Accessed), Text(WithoutMs(before.Accessed))) << r.name;
        EXPECT_NE(before, after);
    }
}

TEST_F(AttributePages, ADateThatDoesNotExistAndAReadOnlyFileWriteNothing)
{
    const QString path = Make("april.txt", Plain);
    const QString locked = Make("locked.txt", Plain);
    ASSERT_TRUE(SetFileAttributesA(locked, FILE_ATTRIBUTE_READONLY));
    THauptForm &f = Window();

    ShowOnPage(f, "april.txt");
    const Times shown = TimesOf(path); // the preview's read moved the access time
    f.AttrMonatUpDown02->setPosition(4);
    f.AttrTagUpDown02->setPosition(31);
    f.DateiDatumZeitChange();
    f.AttrSpeedButton01->click();
    EXPECT_TRUE(f.AttrSpeedButton01->isEnabled()); // the save stopped before writing
    EXPECT_EQ(TimesOf(path), shown);

    ShowOnPage(f, "locked.txt");
    const Times shownLocked = TimesOf(locked);
    EXPECT_TRUE(f.AttributeCheckBox01->isChecked());
    f.AttrJahrUpDown01->setPosition(2010);
    f.DateiDatumZeitChange();
    f.AttrSpeedButton01->click();
    EXPECT_EQ(TimesOf(locked), shownLocked);
    EXPECT_EQ(GetFileAttributesA(locked), FILE_ATTRIBUTE_READONLY);
}

TEST_F(AttributePages, AClickOnAnAttributeBoxWritesAtOnce)
{
    const QString path = Make("datei.txt", Plain);
    THauptForm &f = Window();
    ShowOnPage(f, "datei.txt");
    EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_NORMAL);
    f.AttributeCheckBox03->click();
    EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_HIDDEN);
    f.AttributeCheckBox03->click();
    f.AttributeCheckBox01->click();
    EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_READONLY);
}

TEST_F(AttributePages, FoldersAndProgramsAndNothingWrittenByShowing)
{
    ASSERT_TRUE(fs::createFolders(Root + "Ordner"));
    const QString text = Make("notiz.txt", Plain, "12345");
    const QString locked = Make("geheim.dat", Plain);
    ASSERT_TRUE(SetFileAttributesA(locked, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    // The desktop's default for text files, in the test's own XDG folders.
    const QString program = Root + "bin/zeigen";
    ASSERT_TRUE(MakeTestFile(program, "#!/bin/sh\n"));
    ASSERT_EQ(chmod(QFile::encodeName(program).constData(), 0755), 0);
    const QString data = qEnvironmentVariable("XDG_DATA_HOME"), config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_TRUE(MakeTestFile(data + "/applications/corvex-zeigen.desktop",
                             "[Desktop Entry]\nType=Application\nName=Zeigen\nExec=" + program.toUtf8()
                                 + " %f\nMimeType=text/plain;\n"));
    ASSERT_TRUE(MakeTestFile(config + "/mimeapps.list", "[Default Applications]\ntext/plain=corvex-zeigen.desktop\n"));

    struct stat before{};
    ASSERT_EQ(stat(QFile::encodeName(locked).constData(), &before), 0);
    THauptForm &f = Window();
    f.show(); // a lost selection clears the page while it is visible

    ShowOnPage(f, "Ordner");
    EXPECT_EQ(Str(f.AttributeDateigroesse->text()), "?????");
    EXPECT_EQ(Str(f.AttributeVerknuepft->text()), "?????");
    EXPECT_EQ(Str(f.AttributeDateiname->text()), "Ordner");

    ShowOnPage(f, "notiz.txt");
    EXPECT_EQ(Str(f.AttributeDateigroesse->text()), "5 Byte");
    EXPECT_EQ(Str(f.AttributeVerknuepft->text()), Str(program));
    EXPECT_EQ(Str(f.AttributeVerknuepft->toolTip()), Str(program));

    ShowOnPage(f, "geheim.dat");
    EXPECT_TRUE(f.AttributeCheckBox01->isChecked());
    EXPECT_TRUE(f.AttributeCheckBox03->isChecked());
    EXPECT_FALSE(f.AttributeCheckBox02->isChecked());
    ShowOnPage(f, "notiz.txt");
    struct stat after{};
    ASSERT_EQ(stat(QFile::encodeName(locked).constData(), &after), 0);
    EXPECT_EQ(after.st_ctim.tv_sec, before.st_ctim.tv_sec);
    EXPECT_EQ(after.st_ctim.tv_nsec, before.st_ctim.tv_nsec);
    EXPECT_EQ(GetFileAttributesA(locked), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);

    // A lost selection clears the page.
    f.ShellListView01->setItemIndex(-1);
    EXPECT_EQ(Str(f.AttributeDateiname->text()), "?????");
    EXPECT_FALSE(f.AttributeCheckBox03->isChecked());
    EXPECT_EQ(f.AttrJahrUpDown01->Position(), 1980);
}

// The page comes into view with the left list's item of that moment: after a time in
// other views it never shows a file chosen before.
TEST_F(AttributePages, ThePageShowsOnlyTheItemChosenWhenItComesIntoView)
{
    Make("a.txt", Plain);
    Make("b.txt", {Stamp(2010, 1, 2, 3, 4, 5), Stamp(2011, 1, 2, 3, 4, 5), Stamp(2012, 1, 2, 3, 4, 5)});
    THauptForm &f = Window();
    f.show();
    QApplication::processEvents();
    const auto expectEmpty = [&f](const char *where) {
        EXPECT_EQ(Str(f.AttributeDateiname->text()), "?????") << where;
        EXPECT_EQ(Str(f.AttributeDateigroesse->text()), "?????") << where;
        EXPECT_EQ(f.AttrJahrUpDown02->Position(), 1980) << where;
        EXPECT_EQ(Str(f.AttributeJahr02->Text()), "1980") << where;
    };
    ShowOnPage(f, "a.txt");
    ASSERT_EQ(Str(f.AttributeDateiname->text()), "a.txt");

    f.HMenuAnsichtDateiauswahlClick(); // view 1: the page is out of view
    f.ShellListView01->setItemIndex(-1);
    f.HMenuAnsichtDateiAttributeClick();
    expectEmpty("selection lost in view 1");

    f.HMenuAnsichtDateiauswahlClick();
    Select(f, "b.txt");
    f.HMenuAnsichtDateiAttributeClick();
    EXPECT_EQ(Str(f.AttributeDateiname->text()), "b.txt");
    EXPECT_EQ(f.AttrJahrUpDown02->Position(), 2012);

    f.HMenuAnsichtDragDropClick(); // deselects both lists
    f.HMenuAnsichtDateiAttributeClick();
    expectEmpty("after the drag-and-drop view");
}

// A stamp that is zero shows empty fields; saving another row keeps it, and a click in
// its row starts from the page's cleared stamp, in both forms of the hour.
TEST_F(AttributePages, AZeroStampShowsEmptyFieldsAndSavingKeepsIt)
{
    const TDateTime zero = fs::toDateTime(timespec{0, 0});
    for (const int zeit : {0, 1}) {
        SCOPED_TRACE(zeit ? "12-hour form" : "24-hour form");
        StoreSettings([zeit](TRegistry &reg) { reg.WriteInteger("Zeit", zeit); });
        const QString name = QStringLiteral("null%1.txt").arg(zeit);
        const QString path = Make(name, {zero, Stamp(2003, 4, 5, 6, 7, 8), zero});
        THauptForm &f = Window();
        ShowOnPage(f, name);
        for (TEdit *field : {f.AttributeTag01, f.AttributeMonat01, f.AttributeJahr01, f.AttributeStunde01,
                             f.AttributeTag02, f.AttributeJahr02, f.AttributeSekunde02})
            EXPECT_EQ(Str(field->Text()), "") << Str(field->objectName());
        EXPECT_EQ(Str(f.AttrComboBox01->currentText()), "");
        EXPECT_NE(Str(f.AttributeJahr03->Text()), ""); // the preview's read may have moved it

        f.AttrJahrUpDown03->setPosition(2013);
        f.DateiDatumZeitChange();
        EXPECT_EQ(Str(f.AttributeJahr01->Text()), "");
        f.AttrSpeedButton01->click();
        const Times saved = TimesOf(path);
        EXPECT_EQ(Text(saved.Created), Text(zero));
        EXPECT_EQ(Text(saved.Written), Text(zero));
        EXPECT_EQ(fs::splitDateTime(saved.Accessed).Year, 2013);

        f.AttrTagUpDown02->setPosition(f.AttrTagUpDown02->Position() + 1);
        f.DateiDatumZeitChange();
        EXPECT_EQ(Str(f.AttributeTag02->Text() + "." + f.AttributeMonat02->Text() + "." + f.AttributeJahr02->Text()
                      + " " + f.AttributeStunde02->Text() + (zeit ? " " + f.AttrComboBox02->currentText() : "")),
                  zeit ? "2.1.1980 12 am" : "2.1.1980 0");
        f.AttrSpeedButton01->click();
        EXPECT_EQ(Text(TimesOf(path).Written), Text(Stamp(1980, 1, 2, 0, 0, 0)));
        EXPECT_EQ(Text(TimesOf(path).Created), Text(zero));
    }
}

// ---- Layout ----

int ColumnOf(QGridLayout *Grid, QWidget *Control)
{
    int row = 0, column = -1, rowSpan = 0, columnSpan = 0;
    const int index = Grid->indexOf(Control);
    EXPECT_GE(index, 0) << Str(Control->objectName());
    if (index >= 0)
        Grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return column;
}

TEST_F(AttributePages, DatumOneSwapsDayAndMonthOnBothPages)
{
    for (int datum : {0, 1}) {
        StoreSettings([datum](TRegistry &reg) { reg.WriteInteger("Datum", datum); });
        THauptForm &f = Window();
        const bool swapped = datum == 1;
        const struct {
            QGridLayout *grid;
            QWidget *day, *month, *year, *dayHead, *monthHead;
        } pages[] = {
            {f.AttributeRaster, f.AttributeTag02->parentWidget(), f.AttributeMonat02->parentWidget(),
             f.AttributeJahr02->parentWidget(), f.AttributeLabel06, f.AttributeLabel07},
            {f.AttrRaster, f.AttrTag02->parentWidget(), f.AttrMonat02->parentWidget(), f.AttrJahr02->parentWidget(),
             f.AttrLabel04, f.AttrLabel05},
        };
        for (const auto &p : pages) {
            EXPECT_EQ(ColumnOf(p.grid, p.day) > ColumnOf(p.grid, p.month), swapped) << datum;
            EXPECT_EQ(ColumnOf(p.grid, p.dayHead), ColumnOf(p.grid, p.day));
            EXPECT_EQ(ColumnOf(p.grid, p.monthHead), ColumnOf(p.grid, p.month));
            EXPECT_LT(ColumnOf(p.grid, p.day), ColumnOf(p.grid, p.year));
            EXPECT_LT(ColumnOf(p.grid, p.month), ColumnOf(p.grid, p.year));
        }
        // Each component box stays under its own field.
        EXPECT_EQ(ColumnOf(f.AttrRaster, f.AttrCheckBoxes[6]), ColumnOf(f.AttrRaster, f.AttrTag02->parentWidget()));
        EXPECT_EQ(ColumnOf(f.AttrRaster, f.AttrCheckBoxes[7]), ColumnOf(f.AttrRaster, f.AttrMonat02->parentWidget()));
    }
}

TEST_F(AttributePages, SwitchingZeitKeepsTheHourOfTheDay)
{
    THauptForm &f = Window();
    const std::array<TStampRow, 3> page = f.AttributePageRows(), tab = f.AttributeTabRows();
    for (const auto *rows : {&page, &tab}) {
        EXPECT_TRUE((*rows)[0].AmPm->isHidden());
        EXPECT_EQ((*rows)[0].UpDowns[HourField]->Max(), 23);
        (*rows)[0].UpDowns[HourField]->setPosition(15);
        (*rows)[1].UpDowns[HourField]->setPosition(0);
    }
    Zeit = 1;
    ArrangeDateTimeFields();
    for (const auto *rows : {&page, &tab}) {
        EXPECT_EQ((*rows)[0].UpDowns[HourField]->Position(), 3);
        EXPECT_EQ(Str((*rows)[0].AmPm->currentText()), "pm");
        EXPECT_EQ((*rows)[1].UpDowns[HourField]->Position(), 12);
        EXPECT_EQ(Str((*rows)[1].AmPm->currentText()), "am");
        EXPECT_EQ((*rows)[0].UpDowns[HourField]->Min(), 1);
        EXPECT_EQ((*rows)[0].UpDowns[HourField]->Max(), 12);
        EXPECT_FALSE((*rows)[0].AmPm->isHidden());
        EXPECT_FALSE((*rows)[1].AmPm->isHidden());
        EXPECT_TRUE((*rows)[2].AmPm->isHidden()); // the last-access time fields stay hidden
        EXPECT_TRUE((*rows)[2].Fields[HourField]->parentWidget()->isHidden());
    }
    EXPECT_LT(ColumnOf(f.AttrRaster, f.AttrStunde01->parentWidget()), ColumnOf(f.AttrRaster, f.AttrComboBox1));
    EXPECT_LT(ColumnOf(f.AttrRaster, f.AttrComboBox1), ColumnOf(f.AttrRaster, f.AttrMinute01->parentWidget()));
    Zeit = 0;
    ArrangeDateTimeFields();
    for (const auto *rows : {&page, &tab}) {
        EXPECT_EQ((*rows)[0].UpDowns[HourField]->Position(), 15);
        EXPECT_EQ((*rows)[1].UpDowns[HourField]->Position(), 0);
        EXPECT_TRUE((*rows)[0].AmPm->isHidden());
    }
}

TEST_F(AttributePages, AtStartTheTabShowsTodayAndTwelveHourRowsShowTwelveAm)
{
    StoreSettings([](TRegistry &reg) { reg.WriteInteger("Zeit", 1); });
    THauptForm &f = Window();
    const fs::DateTimeParts today = fs::splitDateTime(fs::now());
    for (TEdit *day : {f.AttrTag01, f.AttrTag02, f.AttrTag03})
        EXPECT_EQ(day->text().toInt(), today.Day);
    for (TEdit *month : {f.AttrMonat01, f.AttrMonat02, f.AttrMonat03})
        EXPECT_EQ(month->text().toInt(), today.Month);
    for (TEdit *year : {f.AttrJahr01, f.AttrJahr02, f.AttrJahr03})
        EXPECT_EQ(year->text().toInt(), today.Year);
    EXPECT_EQ(f.ATUpDown01->Position(), today.Day);
    EXPECT_EQ(f.PageControl->indexOf(f.TabSheet02), 1);
    ClearAttributePage();
    EXPECT_EQ(f.AttrStundeUpDown01->Position(), 12);
    EXPECT_EQ(Str(f.AttrComboBox01->currentText()), "am");
}

// ---- The batch ----

TEST_F(AttributePages, KindZeroOnOneFileLogsThreeLinesAndIsUndone)
{
    const QString path = Make("eins.txt", Plain);
    THauptForm &f = Window();
    Select(f, "eins.txt");
    SetTimes(path, Plain); // back from the preview's read
    ChooseBatch(f, 0, {});
    f.AttrCheckBox1->setChecked(true);
    RunBatch(mrYes);
    ASSERT_EQ(modals_.shown().size(), 1u);
    EXPECT_EQ(Str(modals_.shown()[0].text),
              "Möchten Sie die Dateiattribute wirklich ändern ?\rVorgang kann nur unmittelbar nach\r"
              "Ausführung rückgängig gemacht werden.");
    QByteArray log;
    ASSERT_TRUE(ReadLog(log));
    EXPECT_EQ(log.toStdString(), "0\r\n" + Str(path) + "\r\n128\r\n");
    EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Str(f.HMenuDateiRueckgaengig->text()), "Rückgängig: Attribute ändern");
    Undo(f);
    EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(TimesOf(path), Plain);
}

TEST_F(AttributePages, KindOneWithTheCreationYearChangesOnlyThatYear)
{
    const QString path = Make("jahr.txt", Plain);
    THauptForm &f = Window();
    Select(f, "jahr.txt");
    SetTimes(path, Plain); // back from the preview's read
    ChooseBatch(f, 1, {2});
    f.AJUpDown01->setPosition(2005);
    f.ATUpDown01->setPosition(20); // unchecked: not taken
    RunBatch(mrYes);
    const Times after = TimesOf(path);
    EXPECT_EQ(Text(after.Created), Text(Stamp(2005, 2, 3, 4, 5, 6)));
    EXPECT_EQ(after.Written, Plain.Written);
    EXPECT_EQ(after.Accessed, Plain.Accessed);
    EXPECT_EQ(LogLines(), QStringList({"1", path, UndoLogTimeText(Plain.Created), UndoLogTimeText(Plain.Written),
                                       UndoLogTimeText(Plain.Accessed)}));
    Undo(f);
    EXPECT_EQ(TimesOf(path), Plain);
}

TEST_F(AttributePages, KindTwoOnAReadOnlyFileChangesItsTimesAndKeepsItReadOnly)
{
    const QString path = Make("fest.txt", Plain);
    THauptForm &f = Window();
    Select(f, "fest.txt");
    SetTimes(path, Plain);
    ASSERT_TRUE(SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY));
    ChooseBatch(f, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    for (const TStampRow &row : f.AttributeTabRows()) {
        row.UpDowns[HourField]->setPosition(17);
        row.UpDowns[MinuteField]->setPosition(18);
        row.UpDowns[SecondField]->setPosition(19);
    }
    RunBatch(mrYes);
    const Times after = TimesOf(path);
    EXPECT_EQ(Text(after.Created), Text(Stamp(2001, 2, 3, 17, 18, 19)));
    EXPECT_EQ(Text(after.Written), Text(Stamp(2003, 4, 5, 17, 18, 19)));
    EXPECT_EQ(after.Accessed, Plain.Accessed); // its time boxes are hidden and unchecked
    EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(LogLines().size(), 5);
    Undo(f);
    EXPECT_EQ(TimesOf(path), Plain);
    EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_READONLY);
}

TEST_F(AttributePages, KindFourOnAHiddenFileLogsItsOldWord)
{
    for (std::uint32_t old : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE}) {
        const QString name = QStringLiteral("versteckt%1.txt").arg(old);
        const QString path = Make(name, Plain);
        ASSERT_TRUE(SetFileAttributesA(path, old));
        THauptForm &f = Window();
        Select(f, name);
        SetTimes(path, Plain);
        ChooseBatch(f, 4, {0, 1, 2, 6, 7, 8});
        f.AttrCheckBox1->setChecked(true);
        RunBatch(mrYes);
        EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_READONLY);
        const QStringList lines = LogLines();
        ASSERT_EQ(lines.size(), 6);
        EXPECT_EQ(lines.last(), QString::number(old));
        EXPECT_NE(TimesOf(path).Created, Plain.Created); // today's date on the tab
        Undo(f);
        EXPECT_EQ(GetFileAttributesA(path), old);
        EXPECT_EQ(TimesOf(path), Plain);
    }
}

TEST_F(AttributePages, NoOrClosingTheBoxChangesNothing)
{
    const QString path = Make("nein.txt", Plain);
    for (int answer : {int(mrNo), int(mrCancel)}) {
        THauptForm &f = Window();
        ASSERT_TRUE(fs::createFolders(Arbeitsverzeichnis));
        ASSERT_TRUE(fs::writeFileAtomic(UndoLogPath(), "alt\r\n"));
        Select(f, "nein.txt");
    SetTimes(path, Plain); // back from the preview's read
        ChooseBatch(f, 4, {0, 1, 2, 3, 4, 5});
        f.AttrCheckBox3->setChecked(true);
        const bool undoBefore = f.HMenuDateiRueckgaengig->isEnabled();
        RunBatch(answer);
        QByteArray log;
        ASSERT_TRUE(ReadLog(log));
        EXPECT_EQ(log.toStdString(), "alt\r\n");
        EXPECT_EQ(TimesOf(path), Plain);
        EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(f.HMenuDateiRueckgaengig->isEnabled(), undoBefore);
    }
}

TEST_F(AttributePages, ANameThatIsNotUtf8GoesThroughKindFourAndBack)
{
    const QString name = fs::decodeName(QByteArray("gr\xe4n.txt"));
    const QString path = Root + name;
    ASSERT_TRUE(fs::writeFileAtomic(path, "x"));
    SetTimes(path, Plain);
    THauptForm &f = Window();
    Select(f, name);
    SetTimes(path, Plain);
    ChooseBatch(f, 4, {2});
    f.AJUpDown01->setPosition(2011);
    f.AttrCheckBox3->setChecked(true);
    RunBatch(mrYes);
    EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(fs::splitDateTime(TimesOf(path).Created).Year, 2011);
    EXPECT_EQ(LogLines().value(1), path);
    Undo(f);
    EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(TimesOf(path), Plain);
}

TEST_F(AttributePages, ADayThatDoesNotExistLeavesTheStampsButTheGroupIsLogged)
{
    const QString first = Make("a.txt", Plain), second = Make("b.txt", Plain);
    THauptForm &f = Window();
    f.ShellListView01->Refresh();
    f.ShellListView01->SelectRows({0, 1});
    for (const QString &path : {first, second})
        SetTimes(path, Plain);
    ChooseBatch(f, 4, {0, 1});
    f.ATUpDown01->setPosition(31);
    f.AMUpDown01->setPosition(2); // 31 February
    f.AttrCheckBox4->setChecked(true);
    RunBatch(mrYes, true); // the stamps of both files are reported once, after the batch
    ASSERT_EQ(modals_.shown().size(), 2u);
    EXPECT_EQ(modals_.shown()[1].text,
              LoadLangString(9130) + "2\r" + TFailedFiles::CauseText(EINVAL) + "\r    " + first + "\r    " + second);
    for (const QString &path : {first, second}) {
        EXPECT_EQ(TimesOf(path), Plain);
        EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_SYSTEM); // the rest of the file's steps ran
    }
    EXPECT_EQ(LogLines().size(), 1 + 2 * 5);
    Undo(f);
    for (const QString &path : {first, second})
        EXPECT_EQ(GetFileAttributesA(path), FILE_ATTRIBUTE_NORMAL);
}

// ---- Screenshots ----

TEST_F(AttributePages, Screenshots)
{
    const QString folder = qEnvironmentVariable("CORVEX_ATTRIBUTE_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set CORVEX_ATTRIBUTE_SCREENSHOTS=<folder> to save both pages in German and English";
    Make("Bericht.txt", {Stamp(2021, 3, 4, 0, 30, 5), Stamp(2022, 5, 6, 7, 8, 9), Stamp(2023, 11, 12, 23, 5, 1)});
    const TDateTime zero = fs::toDateTime(timespec{0, 0});
    Make("Null.txt", {zero, Stamp(2022, 5, 6, 7, 8, 9), zero});
    for (int sprache : {0, 10000}) {
        StoreSettings([sprache](TRegistry &reg) {
            reg.WriteInteger("Sprache", sprache);
            reg.WriteBool("Sprachwahl", false);
            reg.WriteInteger("Zeit", sprache == 0 ? 1 : 0);
        });
        THauptForm &f = Window();
        f.setWindowState(Qt::WindowNoState);
        f.resize(1024, 700);
        f.show();
        f.PageControl->setCurrentWidget(f.TabSheet02);
        ShowOnPage(f, "Bericht.txt");
        QApplication::processEvents();
        EXPECT_TRUE(f.grab().save(QDir(folder).filePath(sprache == 0 ? "attribute_de.png" : "attribute_en.png")));
        ShowOnPage(f, "Null.txt"); // zero stamps: empty rows
        QApplication::processEvents();
        EXPECT_TRUE(f.grab().save(QDir(folder).filePath(sprache == 0 ? "attribute_zero_de.png" : "attribute_zero_en.png")));
    }
}

} // namespace
