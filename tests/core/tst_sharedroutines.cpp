#include "support/TestMain.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "support/FakeMessageService.h"

#include <QDate>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>
#include <map>

// A slip in these shows up as a wrong amount on a printed invoice or a wrong closing period,
// so the cases are the ones the windows produce (ledger periods, tax rounding, list formats).
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
// The Sort/Order key prefix of each list kind, as the options window stores them.
const std::map<int, QString> kLists = {{0, "Charge"}, {1, "Unit"},  {2, "Goods"},
                                       {3, "Set"},    {4, "Class"}, {9, "History"},
                                       {10, "User"},  {11, "Sale"}, {12, "Receipt"}};

} // namespace

class TestSharedRoutines : public QObject {
    Q_OBJECT

private slots:
    void showMsgComposesTextAndStyle_data() {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<MsgIcon>("icon");
        QTest::addColumn<bool>("cancel");
        const auto row = [](const char* subject, int code, int kind, const char* text, MsgIcon icon,
                            bool cancel) {
            QTest::addRow("code %d kind %d", code, kind) << QString(subject) << code << kind
                                                         << QString(text) << icon << cancel;
        };
        using enum MsgIcon;
        row("顧客コード", 1, 0, "顧客コードを入力して下さい｡", Exclamation, false);
        row("伝票", 2, 6, "伝票を保存します｡", Question, false);
        row("顧客[001]", 3, 1, "顧客[001]は既に存在します､上書きで保存します｡", Exclamation, true);
        row("商品[A1]", 4, 3, "商品[A1]を削除します｡", Information, true);
        row("数量", 5, 5, "数量は数字を入力して下さい｡", Stop, true);
        row("", 6, 2, "登録限度を超えました｡", Information, false);
        row("データ初期化", 7, 7, "データ初期化を行います｡", Question, true);
        row("顧客", 8, 0, "顧客を選択してください｡", Exclamation, false);
        row("ファイルが", 9, 4, "ファイルが見つかりませんでした｡", Stop, false);
        row("伝票", 10, 0, "伝票を保存してください｡", Exclamation, false);
        row("印刷", 11, 1, "印刷を中止します｡", Exclamation, true);
        row("印刷", 12, 2, "印刷が終了しました｡", Information, false);
        // Code 0 (a full sentence) and unknown codes add no phrase; unknown kinds show no icon.
        row("完了しました", 0, 2, "完了しました｡", Information, false);
        row("完了しました", 13, 2, "完了しました｡", Information, false);
        row("a", 0, 8, "a｡", None, false);
        row("a", 0, 9, "a｡", None, true);
        row("a", 0, 255, "a｡", None, true);
    }

    void showMsgComposesTextAndStyle() {
        QFETCH(QString, subject);
        QFETCH(int, code);
        QFETCH(int, kind);
        FakeMessageService messages;
        QCOMPARE(ShowMsg(messages, subject, code, kind, "Kivora"), quint8(1));
        QCOMPARE(messages.count(), 1);
        const MessageRequest& shown = messages.shown().first();
        QTEST(shown.text, "text");
        QCOMPARE(shown.title, "Kivora");
        QTEST(shown.icon, "icon");
        QTEST(shown.withCancel, "cancel");
    }

    void showMsgReturnsButtonPressed() {
        // Callers proceed on 1 and stop on 2, so the two answers must come back distinct.
        FakeMessageService messages;
        messages.answer(MsgCancel);
        messages.answer(MsgOK);
        QCOMPARE(ShowMsg(messages, "顧客", 4, 1, QString()), quint8(2));
        QCOMPARE(ShowMsg(messages, "顧客", 4, 1, QString()), quint8(1));
        QCOMPARE(messages.count(), 2);
    }

    void checkCharRefusesTableCharacters() {
        // The report follows the table, not the text, and names a repeated character once.
        QCOMPARE(ForbiddenCharList("a#b!c", false), " ! #");
        QCOMPARE(ForbiddenCharList("|]![~!!", false), " ! ~ [ ] |");
        QCOMPARE(ForbiddenCharList("｡､*'", false), " ' * ､ ｡");
        QCOMPARE(ForbiddenCharList("山田商店 (株) 03-1234-5678", true), " 漢字(全角)");
        QCOMPARE(ForbiddenCharList("ABC-123 (x) ｱｲｳ/.,:;<>?_+=-`{}", true), QString());
        FakeMessageService messages;
        for (QChar c : QString("!\"#$%&'~*､｡@^[]|")) {
            const QString text = "abc" + QString(c) + "def";
            QVERIFY2(CheckChar(messages, text, QString(), false, false), qPrintable(text));
            QCOMPARE(ForbiddenCharList(text, false), ' ' + QString(c));
        }
        QCOMPARE(messages.count(), 0);
        // Only when asked, the user is told which characters are refused.
        QVERIFY(CheckChar(messages, "山田!#", "顧客登録", true, true));
        QCOMPARE(messages.count(), 1);
        const MessageRequest shown = messages.shown().first();
        QCOMPARE(shown.text, "以下の文字は使用出来ません。\r ! # 漢字(全角)");
        QCOMPARE(shown.title, "顧客登録");
        QCOMPARE(shown.icon, MsgIcon::Stop);
        QVERIFY(!shown.withCancel);
        // An acceptable text says nothing even when asked to.
        QVERIFY(!CheckChar(messages, "山田商店", QString(), true, false));
        QCOMPARE(messages.count(), 1);
    }

    void checkCharFullWidth_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("ascii") << "Tanaka 03-1234" << false;
        QTest::newRow("half-width katakana") << "ﾀﾅｶ ﾀﾛｳ ｶﾞﾊﾟｰ" << false;
        QTest::newRow("half-width katakana range ends") << "\uFF62\uFF9F" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("hiragana") << "たなか" << true;
        QTest::newRow("one kanji among ascii") << "abc田def" << true;
        QTest::newRow("full-width digit") << "１" << true;
        QTest::newRow("full-width blank") << "a\u3000b" << true;
        QTest::newRow("emoji") << "abc\U0001F600" << true;
    }

    void checkCharFullWidth() {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        FakeMessageService messages;
        QCOMPARE(CheckChar(messages, text, QString(), false, true), refused);
        QCOMPARE(ForbiddenCharList(text, true), refused ? " 漢字(全角)" : QString());
        // Without the option the same text passes: none of these holds a table character.
        QVERIFY(!CheckChar(messages, text, QString(), false, false));
        QCOMPARE(messages.count(), 0);
    }

    void stripParen() {
        // The first "(" cuts; a full-width one is part of the text.
        const QList<QPair<QString, QString>> cases = {
            {"顧客一覧(&U)", "顧客一覧"}, {"終了", "終了"},         {"印刷(P)設定(&S)", "印刷"},
            {"(&X)", ""},                  {"顧客（一覧）", "顧客（一覧）"}, {"", ""}};
        for (const auto& [caption, stripped] : cases)
            QCOMPARE(StripParen(caption), stripped);
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
        rows(0, {{2.99, 2}, {-2.99, -2}, {-7, -7}, {1234 * 0.08, 98}});
        rows(1, {{2.5, 3}, {-2.5, -3}, {2.49, 2}, {-2.49, -2}});
        rows(2, {{2.01, 3}, {-2.01, -3}, {7, 7}, {100.001, 101}});
        // Binary noise of a decimal product must not cost the customer a yen.
        rows(0, {{1.15 * 100, 115}, {0.285 * 1000, 285}});
        rows(1, {{1.005 * 1000, 1005}, {0.55 * 10, 6}});
        rows(2, {{1.1 * 10, 11}, {0.1 * 3 * 10, 3}, {-1.1 * 10, -11}});
        // Large whole amounts come back unchanged: a snap to millionths is inexact past 2^53.
        const double big = 123456789012380;
        rows(0, {{big, big}, {576461825469, 576461825469}, {1e15 + 0.5, 1e15}, {-1e300, -1e300}});
        rows(1, {{big, big}, {1e15 + 0.5, 1e15 + 1}});
        rows(2, {{1000000000003, 1000000000003}, {1e300, 1e300}});
        // Never a negative zero, which prints as "-0" on slips.
        rows(0, {{-0.4, 0}, {-0.99, 0}});
        rows(1, {{-0.4, 0}, {-0.0000001, 0}});
        rows(2, {{-0.0, 0}, {-1e-9, 0}});
        // Other modes, infinities and NaN are left as they are.
        for (int mode : {-1, 3, 255})
            rows(mode, {{2.5, 2.5}, {-1.234, -1.234}});
        rows(0, {{kInf, kInf}});
        rows(2, {{-kInf, -kInf}});
        rows(1, {{std::nan(""), std::nan("")}});
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
        const QString message = QString("%1 gave %2").arg(amount, 0, 'g', 17).arg(got, 0, 'g', 17);
        QVERIFY2(same, qPrintable(message));
    }

    void leapYears() {
        for (int year = 1890; year <= 2410; ++year)
            QCOMPARE(IsLeapYear(year), QDate::isLeapYear(year));
    }

    void datePart() {
        // Month for 1, day for 2, the year for any other selector; two digits at least.
        const struct { qint64 ymd; int part; const char* text; } cases[] = {
            {20010401, 1, "04"}, {20010401, 2, "01"}, {20010401, 0, "2001"}, {20010401, 3, "2001"},
            {19991231, 1, "12"}, {19991231, 2, "31"}, {0, 1, "00"}, {0, 2, "00"}, {0, 0, "00"}};
        for (const auto& c : cases)
            QCOMPARE(GetDatePart(c.ymd, c.part), c.text);
    }

    void makeYmdAgreesWithTheCalendar() {
        // Ledger periods ask for day 0, 31 or 32 of months 0-13: past a month's end clamps, day 0
        // is the day before the 1st, day 32 the next 1st, months 0/13 carry (one step only).
        const auto ymd = [](QDate d) { return d.year() * 10000LL + d.month() * 100 + d.day(); };
        for (int year : {1900, 2000, 2001, 2003, 2004}) {
            for (int month = 0; month <= 13; ++month) {
                const QDate first = QDate(year, 1, 1).addMonths(month - 1);
                for (int day : {1, 15, 28, 29, 30, 31})
                    QCOMPARE(MakeYMD(year, month, day),
                             ymd(first.addDays(std::min(day, first.daysInMonth()) - 1)));
                if (month > 0)
                    QCOMPARE(MakeYMD(year, month, 0), ymd(first.addDays(-1)));
                if (month < 13)
                    QCOMPARE(MakeYMD(year, month, 32), ymd(first.addMonths(1)));
            }
        }
    }

    void orderClauseStoredChoices_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("sort");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("orderBy");
        QTest::newRow("history by issue date, ascending") << 9 << "1" << "1" << "IssueYMD";
        QTest::newRow("history by issue date, descending") << 9 << "1" << "0" << "IssueYMD DESC";
        QTest::newRow("history by number, ascending") << 9 << "0" << "1" << "DocNumber";
        QTest::newRow("history, non-numeric") << 9 << "IssueYMD" << "" << "DocNumber DESC";
        QTest::newRow("goods by name") << 2 << "1" << "0" << "Name DESC";
        QTest::newRow("goods by code, no direction") << 2 << "0" << "1" << "Code";
        QTest::newRow("staff by name, no direction") << 0 << "1" << "1" << "Name";
        QTest::newRow("customers, any non-zero is by name") << 10 << "2" << "0" << "Name DESC";
        QTest::newRow("receipts, non-numeric reads as 0") << 12 << "abc" << "x" << "Code DESC";
        QTest::newRow("sales, out of byte range reads as 0") << 11 << "256" << "-1" << "Code DESC";
        QTest::newRow("units, blank-padded number") << 1 << " 1 " << "1" << "Name";
    }

    void orderClauseStoredChoices() {
        QFETCH(int, kind);
        QFETCH(QString, sort);
        QFETCH(QString, order);
        QFETCH(QString, orderBy);
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath("Norv.ini"));
        settings.save("Sort" + kLists.at(kind), sort);
        settings.save("Order" + kLists.at(kind), order);
        QCOMPARE(OrderClause(settings, kind), " ORDER BY " + orderBy);
    }

    void orderClauseKeysArePerList() {
        // Each list reads its own keys: one list's choice leaves the rest at the default, code
        // descending (the grids fill from the last record, so the user sees ascending codes).
        for (const auto& [changed, prefix] : kLists) {
            QTemporaryDir dir;
            SettingsStore settings(dir.filePath("Norv.ini"));
            settings.save("Sort" + prefix, 1);
            settings.save("Order" + prefix, 1);
            for (const auto& [kind, unused] : kLists) {
                const bool mine = kind == changed;
                const QString by = kind != 9 ? (mine ? "Name" : "Code DESC")
                                             : (mine ? "IssueYMD" : "DocNumber DESC");
                QCOMPARE(OrderClause(settings, kind), " ORDER BY " + by);
            }
        }
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
        rows("#,#0", {{0, "0"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"},
                      {12345678901, "12,345,678,901"}, {2.5, "3"}, {999.5, "1,000"},
                      {-999.5, "-1,000"}, {-1234, "-1,234"}, {-0.4, "0"}, {-0.5, "-1"},
                      {-0.0, "0"}});
        rows("#,#0.00", {{0, "0.00"}, {1234.5, "1,234.50"}, {2.675, "2.68"}, {1.005, "1.01"},
                         {1.015, "1.02"}, {0.285, "0.29"}, {-2.675, "-2.68"}, {1.1 * 3, "3.30"},
                         {999.995, "1,000.00"}, {-0.004, "0.00"}, {-0.005, "-0.01"}});
        rows("#,#0.##", {{1.5, "1.5"}, {2, "2"}, {1000, "1,000"}, {10.10, "10.1"},
                         {1234.567, "1,234.57"}, {1.005, "1.01"}, {1.999, "2"}, {0.001, "0"},
                         {-0.001, "0"}, {-0.25, "-0.25"}});
        rows("\\#,#0", {{1000, "¥1,000"}, {-1000, "-¥1,000"}, {0, "¥0"}, {-0.2, "¥0"},
                        {1234567.5, "¥1,234,568"}});
        rows("0/00/00",
             {{20010315, "2001/03/15"}, {19991231, "1999/12/31"}, {20000101, "2000/01/01"}});
        // Quantities and prices follow the "Zero" preference.
        rows(SetNumFormat(0), {{2.5, "2.50"}, {12, "12.00"}});
        rows(SetNumFormat(1), {{2.5, "2.5"}, {12, "12"}});
    }

    void format() {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QTEST(Format(value, pattern), "text");
    }
};

KIVORA_TEST(TestSharedRoutines)
#include "tst_sharedroutines.moc"
