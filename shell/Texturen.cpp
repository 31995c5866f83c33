#include "shell/Texturen.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int TileSize = 128;

// Tileable value noise in [-1, 1]: random values on a grid of `cells` cells per edge,
// wrapped at the tile's edge, smoothly interpolated.
class TileNoise {
public:
    TileNoise(int cells, unsigned seed) : cells_(cells), values_(size_t(cells * cells))
    {
        std::minstd_rand random(seed);
        std::uniform_real_distribution<double> spread(-1.0, 1.0);
        for (double &v : values_)
            v = spread(random);
    }

    double at(int x, int y) const
    {
        const double fx = double(x) * cells_ / TileSize, fy = double(y) * cells_ / TileSize;
        const int x0 = int(fx), y0 = int(fy);
        const double tx = smooth(fx - x0), ty = smooth(fy - y0);
        const double top = lerp(value(x0, y0), value(x0 + 1, y0), tx);
        const double bottom = lerp(value(x0, y0 + 1), value(x0 + 1, y0 + 1), tx);
        return lerp(top, bottom, ty);
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    double value(int x, int y) const { return values_[size_t((y % cells_) * cells_ + (x % cells_))]; }

    int cells_;
    std::vector<double> values_;
};

// A fibrous structure: coarse clouds, finer grain and a faint horizontal weave
// around the base colour; `depth` is the brightness swing.
QImage Structure(QColor base, int depth, unsigned seed)
{
    const TileNoise coarse(4, seed), middle(16, seed + 1), fine(64, seed + 2);
    const TileNoise fibres(128, seed + 3);
    QImage image(TileSize, TileSize, QImage::Format_RGB32);
    for (int y = 0; y < TileSize; ++y)
        for (int x = 0; x < TileSize; ++x) {
            const double n = 0.45 * coarse.at(x, y) + 0.30 * middle.at(x, y) + 0.15 * fine.at(x, y) +
                             0.10 * fibres.at(x, y / 4 * 4);
            const int shift = int(std::lround(n * depth));
            image.setPixel(x, y, qRgb(qBound(0, base.red() + shift, 255), qBound(0, base.green() + shift, 255),
                                      qBound(0, base.blue() + shift, 255)));
        }
    return image;
}

// Draws fn at every offset that makes a figure near an edge wrap around.
template <typename Fn> void Wrapped(QPainter &p, Fn fn)
{
    for (int dy : {-TileSize, 0, TileSize})
        for (int dx : {-TileSize, 0, TileSize}) {
            p.save();
            p.translate(dx, dy);
            fn();
            p.restore();
        }
}

void Blossom(QPainter &p, QPointF centre, double radius, double turn, QColor petal, QColor heart)
{
    p.save();
    p.translate(centre);
    p.rotate(turn);
    p.setPen(QPen(petal.darker(115), 0.8));
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        p.drawEllipse(QRectF(-radius * 0.32, -radius, radius * 0.64, radius * 0.95));
        p.rotate(72);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(heart);
    p.drawEllipse(QPointF(0, 0), radius * 0.26, radius * 0.26);
    p.restore();
}

QImage YellowBlossoms()
{
    QImage image = Structure(QColor(255, 244, 196), 6, 11);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    std::minstd_rand random(1102);
    std::uniform_real_distribution<double> pos(0, TileSize), size(7, 12), turn(0, 72);
    // Blossoms on a jittered 3 x 3 grid, so that they spread evenly and tile.
    for (int gy = 0; gy < 3; ++gy)
        for (int gx = 0; gx < 3; ++gx) {
            const QPointF centre((gx + 0.5) * TileSize / 3 + (pos(random) - TileSize / 2) / 8,
                                 (gy + 0.5) * TileSize / 3 + (pos(random) - TileSize / 2) / 8);
            const double radius = size(random), angle = turn(random);
            const QColor petal = (gx + gy) % 2 ? QColor(250, 214, 92, 210) : QColor(246, 226, 128, 210);
            Wrapped(p, [&] { Blossom(p, centre, radius, angle, petal, QColor(226, 150, 40)); });
        }
    return image;
}

QImage RedOrnament()
{
    QImage image = Structure(QColor(246, 222, 216), 5, 12);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor line(196, 96, 88, 150), fill(214, 130, 120, 90);
    const double h = TileSize / 2.0;
    // A lattice of diamonds with a ring on each crossing and a four-leaf figure in
    // each diamond; the tile holds whole periods, so it repeats without seams.
    QPainterPath lattice;
    for (int i = -1; i <= 2; ++i) {
        lattice.moveTo(i * h, 0);
        lattice.lineTo(i * h + TileSize, TileSize);
        lattice.moveTo(i * h, TileSize);
        lattice.lineTo(i * h + TileSize, 0);
    }
    p.setPen(QPen(line, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lattice);
    for (int y = 0; y <= 2; ++y)
        for (int x = 0; x <= 2; ++x) {
            const QPointF crossing(x * h, y * h);
            p.setBrush(fill);
            p.drawEllipse(crossing, 7, 7);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(crossing, 3, 3);
        }
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            const QPointF centre((x + 0.5) * h, (y + 0.5) * h);
            p.save();
            p.translate(centre);
            p.setBrush(fill);
            for (int i = 0; i < 4; ++i) {
                QPainterPath leaf;
                leaf.moveTo(0, 0);
                leaf.cubicTo(6, -4, 6, -14, 0, -17);
                leaf.cubicTo(-6, -14, -6, -4, 0, 0);
                p.drawPath(leaf);
                p.rotate(90);
            }
            p.restore();
        }
    return image;
}

QImage DrawTexture(int id)
{
    switch (id) {
    case 10:
        return Structure(QColor(214, 214, 212), 16, 10);
    case 11:
        return YellowBlossoms();
    case 12:
        return RedOrnament();
    case 13:
        return Structure(QColor(200, 224, 246), 14, 13);
    case 14:
        return Structure(QColor(34, 66, 128), 22, 14);
    default:
        return {};
    }
}

} // namespace

QPixmap LoadTextureResource(int Id)
{
    if (Id < FirstTextureResource || Id > LastTextureResource)
        return {};
    // Kept as images: they outlive the application object, pixmaps must not.
    static std::array<QImage, LastTextureResource - FirstTextureResource + 1> drawn;
    QImage &texture = drawn[size_t(Id - FirstTextureResource)];
    if (texture.isNull())
        texture = DrawTexture(Id);
    return QPixmap::fromImage(texture);
}
