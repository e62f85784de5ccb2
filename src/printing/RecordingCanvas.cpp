#include "printing/RecordingCanvas.h"

#include "printing/PrintFont.h"

RecordingCanvas::RecordingCanvas()
    : m_fontName(QStringLiteral("ＭＳ 明朝")), m_font(PrintFont::Font(m_fontName, m_fontSize)),
      m_metrics(m_font) {}

void RecordingCanvas::updateFont() {
    m_font = PrintFont::Font(m_fontName, m_fontSize);
    m_metrics = QFontMetricsF(m_font);
}

void RecordingCanvas::setFontName(const QString& name) {
    if (name == m_fontName)
        return;
    m_fontName = name;
    updateFont();
}

void RecordingCanvas::setFontSize(double points) {
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    updateFont();
}

double RecordingCanvas::textWidth(const QString& text) const {
    // Along the line, as the printer canvas measures vertical writing.
    if (PrintFont::IsVertical(m_fontName))
        return PrintFont::VerticalLength(m_fontSize, text);
    return PrintFont::TextWidth(m_metrics, text);
}

double RecordingCanvas::textHeight(const QString&) const {
    return PrintFont::TextHeight(m_metrics);
}

RecordedOp& RecordingCanvas::record(RecordedOp::Kind kind) {
    if (m_pages.isEmpty())
        m_pages.append(QList<RecordedOp>());
    m_discarded = false;
    RecordedOp op;
    op.kind = kind;
    op.page = static_cast<int>(m_pages.size()) - 1;
    op.sequence = m_sequence++;
    op.penWidth = m_penWidth;
    op.penStyle = m_penStyle;
    m_pages.last().append(op);
    return m_pages.last().last();
}

void RecordingCanvas::drawText(double x, double y, const QString& text) {
    RecordedOp& op = record(RecordedOp::Text);
    op.x = x;
    op.y = y;
    op.text = text;
    op.fontName = m_fontName;
    op.fontSize = m_fontSize;
    op.width = textWidth(text);
    op.height = textHeight(text);
}

void RecordingCanvas::setPen(int widthDots, int style) {
    m_penWidth = widthDots;
    m_penStyle = style;
}

void RecordingCanvas::drawLine(double x1, double y1, double x2, double y2, quint32 color) {
    RecordedOp& op = record(RecordedOp::Line);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
}

void RecordingCanvas::drawRect(double x1, double y1, double x2, double y2, quint32 color) {
    RecordedOp& op = record(RecordedOp::Rect);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
}

void RecordingCanvas::drawCircle(double cx, double cy, double radius, quint32 color) {
    RecordedOp& op = record(RecordedOp::Circle);
    op.x = cx;
    op.y = cy;
    op.radius = radius;
    op.color = color;
}

void RecordingCanvas::drawPicture(double x, double y, double width, double height,
                                  const QImage& picture) {
    RecordedOp& op = record(RecordedOp::Picture);
    op.x = x;
    op.y = y;
    op.width = width;
    op.height = height;
    op.pictureSize = picture.size();
}

void RecordingCanvas::newPage() {
    // A new page before anything was drawn leaves a blank first page, as on paper.
    if (m_pages.isEmpty())
        m_pages.append(QList<RecordedOp>());
    m_pages.append(QList<RecordedOp>());
    m_discarded = false;
}

bool RecordingCanvas::endJob() {
    ++m_endCount;
    return m_endResult;
}

void RecordingCanvas::discardJob() {
    ++m_discardCount;
    m_discarded = true;
    m_pages.clear();
}

QList<RecordedOp> RecordingCanvas::operations() const {
    QList<RecordedOp> all;
    for (const QList<RecordedOp>& page : m_pages)
        all += page;
    return all;
}

QList<RecordedOp> RecordingCanvas::ops(RecordedOp::Kind kind, int page) const {
    QList<RecordedOp> out;
    for (const QList<RecordedOp>& ops : m_pages)
        for (const RecordedOp& op : ops)
            if (op.kind == kind && (page < 0 || op.page == page))
                out << op;
    return out;
}

QStringList RecordingCanvas::textStrings(int page) const {
    QStringList out;
    for (const RecordedOp& op : texts(page))
        out << op.text;
    return out;
}

std::optional<RecordedOp> RecordingCanvas::findText(const QString& text, int page) const {
    for (const RecordedOp& op : texts(page))
        if (op.text == text)
            return op;
    return std::nullopt;
}

QList<RecordedOp> RecordingCanvas::findTexts(const QString& text) const {
    QList<RecordedOp> out;
    for (const RecordedOp& op : texts())
        if (op.text == text)
            out << op;
    return out;
}
