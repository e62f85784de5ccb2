#include "printing/LabelPrint.h"

#include "core/RecordSet.h"
#include "core/SettingsStore.h"
#include "printing/Canvas.h"
#include "printing/PrintEngine.h"

#include <algorithm>

namespace {

// A position without a size of its own prints at this size.
constexpr double DefaultPoints = 10.0;

QString key(const char* name) {
    return QStringLiteral("A") + QLatin1String(name);
}

// The contact that prints on this row's label: a chosen contact whose name is empty
// counts as none, so that the label addresses the company (御中) rather than printing a
// lone honorific under its name.
int contactOf(const RecordSet& rows, int charge) {
    if (charge == ContactChoice::Contact1 &&
        rows.text(QStringLiteral("Charge1")).trimmed().isEmpty())
        return ContactChoice::None;
    if (charge == ContactChoice::Contact2 &&
        rows.text(QStringLiteral("Charge2")).trimmed().isEmpty())
        return ContactChoice::None;
    return charge;
}

} // namespace

LabelOptions LabelOptions::Read(const SettingsStore& settings) {
    LabelOptions o;
    o.Left = settings.getInt16(key("Left"), 0);
    o.Top = settings.getInt16(key("Top"), 0);
    o.Font = settings.getByte(key("Font"), FontChoice::Mincho);
    o.Charge = settings.getByte(key("Charge"), ContactChoice::Contact1);
    o.SameCustomer = settings.getByte(key("Page"), 0) != 0;
    o.PrintCode = settings.getByte(key("No"), 1) != 0;
    o.PrintPhone = settings.getByte(key("TEL"), 1) != 0;
    return o;
}

void LabelOptions::save(SettingsStore& settings) const {
    settings.save(key("Left"), Left);
    settings.save(key("Top"), Top);
    settings.save(key("Font"), Font);
    settings.save(key("Charge"), Charge);
    settings.save(key("Page"), SameCustomer ? 1 : 0);
    settings.save(key("No"), PrintCode ? 1 : 0);
    settings.save(key("TEL"), PrintPhone ? 1 : 0);
    settings.sync();
}

namespace LabelPrint {

QString FullWidth(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ')
            out += QChar(0x3000);
        else if (u > 0x20 && u < 0x7F)
            out += QChar(static_cast<char16_t>(u - 0x20 + 0xFF00));
        else
            out += c;
    }
    return out;
}

std::optional<QString> ItemText(const RecordSet& rows, int code, const LabelOptions& options) {
    const auto field = [&rows](const char* name) { return rows.text(QLatin1String(name)); };
    const int contact = contactOf(rows, options.Charge);
    switch (code) {
    case LabelItem::Zip:
        return field("ZipCode");
    case LabelItem::Address1:
        return field("Address1");
    case LabelItem::Address2:
        return field("Address2");
    case LabelItem::Name:
        if (contact == ContactChoice::None)
            return field("Name") + QLatin1Char(' ') + field("Prefix1");
        return field("Name");
    case LabelItem::Position:
        if (contact == ContactChoice::None)
            return std::nullopt;
        return contact == ContactChoice::Contact1 ? field("Position1") : field("Position2");
    case LabelItem::Charge:
        if (contact == ContactChoice::None)
            return std::nullopt;
        return (contact == ContactChoice::Contact1 ? field("Charge1") : field("Charge2")) +
               QLatin1Char(' ') + field("Prefix2");
    case LabelItem::Code:
        return options.PrintCode ? std::optional<QString>(field("Code")) : std::nullopt;
    case LabelItem::Phone:
        return options.PrintPhone ? std::optional<QString>(field("TEL")) : std::nullopt;
    default:
        break;
    }
    if (code >= LabelItem::ZipDigit1 && code <= LabelItem::ZipDigit7) {
        // The boxes take the seven digits without the hyphen between the two parts.
        QString zip = field("ZipCode");
        const qsizetype hyphen = zip.indexOf(QLatin1Char('-'));
        if (hyphen >= 0)
            zip.remove(hyphen, 1);
        const int index = code - LabelItem::ZipDigit1;
        if (index >= zip.size())
            return std::nullopt;
        return FullWidth(zip.mid(index, 1));
    }
    return std::nullopt;
}

LabelRun PrintLabels(Canvas& canvas, const LabelLayout& layout, RecordSet rows,
                     const QList<bool>& marks, const LabelOptions& options,
                     const std::function<bool()>& stop) {
    const LabelSheet& sheet = layout.sheet;
    const bool vertical = sheet.CharHorV != 0;
    const int perSheet = std::max(1, sheet.labels());
    const int cols = std::max(1, sheet.Cols);
    int pos = sheet.LabelPos ? std::clamp(options.Start, 0, perSheet - 1) : 0;

    // A vertical sheet is drawn on the turned page, with the vertical forms of the fonts.
    const int orientation = canvas.orientation();
    if (vertical)
        canvas.setOrientation(orientation == PageOrientation::Portrait ? PageOrientation::Landscape
                                                                       : PageOrientation::Portrait);
    QString font = PrintEngine::BodyFont(options.Font);
    if (vertical)
        font.prepend(QLatin1Char('@'));
    canvas.setFontName(font);
    PrintEngine engine(canvas, QString());

    // A sheet's labels are drawn together, item by item, so that the font changes once
    // per item and sheet rather than for every item of every label: with thousands of
    // labels the font changes would cost more than the drawing.
    struct Placed {
        int row;
        int label;
    };
    QList<Placed> onSheet;
    const auto drawSheet = [&] {
        for (int code : layout.items) {
            const auto found = layout.positions.constFind(code);
            if (found == layout.positions.constEnd())
                continue;
            const LayoutPosition& p = *found;
            canvas.setFontSize(p.FontSize > 0 ? p.FontSize : DefaultPoints);
            for (const Placed& placed : onSheet) {
                rows.Move(placed.row);
                const std::optional<QString> text = ItemText(rows, code, options);
                if (!text)
                    continue;
                const double offsetX = (placed.label % cols) * sheet.RowSpace;
                const double offsetY = (placed.label / cols) * sheet.ColSpace;
                const double x1 = options.Left + p.X1 + offsetX;
                const double y = options.Top + p.Y1 + offsetY;
                // A left-aligned line goes straight to the canvas: nothing on a label
                // continues from where it ends, so it need not be measured, and measuring
                // most of a run's texts would take longer than drawing them.
                if (!vertical && p.Align == TextAlign::Left) {
                    if (!text->isEmpty())
                        canvas.drawText(x1 + PrintEngine::BoxMargin, y, *text);
                    continue;
                }
                engine.PrintText(*text, x1, options.Left + p.X2 + offsetX, y, p.Align,
                                 ValueKind::Text, vertical);
            }
        }
        onSheet.clear();
    };

    // The next sheet is started only when a label goes on it, so that a run that fills
    // its last sheet exactly does not end with a blank one.
    bool sheetFull = false;
    bool stopped = false;
    int row = rows.RecordCount() - 1;
    while (row >= 0) {
        if (stop && stop()) {
            stopped = true;
            break;
        }
        const bool marked = row >= marks.size() || marks.at(row);
        if (marked) {
            if (sheetFull) {
                drawSheet();
                canvas.newPage();
                sheetFull = false;
            }
            onSheet.append({row, pos});
        }
        if (pos == perSheet - 1) {
            if (marked) {
                sheetFull = true;
                pos = 0;
            }
            --row;
        } else if (options.SameCustomer && marked) {
            ++pos; // the same customer again, until the sheet is full
        } else {
            if (marked)
                ++pos;
            --row;
        }
    }
    if (!stopped)
        drawSheet();

    LabelRun outcome = LabelRun::Printed;
    if (stopped) {
        canvas.discardJob();
        outcome = LabelRun::Stopped;
    } else if (!canvas.endJob()) {
        outcome = LabelRun::OutputFailed;
    }
    // The printer is the user's: a later document should not come out turned because a
    // label run needed it so. The pages were sent already, so turning back is safe now.
    if (vertical)
        canvas.setOrientation(orientation);
    return outcome;
}

} // namespace LabelPrint
