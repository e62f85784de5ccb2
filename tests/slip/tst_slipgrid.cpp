// The line grid of the slip window on its own: editors opened by typing and by control
// keys, commits with their formats and refusals, goods and set lookup, amounts and
// totals with their rounding, the arrow keys, the search button and the line commands.
#include "core/Database.h"
#include "core/WidgetRoutines.h"
#include "documents/SlipGrid.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db;
    QWidget host;
    SlipGrid* grid = nullptr;
    QLineEdit* other = nullptr;
    QList<SlipTotals::Totals> reported;

    Fixture() {
        db = env.openMain();
        AppState& s = env.state;
        s.DbMain = db.get();
        s.AppTitle = QStringLiteral("Kivora");
        s.gCaption = QStringLiteral("納品書");
        s.gExcise = 5;
        s.gFraction = 0;
        s.gPriceFraction = 0;
        exec("INSERT INTO 単位 (Code, Unit) VALUES ('01', '個'), ('02', '箱'), ('03', '式')");
        exec("INSERT INTO 商品 (Code, Name, UnitPrice, Unit) VALUES "
             "('A001', '鉛筆', 1050, '箱'), ('A002', '消しゴム', 333, '個'), "
             "('B001', 'ノート', 33.3, '個'), ('C001', '定規', 120, '個')");
        exec("INSERT INTO セット商品 (Code, Name, UnitPrice, Unit) VALUES "
             "('S01', '文具セット', 1500, '式'), ('A001X', '別セット', 10, '式')");
        exec("INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, UnitPrice, Unit) VALUES "
             "('S01', 2, 'A002', '消しゴム', 333, '個'), ('S01', 1, 'A001', '鉛筆', 1050, '箱'), "
             "('S01', 3, 'B001', 'ノート', 33.3, '個'), ('S01', 4, 'C001', '定規', 120, '個')");
        grid = new SlipGrid(s, &host);
        other = new QLineEdit(&host);
        auto* layout = new QVBoxLayout(&host);
        layout->addWidget(grid);
        layout->addWidget(other);
        LoadUnit(grid->ComboGrid, *db);
        QObject::connect(grid, &SlipGrid::totalsChanged,
                         [this](const SlipTotals::Totals& t) { reported << t; });
        host.resize(700, 500);
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        grid->setFocus();
    }
    void exec(const char* sql) { db->exec(QString::fromUtf8(sql)); }
    // Types `text` on the grid the way a user does: the first key opens the editor, the
    // rest goes into it; Enter takes it.
    void type(int line, int column, const QString& text, bool enter = true) {
        grid->setCurrentLine(line, column);
        grid->setFocus();
        key(grid, text.at(0));
        for (QChar c : text.mid(1))
            key(grid->TextGrid, c);
        if (enter)
            QTest::keyClick(grid->TextGrid, Qt::Key_Return);
    }
    // keyClick refuses characters beyond Latin-1; those arrive as text-only key events.
    static void key(QWidget* w, QChar c) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QString cell(int line, int column) const { return grid->cell(line, column); }
    QStringList lineCells(int line) const {
        QStringList cells;
        for (int c = 1; c <= 7; ++c)
            cells << grid->cell(line, c);
        return cells;
    }
};

} // namespace

class TestSlipGrid : public QObject {
    Q_OBJECT

private slots:
    void gridShape() {
        Fixture f;
        QCOMPARE(f.grid->rowCount(), 99);
        QCOMPARE(f.grid->columnCount(), 8);
        QCOMPARE(f.grid->horizontalHeaderItem(2)->text(), QStringLiteral("品名 / 項目"));
        // At least the design width (twips / 15), and wide enough for the header and for
        // line number 99; the name column stretches.
        QVERIFY(f.grid->columnWidth(2) >= 216);
        QVERIFY(f.grid->columnWidth(7) >= 96);
        const QFontMetrics metrics(f.grid->font());
        QVERIFY(f.grid->columnWidth(0) > metrics.horizontalAdvance(QStringLiteral("99")));
        QVERIFY(f.grid->columnWidth(1) > metrics.horizontalAdvance(QStringLiteral("商品番号")));
        QCOMPARE(f.grid->item(98, 0)->text(), QStringLiteral("99"));
        // The rows are as high as the unit list, so that the list covers a cell.
        QCOMPARE(f.grid->rowHeight(0), f.grid->ComboGrid->sizeHint().height());
        // The line numbers never become the current cell.
        f.grid->setCurrentCell(4, 0);
        QCOMPARE(f.grid->currentLine(), 5);
        QCOMPARE(f.grid->currentColumn(), 1);
    }

    void typingReplacesControlKeysKeep() {
        Fixture f;
        f.grid->setCell(2, 7, QStringLiteral("至急"));
        f.grid->setCurrentLine(2, 7);
        QTest::keyClick(f.grid, 'x');
        QVERIFY(!f.grid->TextGrid->isHidden());
        QCOMPARE(f.grid->TextGrid->text(), QStringLiteral("x"));
        // Esc drops the typed text: the cell keeps what it had.
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Escape);
        QVERIFY(f.grid->TextGrid->isHidden());
        QCOMPARE(f.cell(2, 7), QStringLiteral("至急"));
        QCOMPARE(QApplication::focusWidget(), f.grid);
        // Enter and a double click open the editor on the cell's text.
        QTest::keyClick(f.grid, Qt::Key_Return);
        QCOMPARE(f.grid->TextGrid->text(), QStringLiteral("至急"));
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Escape);
        const QRect rect = f.grid->visualRect(f.grid->model()->index(1, 7));
        QTest::mouseDClick(f.grid->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(!f.grid->TextGrid->isHidden());
        QCOMPARE(f.grid->TextGrid->text(), QStringLiteral("至急"));
        QCOMPARE(f.grid->TextGrid->geometry(), rect);
        // A Japanese character typed on the grid replaces the cell as well.
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Escape);
        QTest::sendKeyEvent(QTest::Click, f.grid, Qt::Key_unknown, QStringLiteral("急"),
                            Qt::NoModifier);
        QCOMPARE(f.grid->TextGrid->text(), QStringLiteral("急"));
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Return);
        QCOMPARE(f.cell(2, 7), QStringLiteral("急"));
        // A composition started on the grid moves into an emptied editor and commits there.
        f.grid->setCell(3, 2, QStringLiteral("古い品名"));
        f.grid->setCurrentLine(3, 2);
        QInputMethodEvent preedit(QStringLiteral("やま"), {});
        QCoreApplication::sendEvent(f.grid, &preedit);
        QVERIFY(!f.grid->TextGrid->isHidden());
        QVERIFY(f.grid->TextGrid->text().isEmpty());
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("山"));
        QCoreApplication::sendEvent(QApplication::focusWidget(), &commit);
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Return);
        QCOMPARE(f.cell(3, 2), QStringLiteral("山"));
    }

    void numberCells() {
        Fixture f;
        f.type(1, 3, QStringLiteral("1,000"));
        QCOMPARE(f.cell(1, 3), QStringLiteral("1,000.00"));
        // A number cell opens without separators and trailing zeros.
        f.grid->setCell(1, 5, QStringLiteral("1,234.50"));
        f.grid->setCurrentLine(1, 5);
        QTest::keyClick(f.grid, Qt::Key_Return);
        QCOMPARE(f.grid->TextGrid->text(), QStringLiteral("1234.5"));
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Return);
        QCOMPARE(f.cell(1, 6), QStringLiteral("1,234,500"));
        // The trimmed format drops the zeros of whole numbers.
        f.env.state.NumFormat = QStringLiteral("#,#0.##");
        f.type(2, 3, QStringLiteral("1000"));
        QCOMPARE(f.cell(2, 3), QStringLiteral("1,000"));
        // An amount typed by hand counts as typed and is formatted as an amount.
        f.type(3, 6, QStringLiteral("2500.4"));
        QCOMPARE(f.cell(3, 6), QStringLiteral("2,500"));
        QVERIFY(f.env.messages.texts().isEmpty());
    }

    void refusedNumber_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("message");
        QTest::newRow("quantity") << 3 << QStringLiteral("数量は数字を入力して下さい｡");
        QTest::newRow("unit price") << 5 << QStringLiteral("単価は数字を入力して下さい｡");
        QTest::newRow("amount") << 6 << QStringLiteral("金額は数字を入力して下さい｡");
    }
    void refusedNumber() {
        QFETCH(int, column);
        QFETCH(QString, message);
        Fixture f;
        f.grid->setCell(4, column, QStringLiteral("7.00"));
        f.type(4, column, QStringLiteral("abc"), false);
        QVERIFY(!f.grid->EditCommit());
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(f.env.messages.texts(), QStringList{message});
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("納品書"));
        QVERIFY(f.cell(4, column).isEmpty());
        QVERIFY(f.grid->TextGrid->text().isEmpty());
        QVERIFY(f.grid->TextGrid->isHidden());
        // With nothing open a commit has nothing to refuse.
        QVERIFY(f.grid->EditCommit());
    }

    void codeLookup() {
        Fixture f;
        f.type(1, 1, QStringLiteral("A001"));
        QCOMPARE(f.lineCells(1), (QStringList{"A001", "鉛筆", "", "箱", "1,050.00", "0", ""}));
        // A quantity completes the amount; a set code takes the set as one line.
        f.type(1, 3, QStringLiteral("3"));
        QCOMPARE(f.cell(1, 6), QStringLiteral("3,150"));
        f.type(2, 1, QStringLiteral("S01"));
        QCOMPARE(f.lineCells(2), (QStringList{"S01", "文具セット", "", "式", "1,500.00", "0", ""}));
        // Goods come before sets when both could match.
        f.type(3, 1, QStringLiteral("A001"));
        QCOMPARE(f.cell(3, 2), QStringLiteral("鉛筆"));
        // An unknown code empties code, name, unit and price; quantity and amount stay.
        f.type(1, 1, QStringLiteral("ZZ9"));
        QCOMPARE(f.lineCells(1), (QStringList{"", "", "3.00", "", "", "3,150", ""}));
        // A forbidden character drops the code without a word.
        f.type(4, 1, QStringLiteral("A#1"));
        QVERIFY(f.cell(4, 1).isEmpty());
        QVERIFY(f.env.messages.texts().isEmpty());
        // The code field keeps 8 bytes.
        f.type(5, 1, QStringLiteral("C0010000000"), false);
        QCOMPARE(f.grid->TextGrid->text(), QStringLiteral("C0010000"));
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Escape);
        // A cleared name takes the code with it.
        f.type(2, 2, QStringLiteral("x"), false);
        f.grid->TextGrid->clear();
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Return);
        QVERIFY(f.cell(2, 1).isEmpty());
        QVERIFY(f.cell(2, 2).isEmpty());
        QCOMPARE(f.cell(2, 5), QStringLiteral("1,500.00"));
    }

    void amountsAndTotals() {
        Fixture f;
        f.grid->setCell(1, 3, QStringLiteral("3.00"));
        f.type(1, 5, QStringLiteral("1050"));
        f.grid->setCell(2, 3, QStringLiteral("1.00"));
        f.type(2, 5, QStringLiteral("333"));
        // 3,483 at 5 %: tax 174.15 is truncated to 174.
        QCOMPARE(f.grid->totals().subtotal, 3483.0);
        QCOMPARE(f.grid->totals().tax, 174.0);
        QCOMPARE(f.reported.last().total, 3657.0);
        // 33.3 × 3 is 99.8999… in double arithmetic: truncated 99, half up 100.
        f.grid->setCell(3, 3, QStringLiteral("3"));
        f.type(3, 5, QStringLiteral("33.3"));
        QCOMPARE(f.cell(3, 6), QStringLiteral("99"));
        f.env.state.gPriceFraction = 1;
        f.grid->CalcSubTotal(3);
        QCOMPARE(f.cell(3, 6), QStringLiteral("100"));
        // −2 × 1.25 half up is −3.
        f.type(4, 3, QStringLiteral("-2"));
        f.type(4, 5, QStringLiteral("1.25"));
        QCOMPARE(f.cell(4, 6), QStringLiteral("-3"));
        // A price without quantity gives 0, both empty give nothing.
        f.type(5, 5, QStringLiteral("500"));
        QCOMPARE(f.cell(5, 6), QStringLiteral("0"));
        f.type(5, 5, QStringLiteral(" "), false);
        f.grid->TextGrid->clear();
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Return);
        QVERIFY(f.cell(5, 6).isEmpty());
        QCOMPARE(f.grid->totals().subtotal, 3483.0 + 100 - 3);
    }

    void arrowKeys() {
        Fixture f;
        f.type(98, 7, QStringLiteral("a"), false);
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Down);
        QCOMPARE(f.cell(98, 7), QStringLiteral("a"));
        QCOMPARE(f.grid->currentLine(), 99);
        // Down on the last line commits and stays there.
        f.type(99, 7, QStringLiteral("b"), false);
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Down);
        QCOMPARE(f.cell(99, 7), QStringLiteral("b"));
        QCOMPARE(f.grid->currentLine(), 99);
        QVERIFY(f.grid->TextGrid->isHidden());
        QTest::keyClick(f.grid, Qt::Key_Down);
        QCOMPARE(f.grid->currentLine(), 99);
        f.type(1, 7, QStringLiteral("c"), false);
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Up);
        QCOMPARE(f.cell(1, 7), QStringLiteral("c"));
        QCOMPARE(f.grid->currentLine(), 1);
        f.type(5, 7, QStringLiteral("d"), false);
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Up);
        QCOMPARE(f.grid->currentLine(), 4);
    }

    void unitList() {
        Fixture f;
        f.grid->setCell(3, 4, QStringLiteral("個"));
        f.grid->setCurrentLine(3, 4);
        QTest::keyClick(f.grid, Qt::Key_Return);
        QVERIFY(!f.grid->ComboGrid->isHidden());
        QVERIFY(f.grid->TextGrid->isHidden());
        QCOMPARE(f.grid->ComboGrid->currentText(), QStringLiteral("個"));
        // Up and Down move through the list, not through the lines.
        QTest::keyClick(f.grid->ComboGrid, Qt::Key_Down);
        QTest::keyClick(f.grid->ComboGrid, Qt::Key_Down);
        QCOMPARE(f.grid->currentLine(), 3);
        QTest::keyClick(f.grid->ComboGrid, Qt::Key_Return);
        QCOMPARE(f.cell(3, 4), QStringLiteral("式"));
        QVERIFY(f.grid->ComboGrid->isHidden());
        // Leaving the list for another field takes its choice too.
        QTest::keyClick(f.grid, Qt::Key_Return);
        QTest::keyClick(f.grid->ComboGrid, Qt::Key_Up);
        f.other->setFocus();
        QCOMPARE(f.cell(3, 4), QStringLiteral("箱"));
    }

    void focusLossCommits() {
        Fixture f;
        f.type(2, 2, QStringLiteral("手書きの品名"), false);
        // The first key opens the editor; the text typed after it goes into the editor.
        QCOMPARE(f.grid->TextGrid->text(), QStringLiteral("手書きの品名"));
        QVERIFY(!f.grid->BtnGrid->isHidden());
        f.other->setFocus();
        QVERIFY(f.grid->TextGrid->isHidden());
        QVERIFY(f.grid->BtnGrid->isHidden());
        QCOMPARE(f.cell(2, 2), QStringLiteral("手書きの品名"));
    }

    void searchButton() {
        Fixture f;
        int asked = 0;
        QString answer = QStringLiteral("False");
        f.env.state.gMode = 9;
        int modes = 0;
        f.grid->goodsSearch = [&] {
            ++asked;
            modes += f.env.state.gMode; // the line editor asks with mode 0
            f.env.state.gWork[0] =
                answer == "True" ? QStringLiteral("S01") : QStringLiteral("C001");
            f.env.state.gWork[1] = QStringLiteral("定規");
            f.env.state.gWork[2] = QStringLiteral("120");
            f.env.state.gWork[3] = QStringLiteral("個");
            f.env.state.gHandOff = answer;
            f.env.state.gResult = asked == 3 ? -1 : 0;
            return asked != 3;
        };
        // The button shows in the name column only.
        f.type(2, 1, QStringLiteral("x"), false);
        QVERIFY(f.grid->BtnGrid->isHidden());
        QTest::keyClick(f.grid->TextGrid, Qt::Key_F7);
        QCOMPARE(asked, 0);
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Escape);
        f.grid->setCell(2, 3, QStringLiteral("2.00"));
        f.type(2, 2, QStringLiteral("x"), false);
        QTest::keyClick(f.grid->TextGrid, Qt::Key_F7);
        QCOMPARE(asked, 1);
        QCOMPARE(f.lineCells(2), (QStringList{"C001", "定規", "2.00", "個", "120.00", "240", ""}));
        QCOMPARE(f.grid->TextGrid->text(), QStringLiteral("定規"));
        QCOMPARE(f.grid->totals().subtotal, 240.0);
        // A set to be expanded fills its components from the current line down.
        answer = QStringLiteral("True");
        f.grid->setCurrentLine(5, 2);
        f.grid->BtnGrid->show();
        f.grid->BtnGrid->click();
        QCOMPARE(asked, 2);
        QCOMPARE(f.cell(5, 1), QStringLiteral("A001"));
        QCOMPARE(f.cell(6, 1), QStringLiteral("A002"));
        QCOMPARE(f.cell(7, 2), QStringLiteral("ノート"));
        QCOMPARE(f.cell(8, 5), QStringLiteral("120.00"));
        QCOMPARE(f.grid->currentLine(), 5);
        // A cancelled search changes nothing.
        f.grid->setCurrentLine(9, 2);
        f.grid->SearchGoods();
        QCOMPARE(asked, 3);
        QVERIFY(f.lineCells(9).join(QString()).isEmpty());
        QCOMPARE(modes, 0);
    }

    void setExpansionStopsAtLastLine() {
        Fixture f;
        f.grid->setCell(96, 3, QStringLiteral("5.00"));
        f.grid->setCurrentLine(97, 2);
        QVERIFY(f.grid->FindGoodsSet(2, QStringLiteral("S01")));
        QCOMPARE(f.env.state.gResult, qint16(0));
        QCOMPARE(f.cell(97, 1), QStringLiteral("A001"));
        QCOMPARE(f.cell(98, 1), QStringLiteral("A002"));
        QCOMPARE(f.cell(99, 1), QStringLiteral("B001"));
        QCOMPARE(f.grid->currentLine(), 97);
        QCOMPARE(f.cell(96, 3), QStringLiteral("5.00"));
        // An unknown set reports -1 and empties the current line's goods cells.
        QVERIFY(!f.grid->FindGoodsSet(2, QStringLiteral("S99")));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QVERIFY(f.cell(97, 1).isEmpty());
        QVERIFY(f.cell(97, 2).isEmpty());
        QCOMPARE(f.cell(98, 1), QStringLiteral("A002"));
    }

    void lineCommands() {
        Fixture f;
        for (int line = 1; line <= 99; ++line)
            f.grid->setCell(line, 2, QStringLiteral("品%1").arg(line));
        f.grid->setCell(1, 6, QStringLiteral("1,000"));
        f.grid->setCurrentLine(1, 2);
        // Pasting an empty buffer does nothing.
        f.grid->PasteLine(true);
        QCOMPARE(f.cell(2, 2), QStringLiteral("品2"));
        f.grid->CopyLine();
        f.grid->PasteLine(true);
        QCOMPARE(f.cell(1, 2), QStringLiteral("品1"));
        QCOMPARE(f.cell(2, 2), QStringLiteral("品1"));
        QCOMPARE(f.cell(3, 2), QStringLiteral("品2"));
        QCOMPARE(f.cell(99, 2), QStringLiteral("品98"));
        QCOMPARE(f.grid->totals().subtotal, 2000.0);
        // Inserting on line 99 overwrites it.
        f.grid->setCurrentLine(99, 2);
        f.grid->PasteLine(true);
        QCOMPARE(f.cell(99, 2), QStringLiteral("品1"));
        QCOMPARE(f.cell(98, 2), QStringLiteral("品97"));
        // Paste over replaces the current line; delete empties it.
        f.grid->setCurrentLine(50, 2);
        f.grid->PasteLine(false);
        QCOMPARE(f.cell(50, 2), QStringLiteral("品1"));
        QCOMPARE(f.cell(51, 2), QStringLiteral("品50"));
        f.grid->DeleteLine();
        QVERIFY(f.lineCells(50).join(QString()).isEmpty());
        QCOMPARE(f.grid->totals().subtotal, 3000.0);
    }

    void linesRoundTrip() {
        Fixture f;
        SlipLine named;
        named.GoodsCode = QStringLiteral("A001");
        named.Goods = QStringLiteral("鉛筆");
        named.Quantity = 2.5;
        named.Unit = QStringLiteral("箱");
        named.UnitPrice = 1050;
        named.Price = 2625;
        named.Remark = QStringLiteral("至急");
        SlipLine nameOnly;
        nameOnly.Goods = QStringLiteral("値引き");
        f.grid->setLines({named, nameOnly});
        QCOMPARE(f.lineCells(1),
                 (QStringList{"A001", "鉛筆", "2.50", "箱", "1,050.00", "2,625", "至急"}));
        QCOMPARE(f.lineCells(2), (QStringList{"", "値引き", "", "", "", "", ""}));
        QCOMPARE(f.grid->namedLines(), 2);
        const QList<SlipLine> lines = f.grid->lines();
        QCOMPARE(lines.size(), 99);
        QCOMPARE(lines[0].Quantity, std::optional<double>(2.5));
        QCOMPARE(lines[0].Price, std::optional<double>(2625));
        QVERIFY(!lines[1].Quantity && !lines[1].UnitPrice && !lines[1].Price);
        f.grid->clearLines();
        QCOMPARE(f.grid->namedLines(), 0);
    }
};

QTEST_MAIN(TestSlipGrid)
#include "tst_slipgrid.moc"
