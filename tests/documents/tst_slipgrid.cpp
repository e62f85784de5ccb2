// The arithmetic of amounts and totals on the texts the grid shows, and the line grid of
// the slip window on its own: what typing does to a line, refused numbers, the rounding of
// amounts and of the tax, the arrow keys, the goods search and the line commands.
#include "core/Database.h"
#include "documents/SlipGrid.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"
#include "widgets/WidgetRoutines.h"

#include <QtTest>
#include <QtWidgets>

using namespace SlipTotals;

namespace {

enum { Truncate, HalfUp, RoundUp };

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db = env.openMain();
    SlipGrid grid{env.state};

    Fixture() {
        env.state.DbMain = db.get();
        env.state.gExcise = 5;
        db->exec("INSERT INTO 単位 (Code, Unit) VALUES ('01', '個'), ('02', '箱'), ('03', '式')");
        db->exec("INSERT INTO 商品 (Code, Name, UnitPrice, Unit) VALUES ('A001', '鉛筆', 1050, "
                 "'箱'), ('A002', '消しゴム', 333, '個'), ('B001', 'ノート', 33.3, '個'), "
                 "('C001', '定規', 120, '個')");
        db->exec("INSERT INTO セット商品 (Code, Name, UnitPrice, Unit) VALUES ('S01', "
                 "'文具セット', 1500, '式')");
        db->exec("INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, UnitPrice, Unit) VALUES "
                 "('S01', 2, 'A002', '消しゴム', 333, '個'), ('S01', 1, 'A001', '鉛筆', 1050, "
                 "'箱'), ('S01', 3, 'B001', 'ノート', 33.3, '個')");
        LoadUnit(grid.ComboGrid, *db);
        grid.resize(700, 500);
        grid.show();
        QVERIFY(QTest::qWaitForWindowActive(&grid));
    }
    // Types as a user does: the first key opens the editor, the rest goes into it; Enter
    // takes it.
    void type(int line, int column, const QString& text, bool enter = true) {
        grid.setCurrentLine(line, column);
        grid.setFocus();
        QTest::keyClick(&grid, text.at(0).toLatin1());
        QTest::keyClicks(grid.TextGrid, text.mid(1));
        if (enter)
            QTest::keyClick(grid.TextGrid, Qt::Key_Return);
    }
    // Columns `fromColumn` to `toColumn` of lines `from` to `to`, joined by '|'.
    QString cells(int from, int to, int fromColumn = 1, int toColumn = 7) const {
        QStringList out;
        for (int line = from; line <= to; ++line)
            for (int c = fromColumn; c <= toColumn; ++c)
                out << grid.cell(line, c);
        return out.join('|');
    }
};

} // namespace

class TestSlipGrid : public QObject {
    Q_OBJECT

private slots:
    void whatIsANumber() {
        // Separators, both yen signs, blanks, signs, bare points and full-width digits.
        const std::pair<const char*, double> numbers[] = {
            {"1,000", 1000}, {"1,234.50", 1234.5}, {"¥1,050", 1050}, {"-¥1,050", -1050},
            {"\\300", 300},  {" 12 ", 12},         {"-3", -3},       {".5", 0.5},
            {"+7.", 7},      {"１，０００", 1000}, {"￥２０", 20}};
        for (const auto& [text, value] : numbers)
            QCOMPARE(ParseNumber(text), std::optional<double>(value));
        for (const char* text : {"", "   ", "abc", "12a", "1e3", "inf", "nan", "0x10", "-", ".",
                                 ",1", "1,", "1,,0", "1.2.3", "--1", "1 000", "1,.5", "¥¥1"})
            QVERIFY2(!ParseNumber(text), text);
        QVERIFY(IsNumberOrEmpty("") && IsNumberOrEmpty("  ") && IsNumberOrEmpty("1,000"));
        QVERIFY(!IsNumberOrEmpty("abc") && !IsNumberOrEmpty("1e3"));
    }

    void lineAmount() {
        // 33.3 x 3 is 99.899... in doubles; the magnitude is rounded and the sign put back;
        // binary noise must not push 1.1 x 10 up a yen. Quantity or price alone gives 0,
        // neither (or zeros) an empty cell.
        const std::tuple<const char*, const char*, int, const char*> cases[] = {
            {"3", "33.3", Truncate, "99"},  {"3", "33.3", HalfUp, "100"},
            {"3", "33.3", RoundUp, "100"},  {"-2", "1.25", HalfUp, "-3"},
            {"-2", "1.25", Truncate, "-2"}, {"-1", "2.1", RoundUp, "-3"},
            {"10", "1.1", RoundUp, "11"},   {"1,000", "1,050.50", Truncate, "1,050,500"},
            {"0.5", "3", Truncate, "1"},    {"", "500", Truncate, "0"},
            {"4", "", HalfUp, "0"},         {"", "", HalfUp, ""},
            {"0.00", "0", RoundUp, ""},     {"0", "", Truncate, ""}};
        for (const auto& [quantity, price, mode, amount] : cases)
            QCOMPARE(LineAmount(quantity, price, mode), amount);
    }

    void totalsTaxTheSubtotalOnce() {
        // Subtotal/tax/total. 3,483 at 5 % is 174.15 of tax; taxed once on the sum, never
        // per line (10 % of 5 and 5 per line would be 0 + 0); a hand-typed amount counts as
        // shown, empty and foreign cells are skipped; a credit note's -54.5 half up is -55.
        const std::tuple<QStringList, double, int, const char*> cases[] = {
            {{"3,150", "333"}, 5, Truncate, "3483/174/3657"},
            {{"3,150", "333"}, 5, HalfUp, "3483/174/3657"},
            {{"3,150", "333"}, 5, RoundUp, "3483/175/3658"},
            {{"5", "5"}, 10, Truncate, "10/1/11"},
            {{"", "1,001", "abc", "-1"}, 8, HalfUp, "1000/80/1080"},
            {{"-545"}, 10, HalfUp, "-545/-55/-600"},
            {{"-555"}, 10, Truncate, "-555/-55/-610"},
            {{}, 10, RoundUp, "0/0/0"}};
        for (const auto& [amounts, rate, mode, expected] : cases) {
            const Totals t = Calc(amounts, rate, mode);
            QCOMPARE(QStringLiteral("%1/%2/%3").arg(t.subtotal).arg(t.tax).arg(t.total), expected);
            // With classes, all standard (a reduced mark on an empty cell changes nothing),
            // a business with one rate gets the very same figures and no breakdown.
            QList<int> classes(amounts.size(), TaxClass::Standard);
            for (qsizetype i = 0; i < amounts.size(); ++i)
                if (!ParseNumber(amounts[i]))
                    classes[i] = TaxClass::Reduced;
            const Totals c = Calc(amounts, classes, rate, 8, mode);
            QCOMPARE(QStringLiteral("%1/%2/%3").arg(c.subtotal).arg(c.tax).arg(c.total), expected);
            QVERIFY(!c.rates.Split);
        }
    }

    // Mixed classes: each rate's amounts are taxed once and rounded on their own (per
    // line, 999 and 555 at 8 % would give 79 + 44 = 123 truncated, not 124), lines
    // without tax add to the subtotal only; the breakdown reads as shown and printed.
    void mixedRatesTaxOncePerRate() {
        const QStringList amounts = {"1,001", "999", "", "555", "300", "-5"};
        const QList<int> classes = {TaxClass::Standard, TaxClass::Reduced,  TaxClass::Standard,
                                    TaxClass::Reduced,  TaxClass::NotTaxed, TaxClass::Standard};
        const std::pair<int, const char*> cases[] = {{Truncate, "2850 99+124 3073"},
                                                     {HalfUp, "2850 100+124 3074"},
                                                     {RoundUp, "2850 100+125 3075"}};
        for (const auto& [mode, expected] : cases) {
            const Totals t = Calc(amounts, classes, 10, 8, mode);
            QVERIFY(t.rates.Split);
            QCOMPARE(QStringLiteral("%1 %2+%3 %4")
                         .arg(t.subtotal)
                         .arg(t.rates.StandardTax)
                         .arg(t.rates.ReducedTax)
                         .arg(t.total),
                     expected);
            QCOMPARE(t.tax, t.rates.StandardTax + t.rates.ReducedTax);
        }
        const Totals t = Calc(amounts, classes, 10, 8, Truncate);
        QCOMPARE(RateLines(t.rates), (QStringList{"10%対象 ¥996 / 消費税 ¥99",
                                                  "8%対象※ ¥1,554 / 消費税 ¥124", "非課税 ¥300"}));
        QCOMPARE(ReducedNote(t.rates), "※は軽減税率対象");
    }

    void editorShowsThePlainNumber() {
        const std::pair<const char*, const char*> cases[] = {
            {"1,234.50", "1234.5"}, {"1,000.00", "1000"}, {"1,000", "1000"}, {"0.05", "0.05"},
            {"0.10", "0.1"},        {"-3.10", "-3.1"},    {"-0.00", "0"},    {"007", "7"}};
        for (const auto& [cell, shown] : cases)
            QCOMPARE(EditText(cell), shown);
        QCOMPARE(EditText("12,345,678.25"), "12345678.25");
        QCOMPARE(EditText(""), "");
    }

    void typedCells() {
        Fixture f;
        // Line, column and the text typed there; then the seven cells of that line.
        const std::tuple<int, int, const char*, const char*> steps[] = {
            // A code fills name, unit and price; a quantity completes the amount.
            {1, 1, "A001", "A001|鉛筆||箱|1,050.00|0|"},
            {1, 3, "3", "A001|鉛筆|3.00|箱|1,050.00|3,150|"},
            {2, 1, "S01", "S01|文具セット||式|1,500.00|0|"}, // a set code: the set as a line
            // An unknown code empties code, name, unit and price; quantity and amount stay.
            {1, 1, "ZZ9", "||3.00|||3,150|"},
            {4, 1, "A#1", "||||||"}, // a forbidden character drops the code
            {5, 6, "2500.4", "|||||2,500|"},
            {6, 5, "500", "||||500.00|0|"}}; // a price without quantity gives 0
        for (const auto& [line, column, typed, cells] : steps) {
            f.type(line, column, typed);
            QCOMPARE(f.cells(line, line), cells);
        }
        QCOMPARE(f.env.messages.count(), 0);
    }

    void refusedNumbersEmptyTheCell() {
        for (int column : {3, 5, 6}) {
            Fixture f;
            f.grid.setCell(4, column, "7.00");
            f.type(4, column, "abc", false);
            QVERIFY(!f.grid.EditCommit());
            QCOMPARE(f.env.state.gResult, qint16(-1));
            QCOMPARE(f.env.messages.count(), 1);
            QVERIFY(f.grid.cell(4, column).isEmpty() && f.grid.TextGrid->isHidden());
            QVERIFY(f.grid.EditCommit()); // nothing open, nothing to refuse
        }
    }

    // Line amounts round with the company's mode, the tax with the customer's own:
    // 3 × 33.3 = 99.9 and a typed 3,384, at 5 %.
    void amountsAndTaxRoundEachByTheirMode_data() {
        QTest::addColumn<int>("priceMode");
        QTest::addColumn<int>("taxMode");
        QTest::addColumn<QString>("totals");
        QTest::newRow("amounts truncated, tax rounded up") << 0 << 2 << "3483 175 3658";
        QTest::newRow("amounts rounded up, tax truncated") << 2 << 0 << "3484 174 3658";
        QTest::newRow("both half up") << 1 << 1 << "3484 174 3658";
    }
    void amountsAndTaxRoundEachByTheirMode() {
        QFETCH(int, priceMode);
        QFETCH(int, taxMode);
        QFETCH(QString, totals);
        Fixture f;
        f.env.state.gPriceFraction = static_cast<quint8>(priceMode);
        f.env.state.gFraction = static_cast<quint8>(taxMode);
        f.type(1, 1, "B001");
        f.type(1, 3, "3");
        f.type(2, 6, "3384");
        const Totals t = f.grid.totals();
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(t.subtotal).arg(t.tax).arg(t.total), totals);
    }

    // Down and Up commit and move a line, but never past line 99 or 1.
    void arrowKeysStopAtTheEnds() {
        Fixture f;
        const std::tuple<int, int, int> moves[] = {
            {98, Qt::Key_Down, 99}, {99, Qt::Key_Down, 99}, {1, Qt::Key_Up, 1}, {5, Qt::Key_Up, 4}};
        for (const auto& [line, key, to] : moves) {
            f.type(line, 7, QString::number(line), false);
            QTest::keyClick(f.grid.TextGrid, Qt::Key(key));
            QCOMPARE(f.grid.cell(line, 7), QString::number(line));
            QCOMPARE(f.grid.currentLine(), to);
        }
    }

    void searchButton() {
        Fixture f;
        AppState& s = f.env.state;
        int searches = 0;
        // Answers goods C001, then set S01 (expanded into its components), then cancels.
        f.grid.goodsSearch = [&] {
            ++searches;
            s.gWork = {searches == 1 ? "C001" : "S01", "定規", "120", "個"};
            s.gHandOff = searches == 1 ? "False" : "True";
            return searches < 3;
        };
        f.grid.setCell(2, 3, "2.00");
        f.type(2, 2, "x", false);
        QTest::keyClick(f.grid.TextGrid, Qt::Key_F7);
        QCOMPARE(f.cells(2, 2) + ' ' + QString::number(f.grid.totals().subtotal),
                 "C001|定規|2.00|個|120.00|240| 240");
        f.type(5, 2, "x", false);
        f.grid.BtnGrid->click();
        QCOMPARE(f.cells(5, 8, 1, 1), "A001|A002|B001|");
        f.type(9, 2, "x", false);
        f.grid.BtnGrid->click();
        QCOMPARE(f.cells(9, 9), "|x|||||");
    }

    void lineCommands() {
        Fixture f;
        for (int line = 1; line <= 99; ++line)
            f.grid.setCell(line, 2, QString::number(line));
        f.grid.setCell(1, 6, "1,000");
        f.grid.setCurrentLine(1, 2);
        f.grid.PasteLine(true); // an empty buffer pastes nothing
        QCOMPARE(f.grid.cell(2, 2), "2");
        f.grid.CopyLine();
        f.grid.PasteLine(true);
        QCOMPARE(f.cells(1, 3, 2, 2) + ' ' + f.grid.cell(99, 2), "1|1|2 98");
        QCOMPARE(f.grid.totals().subtotal, 2000.0);
        // Inserting on line 99 overwrites it; paste over replaces; delete empties.
        f.grid.setCurrentLine(99, 2);
        f.grid.PasteLine(true);
        f.grid.setCurrentLine(50, 2);
        f.grid.PasteLine(false);
        QCOMPARE(f.cells(98, 99, 2, 2) + ' ' + f.cells(50, 51, 2, 2), "97|1 1|50");
        f.grid.DeleteLine();
        QCOMPARE(f.cells(50, 50), "||||||");
        QCOMPARE(f.grid.totals().subtotal, 3000.0);
    }

    // A line's tax class: taken from the goods when a code fills the line (a set's
    // components from their goods), stepped with F4 anywhere and Space on its column,
    // kept by copy and paste and by the lines as stored; the totals follow it.
    void taxClassOfALine() {
        Fixture f;
        f.db->exec("UPDATE 商品 SET TaxType = 1 WHERE Code IN ('A002', 'B001')");
        f.type(1, 1, "A002");
        f.type(1, 3, "3");
        f.type(2, 1, "A001");
        f.type(2, 3, "1");
        QCOMPARE(f.cells(1, 2, 8, 8), "※|");
        // 1,050 at 5 % and 999 at 8 %, each truncated: 52 + 79 (one rate would be 102).
        QCOMPARE(f.grid.totals().tax, 131.0);
        f.grid.setCurrentLine(2, 5);
        f.grid.setFocus();
        QTest::keyClick(&f.grid, Qt::Key_F4);
        QCOMPARE(f.grid.cell(2, 8), "※");
        QTest::keyClick(&f.grid, Qt::Key_F4);
        QCOMPARE(f.grid.cell(2, 8), "非");
        QCOMPARE(f.grid.totals().tax, 79.0);
        f.grid.setCurrentLine(2, 8);
        QTest::keyClick(&f.grid, Qt::Key_Space);
        QCOMPARE(f.grid.cell(2, 8), "");
        QVERIFY(f.grid.TextGrid->isHidden());
        // F4 in an open editor takes its text first.
        f.type(1, 7, "x", false);
        QTest::keyClick(f.grid.TextGrid, Qt::Key_F4);
        QCOMPARE(f.cells(1, 1, 7, 8), "x|非");
        f.grid.CopyLine();
        f.grid.setCurrentLine(5, 2);
        f.grid.PasteLine(false);
        QCOMPARE(f.grid.cell(5, 8), "非");
        QCOMPARE(f.grid.lines()[0].TaxType, int(TaxClass::NotTaxed));
        f.grid.setCurrentLine(10, 1);
        QVERIFY(f.grid.FindGoodsSet(SlipGrid::FromSetComponents, "S01"));
        QCOMPARE(f.cells(10, 12, 8, 8), "|※|※");
        // An unknown code takes the goods' class away with the goods.
        f.type(11, 1, "ZZ9");
        QCOMPARE(f.grid.cell(11, 8), "");
    }
};

KIVORA_TEST(TestSlipGrid)
#include "tst_slipgrid.moc"
