#include "printing/PrinterCanvas.h"

#include "printing/PrintFont.h"
#include "printing/PrinterService.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QTemporaryFile>
#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

using PrintFont::UnitsPerMm;

// A pen dot: 1/600 inch, in page units.
constexpr double UnitsPerDot = PrintFont::UnitsPerInch / 600.0;

double units(double mm) {
    return mm * UnitsPerMm;
}

// Whether the advance of `c` in a text is its advance alone: no other character joins,
// combines or forms a ligature with it (kerning is off in the print fonts). The "f" of
// the common Latin ligatures is left out for the whole text to be measured.
bool HasOwnAdvance(QChar c) {
    if (c.isSurrogate() || c == QLatin1Char('f'))
        return false;
    switch (c.category()) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
    case QChar::Other_Control:
        return false;
    default:
        break;
    }
    switch (c.script()) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
        return true;
    default:
        return false;
    }
}

} // namespace

PrinterCanvas::PrinterCanvas(QPrinter& printer, Output output)
    : m_printer(printer), m_output(output), m_fontName(QStringLiteral("ＭＳ 明朝")),
      m_font(PrintFont::Font(m_fontName, m_fontSize)), m_metrics(m_font) {
    // Layout coordinates count from the paper's corner, not from the printable area.
    m_printer.setFullPage(true);
}

PrinterCanvas::~PrinterCanvas() = default;

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
    m_advances.clear();
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
    // The engine measures every text it places, and measuring a text shapes it as drawing
    // does: the advances of the characters are kept for the font and added up instead.
    double width = 0;
    for (const QChar c : text) {
        if (!HasOwnAdvance(c))
            return PrintFont::TextWidth(m_metrics, text);
        auto known = m_advances.constFind(c.unicode());
        if (known == m_advances.cend())
            known = m_advances.insert(c.unicode(), m_metrics.horizontalAdvance(c));
        width += *known;
    }
    return width / UnitsPerMm;
}

double PrinterCanvas::textHeight(const QString&) const {
    return PrintFont::TextHeight(m_metrics);
}

RecordedPage& PrinterCanvas::page() {
    m_drawing = true;
    return m_current;
}

void PrinterCanvas::finishPage() {
    if (!m_drawing)
        return;
    m_pages.append(std::move(m_current));
    m_current = RecordedPage();
    m_drawing = false;
}

void PrinterCanvas::drawText(double x, double y, const QString& text) {
    RecordedPage& p = page();
    const double ascent = PrintFont::Ascent(m_metrics);
    if (!PrintFont::IsVertical(m_fontName)) {
        // (x, y) is the top of the text line; Qt places text by its baseline.
        p.addText(QPointF(units(x), units(y + ascent)), text, m_font);
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
        const QPointF centre(units(left + cell / 2), units(y + height / 2));
        const QPointF origin(units(-width / 2), units(-height / 2 + ascent));
        if (PrintFont::StaysAlongLine(c))
            p.addText(centre + origin, c, m_font);
        else
            p.addTurnedText(centre, origin, c, m_font);
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

QPen PrinterCanvas::linePen(quint32 color) const {
    QPen pen(ColorOf(color));
    // The thinnest stored width is 1; 0 would be Qt's cosmetic one-device-pixel pen,
    // which differs between a preview and paper.
    pen.setWidthF(std::max(1, m_penWidth) * UnitsPerDot);
    pen.setStyle(PenStyleOf(m_penStyle));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
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
    page().addLine(QPointF(units(x1), units(y1)), QPointF(units(x2), units(y2)), linePen(color));
}

void PrinterCanvas::drawRect(double x1, double y1, double x2, double y2, quint32 color) {
    page().addRect(pageRect(x1, y1, x2, y2), linePen(color));
}

void PrinterCanvas::drawCircle(double cx, double cy, double radius, quint32 color) {
    page().addEllipse(pageRect(cx - radius, cy - radius, cx + radius, cy + radius), linePen(color));
}

void PrinterCanvas::drawPicture(double x, double y, double width, double height,
                                const QImage& picture) {
    if (picture.isNull())
        return;
    page().addImage(QRectF(units(x), units(y), units(width), units(height)), picture);
}

void PrinterCanvas::newPage() {
    // A new page before anything was drawn leaves a blank first sheet, as on paper.
    page();
    finishPage();
    page();
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
    const bool toFile = m_printer.outputFormat() == QPrinter::PdfFormat;
    if (m_reason.isEmpty()) {
        if (!(toFile ? writePdf() : playPages(m_printer))) {
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

bool PrinterCanvas::writePdf() {
    // The pages go to a file of their own in the same folder (so that giving it the name
    // is a rename within one file system, which replaces an older file in one step); the
    // file is removed again unless it got the name.
    const QString target = m_printer.outputFileName();
    const QFileInfo info(target);
    // The reasons are the user's to read, in the program's words rather than the file
    // system's. Replacing a file by renaming over it needs only the folder's permission: an older
    // file the user may not write (kept read-only) is refused as writing into it would be.
    if (info.exists()) {
        QFile older(target);
        if (!older.open(QIODevice::Append)) {
            m_reason = QStringLiteral(
                "同じ名前のファイルに書き込めません(読み取り専用か、書き込みの権限がありません)｡");
            return false;
        }
    }
    QTemporaryFile part(
        info.dir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".XXXXXX.pdf")));
    if (!part.open()) {
        m_reason = QStringLiteral("保存先のフォルダに書き込めません｡");
        return false;
    }
    part.close();
    m_printer.setOutputFileName(part.fileName());
    const bool played = playPages(m_printer);
    m_printer.setOutputFileName(target);
    if (!played)
        return false;
    // A temporary file is the owner's alone; the PDF gets the access of the file it
    // replaces, or that of a file saved anew.
    part.setPermissions(info.exists() ? QFile::permissions(target)
                                      : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                            QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(part.fileName().toStdU16String()),
                            std::filesystem::path(target.toStdU16String()), error);
    if (error) {
        m_reason = QStringLiteral("同じ名前のファイルを置き換えられませんでした｡");
        return false;
    }
    part.setAutoRemove(false);
    return true;
}

void PrinterCanvas::discardJob() {
    m_current = RecordedPage();
    m_drawing = false;
    m_pages.clear();
    m_pictures.clear();
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

const QList<QPicture>& PrinterCanvas::pages() const {
    if (m_pictures.size() > m_pages.size())
        m_pictures.clear();
    for (qsizetype i = m_pictures.size(); i < m_pages.size(); ++i)
        m_pictures.append(m_pages.at(i).picture());
    return m_pictures;
}

void PrinterCanvas::PaintPage(QPainter& painter, const RecordedPage& page, double dotsPerInch) {
    const double scale = dotsPerInch / PrintFont::UnitsPerInch;
    painter.save();
    painter.scale(scale, scale);
    page.play(painter);
    painter.restore();
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
