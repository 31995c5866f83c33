#pragma once
// The program's own dialogs: message box, and the gradient that paints their background.

#include <QColor>
#include <QDialog>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

class QPainter;

// Message kinds
enum TMsgDlgType : std::uint8_t { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3, mtCustom = 4 };
// Button kinds; a button set has bit i for kind i
enum TMsgDlgBtn : std::uint8_t {
    mbYes = 0, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp
};
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

int MessageDlg(const QString &Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
               const QString &LangName);
