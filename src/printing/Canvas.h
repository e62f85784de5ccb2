#pragma once
#include <QImage>
#include <QPageSize>
#include <QString>

// The orientation of the paper as the canvas reports and takes it.
namespace PageOrientation {
enum : int { Portrait = 1, Landscape = 2 };
}

// Pen styles as the layouts store them (Style).
namespace LineStyle {
enum : int {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Invisible = 5,
    InsideSolid = 6 // solid, drawn inside the rectangle rather than centred on its edge
};
}

// What the print engine draws on, in millimetres from the top-left corner of the paper.
// The program's backend draws on a QPrinter (printer or PDF, with the pages recorded
// first so that nothing reaches the printer before the job ends); tests draw on a
// recording canvas and look at where everything went.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Paper and orientation (PageOrientation).
    virtual QPageSize::PageSizeId paperSize() const = 0;
    virtual int orientation() const = 0;
    virtual void setOrientation(int orientation) = 0;

    // Font by the name the layouts use ("ＭＳ 明朝", "ＭＳ ゴシック", "@ＭＳ 明朝" for
    // vertical writing), size in points.
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual QString fontName() const = 0;
    virtual double fontSize() const = 0;

    // Extent of a text in the current font, in millimetres.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;
    // Draws a text with its top-left corner at (x, y).
    virtual void drawText(double x, double y, const QString& text) = 0;

    // Pen for the following lines: width in printer dots (1 = thinnest), style as the
    // layouts store it (LineStyle).
    virtual void setPen(int widthDots, int style) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2, quint32 color) = 0;
    virtual void drawRect(double x1, double y1, double x2, double y2, quint32 color) = 0;
    virtual void drawCircle(double cx, double cy, double radius, quint32 color) = 0;
    // The picture stretched to width × height millimetres at (x, y).
    virtual void drawPicture(double x, double y, double width, double height,
                             const QImage& picture) = 0;

    // Ends the current page and starts the next.
    virtual void newPage() = 0;
    // Ends the job: only now does anything reach the printer or file. False when the
    // output could not be produced.
    virtual bool endJob() = 0;
    // Drops everything drawn in this job.
    virtual void discardJob() = 0;
};
