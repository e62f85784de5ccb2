// The grid of a list (columns, total row, bands, order) and its text export: every
// format read back as a spreadsheet reads it, Shift_JIS and line ends, characters the
// file cannot hold and writes that fail.
#include "core/Cp932.h"
#include "lists/ListQueries.h"
#include "lists/ListTable.h"
#include "lists/TextExport.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

RecordSet Rows(const QStringList& fields, const QList<QVariantList>& rows) {
    return RecordSet(fields, rows);
}

// Splits one line as a spreadsheet does: fields between separators, a quoted field may
// hold the separator, and a doubled quote inside it is one quote.
QStringList ReadFields(const QString& line, QChar separator, bool quoted) {
    if (!quoted)
        return line.split(separator);
    QStringList fields;
    QString field;
    bool inside = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (inside && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            field += '"';
            ++i;
        } else if (c == '"') {
            inside = !inside;
        } else if (!inside && c == separator) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTextExport : public QObject {
    Q_OBJECT

private slots:
    void customerListHasThreeRowsPerCustomer() {
        const RecordSet rows = Rows({"Code", "Name", "Kana", "ZipCode", "Address1", "Address2",
                                     "TEL", "FAX", "Position1", "Charge1", "Position2", "Charge2"},
                                    {{"1", "一商事", "イチ", "100-0001", "東京", "千代田", "03",
                                      "04", "営業", "山田", "総務", "佐藤"},
                                     {"2", "二商店", "", "", "", "", "", "", "", "", "", ""}});
        const ListTable table = BuildListTable(ListType::Customers, rows);
        QCOMPARE(table.HeaderRows, 3);
        QCOMPARE(table.rowCount(), 9);
        QCOMPARE(table.Cells[3], QStringList({"1", "100-0001", "03", "04"}));
        QCOMPARE(table.Cells[4], QStringList({"一商事", "東京", "営業", "山田"}));
        QCOMPARE(table.Cells[5], QStringList({"イチ", "千代田", "総務", "佐藤"}));
        // The first customer's three rows are shaded, the second's are not.
        QVERIFY(table.shaded(3) && table.shaded(5) && !table.shaded(6) && !table.shaded(8));
        QVERIFY(!table.shaded(0) && table.recordOf(7) == 1);

        // Without titles none of the three header rows is written.
        ExportFormat format;
        format.Title = false;
        format.Quoted = false;
        const QStringList lines = ExportLines(table, format);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.first(), "1,100-0001,03,04");
    }

    void totalRowOnlyForSeveralRecordsWithAPositiveSum() {
        const auto table = [](int kind, const QList<double>& amounts) {
            QList<QVariantList> rows;
            for (double a : amounts)
                rows << QVariantList{"D", "C", "N", a, a, 1};
            return BuildListTable(
                kind, Rows({"DocNumber", "Code", "Name", "Price", "Receive", "Division"}, rows));
        };
        const ListTable two = table(ListType::DaySales, {1200.7, 800});
        QVERIFY(two.HasTotal);
        QCOMPARE(two.Cells.last(), QStringList({"合計", "", "", "2,000"}));
        QVERIFY(!table(ListType::DaySales, {5000}).HasTotal);
        QVERIFY(!table(ListType::DaySales, {500, -500}).HasTotal);
        QVERIFY(!table(ListType::DayPayments, {-100, 50}).HasTotal);
        const ListTable payments = table(ListType::DayPayments, {100, 50});
        QCOMPARE(payments.Cells.last(), QStringList({"合計", "", "150", ""}));
        QCOMPARE(payments.Cells[1][3], "現金");
        // Goods are never summed.
        QVERIFY(
            !BuildListTable(ListType::Goods, Rows({"Code", "Name", "UnitPrice", "Unit"},
                                                  {{"1", "a", 100, "個"}, {"2", "b", 100, "個"}}))
                 .HasTotal);
        // The staff list leaves out the department when it shows one.
        const RecordSet staff = Rows({"Code", "Position", "Name", "PriceTotal"},
                                     {{"01", "営業", "山田", 1500}, {"02", "営業", "佐藤", 0}});
        QCOMPARE(BuildListTable(ListType::StaffSales, staff).Cells[1],
                 QStringList({"01", "営業", "山田", "1,500"}));
        ListTableOptions options;
        options.ByDepartment = true;
        QCOMPARE(BuildListTable(ListType::StaffSales, staff, options).Cells.last(),
                 QStringList({"合計", "", "1,500"}));
    }

    void sortFollowsTheStoredOrder() {
        const RecordSet rows = Rows({"Code", "Name", "Price"},
                                    {{"10", "い", 5.0}, {"9", "あ", 30.0}, {"10A", "う", 200.0}});
        const auto order = [](const RecordSet& sorted, const QString& field) {
            QStringList out;
            for (int i = 0; i < sorted.RecordCount(); ++i)
                out << sorted.row(i)[sorted.fieldIndex(field)].toString();
            return out;
        };
        // Codes are texts; amounts are numbers.
        QCOMPARE(order(SortRecords(rows, " ORDER BY Code"), "Code"),
                 QStringList({"10", "10A", "9"}));
        QCOMPARE(order(SortRecords(rows, " ORDER BY Name DESC"), "Name"),
                 QStringList({"う", "い", "あ"}));
        QCOMPARE(order(SortRecords(rows, " ORDER BY Price"), "Code"),
                 QStringList({"10", "9", "10A"}));
    }

    void everyFormatReadsBackAsWritten() {
        const QStringList names = {"A,B 商事", "say \"hi\"", "tab\there", "全角；セミ;コロン", ""};
        QList<QVariantList> records;
        for (int i = 0; i < names.size(); ++i)
            records << QVariantList{QString::number(i + 1), names[i], 1000 * (i + 1), "個"};
        const ListTable table =
            BuildListTable(ListType::Goods, Rows({"Code", "Name", "UnitPrice", "Unit"}, records));
        QTemporaryDir dir;
        for (int title = 0; title < 2; ++title) {
            for (int quoted = 0; quoted < 2; ++quoted) {
                for (int separator = 0; separator < 4; ++separator) {
                    ExportFormat format{title == 1, quoted == 1, separator};
                    const QString tag =
                        QStringLiteral("%1%2%3").arg(title).arg(quoted).arg(separator);
                    const QString path = dir.filePath(tag + ".TXT");
                    QVERIFY2(WriteExportFile(path, table, format).ok(), qPrintable(tag));
                    const QByteArray bytes = ReadAll(path);
                    // Every line ends in CR LF, and no CR or LF stands alone.
                    QVERIFY(bytes.endsWith("\r\n"));
                    QCOMPARE(bytes.count("\r"), bytes.count("\r\n"));
                    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
                    bool ok = false;
                    QStringList lines = Cp932::decode(bytes, &ok).split("\r\n");
                    QVERIFY(ok);
                    lines.removeLast();
                    const int first = title ? 0 : 1;
                    QCOMPARE(lines.size(), table.rowCount() - first);
                    QCOMPARE(ClipboardText(ExportLines(table, format)), lines.join('\r') + '\r');
                    const QChar sep = format.separatorText().front();
                    for (int r = 0; r < lines.size(); ++r) {
                        const QStringList& cells = table.Cells[r + first];
                        // Unquoted, a cell holding the separator cannot come back whole.
                        if (!quoted && cells.join(QString()).contains(sep))
                            continue;
                        QCOMPARE(ReadFields(lines[r], sep, quoted), cells);
                    }
                }
            }
        }
        ExportFormat plain{true, true, 0};
        QCOMPARE(ExportLines(table, plain)[2], "\"2\",\"say \"\"hi\"\"\",\"2,000\",\"個\",\"\"");
    }

    void unencodableOrFailedWritesKeepTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(ExportFileName(ListType::Goods));
        QCOMPARE(QFileInfo(path).fileName(), "SYOUHIN.TXT");
        QVERIFY(ExportFileName(ListType::CustomerCards).isEmpty());
        const ListTable good = BuildListTable(
            ListType::Goods, Rows({"Code", "Name", "UnitPrice", "Unit"}, {{"1", "①", 5, "個"}}));
        QVERIFY(WriteExportFile(path, good, {}).ok());
        const QByteArray before = ReadAll(path);

        const ListTable bad =
            BuildListTable(ListType::Goods, Rows({"Code", "Name", "UnitPrice", "Unit"},
                                                 {{"1", "ok", 5, "個"}, {"2", "김치", 5, "個"}}));
        const ExportOutcome outcome = WriteExportFile(path, bad, {});
        QCOMPARE(outcome.status, ExportOutcome::Unencodable);
        QCOMPARE(outcome.Row, 3);
        QCOMPARE(outcome.Column, 2);
        QCOMPARE(outcome.Character, "김");
        QVERIFY(ExportFailureText(outcome).contains("3行目2列目"));
        QCOMPARE(ReadAll(path), before);

        const ExportOutcome failed = WriteExportFile(dir.filePath("missing/SYOUHIN.TXT"), good, {});
        QCOMPARE(failed.status, ExportOutcome::WriteFailed);
        QVERIFY(!ExportFailureText(failed).isEmpty());
    }
};

KIVORA_TEST(TestTextExport)
#include "tst_textexport.moc"
