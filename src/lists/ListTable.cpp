#include "lists/ListTable.h"

#include "core/SharedRoutines.h"
#include "lists/ListQueries.h"
#include "receivables/Ledger.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignVCenter;

// How one column is filled from a record.
enum class Content { Text, Amount, Empty, Mark, PaymentKind, Date, Balance, CarryOver };

struct Column {
    QString Header;
    QString Field;
    Content What = Content::Text;
    Qt::Alignment Align = Left;
};

QList<Column> columnsOf(int kind, const ListTableOptions& options) {
    const auto text = [](const char* header, const char* field, Qt::Alignment align) {
        return Column{QString::fromUtf8(header), QString::fromLatin1(field), Content::Text, align};
    };
    const auto amount = [](const char* header, const char* field) {
        return Column{QString::fromUtf8(header), QString::fromLatin1(field), Content::Amount,
                      Right};
    };
    switch (kind) {
    case ListType::Receivables:
        return {text("顧客番号", "Code", Centre),
                text("顧客名", "Name", Left),
                {QStringLiteral("繰越残高"), QString(), Content::CarryOver, Right},
                amount("売上金額", "PeriodPrice"),
                amount("入金額", "PeriodReceive"),
                {QStringLiteral("残高"), QString(), Content::Balance, Right}};
    case ListType::Transactions:
        // The ledger's own columns but the running balance: it needs the carry-over,
        // which the rows do not hold.
        return {
            {QStringLiteral("処理日"), QStringLiteral("SaleYMD"), Content::Date, Centre},
            text("伝票番号", "DocNumber", Centre),
            {QStringLiteral("入金科目"), QStringLiteral("Division"), Content::PaymentKind, Centre},
            amount("売上金額", "Price"),
            amount("入金額", "Receive")};
    case ListType::Staff:
    case ListType::StaffSales: {
        QList<Column> columns{text("登録番号", "Code", Centre)};
        if (!options.ByDepartment)
            columns << text("部署名", "Position", Left);
        columns << text("担当者", "Name", Left);
        if (kind == ListType::StaffSales)
            columns << amount("売上金額", "PriceTotal");
        return columns;
    }
    case ListType::Goods:
    case ListType::SetGoods:
        return {text("商品番号", "Code", Centre),
                text("品名", "Name", Left),
                amount("単価", "UnitPrice"),
                text("単位", "Unit", Centre),
                {QStringLiteral("取扱有無"), QString(), Content::Empty, Centre}};
    case ListType::DaySales:
        return {text("伝票番号", "DocNumber", Centre), text("顧客番号", "Code", Centre),
                text("顧客名", "Name", Left), amount("売上金額", "Price")};
    case ListType::DayPayments:
        return {text("顧客番号", "Code", Centre),
                text("顧客名", "Name", Left),
                amount("入金額", "Receive"),
                {QStringLiteral("科目"), QStringLiteral("Division"), Content::PaymentKind, Centre}};
    case ListType::Labels:
        return {{QStringLiteral("出力"), QString(), Content::Mark, Centre},
                text("顧客番号", "Code", Centre),
                text("顧客名", "Name", Left)};
    default:
        return {};
    }
}

// The customer list shows each customer on three rows under three header rows.
const QList<QList<Column>>& customerRows() {
    static const QList<QList<Column>> rows = {
        {{QStringLiteral("顧客番号"), QStringLiteral("Code")},
         {QStringLiteral("郵便番号"), QStringLiteral("ZipCode")},
         {QStringLiteral("ＴＥＬ"), QStringLiteral("TEL")},
         {QStringLiteral("ＦＡＸ"), QStringLiteral("FAX")}},
        {{QStringLiteral("顧客名"), QStringLiteral("Name")},
         {QStringLiteral("住所１"), QStringLiteral("Address1")},
         {QStringLiteral("部署１"), QStringLiteral("Position1")},
         {QStringLiteral("担当者１"), QStringLiteral("Charge1")}},
        {{QStringLiteral("顧客カナ名"), QStringLiteral("Kana")},
         {QStringLiteral("住所２"), QStringLiteral("Address2")},
         {QStringLiteral("部署２"), QStringLiteral("Position2")},
         {QStringLiteral("担当者２"), QStringLiteral("Charge2")}}};
    return rows;
}

QString amountText(double value) {
    return Format(value, QStringLiteral("#,#0"));
}

} // namespace

int ListTable::recordOf(int row) const {
    const int index = row - HeaderRows;
    if (index < 0 || index >= Records * RowsPerRecord)
        return -1;
    return index / RowsPerRecord;
}

bool ListTable::shaded(int row) const {
    const int record = recordOf(row);
    return record >= 0 && record % 2 == 0;
}

ListTable BuildListTable(int kind, const RecordSet& rows, const ListTableOptions& options) {
    ListTable table;
    const auto indexOf = [&rows](const QString& field) {
        return field.isEmpty() ? -1 : rows.fieldIndex(field);
    };

    if (kind == ListType::Customers) {
        table.Records = rows.RecordCount();
        const QList<QList<Column>>& layout = customerRows();
        table.HeaderRows = table.RowsPerRecord = static_cast<int>(layout.size());
        table.Alignment = QList<Qt::Alignment>(layout.first().size(), Left);
        QList<QList<int>> index;
        for (const QList<Column>& line : layout) {
            QStringList header;
            QList<int> lineIndex;
            for (const Column& column : line) {
                header << column.Header;
                lineIndex << indexOf(column.Field);
            }
            table.Cells << header;
            index << lineIndex;
        }
        table.Cells.reserve(table.HeaderRows + table.Records * table.RowsPerRecord);
        for (int r = 0; r < table.Records; ++r) {
            const QVariantList& values = rows.row(r);
            for (const QList<int>& lineIndex : index) {
                QStringList line;
                for (int i : lineIndex)
                    line << (i < 0 ? QString() : values[i].toString());
                table.Cells << line;
            }
        }
        return table;
    }

    const QList<Column> columns = columnsOf(kind, options);
    QStringList header;
    QList<int> index;
    for (int c = 0; c < columns.size(); ++c) {
        header << columns[c].Header;
        table.Alignment << columns[c].Align;
        index << indexOf(columns[c].Field);
    }
    table.Cells << header;
    table.Cells.reserve(1 + rows.RecordCount() + 1);
    const int code = indexOf(QStringLiteral("Code"));
    const int priceTotal = indexOf(QStringLiteral("PriceTotal"));
    const int receiveTotal = indexOf(QStringLiteral("ReceiveTotal"));
    const int periodPrice = indexOf(QStringLiteral("PeriodPrice"));
    const int periodReceive = indexOf(QStringLiteral("PeriodReceive"));
    const bool summed =
        kind == ListType::StaffSales || kind == ListType::DaySales || kind == ListType::DayPayments;
    qint64 sum = 0;
    for (int r = 0; r < rows.RecordCount(); ++r) {
        const QVariantList& values = rows.row(r);
        const auto number = [&values](int i) { return i < 0 ? 0.0 : values[i].toDouble(); };
        const double balance = number(priceTotal) - number(receiveTotal);
        // The ledger's list leaves out customers with nothing in the month and nothing
        // owed, and so does its display.
        if (kind == ListType::Receivables && balance == 0 && number(periodPrice) == 0 &&
            number(periodReceive) == 0)
            continue;
        ++table.Records;
        QStringList line;
        for (int c = 0; c < columns.size(); ++c) {
            const int i = index[c];
            switch (columns[c].What) {
            case Content::Text:
                line << (i < 0 ? QString() : values[i].toString());
                break;
            case Content::Amount:
                line << amountText(number(i));
                if (summed && table.AmountColumn < 0)
                    table.AmountColumn = c;
                if (summed)
                    sum += static_cast<qint64>(number(i));
                break;
            case Content::Empty:
                line << QString();
                break;
            case Content::Mark: {
                const QString key = code < 0 ? QString() : values[code].toString();
                line << (options.Cleared && options.Cleared->contains(key) ? ListMark::Off
                                                                           : ListMark::On);
                break;
            }
            case Content::PaymentKind:
                line << Ledger::KindName(i < 0 ? 0 : values[i].toInt());
                break;
            case Content::Date:
                line << Format(number(i), QStringLiteral("0/00/00"));
                break;
            case Content::Balance:
                line << amountText(balance);
                break;
            case Content::CarryOver:
                line << amountText(balance - number(periodPrice) + number(periodReceive));
                break;
            }
        }
        table.Cells << line;
    }
    // A total of one record repeats it, and a total that is nothing or negative says
    // nothing a reader needs.
    if (summed && table.Records >= 2 && sum > 0) {
        QStringList total(columns.size());
        total[0] = QStringLiteral("合計");
        total[table.AmountColumn] = amountText(static_cast<double>(sum));
        table.Cells << total;
        table.HasTotal = true;
    }
    return table;
}

int SortListOf(int kind) {
    switch (kind) {
    case ListType::Customers:
    case ListType::CustomerCards:
    case ListType::Labels:
        return ListKind::Customers;
    case ListType::Staff:
    case ListType::StaffSales:
        return ListKind::Staff;
    case ListType::Goods:
        return ListKind::Goods;
    case ListType::SetGoods:
        return ListKind::Sets;
    case ListType::DaySales:
        return ListKind::Sales;
    case ListType::DayPayments:
        return ListKind::Receipts;
    default:
        return -1;
    }
}

RecordSet SortRecords(const RecordSet& rows, const QString& orderClause) {
    QString clause = orderClause.trimmed();
    clause.remove(0, QStringLiteral("ORDER BY").size());
    clause = clause.trimmed();
    const bool descending = clause.endsWith(QStringLiteral(" DESC"), Qt::CaseInsensitive);
    if (descending)
        clause.chop(5);
    const int field = rows.fieldIndex(clause.trimmed());
    const int count = rows.RecordCount();
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    if (field >= 0) {
        // The keys are read once; a comparison then costs no conversion.
        const auto isNumber = [](const QVariant& v) {
            const int type = v.typeId();
            return type == QMetaType::Int || type == QMetaType::LongLong ||
                   type == QMetaType::Double || type == QMetaType::UInt ||
                   type == QMetaType::ULongLong;
        };
        std::vector<bool> numeric(count);
        std::vector<double> numbers(count);
        std::vector<QString> texts(count);
        for (int r = 0; r < count; ++r) {
            const QVariant& v = rows.row(r)[field];
            numeric[r] = isNumber(v);
            if (numeric[r])
                numbers[r] = v.toDouble();
            else
                texts[r] = v.toString();
        }
        const auto less = [&](int a, int b) {
            if (numeric[a] && numeric[b])
                return numbers[a] < numbers[b];
            const QString x = numeric[a] ? QString::number(numbers[a]) : texts[a];
            const QString y = numeric[b] ? QString::number(numbers[b]) : texts[b];
            return x < y;
        };
        if (descending)
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return less(b, a); });
        else
            std::stable_sort(order.begin(), order.end(), less);
    }
    QList<QVariantList> sorted;
    sorted.reserve(count);
    for (int r : order)
        sorted << rows.row(r);
    return RecordSet(rows.fields(), sorted);
}
