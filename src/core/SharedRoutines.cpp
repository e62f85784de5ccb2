#include "core/SharedRoutines.h"

#include "core/Cp932.h"
#include "core/MessageService.h"
#include "core/SettingsStore.h"

#include <QList>
#include <cmath>

QString MsgPhrase(int code) {
    switch (code) {
    case Msg::Enter:
        return QStringLiteral("を入力して下さい");
    case Msg::Save:
        return QStringLiteral("を保存します");
    case Msg::Overwrite:
        return QStringLiteral("は既に存在します､上書きで保存します");
    case Msg::Delete:
        return QStringLiteral("を削除します");
    case Msg::Digits:
        return QStringLiteral("は数字を入力して下さい");
    case Msg::Limit:
        return QStringLiteral("登録限度を超えました");
    case Msg::Run:
        return QStringLiteral("を行います");
    case Msg::Choose:
        return QStringLiteral("を選択してください");
    case Msg::NotFound:
        return QStringLiteral("見つかりませんでした");
    case Msg::SaveFirst:
        return QStringLiteral("を保存してください");
    case Msg::Stop:
        return QStringLiteral("を中止します");
    case Msg::Finished:
        return QStringLiteral("が終了しました");
    default:
        return {};
    }
}

quint8 ShowText(MessageService& messages, const QString& text, int kind, const QString& title) {
    MessageRequest request;
    request.text = text;
    request.title = title;
    switch (kind) {
    case Box::Exclamation:
    case Box::ExclamationCancel:
        request.icon = MsgIcon::Exclamation;
        break;
    case Box::Information:
    case Box::InformationCancel:
        request.icon = MsgIcon::Information;
        break;
    case Box::Stop:
    case Box::StopCancel:
        request.icon = MsgIcon::Stop;
        break;
    case Box::Question:
    case Box::QuestionCancel:
        request.icon = MsgIcon::Question;
        break;
    default:
        request.icon = MsgIcon::None;
        break;
    }
    request.withCancel = (kind % 2) != 0; // the second kind of every pair
    const int answer = messages.show(request);
    return answer == MsgCancel ? MsgCancel : MsgOK;
}

quint8 ShowMsg(MessageService& messages, const QString& subject, int code, int kind,
               const QString& title) {
    return ShowText(messages, subject + MsgPhrase(code) + QStringLiteral("｡"), kind, title);
}

const QStringList& ForbiddenChars() {
    static const QStringList chars = {
        "!", "\"", "#", "$", "%", "&", "'", "~", "*", QStringLiteral("､"), QStringLiteral("｡"),
        "@", "^",  "[", "]", "|"};
    return chars;
}

bool ContainsControlChar(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

QString ForbiddenCharList(const QString& text, bool forbidFullWidth) {
    QString list;
    for (const QString& c : ForbiddenChars()) {
        if (text.contains(c))
            list += QLatin1Char(' ') + c;
    }
    if (ContainsControlChar(text))
        list += QStringLiteral(" 制御文字");
    if (forbidFullWidth) {
        for (char32_t cp : text.toUcs4()) {
            if (Cp932::byteLengthOf(cp) == 2) {
                list += QStringLiteral(" 漢字(全角)");
                break;
            }
        }
    }
    return list;
}

bool CheckChar(MessageService& messages, const QString& text, const QString& title, bool show,
               bool forbidFullWidth) {
    const QString list = ForbiddenCharList(text, forbidFullWidth);
    if (list.isEmpty())
        return false;
    if (show) {
        MessageRequest request;
        request.text = QStringLiteral("以下の文字は使用出来ません。\r") + list;
        request.title = title;
        request.icon = MsgIcon::Stop;
        messages.show(request);
    }
    return true;
}

QString StripParen(const QString& caption) {
    const qsizetype at = caption.indexOf(QLatin1Char('('));
    return at >= 0 ? caption.left(at) : caption;
}

bool IsDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString JoinZip(const QString& first, const QString& second) {
    if (second.isEmpty())
        return first;
    return first + QLatin1Char('-') + second;
}

std::pair<QString, QString> SplitZip(const QString& zipCode) {
    const qsizetype hyphen = zipCode.indexOf(QLatin1Char('-'));
    if (hyphen < 0)
        return {zipCode, QString()};
    return {zipCode.left(hyphen), zipCode.mid(hyphen + 1)};
}

// Largest magnitude whose millionths still fit the 53 bits of a double exactly.
constexpr double kExactMillionths = 9007199254.0;

double RoundFraction(double amount, int mode) {
    if (mode < 0 || mode > 2 || !std::isfinite(amount))
        return amount;
    double magnitude = std::fabs(amount);
    // Products of decimal quantities and prices carry binary noise (1.1 x 10 is
    // 11.000000000000002); without snapping, "round up" would charge a yen too much.
    // Quantities and prices have at most a few decimals, so six is far below any
    // real fraction and far above the noise. Only below 2^53 millionths, though: above
    // that the product is no longer exact and the snap itself moves a whole amount by
    // an ulp (576461825469 came back as 576461825468.99..., truncated a yen short).
    if (magnitude < kExactMillionths)
        magnitude = std::round(magnitude * 1e6) / 1e6;
    double whole = std::floor(magnitude);
    if (mode == 1)
        whole = std::floor(magnitude + 0.5);
    else if (mode == 2 && magnitude > whole)
        whole += 1.0;
    if (whole == 0.0)
        return 0.0; // never a negative zero, which would print as "-0"
    return amount < 0 ? -whole : whole;
}

bool IsLeapYear(qint64 year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

QString GetDatePart(qint64 ymd, int part) {
    const qint64 year = ymd / 10000;
    const qint64 month = ymd / 100 - year * 100;
    const qint64 day = ymd - year * 10000 - month * 100;
    const qint64 value = part == DatePart::Month ? month : part == DatePart::Day ? day : year;
    const QString digits =
        QStringLiteral("%1").arg(value < 0 ? -value : value, 2, 10, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

qint64 MakeYMD(int yearIn, int monthIn, int dayIn) {
    // Steps in 64 bits, so that a value at the end of int's range cannot wrap.
    qint64 year = yearIn, month = monthIn, day = dayIn;
    if (day <= 0) {
        day = 31;
        --month;
    } else if (day > 31) {
        day = 1;
        ++month;
    }
    if (month <= 0) {
        month = 12;
        --year;
    } else if (month > 12) {
        month = 1;
        ++year;
    }
    if (month == 2 && day >= 29)
        day = IsLeapYear(year) ? 29 : 28;
    else if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        day = 30;
    return year * 10000 + month * 100 + day;
}

QString OrderPrefix(int kind) {
    switch (kind) {
    case ListKind::Staff:
        return QStringLiteral("Charge");
    case ListKind::Units:
        return QStringLiteral("Unit");
    case ListKind::Goods:
        return QStringLiteral("Goods");
    case ListKind::Sets:
        return QStringLiteral("Set");
    case ListKind::Classes:
        return QStringLiteral("Class");
    case ListKind::History:
        return QStringLiteral("History");
    case ListKind::Customers:
        return QStringLiteral("User");
    case ListKind::Sales:
        return QStringLiteral("Sale");
    case ListKind::Receipts:
        return QStringLiteral("Receipt");
    default:
        return {};
    }
}

QString OrderClause(const SettingsStore& settings, int kind) {
    const QString prefix = OrderPrefix(kind);
    const quint8 sort = prefix.isEmpty() ? 0 : settings.getByte(QStringLiteral("Sort") + prefix, 0);
    const quint8 order =
        prefix.isEmpty() ? 0 : settings.getByte(QStringLiteral("Order") + prefix, 0);
    QString column;
    if (kind == ListKind::History)
        column = sort ? QStringLiteral("IssueYMD") : QStringLiteral("DocNumber");
    else
        column = sort ? QStringLiteral("Name") : QStringLiteral("Code");
    return QStringLiteral(" ORDER BY ") + column + (order ? QString() : QStringLiteral(" DESC"));
}

QString SetNumFormat(quint8 zero) {
    return zero == 0 ? QStringLiteral("#,#0.00") : QStringLiteral("#,#0.##");
}

namespace {

QString groupThousands(const QString& digits) {
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits[i];
    }
    return out;
}

// Fixed-point text of |value| with `decimals` places, rounded half away from zero,
// split into whole and fraction digits.
void fixedParts(double magnitude, int decimals, QString* whole, QString* fraction) {
    const QString text = QString::number(magnitude, 'f', decimals);
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    *whole = dot < 0 ? text : text.left(dot);
    *fraction = dot < 0 ? QString() : text.mid(dot + 1);
}

} // namespace

QString Format(double value, const QString& pattern) {
    if (!std::isfinite(value))
        return QString();
    if (pattern == QLatin1String("0/00/00")) {
        const qint64 ymd = static_cast<qint64>(std::llround(value));
        return QString::number(ymd / 10000) + QLatin1Char('/') + GetDatePart(ymd, DatePart::Month) +
               QLatin1Char('/') + GetDatePart(ymd, DatePart::Day);
    }
    const bool yen = pattern.startsWith(QLatin1Char('\\'));
    const QString body = yen ? pattern.mid(1) : pattern;
    int decimals = 0;
    bool trimZeros = false;
    if (body == QLatin1String("#,#0.00")) {
        decimals = 2;
    } else if (body == QLatin1String("#,#0.##")) {
        decimals = 2;
        trimZeros = true;
    }
    QString whole, fraction;
    // Round half away from zero on the decimal value, not on its binary neighbour
    // (2.675 is stored as 2.67499...), with the snap of RoundFraction. The rounding works
    // on whole millionths, which are exact: scaling a snapped double by 100 brings the
    // noise back (1.005 * 100 is 100.49999999999999).
    double magnitude = std::fabs(value);
    const double scale = std::pow(10.0, decimals);
    if (magnitude < kExactMillionths) {
        const qint64 millionths = std::llround(magnitude * 1e6);
        const qint64 step = decimals == 2 ? 10000 : 1000000;
        magnitude = static_cast<double>((millionths + step / 2) / step) / scale;
    } else if (magnitude < 1e15) {
        magnitude = std::floor(magnitude * scale + 0.5) / scale;
    }
    fixedParts(magnitude, decimals, &whole, &fraction);
    if (trimZeros) {
        while (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
    }
    const bool negative = value < 0 && (whole.count(QLatin1Char('0')) != whole.size() ||
                                        fraction.count(QLatin1Char('0')) != fraction.size());
    QString text = groupThousands(whole);
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    if (yen)
        text.prepend(QChar(0x00A5));
    if (negative)
        text.prepend(QLatin1Char('-'));
    return text;
}
