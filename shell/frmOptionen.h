#pragma once
// The options dialog: every setting but the language, the thumbnail size and the
// tree-pane widths; the plug-in list and the folder context-menu entry, which act at
// once. Created once at start-up, after the main window, and kept for the whole run;
// every show refills its controls from the settings globals.

#include <QDialog>

#include <array>

class QComboBox;
class QFileDialog;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QTabWidget;
class QToolButton;
class TCheckBox;
class TColorBox;
class TEdit;
class TRadioGroup;
class TUpDown;

// The texture choice of one file list (prefix HL_ or HR_).
struct TTextureChoice {
    QScrollArea *ScrollBox = nullptr;
    std::array<QRadioButton *, 7> RadioButton{}; // no background, textures 1 to 5, own picture
    std::array<QLabel *, 5> Image{};             // previews of textures 1 to 5
    TEdit *Edit01 = nullptr;                     // the own picture
    QToolButton *SpeedButton01 = nullptr;
    TColorBox *ColorBox01 = nullptr; // text colour over the own picture

    int Checked() const; // index of the checked radio button, -1 for none
};

class TOptionenF : public QDialog {
    Q_OBJECT
public:
    explicit TOptionenF(QWidget *parent = nullptr);
    ~TOptionenF() override;

    QTabWidget *OptionenPageControl;
    QWidget *TabSheet1, *TabSheet2, *TabSheet3;
    QWidget *OptionenGradientFill01; // white to silver below the pages
    QPushButton *BitBtn1;            // OK
    QPushButton *BitBtn2;            // Abort

    // Base settings
    QLabel *Label01, *Label02, *Label03, *Label04, *Label05, *Label06, *Label07;
    TEdit *Edit01, *Edit02, *Edit03, *Edit04, *EditStartWert;
    QToolButton *SpeedButton01, *SpeedButton02, *SpeedButton03;
    TCheckBox *KontextMenuCB;
    TRadioGroup *OptRadioGroup1, *OptRadioGroup2;
    QPlainTextEdit *OptMemo1, *OptMemo2;

    // Surface
    TRadioGroup *RGOrdnerFuellstand;
    QLabel *Label08, *Label09, *Label10, *Label11, *Label12, *Label13, *Label14;
    TCheckBox *PopUpThumbLinks, *PopUpThumbRechts;
    TEdit *ThumbHintGroesse;
    TUpDown *ThumbHintUpDown;
    QSlider *OptionenTrackBar01;
    TCheckBox *CBVersteckt, *CBBildschirmEinstellungen;
    TTextureChoice HL, HR;

    // External plug-ins
    QLabel *Label_Opt01, *Label_Opt02;
    QListWidget *ListBoxOptionen01; // the plug-in list, sorted, several selectable
    QListWidget *FileListBox_Opt1;  // the plug-in files of the program folder
    QPushButton *BitBtnOpt01, *BitBtnOpt02;

    // The picture dialog of the texture buttons, made for each use.
    QFileDialog *OpenPictureDialog = nullptr;

    void FormCreate();
    void FormShow();
    void SpeedButton01Click();
    void SpeedButton02Click();
    void SpeedButton03Click();
    void HL_SpeedButton01Click();
    void HR_SpeedButton01Click();
    // Texts of the picture dialog's buttons and labels in the chosen language.
    void OpenPictureDialogShow();
    // Takes every control over, rebuilds what depends on it in the main window, stores
    // the 26 settings and closes. A start value that is empty or not a 32-bit integer
    // takes nothing over, stores nothing and leaves the dialog open on the field.
    void BitBtn1Click();
    void BitBtn2Click();

    // Plug-in list and folder context-menu entry: they act at once.
    void LoadDllList();
    void SaveDllList();
    void BitBtnOpt01Click();
    void BitBtnOpt02Click();
    void KontextMenuCBClick();

    // Runs FormShow, centres the dialog on the main window and shows it modally through
    // the dialog seam; returns the modal result.
    int ShowModal();

    // The file of the plug-in list.
    static QString DllListPath();

private:
    void BuildBasePage();
    void BuildSurfacePage();
    void BuildTextureChoice(TTextureChoice &Choice, QWidget *Page, const QString &Prefix);
    void BuildPluginPage();
    void PickFolder(TEdit *Edit, int CaptionId, int PromptId);
    void PickPicture(TTextureChoice &Choice, QString &Path);
    void ListPluginFiles();
};

extern TOptionenF *OptionenF;

// Copies the plug-in list of the options dialog into the main window's plug-in box
// (the combo box named "DatUmbComboBox03"); its text and the description memo
// ("DatUmbMemo01") are emptied. Does nothing where the main window has no such box.
void FillDllComboBox();
