#pragma once
// TMenuStyler: draws the menu bar and the pop-up menus of its owner window flat: an
// icon column, a framed selection, framed check marks, thin separators, the caption and
// its shortcut. It is a style of its own for those menus: a style set on a window does not
// reach its pop-ups, so the styler sets itself on the window's menu bar and on each of
// its menus, and (AutoDetect) on menus added later. Tool buttons keep their own style.

#include "platform/toolkit/Colors.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QProxyStyle>

class QPainter;
class QStyleOptionMenuItem;

// ---- Colour and bitmap helpers (every channel kept within 0..255) ----
QColor DarkenColor(const QColor &Color, int Amount);
QColor LightenColor(const QColor &Color, int Percent);
QColor GrayColor(const QColor &Color, int Amount);
void GrayBitmap(QImage &Bitmap, int Amount);
void LightenBitmap(QImage &Bitmap, int Percent);
// Paints Color at (X + x, Y + y) for every pixel (x, y) of Bitmap that differs from its
// bottom-left pixel, the transparent one.
void DrawShadow(const QImage &Bitmap, QPainter &Canvas, int X, const QColor &Color, int Y);
// The text colour on Background: a light one on a dark background, else FontColor.
QColor TextColorOn(const QColor &Background, const QColor &FontColor);
// The desktop's menu font, as Qt gives it.
QFont GetMenuFont();

// The colours of one drawing, derived from the properties (SetUpColors).
struct TMenuColors {
    QFont Font;
    QColor FontColor;
    QColor Background, IconBackground, Selection, SelectionBorder, SelectionFont;
    QColor LightSelection1, LightSelection2, Checked, MenuBar, Disabled, Separator;
    QColor Dark1, Dark2;
    bool HighColor = true;
};

class TMenuStyler : public QProxyStyle {
    Q_OBJECT
public:
    // Placed on Owner: it styles Owner's menu bar and menus while Active.
    explicit TMenuStyler(QWidget *Owner);
    ~TMenuStyler() override;

    // Properties that are only stored.
    TColor Color = clBtnFace;
    TColor IconBackColor = clBtnFace;
    TColor SelectColor = clHighlight;
    TColor SelectBorderColor = clHighlight;
    TColor SelectFontColor = clMenuText;
    TColor DisabledColor = clInactiveCaption;
    TColor SeparatorColor = clBtnFace;
    TColor CheckedColor = clHighlight;
    int IconWidth = 24;
    bool DrawSelect = true;
    bool Gradient = false;
    bool FlatMenu = false; // a frame of its own, drawn inside the pop-up's area
    bool AutoDetect = false;

    // The font and its colour (a Qt font has none).
    QFont Font() const { return font_; }
    TColor FontColor() const { return fontColor_; }
    void SetFont(const QFont &Value, TColor Color = clMenuText);
    TColor MenuBarColor() const { return menuBarColor_; }
    void SetMenuBarColor(TColor Value);
    bool UseSystemColors() const { return useSystemColors_; }
    void SetUseSystemColors(bool Value);
    // Kept for the window's sake: no Qt menu item draws itself, so it changes nothing.
    bool OverrideOwnerDraw() const { return overrideOwnerDraw_; }
    void SetOverrideOwnerDraw(bool Value);
    bool Active() const { return active_; }
    void SetActive(bool Value);

    // The working colours of the next drawing.
    TMenuColors SetUpColors() const;
    // The size of one item: a menu-bar item when TopLevel.
    QSize MeasureItem(const QStyleOptionMenuItem &Item, bool TopLevel) const;
    void DrawMenuItem(QPainter &Canvas, const QStyleOptionMenuItem &Item, bool TopLevel) const;
    void DrawCheckMark(QPainter &Canvas, const TMenuColors &Colors, const QRect &ImageRect, bool HasImage,
                       bool Radio, bool Selected) const;
    void DrawItemBitmap(QPainter &Canvas, const TMenuColors &Colors, const QStyleOptionMenuItem &Item,
                        const QRect &ImageRect) const;
    void DrawItemText(QPainter &Canvas, const TMenuColors &Colors, const QStyleOptionMenuItem &Item,
                      const QRect &TextRect, const QColor &TextColor, const QColor &Under) const;
    // The flat frame of a pop-up menu over its whole area Rect.
    void DrawWindowFrame(QPainter &Canvas, const TMenuColors &Colors, const QRect &Rect, bool RightToLeft) const;
    // Repaints the owner's menu bar.
    void DrawMenuBar() const;

    // QStyle
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Sets or removes the style on every menu bar and menu of the owner.
    friend void ActivateMenuStyler(QWidget *Form, TMenuStyler *Styler, bool Enable);
    void Hook(QWidget *Menu);
    void Unhook();
    void RehookLater();

    QWidget *owner_;
    QFont font_;
    TColor fontColor_ = clMenuText;
    TColor menuBarColor_ = clBtnFace;
    bool useSystemColors_ = true;
    bool overrideOwnerDraw_ = false;
    bool active_ = false;
    bool rehookPending_ = false;
    QList<QPointer<QWidget>> hooked_;
};

void ActivateMenuStyler(QWidget *Form, TMenuStyler *Styler, bool Enable);
