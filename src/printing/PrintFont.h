#pragma once
#include <QFont>
#include <QFontMetricsF>
#include <QString>

// Fonts of the printed pages. Layouts name their fonts as "ＭＳ 明朝" / "ＭＳ ゴシック"
// ("@" in front for vertical writing); the start-up maps those names to the installed
// Japanese fonts. Pages are drawn in a unit of 1/7200 inch (a hundredth of a point) so
// that a font of any size used by the layouts is a whole number of units high: a 12-point
// font is exactly 1200 units, on paper, in a PDF and in the preview alike. Text extents
// are taken from the same font without hinting, so a measured text is as wide as the
// drawn one whatever the output's resolution.
namespace PrintFont {
// Units of a drawn page per inch, and per millimetre.
inline constexpr double UnitsPerInch = 7200.0;
inline constexpr double UnitsPerMm = UnitsPerInch / 25.4;

// True for a vertical-writing font name ("@ＭＳ 明朝").
bool IsVertical(const QString& name);
// The family of a layout font name, without the vertical-writing mark.
QString Family(const QString& name);
// The font for a layout font name at `points`, sized in page units.
QFont Font(const QString& name, double points);

// Extent of `text` in a font of Font(), in millimetres.
double TextWidth(const QFontMetricsF& metrics, const QString& text);
double TextHeight(const QFontMetricsF& metrics);
// Distance from the top of a text line to its baseline, in millimetres.
double Ascent(const QFontMetricsF& metrics);

// Vertical writing: the characters of a text one by one (a surrogate pair kept whole).
// Each takes a cell one em long down the column, as a full-width character is wide, so
// that a half-width digit stands upright in a cell of its own instead of overlapping its
// neighbours; the length of a vertical text is its number of cells.
QStringList Characters(const QString& text);
double Em(double points);
double VerticalLength(double points, const QString& text);
// Long marks, dashes, wave dashes and brackets keep their direction along the line: on
// the turned page they then run down the column, as vertical writing draws them. Every
// other character is turned to stand upright.
bool StaysAlongLine(const QString& character);
} // namespace PrintFont
