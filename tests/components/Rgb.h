#pragma once
// A colour as three channels, comparable and printable in test messages.

#include <QColor>

#include <ostream>

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb &) const = default;
};

inline std::ostream &operator<<(std::ostream &out, const Rgb &c)
{
    return out << "(" << c.r << "," << c.g << "," << c.b << ")";
}

inline Rgb Of(const QColor &c)
{
    return {c.red(), c.green(), c.blue()};
}
