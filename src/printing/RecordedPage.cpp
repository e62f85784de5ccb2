#include "printing/RecordedPage.h"

#include <QPainter>
#include <QTransform>

#include <QPicture>
#include <algorithm>

namespace {
// The tallest font, in pixels, that is still drawn at full speed.
constexpr int FastPixelSize = 200;
} // namespace

int RecordedPage::fontIndex(const QFont& font) {
    // The canvas hands the same font object for a run of texts: the last one is nearly
    // always the one asked for, and a page has only a handful.
    for (qsizetype i = m_fonts.size() - 1; i >= 0; --i)
        if (m_fonts.at(i).font == font)
            return static_cast<int>(i);
    DrawingFont entry{font, font, 1.0};
    const int pixels = font.pixelSize();
    if (pixels > FastPixelSize) {
        const int divisor = (pixels + FastPixelSize - 1) / FastPixelSize;
        const int reduced = std::max(1, (pixels + divisor / 2) / divisor);
        entry.drawn.setPixelSize(reduced);
        entry.scale = static_cast<double>(pixels) / reduced;
    }
    m_fonts.append(entry);
    return static_cast<int>(m_fonts.size() - 1);
}

int RecordedPage::penIndex(const QPen& pen) {
    for (qsizetype i = m_pens.size() - 1; i >= 0; --i)
        if (m_pens.at(i) == pen)
            return static_cast<int>(i);
    m_pens.append(pen);
    return static_cast<int>(m_pens.size() - 1);
}

void RecordedPage::addText(const QPointF& origin, const QString& text, const QFont& font) {
    m_steps.append(Step{Kind::Text, fontIndex(font), origin, {}, text, {}});
}

void RecordedPage::addTurnedText(const QPointF& centre, const QPointF& origin, const QString& text,
                                 const QFont& font) {
    m_steps.append(Step{Kind::TurnedText, fontIndex(font), centre, origin, text, {}});
}

void RecordedPage::addLine(const QPointF& from, const QPointF& to, const QPen& pen) {
    m_steps.append(Step{Kind::Line, penIndex(pen), from, to, {}, {}});
}

void RecordedPage::addRect(const QRectF& rect, const QPen& pen) {
    m_steps.append(Step{Kind::Rect, penIndex(pen), rect.topLeft(), rect.bottomRight(), {}, {}});
}

void RecordedPage::addEllipse(const QRectF& rect, const QPen& pen) {
    m_steps.append(Step{Kind::Ellipse, penIndex(pen), rect.topLeft(), rect.bottomRight(), {}, {}});
}

void RecordedPage::addImage(const QRectF& rect, const QImage& image) {
    m_steps.append(Step{Kind::Image, -1, rect.topLeft(), rect.bottomRight(), {}, image});
}

void RecordedPage::play(QPainter& painter) const {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.setBrush(Qt::NoBrush);
    // What the painter holds: texts are drawn with a black pen, shapes with theirs; the
    // transform is the caller's, scaled up for a reduced font while texts are drawn.
    constexpr int Unknown = -2, TextPen = -1;
    int font = Unknown, pen = Unknown;
    const QTransform base = painter.worldTransform();
    double scale = 1.0;
    const auto useScale = [&](double wanted) {
        if (scale != wanted)
            painter.setWorldTransform(QTransform::fromScale(wanted, wanted) * base);
        scale = wanted;
    };
    const auto useFont = [&](int index) {
        if (font != index)
            painter.setFont(m_fonts.at(index).drawn);
        font = index;
        if (pen != TextPen)
            painter.setPen(QPen(Qt::black));
        pen = TextPen;
    };
    const auto usePen = [&](int index) {
        useScale(1.0);
        if (pen != index)
            painter.setPen(m_pens.at(index));
        pen = index;
    };
    for (const Step& step : m_steps) {
        switch (step.kind) {
        case Kind::Text: {
            useFont(step.style);
            const double k = m_fonts.at(step.style).scale;
            useScale(k);
            painter.drawText(step.a / k, step.text);
            break;
        }
        case Kind::TurnedText: {
            useFont(step.style);
            const double k = m_fonts.at(step.style).scale;
            useScale(1.0);
            painter.save();
            painter.translate(step.a);
            painter.rotate(-90);
            painter.scale(k, k);
            painter.drawText(step.b / k, step.text);
            painter.restore();
            break;
        }
        case Kind::Line:
            usePen(step.style);
            painter.drawLine(step.a, step.b);
            break;
        case Kind::Rect:
            usePen(step.style);
            painter.drawRect(QRectF(step.a, step.b));
            break;
        case Kind::Ellipse:
            usePen(step.style);
            painter.drawEllipse(QRectF(step.a, step.b));
            break;
        case Kind::Image:
            useScale(1.0);
            painter.drawImage(QRectF(step.a, step.b), step.image);
            break;
        }
    }
    painter.restore();
}

QPicture RecordedPage::picture() const {
    QPicture picture;
    QPainter painter(&picture);
    play(painter);
    painter.end();
    return picture;
}
