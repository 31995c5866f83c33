#pragma once
// The main window. Every named control the batch operations read lives here; the
// controls of each page are created in one place (Haupt_<Page>.cpp).

#include <QMainWindow>
#include <QStringList>

class QStackedWidget;
class QSplitter;
class QTabWidget;
class TStringGrid;

class THauptForm : public QMainWindow {
    Q_OBJECT
public:
    explicit THauptForm(QWidget *parent = nullptr);
    ~THauptForm() override;

    // Upper half: the notebook of the view modes; its page "Versteckt" is never shown
    // and carries the work lists of a batch.
    QSplitter *MainSplitter = nullptr;
    QStackedWidget *NotebookHaupt = nullptr;
    QWidget *Versteckt = nullptr;
    QStringList AlteDateinamen;   // old full paths of the batch
    QStringList NeueDateinamen;   // new full paths, index-aligned with AlteDateinamen
    QStringList ProtokollListBox; // the undo log of the batch, one value per line
    QStringList GrafikNamen;      // picture files of the thumbnail page
    QStringList OrdnerNamen;      // scratch rows of the folder statistics
    TStringGrid *OrdnerStringGrid02 = nullptr;

    // Lower half: the pages of the batch operations.
    QTabWidget *PageControl = nullptr;

    // ---- Explorer panes and file list (Haupt_Explorer.cpp) ----

    // ---- Rename page (Haupt_Umbenennen.cpp) ----

    // ---- Menus and tool buttons (Haupt_Menues.cpp) ----

    // ---- Start-up and shutdown (Haupt.cpp) ----

private:
    void CreateHiddenPage();
};

extern THauptForm *HauptForm;
