#pragma once
// The controls of the attributes page (Explorer02 page "DateiAttribute": the attributes
// and time stamps of the file selected in the left list) and of the attribute tab
// (PageControl page 1: what an attribute batch changes). Builders: Haupt_Attribute.cpp;
// filling, saving and the batch: operations/fktAttribute.cpp.

#include <array>

class THauptForm;
class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;
class TCheckBox;
class TEdit;
class TPanel;
class TRadioGroup;
class TSpeedButton;
class TUpDown;

// One time stamp's row of fields: day, month, year, hour, minute, second, each a
// read-only edit driven by its up-down, and the am/pm box of the 12-hour form.
// A row of the attributes page whose stamp is zero is blank: it shows no numbers.
struct TStampRow {
    std::array<TEdit *, 6> Fields{};
    std::array<TUpDown *, 6> UpDowns{};
    QComboBox *AmPm = nullptr;
    bool IsBlank() const; // every field empty
};
enum StampField { DayField, MonthField, YearField, HourField, MinuteField, SecondField };

// The grid column of a field on both pages: column 0 holds the row names; day and month
// change places with Datum 1; the am/pm boxes stand right after the hour, and their
// column takes no room while they are hidden (24-hour form).
constexpr int AttributeColumn(StampField Field, int Datum)
{
    constexpr int Columns[6] = {1, 2, 3, 4, 6, 7};
    if (Datum == 1 && (Field == DayField || Field == MonthField))
        return Field == DayField ? 2 : 1;
    return Columns[Field];
}
constexpr int AmPmColumn = 5;

struct THauptAttribute {
    // ---- Attributes page ----
    QWidget *DateiAttribute = nullptr;  // the page of Explorer02
    TPanel *AttributePanel13 = nullptr; // the page's heading
    QLabel *AttributeLabel01 = nullptr, *AttributeLabel02 = nullptr, *AttributeLabel03 = nullptr;
    QLabel *AttributeLabel04 = nullptr, *AttributeLabel05 = nullptr, *AttributeLabel06 = nullptr;
    QLabel *AttributeLabel07 = nullptr, *AttributeLabel08 = nullptr, *AttributeLabel09 = nullptr;
    QLabel *AttributeLabel10 = nullptr, *AttributeLabel11 = nullptr, *AttributeLabel12 = nullptr;
    QLabel *AttributeLabel13 = nullptr, *AttributeLabel14 = nullptr, *AttributeLabel15 = nullptr;
    QLabel *AttributeDateiname = nullptr;    // name without folder
    QLabel *AttributeDateigroesse = nullptr; // size in bytes
    QLabel *AttributeVerknuepft = nullptr;   // associated program; its hint the same
    // Read-only 1, archive 32, hidden 2, system 4; a click writes them at once.
    TCheckBox *AttributeCheckBox01 = nullptr, *AttributeCheckBox02 = nullptr;
    TCheckBox *AttributeCheckBox03 = nullptr, *AttributeCheckBox04 = nullptr;
    // Rows 01 creation, 02 last write, 03 last access (its time fields hidden).
    TEdit *AttributeTag01 = nullptr, *AttributeMonat01 = nullptr, *AttributeJahr01 = nullptr;
    TEdit *AttributeStunde01 = nullptr, *AttributeMinute01 = nullptr, *AttributeSekunde01 = nullptr;
    TEdit *AttributeTag02 = nullptr, *AttributeMonat02 = nullptr, *AttributeJahr02 = nullptr;
    TEdit *AttributeStunde02 = nullptr, *AttributeMinute02 = nullptr, *AttributeSekunde02 = nullptr;
    TEdit *AttributeTag03 = nullptr, *AttributeMonat03 = nullptr, *AttributeJahr03 = nullptr;
    TEdit *AttributeStunde03 = nullptr, *AttributeMinute03 = nullptr, *AttributeSekunde03 = nullptr;
    TUpDown *AttrTagUpDown01 = nullptr, *AttrMonatUpDown01 = nullptr, *AttrJahrUpDown01 = nullptr;
    TUpDown *AttrStundeUpDown01 = nullptr, *AttrMinuteUpDown01 = nullptr, *AttrSekundeUpDown01 = nullptr;
    TUpDown *AttrTagUpDown02 = nullptr, *AttrMonatUpDown02 = nullptr, *AttrJahrUpDown02 = nullptr;
    TUpDown *AttrStundeUpDown02 = nullptr, *AttrMinuteUpDown02 = nullptr, *AttrSekundeUpDown02 = nullptr;
    TUpDown *AttrTagUpDown03 = nullptr, *AttrMonatUpDown03 = nullptr, *AttrJahrUpDown03 = nullptr;
    TUpDown *AttrStundeUpDown03 = nullptr, *AttrMinuteUpDown03 = nullptr, *AttrSekundeUpDown03 = nullptr;
    QComboBox *AttrComboBox01 = nullptr, *AttrComboBox02 = nullptr, *AttrComboBox03 = nullptr;
    TSpeedButton *AttrSpeedButton01 = nullptr; // saves the time stamps
    QGridLayout *AttributeRaster = nullptr;    // the rows' fields, arranged by Datum and Zeit
    // False when the stamps of the item shown could not be read: its save writes nothing.
    bool AttributeStampsShown = false;

    // ---- Attribute tab (TabSheet02, PageControl page 1) ----
    TCheckBox *AttrRekursiv = nullptr; // the batch: the active tree folder and below
    TRadioGroup *AttrRadioGroup1 = nullptr; // the change kind, 0 to 4
    QLabel *AttrLabel01 = nullptr, *AttrLabel02 = nullptr, *AttrLabel03 = nullptr, *AttrLabel04 = nullptr;
    QLabel *AttrLabel05 = nullptr, *AttrLabel06 = nullptr, *AttrLabel07 = nullptr, *AttrLabel08 = nullptr;
    QLabel *AttrLabel09 = nullptr, *AttrLabel10 = nullptr, *AttrLabel11 = nullptr, *AttrLabel12 = nullptr;
    // The attributes a batch sets: read-only, archive, hidden, system.
    TCheckBox *AttrCheckBox1 = nullptr, *AttrCheckBox2 = nullptr, *AttrCheckBox3 = nullptr, *AttrCheckBox4 = nullptr;
    TEdit *AttrTag01 = nullptr, *AttrMonat01 = nullptr, *AttrJahr01 = nullptr;
    TEdit *AttrStunde01 = nullptr, *AttrMinute01 = nullptr, *AttrSekunde01 = nullptr;
    TEdit *AttrTag02 = nullptr, *AttrMonat02 = nullptr, *AttrJahr02 = nullptr;
    TEdit *AttrStunde02 = nullptr, *AttrMinute02 = nullptr, *AttrSekunde02 = nullptr;
    TEdit *AttrTag03 = nullptr, *AttrMonat03 = nullptr, *AttrJahr03 = nullptr;
    TEdit *AttrStunde03 = nullptr, *AttrMinute03 = nullptr, *AttrSekunde03 = nullptr;
    TUpDown *ATUpDown01 = nullptr, *AMUpDown01 = nullptr, *AJUpDown01 = nullptr;
    TUpDown *AStUpDown01 = nullptr, *AMinUpDown01 = nullptr, *ASekUpDown01 = nullptr;
    TUpDown *ATUpDown02 = nullptr, *AMUpDown02 = nullptr, *AJUpDown02 = nullptr;
    TUpDown *AStUpDown02 = nullptr, *AMinUpDown02 = nullptr, *ASekUpDown02 = nullptr;
    TUpDown *ATUpDown03 = nullptr, *AMUpDown03 = nullptr, *AJUpDown03 = nullptr;
    TUpDown *AStUpDown03 = nullptr, *AMinUpDown03 = nullptr, *ASekUpDown03 = nullptr;
    QComboBox *AttrComboBox1 = nullptr, *AttrComboBox2 = nullptr, *AttrComboBox3 = nullptr;
    // Under each field: checked, the batch gives the component the field's value.
    // Rows of six (day, month, year, hour, minute, second): 01-06, 07-12, 13-18.
    std::array<TCheckBox *, 18> AttrCheckBoxes{}; // AttrCheckBox01 to AttrCheckBox18
    QGridLayout *AttrRaster = nullptr;

    // Builders: the attributes page into Page; the attribute tab as PageControl page 1.
    void CreateAttributePage(QWidget *Sheet);
    void CreateAttributeTab();
    // The rows of the attributes page and of the attribute tab, 0 creation, 1 last
    // write, 2 last access.
    std::array<TStampRow, 3> AttributePageRows() const;
    std::array<TStampRow, 3> AttributeTabRows() const;

    // Start-up: the attribute tab's date fields show today's date.
    void ShowTodayOnAttributeTab();

    // Handlers of the attributes page.
    void AttributeCheckBoxClick();
    void DateiDatumZeitChange();
    void AttrSpeedButton01Click();
    // Explorer02 shows the attributes page.
    bool AttributePageShown();

protected:
    THauptForm &Form();
};
