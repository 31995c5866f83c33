#include "components/MenuStyler.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QTimer>

#include <algorithm>

namespace {

// Num / Den (Den > 0) to the nearest integer, halves to even.
int RoundHalfEven(long long Num, long long Den)
{
    long long q = Num / Den, r = Num % Den;
    if (r < 0) {
        --q;
        r += Den;
    }
    if (2 * r > Den || (2 * r == Den && (q & 1)))
        ++q;
    return int(q);
}

int Channel(int Value)
{
    return std::clamp(Value, 0, 255);
}

// Replaces every pixel by Change(pixel), its alpha kept; a run of one colour is computed once.
template <typename Change> void ChangePixels(QImage &Bitmap, Change change)
{
    if (Bitmap.format() != QImage::Format_ARGB32)
        Bitmap = Bitmap.convertToFormat(QImage::Format_ARGB32);
    QRgb last = 0, lastResult = 0;
    bool first = true;
    for (int y = 0; y < Bitmap.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(Bitmap.scanLine(y));
        for (int x = 0; x < Bitmap.width(); ++x) {
            const QRgb pixel = line[x] | 0xFF000000u;
            if (first || pixel != last) {
                last = pixel;
                lastResult = change(QColor(pixel)).rgb();
                first = false;
            }
            line[x] = (lastResult & 0x00FFFFFFu) | (line[x] & 0xFF000000u);
        }
    }
}

// The caption and the shortcut of a Qt item text ("caption TAB shortcut").
QString CaptionOf(const QStyleOptionMenuItem &Item)
{
    return Item.text.section(u'\t', 0, 0);
}

QString ShortcutOf(const QStyleOptionMenuItem &Item)
{
    return Item.text.section(u'\t', 1).trimmed();
}

bool IsMenu(const QObject *Object)
{
    return qobject_cast<const QMenu *>(Object) || qobject_cast<const QMenuBar *>(Object);
}

} // namespace

// ---- Colour and bitmap helpers ----

QColor DarkenColor(const QColor &Color, int Amount)
{
    return QColor(Channel(Color.red() - Amount), Channel(Color.green() - Amount + 2), Channel(Color.blue() - Amount));
}

QColor LightenColor(const QColor &Color, int Percent)
{
    const int p = std::min(Percent, 100);
    const auto lighten = [p](int c) { return Channel(c + RoundHalfEven((255LL - c) * p, 100)); };
    return QColor(lighten(Color.red()), lighten(Color.green()), lighten(Color.blue()));
}

QColor GrayColor(const QColor &Color, int Amount)
{
    const int v = Channel(std::min((Color.red() + Color.green() + Color.blue()) / 3 + std::min(Amount, 100), 240));
    return QColor(v, v, v);
}

void GrayBitmap(QImage &Bitmap, int Amount)
{
    ChangePixels(Bitmap, [Amount](const QColor &c) { return GrayColor(c, Amount); });
}

void LightenBitmap(QImage &Bitmap, int Percent)
{
    ChangePixels(Bitmap, [Percent](const QColor &c) { return LightenColor(c, Percent); });
}

void DrawShadow(const QImage &Bitmap, QPainter &Canvas, int X, const QColor &Color, int Y)
{
    if (Bitmap.isNull())
        return;
    const QRgb transparent = Bitmap.pixel(0, Bitmap.height() - 1);
    for (int y = 0; y < Bitmap.height(); ++y)
        for (int x = 0; x < Bitmap.width(); ++x)
            if (Bitmap.pixel(x, y) != transparent)
                Canvas.fillRect(X + x, Y + y, 1, 1, Color);
}

QColor TextColorOn(const QColor &Background, const QColor &FontColor)
{
    if ((Background.red() + Background.blue()) / 2 < 151 && Background.green() < 201)
        return LightenColor(Background, 90);
    return FontColor;
}

QFont GetMenuFont()
{
    QFont font = QApplication::font("QMenu");
    if (font.family() == u"MS Sans Serif")
        font.setFamily(QStringLiteral("Tahoma"));
    return font;
}

// ---- The styler ----

TMenuStyler::TMenuStyler(QWidget *Owner) : owner_(Owner), font_(GetMenuFont())
{
    setParent(Owner);
}

TMenuStyler::~TMenuStyler()
{
    Unhook();
}

void TMenuStyler::SetFont(const QFont &Value, TColor Color)
{
    font_ = Value;
    fontColor_ = Color;
    DrawMenuBar();
}

void TMenuStyler::SetMenuBarColor(TColor Value)
{
    menuBarColor_ = Value;
    DrawMenuBar();
}

void TMenuStyler::SetUseSystemColors(bool Value)
{
    useSystemColors_ = Value;
    DrawMenuBar();
}

void TMenuStyler::SetOverrideOwnerDraw(bool Value)
{
    overrideOwnerDraw_ = Value;
    if (active_)
        SetActive(true);
}

void TMenuStyler::SetActive(bool Value)
{
    active_ = Value;
    ActivateMenuStyler(owner_, this, false);
    if (Value)
        ActivateMenuStyler(owner_, this, true);
    DrawMenuBar();
}

void TMenuStyler::DrawMenuBar() const
{
    for (QMenuBar *bar : owner_->findChildren<QMenuBar *>())
        bar->update();
}

void ActivateMenuStyler(QWidget *Form, TMenuStyler *Styler, bool Enable)
{
    if (!Enable) {
        Styler->Unhook();
        return;
    }
    for (QMenuBar *bar : Form->findChildren<QMenuBar *>()) {
        bar->setNativeMenuBar(false); // a desktop's global menu would not draw our items
        Styler->Hook(bar);
    }
    for (QMenu *menu : Form->findChildren<QMenu *>())
        Styler->Hook(menu);
    if (Styler->AutoDetect)
        Form->installEventFilter(Styler);
}

void TMenuStyler::Hook(QWidget *Menu)
{
    if (Menu->style() == this)
        return;
    Menu->setFont(useSystemColors_ ? GetMenuFont() : font_);
    Menu->setStyle(this);
    hooked_ << Menu;
    if (AutoDetect)
        Menu->installEventFilter(this);
}

void TMenuStyler::Unhook()
{
    if (owner_)
        owner_->removeEventFilter(this);
    for (const QPointer<QWidget> &menu : std::as_const(hooked_))
        if (menu) {
            menu->removeEventFilter(this);
            if (menu->style() == this)
                menu->setStyle(nullptr);
        }
    hooked_.clear();
}

// A menu added to the window, or a menu given to a new item, is styled as soon as it is
// built: the child event comes while it is still being constructed.
bool TMenuStyler::eventFilter(QObject *watched, QEvent *event)
{
    if (active_ && AutoDetect) {
        if (event->type() == QEvent::ChildAdded && static_cast<QChildEvent *>(event)->child()->isWidgetType())
            RehookLater();
        else if (event->type() == QEvent::ActionAdded && IsMenu(watched))
            RehookLater();
    }
    return QProxyStyle::eventFilter(watched, event);
}

void TMenuStyler::RehookLater()
{
    if (rehookPending_)
        return;
    rehookPending_ = true;
    QTimer::singleShot(0, this, [this] {
        rehookPending_ = false;
        if (active_)
            ActivateMenuStyler(owner_, this, true);
    });
}

TMenuColors TMenuStyler::SetUpColors() const
{
    TMenuColors c;
    c.HighColor = HighColorDisplay();
    c.Font = font_;
    c.FontColor = ColorToQColor(fontColor_);
    c.Background = ColorToQColor(Color);
    c.IconBackground = ColorToQColor(IconBackColor);
    c.Selection = ColorToQColor(SelectColor);
    c.SelectionBorder = ColorToQColor(SelectBorderColor);
    c.SelectionFont = ColorToQColor(SelectFontColor);
    c.MenuBar = ColorToQColor(menuBarColor_);
    c.Disabled = ColorToQColor(DisabledColor);
    c.Checked = ColorToQColor(CheckedColor);
    c.Separator = ColorToQColor(SeparatorColor);
    const QColor face = ColorToQColor(clBtnFace), shadow = ColorToQColor(clBtnShadow);
    if (c.HighColor) {
        c.LightSelection1 = LightenColor(c.Selection, 75);
        c.LightSelection2 = LightenColor(c.Selection, 50);
        c.Dark1 = DarkenColor(face, 90);
        c.Dark2 = DarkenColor(face, 76);
    } else {
        c.LightSelection1 = ColorToQColor(clWhite);
        c.LightSelection2 = ColorToQColor(clSilver);
        c.Dark1 = c.Dark2 = shadow;
    }
    if (useSystemColors_) {
        c.Font = GetMenuFont();
        c.FontColor = ColorToQColor(clMenuText);
        c.SelectionFont = c.FontColor;
        const QColor highlight = ColorToQColor(clHighlight);
        c.SelectionBorder = highlight;
        c.Checked = highlight;
        if (c.HighColor) {
            c.Background = LightenColor(face, 86);
            c.IconBackground = LightenColor(face, 16);
            c.Selection = LightenColor(highlight, 68);
            c.MenuBar = ColorToQColor(clMenu);
            c.Disabled = LightenColor(shadow, 10);
            c.Separator = LightenColor(shadow, 25);
            c.LightSelection1 = LightenColor(highlight, 75);
            c.LightSelection2 = LightenColor(highlight, 50);
        } else {
            c.Background = ColorToQColor(clWhite);
            c.IconBackground = face;
            c.Selection = ColorToQColor(clWhite);
            c.MenuBar = face;
            c.Disabled = shadow;
            c.Separator = shadow;
            c.LightSelection1 = c.LightSelection2 = ColorToQColor(clWhite);
        }
    }
    return c;
}

QSize TMenuStyler::MeasureItem(const QStyleOptionMenuItem &Item, bool TopLevel) const
{
    const bool separator = Item.menuItemType == QStyleOptionMenuItem::Separator;
    QString text = separator ? QString() : CaptionOf(Item);
    const QString shortcut = ShortcutOf(Item);
    if (!separator && !shortcut.isEmpty())
        text += shortcut + QStringLiteral("WWW");
    const QFontMetrics metrics(useSystemColors_ ? GetMenuFont() : font_);
    int w = metrics.horizontalAdvance(text);
    if (text.contains(u'&'))
        w -= metrics.horizontalAdvance(QStringLiteral("&"));

    QSize image(0, 0); // no image
    if (!Item.icon.isNull() && !TopLevel) {
        const int edge = pixelMetric(PM_SmallIconSize);
        image = QSize(edge, edge);
    }
    if (!TopLevel)
        image.setWidth(std::max(image.width(), IconWidth));

    const int height = separator ? 4 : std::max(metrics.height() + RoundHalfEven(3LL * metrics.height(), 4),
                                               image.height() + 4);
    return QSize(w + image.width() + 10, height);
}

void TMenuStyler::DrawMenuItem(QPainter &Canvas, const QStyleOptionMenuItem &Item, bool TopLevel) const
{
    const TMenuColors c = SetUpColors();
    Canvas.save();
    Canvas.setFont(c.Font);
    const QRect r = Item.rect.adjusted(0, 0, 0, 1);
    const bool rtl = Item.direction == Qt::RightToLeft;
    const bool selected = Item.state & State_Selected;
    const bool enabled = Item.state & State_Enabled;

    if (TopLevel) {
        Canvas.fillRect(r, c.MenuBar);
        QColor textColor = enabled ? c.FontColor : c.Disabled;
        QRect tab = r;
        if (selected && enabled && DrawSelect) {
            // An open tab: filled, outlined but at the bottom, with a shadow at its right.
            const bool soft = c.HighColor && !rtl;
            tab.setRight(r.right() - (soft ? 8 : 3));
            Canvas.fillRect(tab, c.IconBackground);
            Canvas.setPen(c.Dark1);
            Canvas.drawLine(tab.bottomLeft(), tab.topLeft());
            Canvas.drawLine(tab.topLeft(), tab.topRight());
            Canvas.drawLine(tab.topRight(), tab.bottomRight());
            const int edge = r.right() + 1;
            if (soft) {
                const int x = edge - 7;
                Canvas.fillRect(QRect(QPoint(x, r.top()), QPoint(edge - 1, r.bottom())), DarkenColor(c.MenuBar, 10));
                Canvas.fillRect(QRect(QPoint(x, r.top() + 3), QPoint(edge - 3, r.bottom())), DarkenColor(c.MenuBar, 30));
                Canvas.fillRect(QRect(QPoint(x, r.top() + 5), QPoint(edge - 4, r.bottom())), DarkenColor(c.MenuBar, 60));
                Canvas.fillRect(QRect(QPoint(x, r.top() + 6), QPoint(edge - 6, r.bottom())), DarkenColor(c.MenuBar, 100));
                // The upper corner rounded off.
                Canvas.fillRect(x, r.top(), 2, 2, c.MenuBar);
                Canvas.fillRect(x, r.top() + 2, 1, 1, DarkenColor(c.MenuBar, 10));
                Canvas.fillRect(x + 1, r.top() + 3, 1, 1, DarkenColor(c.MenuBar, 30));
                Canvas.fillRect(x, r.top() + 4, 1, 1, DarkenColor(c.MenuBar, 40));
            } else {
                Canvas.fillRect(QRect(tab.right() + 1, r.top() + 2, 2, r.height() - 2), c.Dark2);
            }
            textColor = TextColorOn(c.IconBackground, c.FontColor);
        }
        Canvas.setPen(textColor);
        Canvas.drawText(tab, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, CaptionOf(Item));
        Canvas.restore();
        return;
    }

    // Icon column, image square and text part.
    const QRect iconColumn = rtl ? QRect(r.right() - IconWidth + 1, r.top(), IconWidth, r.height())
                                 : QRect(r.left(), r.top(), IconWidth, r.height());
    const bool hasImage = !Item.icon.isNull();
    QRect imageRect = iconColumn.adjusted(1, 2, -3, -2);
    if (!hasImage) {
        imageRect = QRect(0, 0, 10, 10);
        imageRect.moveCenter(iconColumn.center());
    }
    const QRect textPart = rtl ? QRect(r.left(), r.top(), r.width() - IconWidth, r.height())
                               : QRect(iconColumn.right() + 1, r.top(), r.width() - IconWidth, r.height());

    // Background.
    QColor under = c.Background; // the colour behind the caption
    if (!c.HighColor || !Gradient) {
        if (!(selected && !enabled)) {
            Canvas.fillRect(textPart, c.Background);
            Canvas.fillRect(iconColumn, c.IconBackground);
        }
    } else {
        int percent = 0;
        for (int i = 0; i < r.width(); ++i) {
            const int x = rtl ? r.right() - i : r.left() + i;
            const QColor strip = LightenColor(c.IconBackground, percent);
            Canvas.fillRect(x, r.top(), 1, r.height(), strip);
            if (i == IconWidth + 5)
                under = strip;
            percent = std::min(percent + (i < IconWidth + 5 ? 3 : 1), 96);
        }
    }

    // Selection.
    if (selected && enabled && DrawSelect) {
        const QRect frame = r.adjusted(0, 1, FlatMenu ? -1 : 0, -1);
        Canvas.fillRect(frame, c.Selection);
        Canvas.setPen(c.SelectionBorder);
        Canvas.setBrush(Qt::NoBrush);
        Canvas.drawRect(frame.adjusted(0, 0, -1, -1));
        under = c.Selection;
    }

    if (Item.checkType != QStyleOptionMenuItem::NotCheckable && Item.checked)
        DrawCheckMark(Canvas, c, imageRect, hasImage, Item.checkType == QStyleOptionMenuItem::Exclusive,
                      selected);
    if (hasImage)
        DrawItemBitmap(Canvas, c, Item, imageRect);

    if (Item.menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = Item.rect.top() + Item.rect.height() / 2;
        Canvas.setPen(c.Separator);
        if (rtl)
            Canvas.drawLine(textPart.left(), y, textPart.right() - 7, y);
        else
            Canvas.drawLine(textPart.left() + 7, y, textPart.right(), y);
    } else {
        const QRect textRect = rtl ? QRect(QPoint(r.left(), r.top()), QPoint(iconColumn.left() - 6, r.bottom()))
                                   : QRect(QPoint(iconColumn.right() + 6, r.top()), r.bottomRight());
        const QColor textColor = !enabled ? c.Disabled : selected ? c.SelectionFont : c.FontColor;
        DrawItemText(Canvas, c, Item, textRect, textColor, under);
        if (Item.menuItemType == QStyleOptionMenuItem::SubMenu) {
            QStyleOption arrow;
            arrow.direction = Item.direction;
            arrow.state = Item.state;
            arrow.palette = Item.palette;
            arrow.palette.setColor(QPalette::ButtonText, textColor);
            arrow.palette.setColor(QPalette::WindowText, textColor);
            arrow.rect = rtl ? QRect(r.left() + 4, r.top(), 8, r.height()) : QRect(r.right() - 11, r.top(), 8, r.height());
            QProxyStyle::drawPrimitive(rtl ? PE_IndicatorArrowLeft : PE_IndicatorArrowRight, &arrow, &Canvas);
        }
    }
    Canvas.restore();
}

void TMenuStyler::DrawCheckMark(QPainter &Canvas, const TMenuColors &Colors, const QRect &ImageRect, bool HasImage,
                                bool Radio, bool Selected) const
{
    Canvas.save();
    Canvas.setBrush(Selected ? Colors.LightSelection2 : Colors.LightSelection1);
    Canvas.setPen(Colors.SelectionBorder);
    const QRect square = ImageRect.adjusted(0, 0, -1, -1);
    if (Radio) {
        Canvas.setRenderHint(QPainter::Antialiasing);
        if (HasImage)
            Canvas.drawRoundedRect(square, 3, 3);
        else
            Canvas.drawEllipse(square);
    } else if (HasImage) {
        Canvas.drawRect(square);
    } else {
        Canvas.setPen(Colors.Checked);
        Canvas.drawRect(square);
        Canvas.setPen(Qt::black);
        const int x = ImageRect.left(), y = ImageRect.top();
        for (int thick = 0; thick < 2; ++thick) {
            Canvas.drawLine(x + 2, y + 4 + thick, x + 4, y + 6 + thick);
            Canvas.drawLine(x + 4, y + 6 + thick, x + 7, y + 3 + thick);
        }
    }
    Canvas.restore();
}

void TMenuStyler::DrawItemBitmap(QPainter &Canvas, const TMenuColors &Colors, const QStyleOptionMenuItem &Item,
                                 const QRect &ImageRect) const
{
    const int edge = pixelMetric(PM_SmallIconSize);
    QImage image = Item.icon.pixmap(QSize(edge, edge)).toImage().convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return;
    const bool enabled = Item.state & State_Enabled;
    const bool selected = Item.state & State_Selected;
    QRect place(QPoint(), image.size());
    place.moveCenter(ImageRect.center());
    if (!enabled)
        GrayBitmap(image, 90);
    else if (!selected && Colors.HighColor)
        LightenBitmap(image, 30);
    else if (selected)
        DrawShadow(image, Canvas, place.left() + 2, DarkenColor(Colors.Selection, 50), place.top() + 2);
    Canvas.drawImage(place.topLeft(), image);
}

void TMenuStyler::DrawItemText(QPainter &Canvas, const TMenuColors &Colors, const QStyleOptionMenuItem &Item,
                               const QRect &TextRect, const QColor &TextColor, const QColor &Under) const
{
    const bool rtl = Item.direction == Qt::RightToLeft;
    const QFontMetrics metrics(Canvas.font());
    const int top = Item.rect.top() + (Item.rect.height() - metrics.height()) / 2;
    const QRect line(TextRect.left(), top, TextRect.width(), metrics.height());
    const int flags = Qt::TextShowMnemonic | Qt::TextSingleLine | Qt::AlignVCenter;
    const QString caption = QStringLiteral(" ") + CaptionOf(Item);
    const int align = rtl ? Qt::AlignRight : Qt::AlignLeft;
    const bool enabled = Item.state & State_Enabled;

    if (enabled && Item.menuItemType == QStyleOptionMenuItem::DefaultItem) {
        // Bold-like: four darker copies around the caption's place first.
        const QPoint shifts[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        const int darker[] = {30, 30, 40, 60};
        for (int i = 0; i < 4; ++i) {
            Canvas.setPen(DarkenColor(Under, darker[i]));
            Canvas.drawText(line.translated(shifts[i]), flags | align, caption);
        }
    }
    Canvas.setPen(TextColor);
    Canvas.drawText(line, flags | align, caption);

    const QString shortcut = ShortcutOf(Item);
    if (!shortcut.isEmpty()) {
        Canvas.setPen(Colors.HighColor ? DarkenColor(TextColor, -40) : TextColor);
        const QRect far = rtl ? QRect(Item.rect.left() + 10, top, Item.rect.width() - 10, metrics.height())
                              : QRect(Item.rect.left(), top, Item.rect.width() - 10, metrics.height());
        Canvas.drawText(far, flags | (rtl ? Qt::AlignLeft : Qt::AlignRight), shortcut + QStringLiteral(" "));
    }
}

void TMenuStyler::DrawWindowFrame(QPainter &Canvas, const TMenuColors &Colors, const QRect &Rect,
                                  bool RightToLeft) const
{
    Canvas.save();
    const int inner = pixelMetric(PM_MenuPanelWidth) - 1;
    const QRect outline(Rect.left(), Rect.top(), Rect.width() - 2, Rect.height() - 2);
    // Inner border: the background colour, the icon column's side in its own colour.
    const QRect inside = outline.adjusted(1, 1, -1, -1);
    Canvas.fillRect(QRect(inside.left(), inside.top(), inside.width(), inner), Colors.Background);
    const QRect iconSide = RightToLeft ? QRect(inside.right() - inner + 1, inside.top(), inner, inside.height())
                                       : QRect(inside.left(), inside.top(), inner, inside.height());
    Canvas.fillRect(iconSide, Colors.IconBackground);
    if (!Gradient) {
        const int span = inner + IconWidth;
        Canvas.fillRect(RightToLeft ? QRect(inside.right() - span + 1, inside.top(), span, inner)
                                    : QRect(inside.left(), inside.top(), span, inner),
                        Colors.IconBackground);
    }
    Canvas.setPen(Colors.Dark1);
    Canvas.setBrush(Qt::NoBrush);
    Canvas.drawRect(outline.adjusted(0, 0, -1, -1));
    // The shadow at the right and the bottom.
    Canvas.fillRect(QRect(Rect.right() - 1, Rect.top() + 2, 2, Rect.height() - 2), Colors.Dark2);
    Canvas.fillRect(QRect(Rect.left() + 2, Rect.bottom() - 1, Rect.width() - 2, 2), Colors.Dark2);
    Canvas.restore();
}

// ---- QStyle ----

void TMenuStyler::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (active_ && item) {
        switch (element) {
        case CE_MenuItem:
            DrawMenuItem(*painter, *item, false);
            return;
        case CE_MenuBarItem:
            DrawMenuItem(*painter, *item, true);
            return;
        case CE_MenuBarEmptyArea:
            painter->fillRect(option->rect, SetUpColors().MenuBar);
            return;
        case CE_MenuEmptyArea:
            painter->fillRect(option->rect, SetUpColors().Background);
            return;
        default:
            break;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void TMenuStyler::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    if (active_) {
        switch (element) {
        case PE_PanelMenuBar:
            painter->fillRect(option->rect, SetUpColors().MenuBar);
            return;
        case PE_PanelMenu:
            painter->fillRect(option->rect, SetUpColors().Background);
            return;
        case PE_FrameMenu:
            if (FlatMenu) {
                DrawWindowFrame(*painter, SetUpColors(), option->rect, option->direction == Qt::RightToLeft);
            } else {
                painter->save();
                painter->setPen(SetUpColors().Dark1);
                painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
                painter->restore();
            }
            return;
        default:
            break;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize TMenuStyler::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                    const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (active_ && item && (type == CT_MenuItem || type == CT_MenuBarItem)) {
        QSize measured = MeasureItem(*item, type == CT_MenuBarItem);
        // A menu adds the width of its widest shortcut to every item itself.
        const QString shortcut = ShortcutOf(*item);
        if (type == CT_MenuItem && !shortcut.isEmpty() && widget)
            measured.rwidth() -= widget->fontMetrics().horizontalAdvance(shortcut);
        // A menu-bar item keeps its caption's room beside the open tab's shadow.
        if (type == CT_MenuBarItem)
            measured.rwidth() += 8;
        return measured;
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int TMenuStyler::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (active_) {
        switch (metric) {
        case PM_MenuPanelWidth:
            // Flat: the outline, a 2-pixel inner border at the icon side, the shadow at the far side.
            return FlatMenu ? 3 : 1;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuBarPanelWidth:
        case PM_MenuBarHMargin:
        case PM_MenuBarVMargin:
        case PM_MenuBarItemSpacing:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}
