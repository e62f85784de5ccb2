#include "printing/PrintFont.h"

#include <algorithm>
#include <cmath>

namespace PrintFont {

bool IsVertical(const QString& name) {
    return name.startsWith(QLatin1Char('@'));
}

QString Family(const QString& name) {
    return IsVertical(name) ? name.mid(1) : name;
}

QFont Font(const QString& name, double points) {
    QFont font(Family(name));
    // Pixel sizes are whole numbers; in hundredths of a point every size a layout or
    // dialog uses (9, 10.5, 18 ...) is exact, where a point size would be snapped to the
    // pixels of whatever device the painter was opened on.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * UnitsPerInch / 72.0))));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

double TextWidth(const QFontMetricsF& metrics, const QString& text) {
    return metrics.horizontalAdvance(text) / UnitsPerMm;
}

double TextHeight(const QFontMetricsF& metrics) {
    return metrics.height() / UnitsPerMm;
}

double Ascent(const QFontMetricsF& metrics) {
    return metrics.ascent() / UnitsPerMm;
}

QStringList Characters(const QString& text) {
    QStringList out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        out << text.mid(i, n);
        i += n - 1;
    }
    return out;
}

double Em(double points) {
    return points * 25.4 / 72.0;
}

double VerticalLength(double points, const QString& text) {
    return static_cast<double>(Characters(text).size()) * Em(points);
}

bool StaysAlongLine(const QString& character) {
    static const QString along =
        QStringLiteral("ー－-‐‑–—―～〜…‥=＝()（）[]［］{｛｝}「」『』【】〔〕〈〉《》<>＜＞");
    return character.size() == 1 && along.contains(character.at(0));
}

} // namespace PrintFont
