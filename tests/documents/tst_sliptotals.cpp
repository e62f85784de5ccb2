// Line amounts and document totals on the texts the grid shows: which texts are
// numbers, the three rounding modes on awkward products and negative amounts, the tax
// on the subtotal and what the editor shows when a numeric cell opens.
#include "core/SharedRoutines.h"
#include "documents/SlipTotals.h"

#include <QtTest>

namespace {
constexpr int Truncate = 0;
constexpr int HalfUp = 1;
constexpr int RoundUp = 2;
} // namespace

class TestSlipTotals : public QObject {
    Q_OBJECT

private slots:
    void parsesWhatTheGridAndLabelsShow() {
        QCOMPARE(SlipTotals::ParseNumber("1,000"), std::optional<double>(1000));
        QCOMPARE(SlipTotals::ParseNumber("1,234.50"), std::optional<double>(1234.5));
        QCOMPARE(SlipTotals::ParseNumber(QStringLiteral("¥1,050")), std::optional<double>(1050));
        QCOMPARE(SlipTotals::ParseNumber(QStringLiteral("-¥1,050")), std::optional<double>(-1050));
        QCOMPARE(SlipTotals::ParseNumber("\\300"), std::optional<double>(300));
        QCOMPARE(SlipTotals::ParseNumber(" 12 "), std::optional<double>(12));
        QCOMPARE(SlipTotals::ParseNumber("-3"), std::optional<double>(-3));
        QCOMPARE(SlipTotals::ParseNumber(".5"), std::optional<double>(0.5));
        QCOMPARE(SlipTotals::ParseNumber("+7."), std::optional<double>(7));
        // Full-width digits from an input method are numbers too.
        QCOMPARE(SlipTotals::ParseNumber(QStringLiteral("１，０００")),
                 std::optional<double>(1000));
        QCOMPARE(SlipTotals::ParseNumber(QStringLiteral("￥２０")), std::optional<double>(20));
    }

    void refusesEverythingElse() {
        for (const char* text : {"", "   ", "abc", "12a", "1e3", "inf", "nan", "0x10", "-", ".",
                                 ",1", "1,", "1,,0", "1.2.3", "--1", "1 000", "1,.5", "¥¥1"}) {
            QVERIFY2(!SlipTotals::ParseNumber(QString::fromUtf8(text)), text);
        }
        QVERIFY(SlipTotals::IsNumberOrEmpty(""));
        QVERIFY(SlipTotals::IsNumberOrEmpty("  "));
        QVERIFY(SlipTotals::IsNumberOrEmpty("1,000"));
        QVERIFY(!SlipTotals::IsNumberOrEmpty("abc"));
        QVERIFY(!SlipTotals::IsNumberOrEmpty("1e3"));
    }

    void lineAmountRoundsWithTheAmountMode() {
        // 33.3 x 3 is 99.899999... in double arithmetic.
        QCOMPARE(SlipTotals::LineAmount("3", "33.3", Truncate), QStringLiteral("99"));
        QCOMPARE(SlipTotals::LineAmount("3", "33.3", HalfUp), QStringLiteral("100"));
        QCOMPARE(SlipTotals::LineAmount("3", "33.3", RoundUp), QStringLiteral("100"));
        // The magnitude is rounded and the sign put back.
        QCOMPARE(SlipTotals::LineAmount("-2", "1.25", HalfUp), QStringLiteral("-3"));
        QCOMPARE(SlipTotals::LineAmount("-2", "1.25", Truncate), QStringLiteral("-2"));
        QCOMPARE(SlipTotals::LineAmount("-1", "2.1", RoundUp), QStringLiteral("-3"));
        // Binary noise must not push an exact product up a yen (1.1 x 10).
        QCOMPARE(SlipTotals::LineAmount("10", "1.1", RoundUp), QStringLiteral("11"));
        QCOMPARE(SlipTotals::LineAmount("1,000", "1,050.50", Truncate),
                 QStringLiteral("1,050,500"));
        QCOMPARE(SlipTotals::LineAmount("0.5", "3", Truncate), QStringLiteral("1"));
    }

    void lineAmountOfEmptyCells() {
        QCOMPARE(SlipTotals::LineAmount("", "500", Truncate), QStringLiteral("0"));
        QCOMPARE(SlipTotals::LineAmount("4", "", HalfUp), QStringLiteral("0"));
        QCOMPARE(SlipTotals::LineAmount("", "", HalfUp), QString());
        QCOMPARE(SlipTotals::LineAmount("0.00", "0", RoundUp), QString());
        QCOMPARE(SlipTotals::LineAmount("0", "", Truncate), QString());
    }

    void totalsTaxTheSubtotalOnce() {
        // 3 x 1,050 and 1 x 333 at 5 %: tax 174.15.
        QStringList cells(99);
        cells[0] = SlipTotals::LineAmount("3", "1,050.00", Truncate);
        cells[1] = SlipTotals::LineAmount("1", "333", Truncate);
        QCOMPARE(cells[0], QStringLiteral("3,150"));
        auto t = SlipTotals::Calc(cells, 5, Truncate);
        QCOMPARE(t.subtotal, 3483.0);
        QCOMPARE(t.tax, 174.0);
        QCOMPARE(t.total, 3657.0);
        QCOMPARE(Format(t.total, "\\#,#0"), QStringLiteral("¥3,657"));
        QCOMPARE(SlipTotals::Calc(cells, 5, HalfUp).tax, 174.0);
        QCOMPARE(SlipTotals::Calc(cells, 5, RoundUp).tax, 175.0);

        t = SlipTotals::Calc({"1,000"}, 5, Truncate);
        QCOMPARE(t.tax, 50.0);
        QCOMPARE(Format(t.total, "\\#,#0"), QStringLiteral("¥1,050"));

        // Taxed once on the sum, never per line: per line 10 % of 5 and 5 would be 0 + 0.
        QCOMPARE(SlipTotals::Calc({"5", "5"}, 10, Truncate).tax, 1.0);
        // An amount typed by hand counts as shown; empty and foreign cells are skipped.
        t = SlipTotals::Calc({"", "1,001", "abc", "-1"}, 8, HalfUp);
        QCOMPARE(t.subtotal, 1000.0);
        QCOMPARE(t.tax, 80.0);
        // A credit note rounds its tax like any amount: -54.5 half up is -55.
        t = SlipTotals::Calc({"-545"}, 10, HalfUp);
        QCOMPARE(t.tax, -55.0);
        QCOMPARE(t.total, -600.0);
        t = SlipTotals::Calc({"-555"}, 10, Truncate);
        QCOMPARE(t.tax, -55.0);
        QCOMPARE(SlipTotals::Calc({}, 10, RoundUp).total, 0.0);
    }

    void editorShowsThePlainNumber() {
        QCOMPARE(SlipTotals::EditText("1,234.50"), QStringLiteral("1234.5"));
        QCOMPARE(SlipTotals::EditText("1,000.00"), QStringLiteral("1000"));
        QCOMPARE(SlipTotals::EditText("1,000"), QStringLiteral("1000"));
        QCOMPARE(SlipTotals::EditText("0.05"), QStringLiteral("0.05"));
        QCOMPARE(SlipTotals::EditText("-3.10"), QStringLiteral("-3.1"));
        QCOMPARE(SlipTotals::EditText("-0.00"), QStringLiteral("0"));
        QCOMPARE(SlipTotals::EditText("007"), QStringLiteral("7"));
        QCOMPARE(SlipTotals::EditText(""), QString());
        // What the editor shows reads back as the cell's number.
        for (const char* cell : {"12,345,678.25", "0.10", "99"})
            QCOMPARE(SlipTotals::ParseNumber(SlipTotals::EditText(cell)),
                     SlipTotals::ParseNumber(cell));
    }
};

QTEST_GUILESS_MAIN(TestSlipTotals)
#include "tst_sliptotals.moc"
