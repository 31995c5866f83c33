#pragma once
// The controls of the rename page (page 0 of PageControl), of the rename preview and of
// the file list. Builders: Haupt_Umbenennen.cpp; handlers: Haupt_UmbenennenHandler.cpp.

#include <QStringList>

#include <functional>

class THauptForm;
class QChar;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QWidget;
class TGradientFill;
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
    // Page 0: start value from the options, continue after the last index, on to page 1;
    // page 1: back to page 0.
    TSpeedButton *DatUmbSB01 = nullptr, *DatUmbSB02 = nullptr, *DatUmbSB03 = nullptr, *DatUmbSB04 = nullptr;
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
    // Rule 10: the plug-in library, the button that shows its description, the description.
    QLabel *DatUmbLabel15 = nullptr, *DatUmbLabel16 = nullptr;
    QComboBox *DatUmbComboBox03 = nullptr; // editable, sorted; filled from the plug-in list
    QPushButton *DatUmbBitBtn01 = nullptr;
    QPlainTextEdit *DatUmbMemo01 = nullptr; // read-only
    // Sub-view "Funktionen": the function text (default "<N>") and the commands to insert.
    QLabel *FktLabel01 = nullptr, *FktLabel02 = nullptr, *FktLabel03 = nullptr;
    TEdit *UmbenennungsFunktion = nullptr;
    QListWidget *FktListBox01 = nullptr; // descriptions, with heading rows
    QStringList FktListBox02;            // the templates, index-parallel; headings do not begin with ":"
    // Sub-view "TTF": the heading, the captions and values of the names of the font
    // chosen in an explorer list (notice, family, style, full name), the warning.
    QLabel *TTFLabel11 = nullptr;
    QLabel *TTFLabel2 = nullptr, *TTFLabel3 = nullptr, *TTFLabel4 = nullptr, *TTFLabel5 = nullptr;
    QLabel *TTFLabel6 = nullptr, *TTFLabel7 = nullptr, *TTFLabel8 = nullptr, *TTFLabel9 = nullptr;
    QLabel *TTFWarnung = nullptr;
    // The rename preview: Explorer02 page "Vorschau".
    QLabel *VorschauLabel01 = nullptr; // the message of the last refresh when it failed
    TStringGrid *VorschauStringGrid01 = nullptr; // old name | new name, one header row
    // The file list page (Explorer01 page "DateiListe") around DLStringGrid: the header
    // DLGradientFill01 with the caption DLPanel04, and the 394-px button row DLPanel02.
    TGradientFill *DLGradientFill01 = nullptr;
    QLabel *DLPanel04 = nullptr;
    QWidget *DLPanel02 = nullptr;
    TSpeedButton *DLSpeedButton01 = nullptr; // sort
    TSpeedButton *DLSpeedButton02 = nullptr; // add the selection of the right list
    QPushButton *DLBitBtn1 = nullptr, *DLBitBtn2 = nullptr, *DLBitBtn3 = nullptr, *DLBitBtn4 = nullptr;

    void CreateRenamePage();
    // The file list's controls on Page (DLStringGrid among them) and their handlers.
    void CreateFileListPage(QWidget *Page);

    // ---- Handlers (Haupt_UmbenennenHandler.cpp) ----
    // Runs Action as one user action: the preview refreshes it asks for (its own and
    // those of the handlers it sets off) run once, at its end, unless it aborts.
    void RunAsOneAction(const std::function<void()> &Action);
    // With the rename tab shown and DatUmbVorschau down, or the folder tab and its
    // preview shown: ShowRenamePreview as a change, whose messages open no box. Inside an
    // action: once, at the action's end.
    void RefreshPreview();
    void NeueVorschauNachAenderung();
    void DatUmbAnsichtWechsel();
    void DatUmbRadioGroup02Click();
    void DatUmbSB01Click();
    void DatUmbSB02Click();
    void DatUmbSB03Click();
    void DatUmbSB04Click();
    void DatUmbRadioGroup05Click();
    void DatUmbRadioGroup11Click();
    void DatUmbAlleEndungenClick();
    void RGDatumZeit01Click();
    // Key filters: Key set to a null character drops the key.
    void DatUmbEdit01KeyPress(QChar &Key);
    void DatUmbEdit03KeyPress(QChar &Key);
    void DatUmbZielverzeichnisClick();
    void UmbFktEinfuegen();
    // Shows the description of the chosen plug-in library in DatUmbMemo01.
    void DatUmbBitBtn01Click();
    // File list: sort, add, clear, up, down, delete.
    void DLSpeedButton01Click();
    void DLSpeedButton02Click();
    void DLBitBtn1Click();
    void DLBitBtn2Click();
    void DLBitBtn3Click();
    void DLBitBtn4Click();
    // Sorts the file list by NumberInFileName of column 0, both columns together.
    void SortFileList();
    void SortFileListRows(int L, int R);
    // The file list follows files that were moved: Moves holds pairs (the path a file
    // had, the path it has now) in the order they were carried out; each row whose path
    // a pair moved gets the new path and its name.
    void FileListFollowMoves(const QStringList &Moves);

protected:
    // The main window this page belongs to.
    THauptForm &Form();

private:
    int ActionDepth = 0;
    bool PreviewPending = false;
};
