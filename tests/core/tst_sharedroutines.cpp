#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"
#include "support/FakeMessageService.h"

#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

// The shared routines are the message catalogue, the input check and the arithmetic of
// dates and money that every window relies on; a slip in any of them shows up as a wrong
// amount on a printed invoice or a wrong closing period, so the cases below are the ones
// the windows actually produce (ledger periods, tax and price rounding, list formats).
class TestSharedRoutines : public QObject {
    Q_OBJECT

private slots:
    void showMsgComposesTextAndStyle_data();
    void showMsgComposesTextAndStyle();
    void showMsgReturnsButtonPressed();
    void checkCharReportsInTableOrder();
    void checkCharEachForbiddenCharacter_data();
    void checkCharEachForbiddenCharacter();
    void checkCharFullWidth_data();
    void checkCharFullWidth();
    void checkCharMessageOnlyWhenAsked();
    void stripParen_data();
    void stripParen();
    void roundFraction_data();
    void roundFraction();
    void roundFractionNeverNegativeZero();
    void roundFractionLeavesOddInputAlone();
    void leapYears();
    void datePart_data();
    void datePart();
    void makeYmd_data();
    void makeYmd();
    void orderClauseDefaults();
    void orderClauseStoredChoices_data();
    void orderClauseStoredChoices();
    void orderClauseKeysArePerList();
    void format_data();
    void format();
    void numFormatFollowsZeroSetting();
};

// --- ShowMsg ---------------------------------------------------------------------------

void TestSharedRoutines::showMsgComposesTextAndStyle_data() {
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("cancel");

    const auto icon = [](MsgIcon i) { return static_cast<int>(i); };
    QTest::newRow("file not found, stop, OK only")
        << QStringLiteral("ファイルが") << 9 << 4
        << QStringLiteral("ファイルが見つかりませんでした｡") << icon(MsgIcon::Stop) << false;
    QTest::newRow("enter field, exclamation")
        << QStringLiteral("顧客コード") << 1 << 0 << QStringLiteral("顧客コードを入力して下さい｡")
        << icon(MsgIcon::Exclamation) << false;
    QTest::newRow("overwrite question, exclamation with cancel")
        << QStringLiteral("顧客[001]") << 3 << 1
        << QStringLiteral("顧客[001]は既に存在します､上書きで保存します｡")
        << icon(MsgIcon::Exclamation) << true;
    QTest::newRow("limit, empty subject, information")
        << QString() << 6 << 2 << QStringLiteral("登録限度を超えました｡")
        << icon(MsgIcon::Information) << false;
    QTest::newRow("delete, information with cancel")
        << QStringLiteral("商品[A1]") << 4 << 3 << QStringLiteral("商品[A1]を削除します｡")
        << icon(MsgIcon::Information) << true;
    QTest::newRow("numbers, stop with cancel")
        << QStringLiteral("数量") << 5 << 5 << QStringLiteral("数量は数字を入力して下さい｡")
        << icon(MsgIcon::Stop) << true;
    QTest::newRow("save, question")
        << QStringLiteral("伝票") << 2 << 6 << QStringLiteral("伝票を保存します｡")
        << icon(MsgIcon::Question) << false;
    QTest::newRow("run, question with cancel")
        << QStringLiteral("データ初期化") << 7 << 7 << QStringLiteral("データ初期化を行います｡")
        << icon(MsgIcon::Question) << true;
    QTest::newRow("choose") << QStringLiteral("顧客") << 8 << 0
                            << QStringLiteral("顧客を選択してください｡")
                            << icon(MsgIcon::Exclamation) << false;
    QTest::newRow("save first") << QStringLiteral("伝票") << 10 << 0
                                << QStringLiteral("伝票を保存してください｡")
                                << icon(MsgIcon::Exclamation) << false;
    QTest::newRow("abort") << QStringLiteral("印刷") << 11 << 1
                           << QStringLiteral("印刷を中止します｡") << icon(MsgIcon::Exclamation)
                           << true;
    QTest::newRow("finished") << QStringLiteral("印刷") << 12 << 2
                              << QStringLiteral("印刷が終了しました｡") << icon(MsgIcon::Information)
                              << false;
    QTest::newRow("code 0 is a full sentence")
        << QStringLiteral("完了しました") << 0 << 2 << QStringLiteral("完了しました｡")
        << icon(MsgIcon::Information) << false;
    QTest::newRow("unknown code adds no phrase")
        << QStringLiteral("完了しました") << 13 << 2 << QStringLiteral("完了しました｡")
        << icon(MsgIcon::Information) << false;
    QTest::newRow("kind 8, no icon")
        << QStringLiteral("a") << 0 << 8 << QStringLiteral("a｡") << icon(MsgIcon::None) << false;
    QTest::newRow("kind 9, no icon, cancel")
        << QStringLiteral("a") << 0 << 9 << QStringLiteral("a｡") << icon(MsgIcon::None) << true;
    QTest::newRow("kind 255, no icon, cancel")
        << QStringLiteral("a") << 0 << 255 << QStringLiteral("a｡") << icon(MsgIcon::None) << true;
}

void TestSharedRoutines::showMsgComposesTextAndStyle() {
    QFETCH(QString, subject);
    QFETCH(int, code);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, icon);
    QFETCH(bool, cancel);

    FakeMessageService messages;
    QCOMPARE(ShowMsg(messages, subject, code, kind, QStringLiteral("Kivora")), quint8(1));
    QCOMPARE(messages.count(), 1);
    const MessageRequest& shown = messages.shown().first();
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.title, QStringLiteral("Kivora"));
    QCOMPARE(static_cast<int>(shown.icon), icon);
    QCOMPARE(shown.withCancel, cancel);
}

void TestSharedRoutines::showMsgReturnsButtonPressed() {
    // Callers proceed on 1 and stop on 2, so the two answers must come back distinct.
    FakeMessageService messages;
    messages.answer(MsgCancel);
    messages.answer(MsgOK);
    QCOMPARE(ShowMsg(messages, QStringLiteral("顧客"), 4, 1, QString()), quint8(2));
    QCOMPARE(ShowMsg(messages, QStringLiteral("顧客"), 4, 1, QString()), quint8(1));
    QCOMPARE(messages.count(), 2);
}

// --- CheckChar -------------------------------------------------------------------------

void TestSharedRoutines::checkCharReportsInTableOrder() {
    // The report follows the table, not the text, and names a repeated character once.
    QCOMPARE(ForbiddenCharList(QStringLiteral("a#b!c"), false), QStringLiteral(" ! #"));
    QCOMPARE(ForbiddenCharList(QStringLiteral("|]![~!!"), false), QStringLiteral(" ! ~ [ ] |"));
    QCOMPARE(ForbiddenCharList(QStringLiteral("｡､*'"), false), QStringLiteral(" ' * ､ ｡"));
    QCOMPARE(ForbiddenCharList(QStringLiteral("山田商店 (株) 03-1234-5678"), true),
             QStringLiteral(" 漢字(全角)"));
    QCOMPARE(ForbiddenCharList(QStringLiteral("ABC-123 (x) ｱｲｳ/.,:;<>?_+=-`{}"), true), QString());
}

void TestSharedRoutines::checkCharEachForbiddenCharacter_data() {
    QTest::addColumn<QString>("ch");
    const QString all = QStringLiteral("!\"#$%&'~*､｡@^[]|");
    for (QChar c : all)
        QTest::newRow(qPrintable(QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'))))
            << QString(c);
}

void TestSharedRoutines::checkCharEachForbiddenCharacter() {
    QFETCH(QString, ch);
    FakeMessageService messages;
    const QString text = QStringLiteral("abc") + ch + QStringLiteral("def");
    QVERIFY(CheckChar(messages, text, QString(), false, false));
    QCOMPARE(ForbiddenCharList(text, false), QLatin1Char(' ') + ch);
    // Each of the sixteen is reported on its own, so the table has no duplicates either.
    QCOMPARE(ForbiddenChars().count(ch), 1);
    QCOMPARE(ForbiddenChars().size(), 16);
}

void TestSharedRoutines::checkCharFullWidth_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");

    QTest::newRow("ascii") << QStringLiteral("Tanaka 03-1234") << false;
    QTest::newRow("half-width katakana") << QStringLiteral("ﾀﾅｶ ﾀﾛｳ ｶﾞﾊﾟｰ") << false;
    QTest::newRow("half-width katakana range ends") << QStringLiteral("\uFF62\uFF9F") << false;
    QTest::newRow("hiragana") << QStringLiteral("たなか") << true;
    QTest::newRow("one kanji among ascii") << QStringLiteral("abc田def") << true;
    QTest::newRow("full-width digit") << QStringLiteral("１") << true;
    QTest::newRow("full-width blank") << QStringLiteral("a\u3000b") << true;
    QTest::newRow("emoji") << QStringLiteral("abc\U0001F600") << true;
    QTest::newRow("empty") << QString() << false;
}

void TestSharedRoutines::checkCharFullWidth() {
    QFETCH(QString, text);
    QFETCH(bool, refused);
    FakeMessageService messages;
    QCOMPARE(CheckChar(messages, text, QString(), false, true), refused);
    QCOMPARE(ForbiddenCharList(text, true), refused ? QStringLiteral(" 漢字(全角)") : QString());
    // Without the option the same text passes: none of these holds a table character.
    QVERIFY(!CheckChar(messages, text, QString(), false, false));
    QCOMPARE(messages.count(), 0);
}

void TestSharedRoutines::checkCharMessageOnlyWhenAsked() {
    FakeMessageService messages;
    QVERIFY(CheckChar(messages, QStringLiteral("山田!#"), QStringLiteral("顧客登録"), true, true));
    QCOMPARE(messages.count(), 1);
    const MessageRequest shown = messages.shown().first();
    QCOMPARE(shown.text, QStringLiteral("以下の文字は使用出来ません。\r ! # 漢字(全角)"));
    QCOMPARE(shown.title, QStringLiteral("顧客登録"));
    QCOMPARE(shown.icon, MsgIcon::Stop);
    QVERIFY(!shown.withCancel);

    messages.clear();
    QVERIFY(CheckChar(messages, QStringLiteral("山田!#"), QStringLiteral("顧客登録"), false, true));
    QCOMPARE(messages.count(), 0);

    // An acceptable text says nothing even when asked to.
    QVERIFY(!CheckChar(messages, QStringLiteral("山田商店"), QString(), true, false));
    QCOMPARE(messages.count(), 0);
}

// --- StripParen ------------------------------------------------------------------------

void TestSharedRoutines::stripParen_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("stripped");
    QTest::newRow("menu item") << QStringLiteral("顧客一覧(&U)") << QStringLiteral("顧客一覧");
    QTest::newRow("no paren") << QStringLiteral("終了") << QStringLiteral("終了");
    QTest::newRow("first paren wins")
        << QStringLiteral("印刷(P)設定(&S)") << QStringLiteral("印刷");
    QTest::newRow("leading paren") << QStringLiteral("(&X)") << QString();
    QTest::newRow("full-width paren is text")
        << QStringLiteral("顧客（一覧）") << QStringLiteral("顧客（一覧）");
    QTest::newRow("empty") << QString() << QString();
}

void TestSharedRoutines::stripParen() {
    QFETCH(QString, caption);
    QFETCH(QString, stripped);
    QCOMPARE(StripParen(caption), stripped);
}

// --- RoundFraction ---------------------------------------------------------------------

void TestSharedRoutines::roundFraction_data() {
    QTest::addColumn<double>("amount");
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("rounded");

    QTest::newRow("-2.5 half up") << -2.5 << 1 << -3.0;
    QTest::newRow("2.01 up") << 2.01 << 2 << 3.0;
    QTest::newRow("-2.99 truncate") << -2.99 << 0 << -2.0;
    QTest::newRow("2.5 half up") << 2.5 << 1 << 3.0;
    QTest::newRow("2.49 half up") << 2.49 << 1 << 2.0;
    QTest::newRow("-2.49 half up") << -2.49 << 1 << -2.0;
    QTest::newRow("-2.01 up is away from zero") << -2.01 << 2 << -3.0;
    QTest::newRow("2.99 truncate") << 2.99 << 0 << 2.0;
    QTest::newRow("whole stays, up") << 7.0 << 2 << 7.0;
    QTest::newRow("whole stays, truncate") << -7.0 << 0 << -7.0;
    QTest::newRow("tax 8% of 1,234") << 1234 * 0.08 << 0 << 98.0;
    QTest::newRow("tiny fraction rounds up") << 100.001 << 2 << 101.0;
    // Binary noise of a decimal product must not cost the customer a yen.
    QTest::newRow("1.1 x 10 up") << 1.1 * 10 << 2 << 11.0;
    QTest::newRow("0.1 x 3 x 10 up") << 0.1 * 3 * 10 << 2 << 3.0;
    QTest::newRow("1.15 x 100 truncate") << 1.15 * 100 << 0 << 115.0;
    QTest::newRow("0.285 x 1000 truncate") << 0.285 * 1000 << 0 << 285.0;
    QTest::newRow("1.005 x 1000 half up") << 1.005 * 1000 << 1 << 1005.0;
    QTest::newRow("-1.1 x 10 up") << -1.1 * 10 << 2 << -11.0;
    QTest::newRow("0.5 x 1.1 x 10 half up") << 0.55 * 10 << 1 << 6.0;
    // Large amounts are whole yen already and must come back unchanged in every mode;
    // a snap that works on millionths cannot be exact once those exceed the double's
    // 53 bits.
    QTest::newRow("1e12+3 up") << 1000000000003.0 << 2 << 1000000000003.0;
    QTest::newRow("1.2e14 truncate") << 123456789012380.0 << 0 << 123456789012380.0;
    QTest::newRow("1.2e14 half up") << 123456789012380.0 << 1 << 123456789012380.0;
    QTest::newRow("5.8e11 truncate") << 576461825469.0 << 0 << 576461825469.0;
    QTest::newRow("1e15 + 0.5 half up") << 1e15 + 0.5 << 1 << 1e15 + 1;
    QTest::newRow("1e15 + 0.5 truncate") << 1e15 + 0.5 << 0 << 1e15;
    QTest::newRow("1e300 up") << 1e300 << 2 << 1e300;
    QTest::newRow("-1e300 truncate") << -1e300 << 0 << -1e300;
}

void TestSharedRoutines::roundFraction() {
    QFETCH(double, amount);
    QFETCH(int, mode);
    QFETCH(double, rounded);
    const double got = RoundFraction(amount, mode);
    QVERIFY2(got == rounded, qPrintable(QStringLiteral("%1 mode %2 gave %3, expected %4")
                                            .arg(amount, 0, 'g', 17)
                                            .arg(mode)
                                            .arg(got, 0, 'g', 17)
                                            .arg(rounded, 0, 'g', 17)));
}

void TestSharedRoutines::roundFractionNeverNegativeZero() {
    // A negative zero prints as "-0" on slips; rounding must give plain zero.
    const double cases[][2] = {{-0.4, 0}, {-0.4, 1},  {-0.99, 0},
                               {-0.0, 2}, {-1e-9, 2}, {-0.0000001, 1}};
    for (const auto& c : cases) {
        const double got = RoundFraction(c[0], static_cast<int>(c[1]));
        QCOMPARE(got, 0.0);
        QVERIFY2(!std::signbit(got), qPrintable(QStringLiteral("%1 mode %2").arg(c[0]).arg(c[1])));
    }
}

void TestSharedRoutines::roundFractionLeavesOddInputAlone() {
    for (int mode : {-1, 3, 255}) {
        QCOMPARE(RoundFraction(2.5, mode), 2.5);
        QCOMPARE(RoundFraction(-1.234, mode), -1.234);
    }
    QVERIFY(std::isnan(RoundFraction(std::numeric_limits<double>::quiet_NaN(), 1)));
    QCOMPARE(RoundFraction(std::numeric_limits<double>::infinity(), 0),
             std::numeric_limits<double>::infinity());
    QCOMPARE(RoundFraction(-std::numeric_limits<double>::infinity(), 2),
             -std::numeric_limits<double>::infinity());
}

// --- Dates -----------------------------------------------------------------------------

void TestSharedRoutines::leapYears() {
    QVERIFY(IsLeapYear(2000));
    QVERIFY(IsLeapYear(2004));
    QVERIFY(IsLeapYear(2400));
    QVERIFY(IsLeapYear(1996));
    QVERIFY(!IsLeapYear(1900));
    QVERIFY(!IsLeapYear(2100));
    QVERIFY(!IsLeapYear(2001));
    QVERIFY(!IsLeapYear(2003));
}

void TestSharedRoutines::datePart_data() {
    QTest::addColumn<qint64>("ymd");
    QTest::addColumn<int>("part");
    QTest::addColumn<QString>("text");
    QTest::newRow("month") << qint64(20010401) << 1 << QStringLiteral("04");
    QTest::newRow("day") << qint64(20010401) << 2 << QStringLiteral("01");
    QTest::newRow("year for selector 0") << qint64(20010401) << 0 << QStringLiteral("2001");
    QTest::newRow("year for selector 3") << qint64(20010401) << 3 << QStringLiteral("2001");
    QTest::newRow("december") << qint64(19991231) << 1 << QStringLiteral("12");
    QTest::newRow("31st") << qint64(19991231) << 2 << QStringLiteral("31");
    QTest::newRow("zero month") << qint64(0) << 1 << QStringLiteral("00");
    QTest::newRow("zero day") << qint64(0) << 2 << QStringLiteral("00");
    QTest::newRow("zero year") << qint64(0) << 0 << QStringLiteral("00");
}

void TestSharedRoutines::datePart() {
    QFETCH(qint64, ymd);
    QFETCH(int, part);
    QFETCH(QString, text);
    QCOMPARE(GetDatePart(ymd, part), text);
}

void TestSharedRoutines::makeYmd_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<qint64>("ymd");

    QTest::newRow("plain") << 2001 << 4 << 15 << qint64(20010415);
    // Ledger periods for closing day 31.
    QTest::newRow("start of 2001/01 (day carry, then month)")
        << 2001 << 0 << 32 << qint64(20010101);
    QTest::newRow("end of 2000/02, leap") << 2000 << 2 << 31 << qint64(20000229);
    QTest::newRow("end of 2001/02") << 2001 << 2 << 31 << qint64(20010228);
    QTest::newRow("start of 2000/02") << 2000 << 1 << 32 << qint64(20000201);
    QTest::newRow("type 1, 2001/12 ends in January") << 2001 << 13 << 31 << qint64(20020131);
    QTest::newRow("previous end of 2001/01") << 2001 << 0 << 31 << qint64(20001231);
    // Day 0 is the last day of the month before, clamped where that month is short.
    QTest::newRow("day 0 of January") << 2001 << 1 << 0 << qint64(20001231);
    QTest::newRow("day 0 of March") << 2001 << 3 << 0 << qint64(20010228);
    QTest::newRow("day 0 of March, leap") << 2000 << 3 << 0 << qint64(20000229);
    QTest::newRow("day 0 of May") << 2001 << 5 << 0 << qint64(20010430);
    QTest::newRow("day 0 of August") << 2001 << 8 << 0 << qint64(20010731);
    QTest::newRow("day 32 of December") << 2001 << 12 << 32 << qint64(20020101);
    QTest::newRow("day 32 of February") << 2001 << 2 << 32 << qint64(20010301);
    QTest::newRow("month 0") << 2001 << 0 << 15 << qint64(20001215);
    QTest::newRow("month 13") << 2001 << 13 << 15 << qint64(20020115);
    QTest::newRow("Feb 29, leap") << 2000 << 2 << 29 << qint64(20000229);
    QTest::newRow("Feb 29, not leap") << 2001 << 2 << 29 << qint64(20010228);
    QTest::newRow("Feb 30, leap") << 2004 << 2 << 30 << qint64(20040229);
    QTest::newRow("Feb 29, 1900") << 1900 << 2 << 29 << qint64(19000228);
    QTest::newRow("Feb 31, 2000") << 2000 << 2 << 31 << qint64(20000229);
    QTest::newRow("Feb 28 stays") << 2001 << 2 << 28 << qint64(20010228);
    QTest::newRow("April 31") << 2001 << 4 << 31 << qint64(20010430);
    QTest::newRow("June 31") << 2001 << 6 << 31 << qint64(20010630);
    QTest::newRow("September 31") << 2001 << 9 << 31 << qint64(20010930);
    QTest::newRow("November 31") << 2001 << 11 << 31 << qint64(20011130);
    QTest::newRow("April 30 stays") << 2001 << 4 << 30 << qint64(20010430);
    QTest::newRow("July 31 stays") << 2001 << 7 << 31 << qint64(20010731);
    QTest::newRow("December 31 stays") << 2001 << 12 << 31 << qint64(20011231);
    QTest::newRow("February of next year after carry") << 2003 << 13 << 31 << qint64(20040131);
    QTest::newRow("carry into a leap February") << 2004 << 1 << 32 << qint64(20040201);
}

void TestSharedRoutines::makeYmd() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(qint64, ymd);
    QCOMPARE(MakeYMD(year, month, day), ymd);
}

// --- OrderClause -----------------------------------------------------------------------

void TestSharedRoutines::orderClauseDefaults() {
    // With nothing stored every list is ordered by code, descending (the grids fill from
    // the last record, so the user sees ascending codes).
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("Norv.ini")));
    for (int kind : {0, 1, 2, 3, 4, 10, 11, 12})
        QCOMPARE(OrderClause(settings, kind), QStringLiteral(" ORDER BY Code DESC"));
    QCOMPARE(OrderClause(settings, 9), QStringLiteral(" ORDER BY DocNumber DESC"));
}

void TestSharedRoutines::orderClauseStoredChoices_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("clause");

    QTest::newRow("history by issue date, ascending") << 9 << "1"
                                                      << "1"
                                                      << " ORDER BY IssueYMD";
    QTest::newRow("history by issue date, descending") << 9 << "1"
                                                       << "0"
                                                       << " ORDER BY IssueYMD DESC";
    QTest::newRow("history by number, ascending") << 9 << "0"
                                                  << "1"
                                                  << " ORDER BY DocNumber";
    QTest::newRow("goods by name") << 2 << "1"
                                   << "0"
                                   << " ORDER BY Name DESC";
    QTest::newRow("goods by code, no direction") << 2 << "0"
                                                 << "1"
                                                 << " ORDER BY Code";
    QTest::newRow("staff by name, no direction") << 0 << "1"
                                                 << "1"
                                                 << " ORDER BY Name";
    QTest::newRow("customers, any non-zero sorts by name") << 10 << "2"
                                                           << "0"
                                                           << " ORDER BY Name DESC";
    QTest::newRow("receipts, non-numeric reads as 0") << 12 << "abc"
                                                      << "x"
                                                      << " ORDER BY Code DESC";
    QTest::newRow("sales, out of byte range reads as 0") << 11 << "256"
                                                         << "-1"
                                                         << " ORDER BY Code DESC";
    QTest::newRow("units, blank-padded number") << 1 << " 1 "
                                                << "1"
                                                << " ORDER BY Name";
    QTest::newRow("history, non-numeric") << 9 << "IssueYMD"
                                          << ""
                                          << " ORDER BY DocNumber DESC";
}

void TestSharedRoutines::orderClauseStoredChoices() {
    QFETCH(int, kind);
    QFETCH(QString, sort);
    QFETCH(QString, order);
    QFETCH(QString, clause);
    static const QHash<int, QString> prefixes = {{0, "Charge"}, {1, "Unit"},  {2, "Goods"},
                                                 {3, "Set"},    {4, "Class"}, {9, "History"},
                                                 {10, "User"},  {11, "Sale"}, {12, "Receipt"}};
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("Norv.ini")));
    settings.save(QStringLiteral("Sort") + prefixes.value(kind), sort);
    settings.save(QStringLiteral("Order") + prefixes.value(kind), order);
    QCOMPARE(OrderClause(settings, kind), clause);
}

void TestSharedRoutines::orderClauseKeysArePerList() {
    // Each list reads its own pair of keys: changing one list's choice leaves the rest.
    const QList<QPair<int, QString>> lists = {{0, "Charge"}, {1, "Unit"},  {2, "Goods"},
                                              {3, "Set"},    {4, "Class"}, {9, "History"},
                                              {10, "User"},  {11, "Sale"}, {12, "Receipt"}};
    for (const auto& changed : lists) {
        QTemporaryDir dir;
        SettingsStore settings(dir.filePath(QStringLiteral("Norv.ini")));
        settings.save(QStringLiteral("Sort") + changed.second, 1);
        settings.save(QStringLiteral("Order") + changed.second, 1);
        for (const auto& list : lists) {
            const bool mine = list.first == changed.first;
            const QString column =
                list.first == 9 ? (mine ? "IssueYMD" : "DocNumber") : (mine ? "Name" : "Code");
            QCOMPARE(OrderClause(settings, list.first),
                     QStringLiteral(" ORDER BY ") + column + (mine ? "" : " DESC"));
        }
    }
}

// --- Format ----------------------------------------------------------------------------

void TestSharedRoutines::format_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    const QString amount = QStringLiteral("#,#0");
    QTest::newRow("amount 0") << 0.0 << amount << "0";
    QTest::newRow("amount 999") << 999.0 << amount << "999";
    QTest::newRow("amount 1000") << 1000.0 << amount << "1,000";
    QTest::newRow("amount 1234567") << 1234567.0 << amount << "1,234,567";
    QTest::newRow("amount 12345678901") << 12345678901.0 << amount << "12,345,678,901";
    QTest::newRow("amount half rounds away") << 2.5 << amount << "3";
    QTest::newRow("amount 999.5 carries into a group") << 999.5 << amount << "1,000";
    QTest::newRow("amount -999.5") << -999.5 << amount << "-1,000";
    QTest::newRow("amount -1234") << -1234.0 << amount << "-1,234";
    QTest::newRow("amount -0.4 is 0") << -0.4 << amount << "0";
    QTest::newRow("amount -0.5") << -0.5 << amount << "-1";
    QTest::newRow("amount negative zero") << -0.0 << amount << "0";

    const QString two = QStringLiteral("#,#0.00");
    QTest::newRow("two 0") << 0.0 << two << "0.00";
    QTest::newRow("two 1234.5") << 1234.5 << two << "1,234.50";
    QTest::newRow("two 2.675") << 2.675 << two << "2.68";
    QTest::newRow("two 1.005") << 1.005 << two << "1.01";
    QTest::newRow("two 1.015") << 1.015 << two << "1.02";
    QTest::newRow("two 0.285") << 0.285 << two << "0.29";
    QTest::newRow("two -2.675") << -2.675 << two << "-2.68";
    QTest::newRow("two 1.1 x 3") << 1.1 * 3 << two << "3.30";
    QTest::newRow("two 999.995 carries") << 999.995 << two << "1,000.00";
    QTest::newRow("two -0.004 is 0.00") << -0.004 << two << "0.00";
    QTest::newRow("two -0.005") << -0.005 << two << "-0.01";

    const QString trimmed = QStringLiteral("#,#0.##");
    QTest::newRow("trim 1.5") << 1.5 << trimmed << "1.5";
    QTest::newRow("trim 2") << 2.0 << trimmed << "2";
    QTest::newRow("trim 1000, no dot") << 1000.0 << trimmed << "1,000";
    QTest::newRow("trim 10.10") << 10.10 << trimmed << "10.1";
    QTest::newRow("trim 1234.567") << 1234.567 << trimmed << "1,234.57";
    QTest::newRow("trim 1.005") << 1.005 << trimmed << "1.01";
    QTest::newRow("trim 1.999 carries") << 1.999 << trimmed << "2";
    QTest::newRow("trim 0.001") << 0.001 << trimmed << "0";
    QTest::newRow("trim -0.001") << -0.001 << trimmed << "0";
    QTest::newRow("trim -0.25") << -0.25 << trimmed << "-0.25";

    const QString yen = QStringLiteral("\\#,#0");
    QTest::newRow("yen 1000") << 1000.0 << yen << QStringLiteral("¥1,000");
    QTest::newRow("yen -1000") << -1000.0 << yen << QStringLiteral("-¥1,000");
    QTest::newRow("yen 0") << 0.0 << yen << QStringLiteral("¥0");
    QTest::newRow("yen -0.2") << -0.2 << yen << QStringLiteral("¥0");
    QTest::newRow("yen 1234567.5") << 1234567.5 << yen << QStringLiteral("¥1,234,568");

    const QString date = QStringLiteral("0/00/00");
    QTest::newRow("date 2001/03/15") << 20010315.0 << date << "2001/03/15";
    QTest::newRow("date 1999/12/31") << 19991231.0 << date << "1999/12/31";
    QTest::newRow("date 2000/01/01") << 20000101.0 << date << "2000/01/01";
}

void TestSharedRoutines::format() {
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(Format(value, pattern), text);
}

void TestSharedRoutines::numFormatFollowsZeroSetting() {
    QCOMPARE(Format(1.5, SetNumFormat(0)), QStringLiteral("1.50"));
    QCOMPARE(Format(1.5, SetNumFormat(1)), QStringLiteral("1.5"));
    QCOMPARE(Format(12, SetNumFormat(0)), QStringLiteral("12.00"));
    QCOMPARE(Format(12, SetNumFormat(1)), QStringLiteral("12"));
}

QTEST_GUILESS_MAIN(TestSharedRoutines)
#include "tst_sharedroutines.moc"
