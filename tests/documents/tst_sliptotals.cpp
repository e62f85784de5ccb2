// Line amounts and totals on the texts the grid shows: which texts are numbers, the rounding
// modes on awkward products and negative amounts, the tax on the subtotal, the editor's text.
#include "support/TestMain.h"
#include "documents/SlipTotals.h"

#include <QtTest>

using namespace SlipTotals;
namespace {
enum { Truncate, HalfUp, RoundUp };
} // namespace

class TestSlipTotals : public QObject {
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
        }
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
};

KIVORA_TEST(TestSlipTotals)
#include "tst_sliptotals.moc"
