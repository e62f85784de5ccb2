#pragma once
#include "printing/LayoutTables.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

class Canvas;

// Draws layout rows on a canvas: one value formatted and aligned in its box
// (PrintText), one line, rectangle or circle (DrawLine), and the fixed order in which a
// block of a document or list layout is drawn (DrawBlock).
class PrintEngine {
public:
    PrintEngine(Canvas& canvas, QString numFormat)
        : m_canvas(canvas), m_numFormat(std::move(numFormat)) {}

    // Left- and right-aligned texts keep this far off the edges of their box.
    static constexpr double BoxMargin = 1.0;

    // The value as a formatting kind (ValueKind) prints it; other kinds print the plain
    // text. A value that is not a number keeps its text under Amount, Yen and Quantity;
    // a YmdDate of "0" gives nothing.
    static std::optional<QString> FormatValue(const QString& text, int kind,
                                              const QString& numFormat);

    // Body and other font names for a font choice (FontChoice).
    static QString BodyFont(int choice);
    static QString OtherFont(int choice);

    void PrintText(const QString& text, double x1, double x2, double y, int align, int kind,
                   bool vertical = false);
    void DrawLine(const std::array<double, 2>& x, const std::array<double, 2>& y, quint32 color,
                  int width, int style, int type);

    // What a block prints: the caller gives the text of each item code, or nothing when
    // the code is not printed; for detail codes it is asked once per line of the page.
    struct ItemSource {
        std::function<bool(int code)> isDetail;
        std::function<std::optional<QString>(int code)> header;
        std::function<std::optional<QString>(int code, int line)> detail; // line: index on the page
        int detailLines = 0;                                              // lines on this page
        // Called just before a header item prints, with its position (the seal goes here).
        std::function<void(int code, double x1, double y)> beforeHeader;
        // Called around the title (LayoutItem::Title): it prints in the other font at 18
        // points.
        std::function<void(int code, bool before)> aroundHeader;
    };
    // Draws block `block` of `layout` with the user's adjustments and the block offset.
    void DrawBlock(const DocumentLayout& layout, int block, double left, double top, double offset,
                   int fontChoice, const ItemSource& source);

    // Offset of block k of a sheet of `blocks` forms: 0, 148.5 or 98.5 mm per block
    // (receipts not on A4: 127.5 or 85.7).
    static double BlockOffset(int blocks, int block, bool receiptOffA4 = false);

private:
    void printTitle(const QString& text, const LayoutPosition& pos, double x1, double x2, double y,
                    double bodySize, int fontChoice, const ItemSource& source);

    Canvas& m_canvas;
    QString m_numFormat;
    // Where the last text ended: a text with an unknown alignment continues from here.
    double m_currentX = 0;
};
