#pragma once
// The controls of the sort page (PageControl's TabSheet03): the criterion, move or copy,
// the criterion's parameters, the root folder and the source. Builder and handlers:
// Haupt_Sortieren.cpp; the work: operations/fktSortieren.

class THauptForm;
class QChar;
class QComboBox;
class QLabel;
class QStackedWidget;
class TCheckBox;
class TEdit;
class TRadioGroup;
class TUpDown;

struct THauptSortieren {
    TRadioGroup *SortRadioGroup1 = nullptr; // criterion: initial, text, type, size, date
    TRadioGroup *SortRadioGroup2 = nullptr; // 0 move, 1 copy
    // The criterion's parameters: 0 "Leer", 1 "Zeichenkette", 2 "Dateigroesse",
    // 3 "Anfangsbuchstaben".
    QStackedWidget *SortNotebook1 = nullptr;
    QLabel *SortLabel1 = nullptr;
    TEdit *SortEdit1 = nullptr; // the text a name must contain
    QLabel *SortLabel3 = nullptr, *SortLabel4 = nullptr;
    TEdit *SortUntergrenze = nullptr, *SortObergrenze = nullptr; // digits only
    TUpDown *SortUntergrenzeUpDown = nullptr, *SortObergrenzeUpDown = nullptr;
    QComboBox *SortComboBox1 = nullptr, *SortComboBox2 = nullptr; // Byte, kByte, MByte
    TRadioGroup *SortRadioGroup3 = nullptr; // initials: all, from ... to ...
    QComboBox *SortComboBox3 = nullptr, *SortComboBox4 = nullptr; // first and last initial
    QLabel *SortLabel5 = nullptr;
    TEdit *SortMindestLaenge = nullptr; // read-only, shows SortMindestLaengeUpDown
    TUpDown *SortMindestLaengeUpDown = nullptr;
    QLabel *SortLabel2 = nullptr;
    TEdit *SortZielverzeichnis = nullptr; // read-only: the root folder; empty: the explorer's
    TCheckBox *SortRekursiv = nullptr;    // source: the active tree folder and below

    // Builder: the page TabSheet03 of PageControl with its controls and handlers.
    void CreateSortPage();

    void SortRadioGroup1Click();
    // Key filters: Key set to a null character drops the key.
    void SortUntergrenzeKeyPress(QChar &Key);
    void SortObergrenzeKeyPress(QChar &Key);
    void SortZielverzeichnisClick();

protected:
    // The main window this page belongs to.
    THauptForm &Form();
};
