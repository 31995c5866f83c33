#pragma once
// The about box: product and version, the maker's web page and e-mail address as
// hyperlink labels, and a close button, on a white-to-silver gradient. Created once at
// start-up and kept for the whole run; shown modally from the Info menu.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TGradientFill;
class TURLLabel;

class TInfoF : public QDialog {
    Q_OBJECT
public:
    explicit TInfoF(QWidget *parent = nullptr);
    ~TInfoF() override;

    QFrame *Panel1;               // fills the window
    TGradientFill *GradientFill1; // 2 pixels inside the panel, holds the rest
    QLabel *Label01;              // product and version
    TURLLabel *URLLabel1;         // the web page
    TURLLabel *URLLabel2;         // the e-mail address
    QPushButton *BitBtn1;         // close

    void FormCreate();
    // The version and the close button's text in the current language.
    void FormShow();
    void BitBtn1Click();

    // Runs FormShow, centres the box on the main window and shows it modally through
    // the modal seam; returns the modal result.
    int ShowModal();
};

extern TInfoF *InfoF;
