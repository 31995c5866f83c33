#pragma once
// The folder page (PageControl's TabSheet04): the target folder, the folder series and
// the deletion of empty folders. Builder and handlers: Haupt_Ordner.cpp; the work:
// operations/fktOrdner.

class THauptForm;
class QLabel;
class QPushButton;
class TCheckBox;
class TEdit;
class TPanel;
class TUpDown;

struct THauptOrdner {
    QLabel *OrdnerLabel01 = nullptr;
    TEdit *OrdnerZielverzeichnis = nullptr; // read-only: target of a series; empty: the left tree's folder
    // The series "Ordnerserien": first part + number + second part, start to end value.
    QLabel *OrdLabel4 = nullptr, *OrdLabel5 = nullptr, *OrdLabel6 = nullptr, *OrdLabel7 = nullptr, *OrdLabel8 = nullptr;
    TEdit *OrdName01 = nullptr, *OrdName02 = nullptr;
    TEdit *OrdStartwert = nullptr, *OrdEndwert = nullptr; // 0..32767
    TUpDown *OrdStartwertUpDown = nullptr, *OrdEndwertUpDown = nullptr;
    TCheckBox *OrdCheckBox1 = nullptr; // pad the numbers with zeros to the end value's length
    TPanel *OrdPanel1 = nullptr;       // the example of the series
    QPushButton *OrdnerSerieErstellen = nullptr;
    QPushButton *DeleteEmptyFolders = nullptr;

    // Builder: the page TabSheet04 of PageControl with these controls and their handlers.
    void CreateFolderPage();

    void OrdnerSerieErstellenClick();
    // Lists the empty folders below the active tree's folder, asks, and moves them to
    // the trash, deepest first, each only when it is still empty.
    void DeleteEmptyFoldersClick();

protected:
    // The main window this page belongs to.
    THauptForm &Form();
};
