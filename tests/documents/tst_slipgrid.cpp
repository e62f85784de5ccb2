// The line grid of the slip window on its own: editors opened by typing and by control
// keys, commits with their formats and refusals, goods and set lookup, amounts and
// totals with their rounding, the arrow keys, the search button and the line commands.
#include "support/TestMain.h"
#include "core/Database.h"
#include "widgets/WidgetRoutines.h"
#include "documents/SlipGrid.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db = env.openMain();
    QWidget host;
    SlipGrid* grid = nullptr;
    QLineEdit* other = nullptr;

    Fixture() {
        AppState& s = env.state;
        s.DbMain = db.get();
        s.AppTitle = "Kivora";
        s.gCaption = "納品書";
        s.gExcise = 5; // truncating tax and amounts, as the state starts
        db->exec("INSERT INTO 単位 (Code, Unit) VALUES ('01', '個'), ('02', '箱'), ('03', '式')");
        db->exec("INSERT INTO 商品 (Code, Name, UnitPrice, Unit) VALUES ('A001', '鉛筆', 1050, "
                 "'箱'), ('A002', '消しゴム', 333, '個'), ('B001', 'ノート', 33.3, '個'), "
                 "('C001', '定規', 120, '個')");
        db->exec("INSERT INTO セット商品 (Code, Name, UnitPrice, Unit) VALUES ('S01', "
                 "'文具セット', 1500, '式'), ('A001X', '別セット', 10, '式')");
        db->exec("INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, UnitPrice, Unit) VALUES "
                 "('S01', 2, 'A002', '消しゴム', 333, '個'), ('S01', 1, 'A001', '鉛筆', 1050, "
                 "'箱'), ('S01', 3, 'B001', 'ノート', 33.3, '個'), ('S01', 4, 'C001', '定規', "
                 "120, '個')");
        grid = new SlipGrid(s, &host);
        other = new QLineEdit(&host);
        auto* layout = new QVBoxLayout(&host);
        layout->addWidget(grid);
        layout->addWidget(other);
        LoadUnit(grid->ComboGrid, *db);
        host.resize(700, 500);
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        grid->setFocus();
    }
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
    // Opens the editor with one key, empties it and presses Enter.
    void clear(int line, int column) {
        type(line, column, "x", false);
        grid->TextGrid->clear();
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
    // The seven cells of a line, joined by '|'.
    QString line(int n) const {
        QStringList out;
        for (int c = 1; c <= 7; ++c)
            out << grid->cell(n, c);
        return out.join('|');
    }
    // One column of lines `from` to `to`.
    QStringList cells(int column, int from, int to) const {
        QStringList out;
        for (int line = from; line <= to; ++line)
            out << grid->cell(line, column);
        return out;
    }
};

} // namespace

class TestSlipGrid : public QObject {
    Q_OBJECT

private slots:
    void gridShape() {
        Fixture f;
        // Wide enough for line number 99 and the code header; rows as high as the unit
        // list, so that it covers a cell.
        const QFontMetrics metrics(f.grid->font());
        QVERIFY(f.grid->columnWidth(0) > metrics.horizontalAdvance("99"));
        QVERIFY(f.grid->columnWidth(1) > metrics.horizontalAdvance("商品番号"));
        QCOMPARE(f.grid->item(98, 0)->text(), "99");
        QCOMPARE(f.grid->rowHeight(0), f.grid->ComboGrid->sizeHint().height());
        // The line numbers never become the current cell.
        f.grid->setCurrentCell(4, 0);
        QCOMPARE(QList<int>({f.grid->currentLine(), f.grid->currentColumn()}), QList<int>({5, 1}));
    }

    void typingReplacesControlKeysKeep() {
        Fixture f;
        QLineEdit* editor = f.grid->TextGrid;
        f.grid->setCell(2, 7, "至急");
        f.grid->setCurrentLine(2, 7);
        QTest::keyClick(f.grid, 'x');
        QVERIFY(!editor->isHidden());
        QCOMPARE(editor->text(), "x");
        // Esc drops the typed text: the cell keeps what it had.
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(editor->isHidden());
        QCOMPARE(f.cell(2, 7), "至急");
        QCOMPARE(QApplication::focusWidget(), f.grid);
        // Enter and a double click open the editor on the cell's text.
        QTest::keyClick(f.grid, Qt::Key_Return);
        QCOMPARE(editor->text(), "至急");
        QTest::keyClick(editor, Qt::Key_Escape);
        const QRect rect = f.grid->visualRect(f.grid->model()->index(1, 7));
        QTest::mouseDClick(f.grid->viewport(), Qt::LeftButton, {}, rect.center());
        QVERIFY(!editor->isHidden());
        QCOMPARE(editor->text(), "至急");
        QCOMPARE(editor->geometry(), rect);
        // A Japanese character typed on the grid replaces the cell as well.
        QTest::keyClick(editor, Qt::Key_Escape);
        Fixture::key(f.grid, u'急');
        QCOMPARE(editor->text(), "急");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(f.cell(2, 7), "急");
        // A composition started on the grid moves into an emptied editor and commits there.
        f.grid->setCell(3, 2, "古い品名");
        f.grid->setCurrentLine(3, 2);
        QInputMethodEvent preedit("やま", {});
        QCoreApplication::sendEvent(f.grid, &preedit);
        QVERIFY(!editor->isHidden());
        QVERIFY(editor->text().isEmpty());
        QInputMethodEvent commit;
        commit.setCommitString("山");
        QCoreApplication::sendEvent(QApplication::focusWidget(), &commit);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(f.cell(3, 2), "山");
    }

    void typedCells() {
        Fixture f;
        // Line, column and the text typed there; then the seven cells of that line.
        const std::tuple<int, int, const char*, const char*> steps[] = {
            // A code fills name, unit and price; a quantity completes the amount.
            {1, 1, "A001", "A001|鉛筆||箱|1,050.00|0|"},
            {1, 3, "3", "A001|鉛筆|3.00|箱|1,050.00|3,150|"},
            // A set code takes the set as one line; goods come before sets.
            {2, 1, "S01", "S01|文具セット||式|1,500.00|0|"},
            {3, 1, "A001", "A001|鉛筆||箱|1,050.00|0|"},
            // An unknown code empties code, name, unit and price; quantity and amount stay.
            {1, 1, "ZZ9", "||3.00|||3,150|"},
            // A forbidden character drops the code without a word.
            {4, 1, "A#1", "||||||"},
            // Numbers take the number format, amounts "#,#0" whether computed or typed.
            {5, 3, "1,000", "||1,000.00|||0|"},
            {5, 5, "1234.5", "||1,000.00||1,234.50|1,234,500|"},
            {6, 6, "2500.4", "|||||2,500|"},
            // 33.3 x 3 is 99.8999... in double arithmetic: truncated to 99.
            {7, 3, "3", "||3.00|||0|"},
            {7, 5, "33.3", "||3.00||33.30|99|"},
            // A price without quantity, or a quantity without price, gives 0.
            {8, 5, "500", "||||500.00|0|"}};
        for (const auto& [line, column, typed, cells] : steps) {
            f.type(line, column, typed);
            QCOMPARE(f.line(line), cells);
        }
        QVERIFY(f.env.messages.texts().isEmpty());
        // Both empty give nothing.
        f.clear(8, 5);
        QCOMPARE(f.cell(8, 6), "");
        // Half up with the mode of the state.
        f.env.state.gPriceFraction = 1;
        f.grid->CalcSubTotal(7);
        QCOMPARE(f.cell(7, 6), "100");
        // A number cell opens without separators and trailing zeros.
        f.grid->setCurrentLine(5, 5);
        QTest::keyClick(f.grid, Qt::Key_Return);
        QCOMPARE(f.grid->TextGrid->text(), "1234.5");
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Escape);
        // The trimmed format drops the zeros of whole numbers.
        f.env.state.NumFormat = "#,#0.##";
        f.type(9, 3, "1000");
        QCOMPARE(f.cell(9, 3), "1,000");
        // The code field keeps 8 bytes.
        f.type(9, 1, "C0010000000", false);
        QCOMPARE(f.grid->TextGrid->text(), "C0010000");
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Escape);
        // A cleared name takes the code with it.
        f.clear(2, 2);
        QCOMPARE(f.line(2), "|||式|1,500.00|0|");
    }

    void refusedNumbers() {
        Fixture f;
        const std::pair<int, const char*> cases[] = {{3, "数量は数字を入力して下さい｡"},
                                                     {5, "単価は数字を入力して下さい｡"},
                                                     {6, "金額は数字を入力して下さい｡"}};
        for (const auto& [column, message] : cases) {
            f.env.messages.clear();
            f.grid->setCell(4, column, "7.00");
            f.type(4, column, "abc", false);
            QVERIFY(!f.grid->EditCommit());
            QCOMPARE(f.env.state.gResult, qint16(-1));
            QCOMPARE(f.env.messages.texts(), QStringList{message});
            QCOMPARE(f.env.messages.shown().last().title, "納品書");
            // The cell and the editor are emptied and the editor closed.
            QVERIFY(f.cell(4, column).isEmpty() && f.grid->TextGrid->text().isEmpty());
            QVERIFY(f.grid->TextGrid->isHidden());
            // With nothing open a commit has nothing to refuse.
            QVERIFY(f.grid->EditCommit());
        }
    }

    void arrowKeys() {
        Fixture f;
        // Down and Up commit and move a line, but never past line 99 or 1.
        const std::tuple<int, int, int> moves[] = {
            {98, Qt::Key_Down, 99}, {99, Qt::Key_Down, 99}, {1, Qt::Key_Up, 1}, {5, Qt::Key_Up, 4}};
        for (const auto& [line, key, to] : moves) {
            f.type(line, 7, QString::number(line), false);
            QTest::keyClick(f.grid->TextGrid, Qt::Key(key));
            QCOMPARE(f.cell(line, 7), QString::number(line));
            QCOMPARE(f.grid->currentLine(), to);
            QVERIFY(f.grid->TextGrid->isHidden());
        }
        f.grid->setCurrentLine(99, 7);
        QTest::keyClick(f.grid, Qt::Key_Down);
        QCOMPARE(f.grid->currentLine(), 99);
    }

    void leavingTheEditors() {
        Fixture f;
        f.grid->setCell(3, 4, "個");
        f.grid->setCurrentLine(3, 4);
        QTest::keyClick(f.grid, Qt::Key_Return);
        QVERIFY(!f.grid->ComboGrid->isHidden() && f.grid->TextGrid->isHidden());
        QCOMPARE(f.grid->ComboGrid->currentText(), "個");
        // Up and Down move through the unit list, not through the lines.
        QTest::keyClick(f.grid->ComboGrid, Qt::Key_Down);
        QTest::keyClick(f.grid->ComboGrid, Qt::Key_Down);
        QCOMPARE(f.grid->currentLine(), 3);
        QTest::keyClick(f.grid->ComboGrid, Qt::Key_Return);
        QCOMPARE(f.cell(3, 4), "式");
        QVERIFY(f.grid->ComboGrid->isHidden());
        // Leaving the list or the text editor for another field takes what they hold.
        QTest::keyClick(f.grid, Qt::Key_Return);
        QTest::keyClick(f.grid->ComboGrid, Qt::Key_Up);
        f.other->setFocus();
        QCOMPARE(f.cell(3, 4), "箱");
        f.type(2, 2, "手書きの品名", false);
        QCOMPARE(f.grid->TextGrid->text(), "手書きの品名");
        QVERIFY(!f.grid->BtnGrid->isHidden());
        f.other->setFocus();
        QVERIFY(f.grid->TextGrid->isHidden() && f.grid->BtnGrid->isHidden());
        QCOMPARE(f.cell(2, 2), "手書きの品名");
    }

    void searchButton() {
        Fixture f;
        AppState& s = f.env.state;
        s.gMode = 9;
        QList<int> modes; // the line editor asks with mode 0
        // Answers goods C001 the first time; the second search is cancelled.
        f.grid->goodsSearch = [&] {
            modes << s.gMode;
            s.gWork = {"C001", "定規", "120", "個"};
            s.gHandOff = "False";
            s.gResult = modes.size() == 2 ? -1 : 0;
            return modes.size() != 2;
        };
        // The button shows in the name column only.
        f.type(2, 1, "x", false);
        QVERIFY(f.grid->BtnGrid->isHidden());
        QTest::keyClick(f.grid->TextGrid, Qt::Key_F7);
        QVERIFY(modes.isEmpty());
        QTest::keyClick(f.grid->TextGrid, Qt::Key_Escape);
        f.grid->setCell(2, 3, "2.00");
        f.type(2, 2, "x", false);
        QTest::keyClick(f.grid->TextGrid, Qt::Key_F7);
        QCOMPARE(f.line(2), "C001|定規|2.00|個|120.00|240|");
        QCOMPARE(f.grid->TextGrid->text(), "定規");
        QCOMPARE(f.grid->totals().subtotal, 240.0);
        // A cancelled search changes nothing.
        f.type(9, 2, "x", false);
        f.grid->BtnGrid->click();
        QCOMPARE(modes, QList<int>({0, 0}));
        QCOMPARE(f.line(9), "|x|||||");
    }

    void setExpansionStopsAtLastLine() {
        Fixture f;
        f.grid->setCell(96, 3, "5.00");
        f.grid->setCurrentLine(97, 2);
        QVERIFY(f.grid->FindGoodsSet(2, "S01"));
        QCOMPARE(f.env.state.gResult, qint16(0));
        QCOMPARE(f.cells(1, 96, 99), QStringList({"", "A001", "A002", "B001"}));
        QCOMPARE(f.grid->currentLine(), 97);
        QCOMPARE(f.cell(96, 3), "5.00");
        // An unknown set reports -1 and empties the current line's goods cells.
        QVERIFY(!f.grid->FindGoodsSet(2, "S99"));
        QCOMPARE(f.env.state.gResult, qint16(-1));
        QCOMPARE(f.cells(1, 97, 98) + f.cells(2, 97, 97), QStringList({"", "A002", ""}));
    }

    void lineCommands() {
        Fixture f;
        for (int line = 1; line <= 99; ++line)
            f.grid->setCell(line, 2, QStringLiteral("品%1").arg(line));
        f.grid->setCell(1, 6, "1,000");
        f.grid->setCurrentLine(1, 2);
        // Pasting an empty buffer does nothing.
        f.grid->PasteLine(true);
        QCOMPARE(f.cell(2, 2), "品2");
        f.grid->CopyLine();
        f.grid->PasteLine(true);
        QCOMPARE(f.cells(2, 1, 3) + f.cells(2, 99, 99), QStringList({"品1", "品1", "品2", "品98"}));
        QCOMPARE(f.grid->totals().subtotal, 2000.0);
        // Inserting on line 99 overwrites it.
        f.grid->setCurrentLine(99, 2);
        f.grid->PasteLine(true);
        QCOMPARE(f.cells(2, 98, 99), QStringList({"品97", "品1"}));
        // Paste over replaces the current line; delete empties it.
        f.grid->setCurrentLine(50, 2);
        f.grid->PasteLine(false);
        QCOMPARE(f.cells(2, 50, 51), QStringList({"品1", "品50"}));
        f.grid->DeleteLine();
        QCOMPARE(f.line(50), "||||||");
        QCOMPARE(f.grid->totals().subtotal, 3000.0);
    }

    void linesRoundTrip() {
        Fixture f;
        SlipLine nameOnly;
        nameOnly.Goods = "値引き";
        f.grid->setLines({{"A001", "鉛筆", 2.5, "箱", 1050, 2625, "至急"}, nameOnly});
        QCOMPARE(f.line(1) + ' ' + f.line(2), "A001|鉛筆|2.50|箱|1,050.00|2,625|至急 |値引き|||||");
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

KIVORA_TEST(TestSlipGrid)
#include "tst_slipgrid.moc"
