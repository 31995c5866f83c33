#pragma once
// The controls of the rename page (page 0 of PageControl) and of the rename preview.
// Builder: Haupt_Umbenennen.cpp.

class THauptForm;
class QComboBox;
class QLabel;
class QStackedWidget;
class QWidget;
class TCheckBox;
class TEdit;
class TRadioGroup;
class TSpeedButton;
class TStringGrid;
class TUpDown;

struct THauptUmbenennen {
    QWidget *TabSheet01 = nullptr;             // PageControl page 0: renaming files
    TRadioGroup *DatUmbRadioGroup01 = nullptr; // target mode: 0 in place, 1 move, 2 copy
    TSpeedButton *DatUmbSpeedButton01 = nullptr; // sub-views: rules, functions, TrueType, MP3
    TSpeedButton *DatUmbSpeedButton02 = nullptr;
    TSpeedButton *DatUmbSpeedButton03 = nullptr;
    TSpeedButton *DatUmbSpeedButton04 = nullptr;
    // Sub-views DatUmb01: 0 the rule list, 1 rename functions, 2 TrueType names, 3 MP3 tags.
    QStackedWidget *DatUmb01 = nullptr;
    TRadioGroup *DatUmbRadioGroup02 = nullptr; // the rule of the rule list, 0 to 10
    // The fields of the chosen rule: pages 0 and 1 rules 0 to 2, page 2 to 8 rules 3 to 9.
    QStackedWidget *DatUmb01a = nullptr;
    TCheckBox *DatUmbRekursiv = nullptr;       // source: the active tree folder and below
    TCheckBox *DatUmbDateiListe = nullptr;     // source: the file list
    TCheckBox *DatUmbLogisch = nullptr;        // sort by the number in each name first
    QLabel *DatUmbLabel01 = nullptr;
    TEdit *DatUmbZielverzeichnis = nullptr;    // read-only: target folder of modes 1 and 2
    TSpeedButton *DatUmbVorschau = nullptr;    // preview on while down
    // Rules 0 to 2: stem, places (1..9), start value (0..32767), start letters.
    QLabel *DatUmbLabel02 = nullptr, *DatUmbLabel03 = nullptr, *DatUmbLabel04 = nullptr, *DatUmbLabel05 = nullptr;
    TEdit *DatUmbEdit01 = nullptr;
    TEdit *DatUmbEdit02 = nullptr; // read-only, shows UpDownStellenanzahl01
    TUpDown *UpDownStellenanzahl01 = nullptr;
    TEdit *DatUmbEdit03 = nullptr;
    TUpDown *UpDownStartwert01 = nullptr;
    TEdit *DatUmbEdit04 = nullptr;
    TRadioGroup *DatUmbRadioGroup03 = nullptr; // extension: unchanged, upper, lower case
    TRadioGroup *DatUmbRadioGroup04 = nullptr; // index at the end, at the beginning
    TRadioGroup *DatUmbRadioGroup05 = nullptr; // addition: stem, number index
    // Rule 3: text to replace, replacement.
    QLabel *DatUmbLabel06 = nullptr, *DatUmbLabel07 = nullptr;
    TEdit *DatUmbEdit05 = nullptr, *DatUmbEdit06 = nullptr;
    // Rule 4: text to insert, position (0..255) from the start or the end.
    QLabel *DatUmbLabel08 = nullptr, *DatUmbLabel09 = nullptr;
    TEdit *DatUmbEdit07 = nullptr, *DatUmbEdit08 = nullptr;
    TUpDown *DatUmbUpDownZKE = nullptr;
    TRadioGroup *DatUmbRadioGroup06 = nullptr;
    // Rule 5: count and position (0..255) from the start or the end.
    QLabel *DatUmbLabel10 = nullptr, *DatUmbLabel11 = nullptr;
    TEdit *DatUmbEdit09 = nullptr, *DatUmbEdit10 = nullptr;
    TUpDown *DatUmbUpDownZA01 = nullptr, *DatUmbUpDownZA02 = nullptr;
    TRadioGroup *DatUmbRadioGroup07 = nullptr;
    // Rule 6: case mode, applied to name, extension or both.
    TRadioGroup *DatUmbRadioGroup08 = nullptr, *DatUmbRadioGroup09 = nullptr;
    // Rule 7: shorten by N, to N, to 8.3; at the start or the end; to N counting the extension.
    TRadioGroup *DatUmbRadioGroup11 = nullptr, *DatUmbRadioGroup10 = nullptr, *DatUmbRadioGroup12 = nullptr;
    QLabel *DatUmbLabel12 = nullptr;
    TEdit *DatUmbEdit11 = nullptr; // read-only, shows DatUmbUpDownNK (0..255)
    TUpDown *DatUmbUpDownNK = nullptr;
    // Rule 8: old and new extension; all extensions.
    QLabel *DatUmbLabel13 = nullptr, *DatUmbLabel14 = nullptr;
    QComboBox *DatUmbComboBox01 = nullptr, *DatUmbComboBox02 = nullptr;
    TCheckBox *DatUmbAlleEndungen = nullptr;
    // Rule 9: creation time or own values, before or behind the name, arrangement.
    TRadioGroup *RGDatumZeit01 = nullptr, *RGDatumZeit02 = nullptr, *RGDatumZeit03 = nullptr;
    QLabel *DZLabel01 = nullptr, *DZLabel02 = nullptr;
    TEdit *MaskEdit01 = nullptr; // own date, masked
    TEdit *MaskEdit02 = nullptr; // own time, masked
    // The rename preview: Explorer02 page "Vorschau".
    TStringGrid *VorschauStringGrid01 = nullptr; // old name | new name, one header row

    void CreateRenamePage();

protected:
    // The main window this page belongs to.
    THauptForm &Form();
};
