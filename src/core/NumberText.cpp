#include "core/NumberText.h"

namespace {

// A number as the grid and the totals labels write it, split into its parts: sign,
// whole digits (thousands separators dropped) and decimals. Anything else is refused,
// including exponents, "inf" and "nan", which a general number parser would take and
// which no cell of a document can mean.
struct NumberParts {
    bool negative = false;
    QString whole;
    QString fraction;
};

bool IsYenSign(QChar c) {
    // U+00A5 is what the totals labels show; a backslash is the same byte in the
    // double-byte code page, and U+FFE5 is the full-width sign an input method types.
    return c == QChar(0x00A5) || c == QLatin1Char('\\') || c == QChar(0xFFE5);
}

bool IsSign(QChar c) {
    return c == QLatin1Char('-') || c == QLatin1Char('+');
}

std::optional<NumberParts> Split(const QString& input) {
    QString text = input.trimmed();
    // Digits typed with a full-width input method ("１，０００") are numbers too; the
    // compatibility form turns them into ASCII. Plain ASCII, the usual case, skips it.
    for (QChar c : text) {
        if (c.unicode() > 0x7f && !IsYenSign(c)) {
            text = text.normalized(QString::NormalizationForm_KC).trimmed();
            break;
        }
    }
    NumberParts parts;
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool sawSign = false;
    bool sawYen = false;
    // Sign and yen sign in either order: Format writes "-¥1,000", a user may type "¥-5".
    while (i < n && (IsSign(text[i]) || IsYenSign(text[i]))) {
        if (IsSign(text[i])) {
            if (sawSign)
                return std::nullopt;
            sawSign = true;
            parts.negative = text[i] == QLatin1Char('-');
        } else {
            if (sawYen)
                return std::nullopt;
            sawYen = true;
        }
        ++i;
    }
    // Whole part: digits, with separators only between digits.
    while (i < n) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 0x80) {
            parts.whole += c;
        } else if (c == QLatin1Char(',')) {
            if (parts.whole.isEmpty() || i + 1 >= n || !text[i + 1].isDigit())
                return std::nullopt;
        } else {
            break;
        }
        ++i;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].isDigit() && text[i].unicode() < 0x80)
            parts.fraction += text[i++];
    }
    if (i != n || (parts.whole.isEmpty() && parts.fraction.isEmpty()))
        return std::nullopt;
    return parts;
}

} // namespace

std::optional<double> ParseNumber(const QString& text) {
    const std::optional<NumberParts> parts = Split(text);
    if (!parts)
        return std::nullopt;
    QString plain = parts->whole.isEmpty() ? QStringLiteral("0") : parts->whole;
    if (!parts->fraction.isEmpty())
        plain += QLatin1Char('.') + parts->fraction;
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return parts->negative ? -value : value;
}

bool IsNumberOrEmpty(const QString& text) {
    return text.trimmed().isEmpty() || ParseNumber(text).has_value();
}

QString EditText(const QString& cell) {
    const std::optional<NumberParts> parts = Split(cell);
    if (!parts)
        return cell.trimmed();
    // Written from the digits themselves, not through a double, so that what the user
    // sees in the editor is exactly the number of the cell.
    QString whole = parts->whole;
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    QString fraction = parts->fraction;
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    QString text = whole;
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    if (parts->negative && text != QLatin1String("0"))
        text.prepend(QLatin1Char('-'));
    return text;
}
