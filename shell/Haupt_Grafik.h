#pragma once
// The graphics page (TabSheet05, page 4 of PageControl): the shared source and target
// fields, the switch between the icons and the JPEG tools, and the pages of the
// defective-JPEG search and the JPEG reduction. Builder and handlers: Haupt_Grafik.cpp;
// the tools themselves: operations/fktJPEGs.

class THauptForm;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTabWidget;
class QWidget;
class TCheckBox;
class TEdit;
class TRadioGroup;
class TSpeedButton;

struct THauptGrafik {
    QLabel *GrafikLabel01 = nullptr;
    TCheckBox *GrafikRekursiv = nullptr;       // the active tree folder and below, not the selection
    TEdit *GrafikZielverzeichnis = nullptr;    // read-only; a click opens the folder dialog
    TSpeedButton *GrafikSB01 = nullptr;        // group 4: icons
    TSpeedButton *GrafikSB02 = nullptr;        // group 4: JPEGs
    QStackedWidget *GrafikNB01 = nullptr;      // page 0 icons, page 1 JPEGs

    // Icons (GrafikNB01 page 0); operations/fktIcons
    QScrollArea *ScrollBoxIcons = nullptr; // 295 x 165; its widget holds the tiles
    QPushButton *GrafikBitBtn01 = nullptr; // search
    QPushButton *GrafikBitBtn02 = nullptr; // save as ICO files
    QPushButton *GrafikBitBtn03 = nullptr; // save as BMP files

    QTabWidget *GrafikPageControl01 = nullptr; // the tabs of the JPEG tools over GrafikNB02
    QWidget *GrafikTabSheet01 = nullptr, *GrafikTabSheet02 = nullptr;
    QStackedWidget *GrafikNB02 = nullptr;      // page 0 search, page 1 reduction

    // Defective-JPEG search (GrafikNB02 page 0)
    QWidget *GrafikGradientFill01 = nullptr; // the page's background
    QLabel *Label_DDS01 = nullptr, *Label_DDS03 = nullptr, *Label_DDS04 = nullptr, *Label_DDS06 = nullptr;
    QLabel *Label_DDS02 = nullptr; // defective files found
    QLabel *Label_DDS05 = nullptr; // files gathered
    QLabel *Label_DDS07 = nullptr; // files tested
    QProgressBar *ProgressBar_DDS01 = nullptr;
    TRadioGroup *RadioGroup_DDS01 = nullptr; // 0 copy, 1 move
    QPushButton *BitBtn_DDS01 = nullptr;     // start
    QPushButton *BitBtn_DDS02 = nullptr;     // cancel
    QPushButton *BitBtn_DDS03 = nullptr;     // show DefectFolder
    int BitBtn_DDS02Tag = 0;                 // 1: the cursor over it was switched to the default

    // JPEG reduction (GrafikNB02 page 1)
    QWidget *GrafikGradientFill02 = nullptr;
    TCheckBox *CheckBox_DV02 = nullptr; // application segments
    TCheckBox *CheckBox_DV03 = nullptr; // the comment segment
    TCheckBox *CheckBox_DV04 = nullptr; // what follows the end of image
    TRadioGroup *RadioGroup_DV01 = nullptr; // 0 the files themselves, 1 copies in the target folder
    QLabel *Label_DV02 = nullptr, *Label_DV04 = nullptr, *Label_DV05 = nullptr, *Label_DV07 = nullptr;
    QLabel *Label_DV03 = nullptr; // bytes removed
    QLabel *Label_DV06 = nullptr; // files gathered
    QLabel *Label_DV08 = nullptr; // files handled
    QProgressBar *ProgressBar_DV01 = nullptr;
    QPushButton *BitBtn_DV01 = nullptr; // start
    QPushButton *BitBtn_DV02 = nullptr; // cancel
    int BitBtn_DV02Tag = 0;

    // Builder: fills TabSheet05 (created here when no other step made it yet).
    void CreateGraphicsPage();

    void GrafikSB01Click();
    void GrafikSB02Click();
    void GrafikPageControl01Change();
    void GrafikZielverzeichnisClick();
    void GrafikBitBtn01Click();
    void GrafikBitBtn02Click();
    void GrafikBitBtn03Click();
    void BitBtn_DDS01Click();
    void BitBtn_DDS02Click();
    void BitBtn_DDS03Click();
    void BitBtn_DV01Click();
    void BitBtn_DV02Click();
    // A JPEG run shows the hourglass; over its cancel button the default cursor shows,
    // and the page's background brings the hourglass back.
    void BitBtn_DDS02MouseMove();
    void GrafikGradientFill01MouseMove();
    void BitBtn_DV02MouseMove();
    void GrafikGradientFill02MouseMove();

protected:
    // The main window this page belongs to.
    THauptForm &Form();
};
