#pragma once
// The language dialog: one of the five interface languages, and whether the dialog
// shows itself at every start. Created once at start-up, after the main window, and
// kept for the whole run; only shown and hidden.

#include <QDialog>

class QAction;
class QFrame;
class QLabel;
class QPushButton;
class TGradientFill;
class TCheckBox;
class TRadioGroup;

class TSpracheF : public QDialog {
    Q_OBJECT
public:
    explicit TSpracheF(QWidget *parent = nullptr);
    ~TSpracheF() override;

    TGradientFill *GradientFill01;  // white to silver, left to right, behind everything
    QWidget *Panel1;          // holds the other controls
    QPushButton *BitBtn1;     // OK
    QPushButton *BitBtn2;     // Abort
    QFrame *Panel2;           // frame of the choice
    QLabel *Image1, *Image2, *Image3, *Image4, *Image5, *Image6; // the flags
    TRadioGroup *RadioGroup1; // item i is language i
    TCheckBox *CheckBox1;     // show at every start
    QAction *PM_FensterSchliessen; // Esc; in no visible menu

    // Shows the dialog modally (through the modal seam) when Sprachwahl is on; never
    // in a command-file run. The constructor runs it once the controls exist.
    void FormCreate();
    // The dialog's texts in the chosen language, the selection from Sprache and the
    // check box from Sprachwahl.
    void FormShow();
    // Takes the chosen language and Sprachwahl, relabels the main window, stores the
    // four language settings and closes. The dialog closes also when the settings cannot
    // be stored; the language then holds for this run and the error goes on to the
    // caller.
    void BitBtn1Click();
    // Close without changing or storing anything.
    void BitBtn2Click();
    void PM_FensterSchliessenClick();

    // Runs FormShow, centres the dialog on the main window (on the screen while that is
    // not shown) and shows it modally; returns the modal result.
    int ShowModal();
};

extern TSpracheF *SpracheF;
