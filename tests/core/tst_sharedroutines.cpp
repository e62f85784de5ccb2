#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "support/FakeMessageService.h"
#include "support/TestMain.h"

#include <QDate>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

// A slip in these shows up as a wrong amount on a printed invoice or a wrong closing period,
// so the cases are the ones the windows produce (ledger periods, tax rounding, list formats).
namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
} // namespace

class TestSharedRoutines : public QObject {
    Q_OBJECT

private slots:
    void checkChar() {
        // Each refused character once, in table order; full-width characters only when asked.
        const std::tuple<const char*, bool, const char*> cases[] = {
            {"|]![~!!", false, " ! ~ [ ] |"},
            {"｡､*'山田", false, " ' * ､ ｡"},
            {"A-1 (x) ｱ/.,:;<>?_+=`{}\uFF62\uFF9F", true, ""},
            {"山田!#", true, " ! # 漢字(全角)"},
            {"a\u3000b\U0001F600", true, " 漢字(全角)"},
            {"a\tb!", false, " ! 制御文字"}};
        // A NUL would end a text for SQLite's LIKE: refused like any control character.
        QCOMPARE(ForbiddenCharList(QStringLiteral("12") + QChar(0) + QStringLiteral("3"), false),
                 " 制御文字");
        for (const auto& [text, forbidFullWidth, refused] : cases) {
            QCOMPARE(ForbiddenCharList(text, forbidFullWidth), refused);
            // Only when asked, the user is told which characters are refused.
            FakeMessageService messages;
            QCOMPARE(CheckChar(messages, text, "T", false, forbidFullWidth), *refused != 0);
            QCOMPARE(CheckChar(messages, text, "T", true, forbidFullWidth), *refused != 0);
            QCOMPARE(messages.texts().join(""),
                     *refused ? "以下の文字は使用出来ません。\r" + QString(refused) : "");
        }
    }

    void roundFraction_data() {
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("rounded");
        const auto rows = [](int mode, std::initializer_list<std::pair<double, double>> cases) {
            for (const auto& [amount, rounded] : cases)
                QTest::addRow("%.15g mode %d", amount, mode) << amount << mode << rounded;
        };
        // 0 truncates, 1 rounds half up, 2 rounds up, all symmetric about zero.
        rows(0, {{2.99, 2}, {-2.99, -2}});
        rows(1, {{2.5, 3}, {-2.5, -3}, {2.49, 2}});
        rows(2, {{2.01, 3}, {-2.01, -3}, {7, 7}});
        // Binary noise of a decimal product must not cost the customer a yen.
        rows(0, {{1.15 * 100, 115}, {0.285 * 1000, 285}});
        rows(2, {{1.1 * 10, 11}, {-1.1 * 10, -11}});
        // Large whole amounts come back unchanged: a snap to millionths is inexact past 2^53.
        rows(0, {{576461825469, 576461825469}, {1e15 + 0.5, 1e15}});
        rows(1, {{1e15 + 0.5, 1e15 + 1}});
        rows(2, {{1000000000003, 1000000000003}});
        // Never a negative zero, which prints as "-0" on slips.
        rows(2, {{-1e-9, 0}});
        // Other modes, infinities and NaN are left as they are.
        rows(3, {{2.5, 2.5}});
        rows(0, {{kInf, kInf}, {std::nan(""), std::nan("")}});
    }

    void roundFraction() {
        QFETCH(double, amount);
        QFETCH(int, mode);
        QFETCH(double, rounded);
        const double got = RoundFraction(amount, mode);
        // Exact, sign of zero included: QCOMPARE's fuzzy double compare would forgive a yen.
        const bool same = std::isnan(rounded)
                              ? std::isnan(got)
                              : got == rounded && std::signbit(got) == std::signbit(rounded);
        QVERIFY2(same,
                 qPrintable(QString("%1 gave %2").arg(amount, 0, 'g', 17).arg(got, 0, 'g', 17)));
    }

    void calendar() {
        for (int year = 1890; year <= 2410; ++year)
            QCOMPARE(IsLeapYear(year), QDate::isLeapYear(year));
        // Month for 1, day for 2, the year for any other selector; two digits at least.
        QCOMPARE(GetDatePart(20010401, 1) + GetDatePart(20010401, 2) + GetDatePart(10401, 3),
                 "040101");
        // Ledger periods ask for day 0, 31 or 32 of months 0-13: past a month's end clamps, day 0
        // is the day before the 1st, day 32 the next 1st, months 0/13 carry (one step only).
        const auto ymd = [](QDate d) { return d.year() * 10000LL + d.month() * 100 + d.day(); };
        for (int year : {1900, 2000, 2001, 2004}) {
            for (int month = 0; month <= 13; ++month) {
                const QDate first = QDate(year, 1, 1).addMonths(month - 1);
                for (int day : {1, 28, 29, 30, 31})
                    QCOMPARE(MakeYMD(year, month, day),
                             ymd(first.addDays(std::min(day, first.daysInMonth()) - 1)));
                if (month > 0)
                    QCOMPARE(MakeYMD(year, month, 0), ymd(first.addDays(-1)));
                if (month < 13)
                    QCOMPARE(MakeYMD(year, month, 32), ymd(first.addMonths(1)));
            }
        }
        // Stepping past the ends of int's range does not wrap.
        constexpr int top = std::numeric_limits<int>::max();
        QCOMPARE(MakeYMD(top, 12, 32), (top + 1LL) * 10000 + 101);
        QCOMPARE(MakeYMD(top, top, 40), (top + 1LL) * 10000 + 101);
    }

    void orderClause_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("stored"); // Sort and Order, separated by '|'
        QTest::addColumn<QString>("orderBy");
        const auto row = [](const char* prefix, int kind, const char* stored, const char* by) {
            QTest::addRow("%s %d %s", prefix, kind, stored) << prefix << kind << stored << by;
        };
        row("History", 9, "1|1", "IssueYMD");
        row("History", 9, "x|", "DocNumber DESC");
        row("User", 10, "2|0", "Name DESC");    // any non-zero is by name
        row("Sale", 11, "256|-1", "Code DESC"); // out of byte range reads as 0
        row("Unit", 1, " 1 |1", "Name");
        // Each list reads its own keys only.
        row("Goods", 12, "1|1", "Code DESC");
    }

    void orderClause() {
        QFETCH(QString, prefix);
        QFETCH(int, kind);
        QFETCH(QString, stored);
        QFETCH(QString, orderBy);
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath("Norv.ini"));
        settings.save("Sort" + prefix, stored.section('|', 0, 0));
        settings.save("Order" + prefix, stored.section('|', 1));
        QCOMPARE(OrderClause(settings, kind), " ORDER BY " + orderBy);
    }

    void format_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        using Cases = std::initializer_list<std::pair<double, const char*>>;
        const auto rows = [](const QString& pattern, Cases cases) {
            for (const auto& [value, text] : cases)
                QTest::addRow("%s %.15g", qPrintable(pattern), value) << value << pattern << text;
        };
        // Halves of the decimal value round away from zero; what rounds to zero loses its sign.
        rows("#,#0", {{999, "999"}, {1234567, "1,234,567"}, {-999.5, "-1,000"}, {-0.4, "0"}});
        rows("#,#0.00", {{1234.5, "1,234.50"}, {2.675, "2.68"}, {1.005, "1.01"}});
        rows("#,#0.00", {{-2.675, "-2.68"}, {999.995, "1,000.00"}, {-0.005, "-0.01"}});
        rows("#,#0.##", {{1.5, "1.5"}, {10.10, "10.1"}, {1234.567, "1,234.57"}, {1.999, "2"}});
        rows("\\#,#0", {{1000, "¥1,000"}, {-1000, "-¥1,000"}, {-0.2, "¥0"}});
        rows("0/00/00", {{20010315, "2001/03/15"}});
        // Past 2^53 millionths the halves still round away from zero.
        rows("#,#0", {{12345678901, "12,345,678,901"}, {12345678901.5, "12,345,678,902"}});
        rows("#,#0.00", {{12345678901.235, "12,345,678,901.24"}});
        rows("#,#0.00", {{-12345678901.235, "-12,345,678,901.24"}});
        rows("#,#0.##", {{98765432109.995, "98,765,432,110"}});
        // Quantities and prices follow the "Zero" preference.
        rows(SetNumFormat(0), {{12, "12.00"}});
        rows(SetNumFormat(1), {{12, "12"}});
    }

    void format() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QTEST(Format(value, pattern), "text");
    }
};

KIVORA_TEST(TestSharedRoutines)
#include "tst_sharedroutines.moc"
