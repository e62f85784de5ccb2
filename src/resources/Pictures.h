#pragma once
#include <QPixmap>

// The program's pictures, drawn rather than stored, so that they stay sharp at any
// screen scale and need no image files.
namespace Pictures {
// The program's picture (444 x 297), as the about window shows it.
QPixmap Emblem();
// Picture of the title window: the emblem with the start-up notice.
QPixmap Title();
// Picture of a document button of the work bar: a sheet with the document's initial
// (見, 注, 納, 請, 領) or the ledger's (売), in the document's colour.
QPixmap WorkBar(int index);
// Picture of a tool-bar button by its resource number (201-212): a drawn glyph.
QPixmap Tool(int resource);
// Pictures of the document windows: a printer (print) and a numbered sheet (the
// document-number button).
QPixmap Printer();
QPixmap NumberedSheet();
} // namespace Pictures
