#pragma once
#include <QPixmap>

// The program's pictures, drawn rather than stored, so that they stay sharp at any
// screen scale and need no image files.
namespace Pictures {
// Picture of the title window (444 x 297).
QPixmap Title();
} // namespace Pictures
