#pragma once
// The folder page (PageControl's TabSheet04) with its two sub-views, folder trees and
// folder renaming, and the folder-structure editor on Explorer02's page "Ordner": the
// target folder, structure files, the folder series and the deletion of empty folders.
// Builder: Haupt_Ordner.cpp; handlers: Haupt_OrdnerHandler.cpp; the work:
// operations/fktOrdner.

#include <QIcon>
#include <QList>

class THauptForm;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTreeWidgetItem;
class TCheckBox;
class TEdit;
class TGradientFill;
class TMenuItem;
class TPanel;
class TSpeedButton;
class TTreeView;
class TUpDown;

struct THauptOrdner {
    // The sub-view buttons (one group, Ordnerbaeume down at start) on their gradient.
    TGradientFill *OrdnerGradientFill01 = nullptr;
    TSpeedButton *Ordnerbaeume = nullptr, *OrdnerUmbenennen = nullptr;
    QLabel *OrdnerImage01 = nullptr; // shown with the folder trees
    // Page 0 folder trees, page 1 folder renaming.
    QStackedWidget *OrdnerNB01 = nullptr;

    QLabel *OrdnerLabel01 = nullptr;
    TEdit *OrdnerZielverzeichnis = nullptr; // read-only: target of a series; empty: the left tree's folder
    // Structure files: the name to save under (without ".ord"), the files to load.
    QLabel *OrdLabel1 = nullptr, *OrdLabel2 = nullptr;
    TEdit *OrdEdit1 = nullptr;
    QComboBox *OrdComboBox1 = nullptr;
    QPushButton *OrdStrukturSpeichern = nullptr, *OrdStrukturLaden = nullptr, *OrdnerStrukturErstellen = nullptr;
    // The series "Ordnerserien": first part + number + second part, start to end value.
    QLabel *OrdLabel4 = nullptr, *OrdLabel5 = nullptr, *OrdLabel6 = nullptr, *OrdLabel7 = nullptr, *OrdLabel8 = nullptr;
    QLabel *OrdLabel9 = nullptr; // beside the example
    TEdit *OrdName01 = nullptr, *OrdName02 = nullptr;
    TEdit *OrdStartwert = nullptr, *OrdEndwert = nullptr; // 0..32767
    TUpDown *OrdStartwertUpDown = nullptr, *OrdEndwertUpDown = nullptr;
    TCheckBox *OrdCheckBox1 = nullptr; // pad the numbers with zeros to the end value's length
    TPanel *OrdPanel1 = nullptr;       // the example of the series
    QPushButton *OrdnerSerieErstellen = nullptr;
    QPushButton *DeleteEmptyFolders = nullptr;

    // Explorer02 page "Ordner": the structure being edited, its buttons and pop-up.
    TTreeView *OrdTreeView = nullptr;
    QList<QIcon> OrdnerImageList; // 0 a folder read from disk, 2 one added or loaded
    QPushButton *OrdBitBtn01 = nullptr, *OrdBitBtn02 = nullptr, *OrdBitBtn03 = nullptr;
    QPushButton *OrdBitBtn04 = nullptr, *OrdBitBtn05 = nullptr, *OrdBitBtn06 = nullptr;
    QMenu *PopupMenu03 = nullptr;
    TMenuItem *PMenu5_BaumEinlesen = nullptr, *PMenu5_Hinzufuegen = nullptr, *PMenu5_Entfernen = nullptr;
    TMenuItem *PMenu5_Umbenennen = nullptr, *PMenu5_Deselektieren = nullptr, *PMenu5_Loeschen = nullptr;
    TMenuItem *PMenu5_Speichern = nullptr, *PMenu5_Laden = nullptr, *PMenu5_Ordnererstellen = nullptr;

    // Builder: the page TabSheet04 of PageControl and the page "Ordner" of Explorer02
    // with these controls and their handlers.
    void CreateFolderPage();

    // Both sub-view buttons: the sub-view, the view mode and the View items.
    void OrdnerAnsichtWechsel();
    void OrdnerVorschauSBClick(); // the folder rename preview on or off
    void RadioGroupOrdU1Click();  // shows the chosen rule's fields
    // The folder rename preview is asked for: its button is down and shown (the
    // folder-trees sub-view hides it, still down, to come back to it).
    bool FolderPreviewShown() const;
    void OrdnerZielverzeichnisClick();

    // The structure editor.
    void OrdBitBtn01Click(); // read a folder tree from disk below the selected node
    void OrdBitBtn02Click(); // add a node below the selected one
    void OrdBitBtn03Click(); // remove the selected node with its sub-tree
    void OrdBitBtn04Click(); // rename the selected node
    void OrdBitBtn05Click(); // deselect
    void OrdBitBtn06Click(); // remove every node
    void OrdStrukturSpeichernClick();
    void OrdStrukturLadenClick();
    // Creates a folder for every node below the target folder (else the left tree's).
    void OrdnerStrukturErstellenClick();
    // OrdComboBox1 := the structure files (*.ord) of the working folder, sorted.
    void ListOrdFiles();

    void OrdnerSerieErstellenClick();
    // Lists the empty folders below the active tree's folder, asks, and moves them to
    // the trash, deepest first, each only when it is still empty.
    void DeleteEmptyFoldersClick();
    // The series handlers: each shows FolderSeriesExample in OrdPanel1; a start raised
    // above the end moves the end with it.
    void OrdStartwertUpDownClick();
    void OrdEndwertUpDownClick();
    void OrdName01Change();
    void OrdName02Change();
    void OrdCheckBox1Click();
    // "Fotos05...Fotos12": first and last name of the series by the up-downs.
    QString FolderSeriesExample() const;
    void OrdStartwertKeyPress(QChar &Key); // digits and Backspace only
    void OrdEndwertKeyPress(QChar &Key);

protected:
    // The main window this page belongs to.
    THauptForm &Form();
    const THauptForm &Form() const;

private:
    // Asks for a node's name below Parent until it is usable and no other child of
    // Parent (but Self) bears it; Parent nullptr: the top level. False on Cancel.
    bool AskNodeName(int CaptionId, int PromptId, const QTreeWidgetItem *Parent, const QTreeWidgetItem *Self,
                     QString &Name);
    void ShowFolderSeriesExample();
};
