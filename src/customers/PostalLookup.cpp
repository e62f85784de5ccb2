#include "customers/PostalLookup.h"

#include "core/Database.h"
#include "core/SharedRoutines.h"

namespace PostalLookup {

namespace {

// What separates the two halves of a list entry: code search entries end in
// " 〒" + code, address search entries start with code + " :". The searches build the
// entries with them, taking an entry splits at them.
const QString CodeMark = QStringLiteral(" 〒");
const QString AddressMark = QStringLiteral(" :");

// Every prefecture that the two-digit prefix belongs to, in the directory's order. The
// national directory maps one prefix to up to three prefectures (92: 石川県 and
// 福井県), so looking at the first one only would miss most of the other's codes.
QStringList prefecturesFor(const Database& post, const QString& prefix) {
    RecordSet rs = post.select(
        QStringLiteral("SELECT Prefecture FROM 郵便区分 WHERE Code = ? ORDER BY rowid"), {prefix});
    QStringList names;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const QString name = rs.value(0).toString();
        if (!names.contains(name)) // a repeated row must not list the same addresses twice
            names << name;
    }
    return names;
}

// The code search entries of one prefecture whose `column` holds `value`, in file order
// (the rowid order the indexes keep, so the engine needs no sort). The engine joins
// town, mark and code into one text: an old code can list hundreds of rows, and one
// text per row is the cheapest way through the driver.
void addCodeEntries(const Database& post, const QString& prefecture, const QString& column,
                    const QString& value, QStringList& entries,
                    const std::function<void()>& perRow) {
    RecordSet rs =
        post.select(QStringLiteral("SELECT Prefecture || '") + CodeMark +
                        QStringLiteral("' || NewPostCode FROM ") + QuoteIdentifier(prefecture) +
                        QStringLiteral(" WHERE ") + column + QStringLiteral(" = ? ORDER BY rowid"),
                    {value});
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        entries << prefecture + rs.value(0).toString();
        if (perRow)
            perRow();
    }
}

QStringList searchByCode(const Database& post, const QString& part1, const QString& code,
                         const std::function<void()>& perRow) {
    const QStringList prefectures = prefecturesFor(post, part1.left(2));
    QStringList entries;
    for (const QString& prefecture : prefectures)
        addCodeEntries(post, prefecture, QStringLiteral("NewPostCode"), code, entries, perRow);
    if (entries.isEmpty()) {
        // The code is unknown in every prefecture: offer what the old three-digit code
        // covered, as a code typed from an old letterhead usually still starts right.
        for (const QString& prefecture : prefectures)
            addCodeEntries(post, prefecture, QStringLiteral("OldPostCode"), part1.left(3), entries,
                           perRow);
    }
    return entries;
}

QStringList searchByAddress(const Database& post, const QString& address,
                            const std::function<void()>& perRow) {
    // The prefecture name ends in 県, 府, 都 or 道 at the third or fourth character; of
    // those places, in that order, the first that gives a prefecture the directory lists
    // is taken. Taking the first place blindly would cut "東京都府中市" after 府. The
    // name comes from the user's text and becomes a table name, so only listed names
    // are ever read; anything else is simply not found.
    int length = 0;
    for (int candidate : PrefectureLengths(address)) {
        if (post.scalar(QStringLiteral("SELECT Prefecture FROM 郵便区分 WHERE Prefecture = ?"),
                        {address.left(candidate)})
                .isValid()) {
            length = candidate;
            break;
        }
    }
    if (length == 0)
        return {};
    const QString prefecture = address.left(length);
    RecordSet rs =
        post.select(QStringLiteral("SELECT NewPostCode || '") + AddressMark +
                        QStringLiteral("' || Prefecture FROM ") + QuoteIdentifier(prefecture) +
                        QStringLiteral(" WHERE Prefecture = ? ORDER BY rowid"),
                    {address.mid(length)});
    QStringList entries;
    entries.reserve(rs.RecordCount());
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        entries << rs.value(0).toString();
        if (perRow)
            perRow();
    }
    return entries;
}

} // namespace

int ChooseMode(const QString& part1, const QString& part2, const QString& address) {
    if (!part1.isEmpty() && !address.isEmpty())
        return -1;
    if (!part1.isEmpty())
        return part2.isEmpty() ? ModeOldCode : ModeCode;
    return address.isEmpty() ? ModeNone : ModeAddress;
}

bool ZipErr(int mode, const QString& part1, const QString& part2, const QString& address) {
    switch (mode) {
    case ModeNone:
        return false; // searched anyway, so that the user hears "not found"
    case ModeCode:
        return !IsDigits(part1) || !IsDigits(part2);
    case ModeOldCode:
        return !IsDigits(part1);
    case ModeAddress:
        return address.isEmpty();
    default:
        return true;
    }
}

QStringList Search_Zip(const Database& post, const QString& part1, const QString& part2,
                       const QString& address, int mode, const std::function<void()>& perRow) {
    switch (mode) {
    case ModeCode:
        return searchByCode(post, part1, part1 + part2, perRow);
    case ModeOldCode:
        return searchByCode(post, part1, part1, perRow);
    case ModeAddress:
        return searchByAddress(post, address, perRow);
    default:
        return {}; // no address to search by
    }
}

Taken TakeEntry(const QString& entry, const QString& currentAddress1) {
    Taken taken;
    if (entry.isEmpty())
        return taken;
    if (entry == CancelEntry) {
        taken.hideOnly = true;
        return taken;
    }
    // A filled address means the list came from an address search, whose entries
    // start with the code; otherwise they start with the address.
    const QString& mark = currentAddress1.isEmpty() ? CodeMark : AddressMark;
    const qsizetype at = entry.indexOf(mark);
    if (at < 0) {
        // The address was typed into after a code search: the entry is of the other
        // kind, and taking half of it would garble the fields. Just close the list.
        taken.hideOnly = true;
        return taken;
    }
    const QString head = entry.left(at);
    if (currentAddress1.isEmpty()) {
        taken.setsAddress = true;
        taken.address1 = head;
    } else {
        taken.setsCode = true;
        taken.part1 = head.left(3);
        taken.part2 = head.mid(3);
    }
    return taken;
}

QList<int> PrefectureLengths(const QString& address) {
    static const QString suffixes = QStringLiteral("県府都道");
    QList<int> lengths;
    for (QChar suffix : suffixes) {
        // Names are three characters (東京都) or four (神奈川県); looking only there
        // keeps a suffix further on, in the town ("北海道寿都郡"), from cutting the
        // address at the wrong place.
        for (int position = 3; position <= 4; ++position) {
            if (address.size() >= position && address.at(position - 1) == suffix &&
                !lengths.contains(position))
                lengths << position;
        }
    }
    return lengths;
}

int PrefectureLength(const QString& address) {
    const QList<int> lengths = PrefectureLengths(address);
    return lengths.isEmpty() ? 0 : lengths.first();
}

QString QuoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace PostalLookup
