#include "platform/toolkit/ColorBox.h"

#include "platform/toolkit/Colors.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Black, maroon, green, olive, navy, purple, teal, grey, silver, red, lime, yellow,
// blue, fuchsia, aqua, white.
constexpr int StandardColors[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                  0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                  0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

constexpr QSize SwatchSize(48, 14);

} // namespace

TColorBox::TColorBox(QWidget *parent, const QString &name) : QComboBox(parent)
{
    setObjectName(name);
    setIconSize(SwatchSize);
    for (int color : StandardColors)
        addColor(color);
    setCurrentIndex(0);
}

int TColorBox::Selected() const
{
    return currentIndex() < 0 ? 0 : currentData().toInt();
}

void TColorBox::setSelected(int Color)
{
    Color &= 0xFFFFFF;
    int index = findData(Color);
    if (index < 0) {
        addColor(Color);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

void TColorBox::addColor(int Color)
{
    QPixmap swatch(SwatchSize);
    swatch.fill(ColorToQColor(Color));
    QPainter p(&swatch);
    p.setPen(Qt::darkGray);
    p.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    p.end();
    addItem(QIcon(swatch), QString(), Color);
}
