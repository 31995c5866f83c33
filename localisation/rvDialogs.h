#pragma once
// The program's own dialogs: message box, input question, folder dialog, and the
// gradient that paints their background. Button texts and captions are held here for the five
// languages; the language is chosen by name ("deutsch", "english", ...).

#include <QColor>
#include <QDialog>
#include <QWidget>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <vector>

class QLabel;
class QPainter;
class QPushButton;
class TShellTreeView;

// Message kinds
enum TMsgDlgType : std::uint8_t { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3, mtCustom = 4 };
// Button kinds; a button set has bit i for kind i
enum TMsgDlgBtn : std::uint8_t {
    mbYes = 0, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp
};
constexpr int ButtonKindCount = 11;
using TMsgDlgButtons = std::uint16_t;
constexpr TMsgDlgButtons ButtonSet(std::initializer_list<TMsgDlgBtn> kinds)
{
    TMsgDlgButtons s = 0;
    for (TMsgDlgBtn k : kinds)
        s = TMsgDlgButtons(s | (1u << k));
    return s;
}
constexpr TMsgDlgButtons mbOKOnly = 1u << mbOK;
constexpr TMsgDlgButtons mbYesNo = (1u << mbYes) | (1u << mbNo);
constexpr TMsgDlgButtons mbOKAbort = (1u << mbOK) | (1u << mbAbort);

// Modal results
enum : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
             mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10 };

// ---- Gradient -------------------------------------------------------------------

class EMathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One line of a gradient, from From to To; To itself is not drawn.
struct GradientLine {
    QPoint From;
    QPoint To;
    QColor Color;
};

// The lines that fill Rect with a gradient through Colors (at least two, else
// EMathError). Rect's right and bottom edges are exclusive: the extent is its width
// (Direction != 0, vertical lines from left to right) or its height (Direction 0,
// horizontal lines from top to bottom).
std::vector<GradientLine> GradientLines(const QRect &Rect, std::uint8_t Direction,
                                        const std::vector<QColor> &Colors);
// Draws those lines with a solid pen of width 1; the painter's pen is restored.
void DrawGradient(QPainter &Canvas, const QRect &Rect, std::uint8_t Direction,
                  const std::vector<QColor> &Colors);

// ---- Texts ------------------------------------------------------------------------

// Row of the dialog tables for a language name, compared in lower case; German
// for a name that is none of the five.
int DialogLanguageRow(const QString &LangName);
// Button texts by language row and button kind
extern const std::array<std::array<QString, ButtonKindCount>, 5> DialogButtonTexts;
// Window captions by language row and message kind (Custom uses the application's title)
extern const std::array<std::array<QString, 4>, 5> DialogCaptions;
// Width of each button kind's text + 8, measured at the first box that shows the
// kind and kept for the run; 0 until then.
extern std::array<int, ButtonKindCount> DialogButtonWidths;

// ---- Forms ------------------------------------------------------------------------

// Base of the program's own dialogs: the message font, the white-to-silver
// gradient, buttons that close the dialog with their modal result, Esc pressing
// the cancel button and closing by the frame answering mrCancel.
class TGradientDialog : public QDialog {
    Q_OBJECT
public:
    explicit TGradientDialog(QWidget *parent = nullptr);

    // A push button that ends the dialog with ModalResult when clicked (not when
    // ModalResult is mrNone).
    QPushButton *AddButton(const QString &Name, const QString &Caption, int ModalResult);
    void SetDefaultButton(QPushButton *Button);
    void SetCancelButton(QPushButton *Button) { cancelButton_ = Button; }
    QPushButton *CancelButton() const { return cancelButton_; }

    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *cancelButton_ = nullptr;
};

class TMessageForm : public TGradientDialog {
    Q_OBJECT
public:
    explicit TMessageForm(QWidget *parent = nullptr);

    int HelpContext = 0;
    QString HelpFile;

    // Opens the help file, when one is set.
    void HelpButtonClick();
};

class TQueryForm : public TGradientDialog {
    Q_OBJECT
public:
    using TGradientDialog::TGradientDialog;
};

// ---- Message box --------------------------------------------------------------

// The width a window needs for its frame to show Caption whole: the caption in the
// title font, and room for the frame's icon and buttons.
int CaptionWidth(const QString &Caption);

// Builds the message box, unshown; the caller owns it. It is at least as wide as its
// caption needs.
std::unique_ptr<TMessageForm> CreateMessageDialog(const QString &Msg, TMsgDlgType DlgType,
                                                  TMsgDlgButtons Buttons, const QString &LangName);
// Shows the box at (X, Y) (a negative value keeps the centred position) and returns
// its modal result.
int MessageDlgPosHelp(const QString &Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                      int X, int Y, const QString &HelpFileName, const QString &LangName);
int MessageDlg(const QString &Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
               const QString &LangName);

// ---- Input question -------------------------------------------------------------

// Asks for one line of text (at most 255 characters). True, with Value replaced by
// the edited text, when confirmed with OK; false and Value unchanged otherwise.
bool InputQuery(const QString &Caption, const QString &Prompt, QString &Value, const QString &LangName);

// ---- Folder dialog --------------------------------------------------------------

// Written by SelectDirectory before the dialog is created, read by its constructor.
extern QString DialogCaption;
extern QString DialogPrompt;
extern QString DialogLanguage;
// Set by the constructor from DialogLanguage.
extern QString DialogOKText;
extern QString DialogAbortText;

class TSelectDirDlg : public TGradientDialog {
    Q_OBJECT
public:
    explicit TSelectDirDlg(QWidget *parent = nullptr);

    // Shows Folder (relative to the current directory when not absolute) in the
    // tree; an empty Folder, or one that is not an existing folder, leaves the tree
    // as it is.
    void SetDialogDirectory(const QString &Folder);
    // The folder selected in the tree; empty when none.
    QString GetDialogDirectory() const;
    // Scales the position and size of the dialog and of its controls by M/D.
    void ScaleBy(int M, int D);

    QLabel *LabelUeberschrift;
    TShellTreeView *ShellTreeView;
    QPushButton *OKButton;
    QPushButton *NoButton;
    QPushButton *AbortButton;
};

// Lets the user pick a folder. OK sets Folder to the chosen folder (empty when it is
// not an absolute path), No (also Esc) empties it, Abort or closing the window
// leaves it unchanged. Returns the dialog's modal result.
int SelectDirectory(QString &Folder, const QString &Caption, const QString &Prompt, const QString &LangName);
