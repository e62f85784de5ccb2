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

} // namespace PrintFont
