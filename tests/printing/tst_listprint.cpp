// List printing: paging at exactly Rows rows, the total line, the ditto mark, the
// receivables figures and a customer's running balance, the refusals, a stop between
// pages, the print dialog as a user drives it, and the delivered list layouts.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/SettingsStore.h"
#include "lists/ListQueries.h"
#include "printing/KivoraPrintL.h"
#include "printing/LayoutTables.h"
#include "printing/ListItems.h"
#include "printing/ListPrint.h"
#include "printing/RecordingCanvas.h"
#include "support/FakePrinterService.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr double kRowY = 40;     // first row's top
constexpr double kRowHeight = 7; // and the step to the next
constexpr double kColumn = 30;   // every column's width, from x = 10

struct Fixture : PrintFixture {
    Fixture() {
        Database layouts(env.state.DbNames[1], LayoutDbMarkerTable());
        for (const char* table : {"一覧種類", "一覧項目", "一覧位置", "一覧罫線", "一覧固定項目"})
            layouts.exec(u"DELETE FROM "_s + QString::fromUtf8(table));
    }

    // List layout `kind`: the header codes at fixed places, then one column per row code
    // from x = 10, `rows` rows a page, 10 points.
    void layout(int kind, int rows, const QList<int>& rowCodes, const QString& totals,
                const QList<int>& headers = {0, 2, 22, 23, 37, 1, 3}) {
        Database layouts(env.state.DbNames[1], LayoutDbMarkerTable());
        layouts.exec(u"INSERT INTO 一覧種類 (Code, Name, ItemCode, LineCode, FixItemCode, Block, "
                     "Rows, RowHeight, FontSize) VALUES (?, ?, ?, ?, ?, 1, ?, ?, 10)"_s,
                     {kind, u"一覧%1"_s.arg(kind), kind, kind, kind, rows, kRowHeight});
        QStringList codes;
        for (int code : headers + rowCodes)
            codes << QString::number(code);
        layouts.exec(
            u"INSERT INTO 一覧項目 (Code, Block, PrintItem, PrintTotal) VALUES (?, 1, ?, ?)"_s,
            {kind, codes.join('/'), totals});
        const QList<QList<double>> places = {
            {0, 10, 200, 10, 2}, {1, 150, 200, 20, 1}, {2, 90, 120, 280, 2}, {3, 150, 200, 25, 1},
            {22, 10, 40, 20, 0}, {23, 40, 100, 20, 0}, {37, 10, 100, 25, 0}};
        for (const QList<double>& p : places)
            layouts.exec(u"INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) "
                         "VALUES (?, ?, ?, ?, ?, ?, 0)"_s,
                         {kind, p[0], p[1], p[2], p[3], p[4]});
        for (int i = 0; i < rowCodes.size(); ++i) {
            const bool amount = rowCodes[i] >= 26 && rowCodes[i] <= 34;
            layouts.exec(u"INSERT INTO 一覧位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) "
                         "VALUES (?, ?, ?, ?, ?, ?, ?)"_s,
                         {kind, rowCodes[i], 10 + i * kColumn, 10 + (i + 1) * kColumn, kRowY,
                          amount ? 1 : 0, amount ? 1 : 0});
        }
    }

    ListPrintResult print(RecordingCanvas& canvas, const ListPrintInput& input,
                          ListPrintOptions options = quiet(),
                          const std::function<bool()>& stop = {}) {
        Database layoutDb(env.state.DbNames[1], LayoutDbMarkerTable());
        return ListPrint::PrintList(canvas, *db, layoutDb, env.messages, u"一覧"_s, u"#,#0"_s,
                                    input, options, stop);
    }
    static ListPrintOptions quiet() {
        ListPrintOptions o;
        o.Company = false;
        o.DateTime = false;
        return o;
    }
};

ListPrintInput input(int kind, const QStringList& fields, const QList<QVariantList>& rows) {
    ListPrintInput in;
    in.Kind = kind;
    in.Rows = RecordSet(fields, rows);
    in.Subtitle = u"副題"_s;
    in.UserCode = u"1"_s;
    in.UserName = u"山田商店"_s;
    in.PrintedAt = u"2024/03/15 09:05"_s;
    return in;
}

// The texts of row n (or the total line) on a page, column by column: "" where nothing
// printed in the column at that row's height.
QStringList row(const RecordingCanvas& canvas, int page, int n, int columns) {
    QStringList cells(columns);
    for (const RecordedOp& op : canvas.texts(page)) {
        const int c = int((op.x - 10) / kColumn);
        if (qAbs(op.y - (kRowY + n * kRowHeight)) < 0.01 && c >= 0 && c < columns && op.x >= 10 &&
            op.right() <= 10 + (c + 1) * kColumn)
            cells[c] = op.text;
    }
    return cells;
}

const QStringList kDayFields = {"DocNumber", "Code", "Name", "Price"};

} // namespace

class TestListPrint : public QObject {
    Q_OBJECT

private slots:
    // Rows rows fill one page without a page number, the total line taking the next row
    // position; one row more makes two numbered pages and the total follows on the second.
    void pagesOfExactlyRowsAndOneMore() {
        Fixture f;
        f.layout(ListType::DaySales, 3, {27, 4, 5, 28}, u"28"_s);
        QList<QVariantList> rows = {
            {"A1", "1", "一", 100}, {"A2", "2", "二", 200}, {"A3", "3", "三", 300}};
        RecordingCanvas one;
        QCOMPARE(f.print(one, input(ListType::DaySales, kDayFields, rows)),
                 ListPrintResult::Printed);
        QCOMPARE(one.pageCount(), 1);
        QVERIFY(one.ended());
        QVERIFY(!one.findText(u"1/1"_s));
        QCOMPARE(row(one, 0, 2, 4), QStringList({"A3", "3", "三", "300"}));
        QCOMPARE(row(one, 0, 3, 4), QStringList({"合計", "", "", "600"}));

        rows << QVariantList{"A4", "4", "四", 1000};
        RecordingCanvas two;
        f.print(two, input(ListType::DaySales, kDayFields, rows));
        QCOMPARE(two.pageCount(), 2);
        QVERIFY(two.findText(u"1/2"_s, 0) && two.findText(u"2/2"_s, 1));
        QVERIFY(two.findText(u"一覧8"_s, 0) && two.findText(u"一覧8"_s, 1));
        // Totals only on the last page, right after its last row.
        QCOMPARE(row(two, 0, 3, 4), QStringList({"", "", "", ""}));
        QCOMPARE(row(two, 1, 0, 4), QStringList({"A4", "4", "四", "1,000"}));
        QCOMPARE(row(two, 1, 1, 4), QStringList({"合計", "", "", "1,600"}));
        QCOMPARE(two.findTexts(u"合計"_s).size(), 1);
    }

    // The header: date and time and the company only when asked for, the company two
    // points smaller, and the rows after it in the body size again.
    void headerItemsFollowTheChoices() {
        Fixture f;
        f.layout(ListType::DaySales, 3, {27, 4, 5, 28}, QString(), {0, 37, 1, 3});
        const ListPrintInput in = input(ListType::DaySales, kDayFields, {{"A1", "1", "一", 5}});
        RecordingCanvas off;
        f.print(off, in);
        QCOMPARE(off.textStrings(0), QStringList({"一覧8", "副題", "A1", "1", "一", "5"}));

        ListPrintOptions on;
        RecordingCanvas canvas;
        f.print(canvas, in, on);
        QCOMPARE(canvas.findText(u"2024/03/15 09:05"_s)->fontSize, 10.0);
        QCOMPARE(canvas.findText(u"株式会社サンプル商事"_s)->fontSize, 8.0);
        QCOMPARE(canvas.findText(u"A1"_s)->fontSize, 10.0);
    }

    // A department equal to the row above prints as a ditto mark under the value's
    // middle; each page starts with the value written out.
    void dittoMarksRepeatedDepartments() {
        Fixture f;
        f.layout(ListType::Staff, 3, {4, 24, 5}, QString());
        const ListPrintInput in = input(ListType::Staff, {"Code", "Position", "Name"},
                                        {{"1", "営業部", "佐藤"},
                                         {"2", "営業部", "高橋"},
                                         {"3", "総務部", "伊藤"},
                                         {"4", "総務部", "渡辺"},
                                         {"5", "", "中村"},
                                         {"6", "", "小林"}});
        RecordingCanvas canvas;
        f.print(canvas, in);
        QCOMPARE(row(canvas, 0, 1, 3), QStringList({"2", "   〃", "高橋"}));
        QCOMPARE(row(canvas, 0, 2, 3), QStringList({"3", "総務部", "伊藤"}));
        QCOMPARE(row(canvas, 1, 0, 3), QStringList({"4", "総務部", "渡辺"}));
        QCOMPARE(row(canvas, 1, 2, 3), QStringList({"6", "", "小林"}));
        QCOMPARE(ListItems::Ditto(u"ABCD"_s), u"  〃"_s);
    }

    // The receivables list: carried over, sales, payments and balance of each customer
    // from the ledger's sums; a customer with all four zero takes no line.
    void receivablesFiguresAndQuietCustomers() {
        Fixture f;
        f.layout(ListType::Receivables, 10, {4, 5, 33, 30, 31, 34}, u"33/30/31/34"_s);
        const ListPrintInput in =
            input(ListType::Receivables,
                  {"Code", "Name", "PriceTotal", "ReceiveTotal", "PeriodPrice", "PeriodReceive"},
                  {{"1", "一", 1000, 400, 300, 100},
                   {"2", "二", 500, 500, 0, 0},
                   {"3", "三", 200, QVariant(), 200, QVariant()}});
        RecordingCanvas canvas;
        f.print(canvas, in);
        QCOMPARE(row(canvas, 0, 0, 6), QStringList({"1", "一", "400", "300", "100", "600"}));
        QCOMPARE(row(canvas, 0, 1, 6), QStringList({"3", "三", "0", "200", "0", "200"}));
        QCOMPARE(row(canvas, 0, 2, 6), QStringList({"合計", "", "400", "500", "100", "800"}));

        // Only quiet customers: nothing to print.
        RecordingCanvas none;
        const ListPrintInput quiet =
            input(ListType::Receivables, in.Rows.fields(), {{"2", "二", 500, 500, 0, 0}});
        QCOMPARE(f.print(none, quiet), ListPrintResult::Missing);
        QCOMPARE(none.pageCount(), 0);
        QCOMPARE(f.env.messages.lastText(), u"印刷データが見つかりませんでした｡"_s);
    }

    // A customer's transactions: the balance carried in from the ledger, then after each
    // row the running sales less the running payments.
    void transactionsRunTheirBalance() {
        Fixture f;
        f.db->exec(u"INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, Price, Receive, "
                   "Division) VALUES ('1', 20240310, 2, 'X1', 1000, 0, 0), "
                   "('1', 20240320, 0, '', 0, 300, 1), ('1', 20240402, 2, 'A1', 500, 0, 0), "
                   "('2', 20240301, 2, 'Z1', 9000, 0, 0)"_s);
        f.layout(ListType::Transactions, 10, {36, 27, 35, 28, 29, 32}, u"28/29"_s);
        ListPrintInput in = input(
            ListType::Transactions, {"SaleYMD", "DocNumber", "Division", "Price", "Receive"},
            {{20240402, "A1", 0, 500, 0}, {20240405, "", 1, 0, 200}, {20240410, "A2", 0, 100, 0}});
        in.CarryFrom = 19900101;
        in.CarryTo = 20240331;
        RecordingCanvas canvas;
        f.print(canvas, in);
        QCOMPARE(row(canvas, 0, 0, 6), QStringList({"2024/04/02", "A1", "", "500", "0", "1,200"}));
        QCOMPARE(row(canvas, 0, 1, 6),
                 QStringList({"2024/04/05", "", "現金", "0", "200", "1,000"}));
        QCOMPARE(row(canvas, 0, 2, 6), QStringList({"2024/04/10", "A2", "", "100", "0", "1,100"}));
        QCOMPARE(row(canvas, 0, 3, 6), QStringList({"合計", "", "", "600", "200", ""}));
        QVERIFY(canvas.findText(u"山田商店"_s, 0));
    }

    // Missing layout, company or rows: told once, nothing drawn. A stop between pages
    // drops the pages already drawn.
    void refusalsAndAStopPrintNothing() {
        Fixture f;
        f.layout(ListType::DaySales, 3, {27, 4, 5, 28}, u"28"_s);
        const QList<QVariantList> rows = {
            {"A1", "1", "一", 1}, {"A2", "2", "二", 2}, {"A3", "3", "三", 3}, {"A4", "4", "四", 4}};
        RecordingCanvas canvas;
        QCOMPARE(f.print(canvas, input(ListType::DayPayments, kDayFields, rows)),
                 ListPrintResult::Missing);
        QCOMPARE(f.env.messages.lastText(), u"用紙情報が見つかりませんでした｡"_s);
        f.db->exec(u"DELETE FROM 自社情報"_s);
        QCOMPARE(f.print(canvas, input(ListType::DaySales, kDayFields, rows), {}),
                 ListPrintResult::Missing);
        QCOMPARE(f.env.messages.lastText(), u"自社情報が見つかりませんでした｡"_s);
        QCOMPARE(f.print(canvas, input(ListType::DaySales, kDayFields, {})),
                 ListPrintResult::Missing);
        QCOMPARE(f.env.messages.lastText(), u"印刷データが見つかりませんでした｡"_s);
        QCOMPARE(canvas.operations().size(), 0);
        QCOMPARE(canvas.endCount(), 0);

        int asked = 0;
        RecordingCanvas stopped;
        QCOMPARE(f.print(stopped, input(ListType::DaySales, kDayFields, rows), Fixture::quiet(),
                         [&asked] { return ++asked == 2; }),
                 ListPrintResult::Cancelled);
        QCOMPARE(asked, 2);
        QVERIFY(stopped.discarded());
        QCOMPARE(stopped.endCount(), 0);
        QCOMPARE(stopped.pageCount(), 0);
    }

    // The dialog: the five settings restored and saved by 開始, the list printed to the
    // printer, キャンセル asking while printing and the job then dropped.
    void dialogPrintsKeepsItsSettingsAndStops() {
        Fixture f;
        f.layout(ListType::DaySales, 3, {27, 4, 5, 28}, u"28"_s);
        AppState& s = f.env.state;
        s.gDocType = ListType::Receivables;
        s.gCaption = u"売掛一覧"_s;
        QVERIFY(KivoraPrintL(s, f.printers).BtnSort->isHidden());

        s.gDocType = ListType::DaySales;
        s.gCaption = u"売上一覧"_s;
        s.RsWork = RecordSet(kDayFields, {{"A1", "1", "一", 1},
                                          {"A2", "2", "二", 2},
                                          {"A3", "3", "三", 3},
                                          {"A4", "4", "四", 4}});
        SettingsStore& settings = f.env.settings();
        settings.save(u"LLeft"_s, 3);
        settings.save(u"LFont"_s, 1);
        settings.save(u"LCompany"_s, 0);
        settings.save(u"LDT"_s, 0);
        // The list prints in the order stored for it: by name, ascending.
        settings.save(u"SortSale"_s, 1);
        settings.save(u"OrderSale"_s, 1);
        KivoraPrintL w(s, f.printers);
        w.show();
        QCOMPARE(w.windowTitle(), u"印刷(売上一覧)"_s);
        QCOMPARE(w.LabelPrintL[ListAdjust::Left]->text(), u"3"_s);
        QVERIFY(w.OptionFont[FontChoice::Gothic]->isChecked());
        QVERIFY(!w.CheckPrintL[ListCheck::Company]->isChecked() &&
                !w.CheckPrintL[ListCheck::DateTime]->isChecked());

        w.ScrollPrintL[ListAdjust::Top]->setValue(-4);
        w.CheckPrintL[ListCheck::Company]->setChecked(true);
        w.BtnStart->click();
        QCOMPARE(w.lastResult(), ListPrintResult::Printed);
        QCOMPARE(PdfProbe::Pages(f.printers.printedPdf()), 2);
        const QString text = PdfProbe::Text(f.printers.printedPdf());
        QVERIFY(text.contains(u"株式会社サンプル商事"_s));
        QVERIFY2(text.indexOf(u"A1"_s) < text.indexOf(u"A3"_s) &&
                     text.indexOf(u"A3"_s) < text.indexOf(u"A2"_s) &&
                     text.indexOf(u"A2"_s) < text.indexOf(u"A4"_s),
                 qPrintable(text));
        QCOMPARE(settings.get(u"LTop"_s), u"-4"_s);
        QCOMPARE(settings.get(u"LCompany"_s), u"1"_s);
        QCOMPARE(settings.get(u"LFont"_s), u"1"_s);
        QVERIFY(QFile::remove(f.printers.printedPdf()));

        // キャンセル pressed while the pages are drawn: only it can be used then.
        bool startEnabled = true, cancelEnabled = false;
        f.env.messages.onShow = [&](const MessageRequest&) {
            startEnabled = w.BtnStart->isEnabled();
            cancelEnabled = w.BtnCancel->isEnabled();
        };
        QTimer::singleShot(0, w.BtnCancel, &QPushButton::click);
        w.BtnStart->click();
        QCOMPARE(f.env.messages.lastText(), u"印刷を中止します｡"_s);
        QVERIFY(!startEnabled && cancelEnabled);
        QCOMPARE(w.lastResult(), ListPrintResult::Cancelled);
        QVERIFY(!QFile::exists(f.printers.printedPdf()));
        QVERIFY(w.BtnStart->isEnabled() && w.isVisible());

        // A run refused for want of rows keeps the stored choices.
        s.RsWork = RecordSet(kDayFields, {});
        w.ScrollPrintL[ListAdjust::Top]->setValue(7);
        w.BtnStart->click();
        QCOMPARE(f.env.messages.lastText(), u"印刷データが見つかりませんでした｡"_s);
        QCOMPARE(settings.get(u"LTop"_s), u"-4"_s);

        const int shown = f.env.messages.count();
        w.BtnCancel->click(); // idle: closes
        QVERIFY(!w.isVisible());
        QCOMPARE(f.env.messages.count(), shown);
    }

    // Every delivered list layout: each listed code has a place and is a list item, and
    // the ruled rows with the total line stay on the sheet.
    void deliveredListLayoutsAreWhole() {
        TestEnv env(TestEnv::LayoutDb);
        Database db(env.state.DbNames[1], LayoutDbMarkerTable());
        for (int kind = 0; kind <= 9; ++kind) {
            const std::optional<ListLayout> layout = LayoutTables::ReadListLayout(db, kind);
            QVERIFY2(layout, qPrintable(QString::number(kind)));
            const DocumentLayout& form = layout->form;
            QVERIFY(!form.kind.Name.isEmpty() && form.kind.Rows > 0);
            const double em = form.kind.FontSize * 25.4 / 72.0;
            const int extraRows = form.kind.Rows - 1 + (layout->totals.isEmpty() ? 0 : 1);
            for (int code : form.items.value(1)) {
                const QString what = u"list %1 item %2"_s.arg(kind).arg(code);
                QVERIFY2(form.positions.contains(code), qPrintable(what));
                QVERIFY2(ListItems::IsRowCode(code) ||
                             ListItems::HeaderItem(
                                 code, {u"x"_s, u"x"_s, u"x"_s, u"x"_s, u"x"_s, u"x"_s, 1, 2}),
                         qPrintable(what));
                const LayoutPosition& p = form.positions[code];
                const double bottom =
                    p.Y1 + em + (ListItems::IsRowCode(code) ? extraRows * form.kind.RowHeight : 0);
                QVERIFY2(p.X1 >= 4 && p.X2 <= 206 && bottom <= 293, qPrintable(what));
            }
            for (int code : layout->totals)
                QVERIFY(form.items.value(1).contains(code));
        }
    }
};

KIVORA_TEST(TestListPrint)
#include "tst_listprint.moc"
