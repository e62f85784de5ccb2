#include "printing/PrintEngine.h"

#include "core/SharedRoutines.h"
#include "printing/Canvas.h"
#include "printing/PrintCodes.h"
#include "printing/PrintFont.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

// Size of document and list titles, in the other font.
constexpr double TitlePoints = 18.0;

// The number a value stands for. Besides plain numbers, amounts that were already
// grouped ("1,000") count as numbers, as they do to the number formats the layouts were
// designed for; anything else ("¥1,000", "一式", "") is text.
std::optional<double> numberOf(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (ok)
        return value;
    static const QRegularExpression grouped(QStringLiteral("^[+-]?\\d{1,3}(,\\d{3})+(\\.\\d*)?$"));
    if (grouped.match(t).hasMatch()) {
        const double ungrouped = QString(t).remove(QLatin1Char(',')).toDouble(&ok);
        if (ok)
            return ungrouped;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> PrintEngine::FormatValue(const QString& text, int kind,
                                                const QString& numFormat) {
    QString pattern;
    switch (kind) {
    case ValueKind::Text:
        return text;
    case ValueKind::Amount:
        pattern = QStringLiteral("#,#0");
        break;
    case ValueKind::Yen:
        // The yen sign of the amount pattern; Format draws it as "¥" (U+00A5), since
        // Unicode fonts show the stored 0x5C as a backslash.
        pattern = QStringLiteral("\\#,#0");
        break;
    case ValueKind::Quantity:
        pattern = numFormat;
        break;
    case ValueKind::YmdDate:
        // A date of 0 is a date not given: its place stays empty.
        if (text == QLatin1String("0"))
            return std::nullopt;
        pattern = QStringLiteral("0/00/00");
        break;
    default:
        return text;
    }
    const std::optional<double> value = numberOf(text);
    if (!value)
        return text;
    return Format(*value, pattern);
}

QString PrintEngine::BodyFont(int choice) {
    return choice == FontChoice::Gothic ? QStringLiteral("ＭＳ ゴシック")
                                        : QStringLiteral("ＭＳ 明朝");
}

QString PrintEngine::OtherFont(int choice) {
    return choice == FontChoice::Gothic ? QStringLiteral("ＭＳ 明朝")
                                        : QStringLiteral("ＭＳ ゴシック");
}

void PrintEngine::PrintText(const QString& text, double x1, double x2, double y, int align,
                            int kind, bool vertical) {
    const std::optional<QString> formatted = FormatValue(text, kind, m_numFormat);
    if (!formatted)
        return;
    const QString& s = *formatted;

    if (vertical) {
        // Turned pages (label sheets): the text runs along X from y, and every character
        // is centred across the band [x1, x2] by its own height.
        double x = y;
        for (const QString& c : PrintFont::Characters(s)) {
            const double top = (x1 + x2) / 2.0 - m_canvas.textHeight(c) / 2.0;
            m_canvas.drawText(x, top, c);
            x += m_canvas.textWidth(c);
        }
        m_currentX = x;
        return;
    }

    const double w = m_canvas.textWidth(s);
    double x = m_currentX;
    switch (align) {
    case TextAlign::Left:
        x = x1 + BoxMargin;
        break;
    case TextAlign::Right:
        x = x2 - w - BoxMargin;
        break;
    case TextAlign::Centre:
        x = (x1 + x2) / 2.0 - w / 2.0;
        break;
    default:
        break;
    }
    // Nothing is clipped or shrunk: a text longer than its box runs over the edge, which
    // shows on paper where cutting it would silently lose digits of an amount.
    if (!s.isEmpty())
        m_canvas.drawText(x, y, s);
    m_currentX = x + w;
}

void PrintEngine::DrawLine(const std::array<double, 2>& x, const std::array<double, 2>& y,
                           quint32 color, int width, int style, int type) {
    m_canvas.setPen(width, style);
    switch (type) {
    case LineShape::Line:
        m_canvas.drawLine(x[0], y[0], x[1], y[1], color);
        break;
    case LineShape::Rectangle:
        m_canvas.drawRect(x[0], y[0], x[1], y[1], color);
        break;
    default:
        // The radius is the second X exactly as passed, the left adjustment included:
        // layouts that draw circles were designed with that value.
        m_canvas.drawCircle(x[0], y[0], x[1], color);
        break;
    }
}

void PrintEngine::printTitle(const QString& text, const LayoutPosition& pos, double x1, double x2,
                             double y, double bodySize, int fontChoice, const ItemSource& source) {
    m_canvas.setFontName(OtherFont(fontChoice));
    m_canvas.setFontSize(TitlePoints);
    if (source.aroundHeader)
        source.aroundHeader(LayoutItem::Title, true);
    PrintText(text, x1, x2, y, pos.Align, pos.DataType);
    m_canvas.setFontName(BodyFont(fontChoice));
    m_canvas.setFontSize(bodySize);
    if (source.aroundHeader)
        source.aroundHeader(LayoutItem::Title, false);
}

void PrintEngine::DrawBlock(const DocumentLayout& layout, int block, double left, double top,
                            double offset, int fontChoice, const ItemSource& source) {
    const QList<int> codes = layout.items.value(block);
    const auto isDetail = [&source](int code) { return source.isDetail && source.isDetail(code); };

    for (const LayoutLine& line : layout.lines)
        DrawLine({left + line.X1, left + line.X2}, {top + line.Y1 + offset, top + line.Y2 + offset},
                 line.Color, line.Width, line.Style, line.Type);

    // Fixed texts stand apart from the filled-in values by their font; only the name
    // changes, the size stays the layout's.
    m_canvas.setFontName(OtherFont(fontChoice));
    for (const LayoutFixedText& fixed : layout.fixedTexts)
        PrintText(fixed.Character, left + fixed.X1, left + fixed.X2, top + fixed.Y1 + offset,
                  fixed.Align, ValueKind::Text);
    m_canvas.setFontName(BodyFont(fontChoice));

    for (int code : codes) {
        if (isDetail(code))
            continue;
        const std::optional<QString> text = source.header ? source.header(code) : std::nullopt;
        if (!text)
            continue;
        // A listed code without a position has nowhere to go; it is skipped.
        const auto found = layout.positions.constFind(code);
        if (found == layout.positions.constEnd())
            continue;
        const LayoutPosition& pos = *found;
        const double x1 = left + pos.X1;
        const double x2 = left + pos.X2;
        const double y = top + pos.Y1 + offset;
        if (source.beforeHeader)
            source.beforeHeader(code, x1, y);
        if (code == LayoutItem::Title)
            printTitle(*text, pos, x1, x2, y, layout.kind.FontSize, fontChoice, source);
        else
            PrintText(*text, x1, x2, y, pos.Align, pos.DataType);
    }

    if (!source.detail)
        return;
    for (int n = 0; n < source.detailLines; ++n) {
        for (int code : codes) {
            if (!isDetail(code))
                continue;
            const std::optional<QString> text = source.detail(code, n);
            if (!text)
                continue;
            const auto found = layout.positions.constFind(code);
            if (found == layout.positions.constEnd())
                continue;
            const LayoutPosition& pos = *found;
            PrintText(*text, left + pos.X1, left + pos.X2,
                      top + pos.Y1 + offset + n * layout.kind.RowHeight, pos.Align, pos.DataType);
        }
    }
}

double PrintEngine::BlockOffset(int blocks, int block, bool receiptOffA4) {
    double step = 0;
    if (blocks == 2)
        step = receiptOffA4 ? 127.5 : 148.5;
    else if (blocks == 3)
        step = receiptOffA4 ? 85.7 : 98.5;
    return step * std::max(0, block - 1);
}
