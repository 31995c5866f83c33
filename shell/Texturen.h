#pragma once
// The five built-in textures of the file lists (resources 10 to 14). They are drawn
// by the program at first use and kept; every texture tiles without seams.

#include <QPixmap>

inline constexpr int FirstTextureResource = 10;
inline constexpr int LastTextureResource = 14;

// The texture of resource Id: 10 light grey structure, 11 yellow blossoms, 12 red
// ornament, 13 light blue structure, 14 blue structure; a null pixmap for any other id.
QPixmap LoadTextureResource(int Id);
