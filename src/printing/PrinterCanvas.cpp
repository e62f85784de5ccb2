#include "printing/PrinterCanvas.h"

#include "printing/PrintFont.h"
#include "printing/PrinterService.h"

#include <QPrinter>
#include <algorithm>

namespace {

using PrintFont::UnitsPerMm;

// A pen dot: 1/600 inch, in page units.
constexpr double UnitsPerDot = PrintFont::UnitsPerInch / 600.0;

double units(double mm) {
    return mm * UnitsPerMm;
}

} // namespace

PrinterCanvas::PrinterCanvas(QPrinter& printer, Output output)
    : m_printer(printer), m_output(output), m_fontName(QStringLiteral("ＭＳ 明朝")),
      m_font(PrintFont::Font(m_fontName, m_fontSize)), m_metrics(m_font) {
    // Layout coordinates count from the paper's corner, not from the printable area.
    m_printer.setFullPage(true);
}

PrinterCanvas::~PrinterCanvas() {
    if (m_painter.isActive())
        m_painter.end();
}

QPageSize::PageSizeId PrinterCanvas::paperSize() const {
    return m_printer.pageLayout().pageSize().id();
}

int PrinterCanvas::orientation() const {
    return m_printer.pageLayout().orientation() == QPageLayout::Landscape
               ? PageOrientation::Landscape
               : PageOrientation::Portrait;
}

void PrinterCanvas::setOrientation(int orientation) {
    m_printer.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
}

void PrinterCanvas::updateFont() {
    m_font = PrintFont::Font(m_fontName, m_fontSize);
    m_metrics = QFontMetricsF(m_font);
    m_painterHasFont = false;
}

void PrinterCanvas::setFontName(const QString& name) {
    if (name == m_fontName)
        return;
    m_fontName = name;
    updateFont();
}

void PrinterCanvas::setFontSize(double points) {
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    updateFont();
}

double PrinterCanvas::textWidth(const QString& text) const {
    if (PrintFont::IsVertical(m_fontName))
        return PrintFont::VerticalLength(m_fontSize, text);
    return PrintFont::TextWidth(m_metrics, text);
}

double PrinterCanvas::textHeight(const QString&) const {
    return PrintFont::TextHeight(m_metrics);
}

QPainter& PrinterCanvas::painter() {
    if (!m_current) {
        m_current = std::make_unique<QPicture>();
        m_painter.begin(m_current.get());
        m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                 QPainter::SmoothPixmapTransform);
        m_painterHasFont = false;
        m_painterHasTextPen = false;
    }
    return m_painter;
}

void PrinterCanvas::finishPage() {
    if (!m_current)
        return;
    m_painter.end();
    m_pages.append(*m_current);
    m_current.reset();
}

void PrinterCanvas::drawText(double x, double y, const QString& text) {
    QPainter& p = painter();
    if (!m_painterHasFont) {
        p.setFont(m_font);
        m_painterHasFont = true;
    }
    if (!m_painterHasTextPen) {
        p.setPen(QPen(Qt::black));
        m_painterHasTextPen = true;
    }
    const double ascent = PrintFont::Ascent(m_metrics);
    if (!PrintFont::IsVertical(m_fontName)) {
        // (x, y) is the top of the text line; Qt places text by its baseline.
        p.drawText(QPointF(units(x), units(y + ascent)), text);
        return;
    }
    // Vertical writing on a turned page: each character lies on its side, turned a
    // quarter anticlockwise about the middle of its cell (one em along X, the line's
    // height across), so that it stands upright once the sheet is turned back; the cells
    // follow each other along X. Long marks and brackets stay as they are, which makes
    // them run down the column.
    const double cell = PrintFont::Em(m_fontSize);
    const double height = PrintFont::TextHeight(m_metrics);
    double left = x;
    for (const QString& c : PrintFont::Characters(text)) {
        const double width = PrintFont::TextWidth(m_metrics, c);
        p.save();
        p.translate(units(left + cell / 2), units(y + height / 2));
        if (!PrintFont::StaysAlongLine(c))
            p.rotate(-90);
        p.drawText(QPointF(units(-width / 2), units(-height / 2 + ascent)), c);
        p.restore();
        left += cell;
    }
}

void PrinterCanvas::setPen(int widthDots, int style) {
    m_penWidth = widthDots;
    m_penStyle = style;
}

Qt::PenStyle PrinterCanvas::PenStyleOf(int style) {
    switch (style) {
    case LineStyle::Dash:
        return Qt::DashLine;
    case LineStyle::Dot:
        return Qt::DotLine;
    case LineStyle::DashDot:
        return Qt::DashDotLine;
    case LineStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case LineStyle::Invisible:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

QColor PrinterCanvas::ColorOf(quint32 color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

void PrinterCanvas::applyPen(quint32 color) {
    QPen pen(ColorOf(color));
    // The thinnest stored width is 1; 0 would be Qt's cosmetic one-device-pixel pen,
    // which differs between a preview and paper.
    pen.setWidthF(std::max(1, m_penWidth) * UnitsPerDot);
    pen.setStyle(PenStyleOf(m_penStyle));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    QPainter& p = painter();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    m_painterHasTextPen = false;
}

QRectF PrinterCanvas::pageRect(double x1, double y1, double x2, double y2) const {
    QRectF rect = QRectF(QPointF(units(x1), units(y1)), QPointF(units(x2), units(y2))).normalized();
    if (m_penStyle == LineStyle::InsideSolid) {
        const double half = std::max(1, m_penWidth) * UnitsPerDot / 2;
        rect.adjust(half, half, -half, -half);
    }
    return rect;
}

void PrinterCanvas::drawLine(double x1, double y1, double x2, double y2, quint32 color) {
    applyPen(color);
    painter().drawLine(QPointF(units(x1), units(y1)), QPointF(units(x2), units(y2)));
}

void PrinterCanvas::drawRect(double x1, double y1, double x2, double y2, quint32 color) {
    applyPen(color);
    painter().drawRect(pageRect(x1, y1, x2, y2));
}

void PrinterCanvas::drawCircle(double cx, double cy, double radius, quint32 color) {
    applyPen(color);
    painter().drawEllipse(pageRect(cx - radius, cy - radius, cx + radius, cy + radius));
}

void PrinterCanvas::drawPicture(double x, double y, double width, double height,
                                const QImage& picture) {
    if (picture.isNull())
        return;
    painter().drawImage(QRectF(units(x), units(y), units(width), units(height)), picture);
}

void PrinterCanvas::newPage() {
    // A new page before anything was drawn leaves a blank first sheet, as on paper.
    painter();
    finishPage();
    painter();
}

bool PrinterCanvas::endJob() {
    finishPage();
    m_failure = Failure::None;
    m_reason.clear();
    if (m_pages.isEmpty()) {
        m_failure = Failure::NothingDrawn;
        return false;
    }
    if (m_output == Output::Keep)
        return true;
    // Without a print system QPrinter quietly turns into a PDF writer with no file, and
    // the job would vanish while looking printed: tell it apart as "no printer".
    const bool noPrinter = m_printer.outputFormat() == QPrinter::PdfFormat
                               ? m_printer.outputFileName().isEmpty()
                               : m_printer.printerName().isEmpty();
    if (noPrinter) {
        m_failure = Failure::NoPrinter;
        return false;
    }
    // A queue that does not take jobs, or a print system that is gone, would swallow the
    // job with QPrinter none the wiser: ask before sending, and ask again after.
    if (m_service)
        m_reason = m_service->queueProblem(m_printer);
    if (m_reason.isEmpty()) {
        if (!playPages(m_printer)) {
            m_failure = Failure::CannotStart;
            return false;
        }
        if (m_service)
            m_reason = m_service->jobProblem(m_printer);
    }
    if (!m_reason.isEmpty())
        m_failure = Failure::CannotStart;
    return m_failure == Failure::None;
}

void PrinterCanvas::discardJob() {
    if (m_painter.isActive())
        m_painter.end();
    m_current.reset();
    m_pages.clear();
    m_failure = Failure::None;
    m_reason.clear();
}

bool PrinterCanvas::playPages(QPrinter& target) const {
    if (m_pages.isEmpty())
        return false;
    target.setFullPage(true);
    QPainter p;
    if (!p.begin(&target))
        return false;
    for (qsizetype i = 0; i < m_pages.size(); ++i) {
        if (i > 0 && !target.newPage()) {
            p.end();
            return false;
        }
        PaintPage(p, m_pages.at(i), target.logicalDpiX());
    }
    return p.end();
}

void PrinterCanvas::PaintPage(QPainter& painter, const QPicture& page, double dotsPerInch) {
    // A picture plays itself scaled from its own resolution to that of the painter's
    // device; that scale is taken back out, so that only ours, from page units to the
    // wanted dots, remains.
    const QPaintDevice* device = painter.device();
    const double sx =
        dotsPerInch / PrintFont::UnitsPerInch * page.logicalDpiX() / device->logicalDpiX();
    const double sy =
        dotsPerInch / PrintFont::UnitsPerInch * page.logicalDpiY() / device->logicalDpiY();
    painter.save();
    painter.scale(sx, sy);
    painter.drawPicture(QPointF(0, 0), page);
    painter.restore();
}
