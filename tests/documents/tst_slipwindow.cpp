// The slip window driven as a user drives it: writing and saving a document, the refusals
// of a save, overwriting, 前回伝票, deleting a posted invoice, the history and copies from
// another type.
#include "core/Database.h"
#include "documents/DocumentStore.h"
#include "documents/KivoraHistory.h"
#include "documents/KivoraSlip.h"
#include "documents/SlipGrid.h"
#include "resources/StringTable.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Fixture {
    TestEnv env;
    std::unique_ptr<Database> db = env.openMain();
    std::unique_ptr<KivoraSlip> window;

    explicit Fixture(int type = 2) {
        AppState& s = env.state;
        s.DbMain = db.get();
        s.gUserCode = "1";
        s.gExcise = 10;
        db->exec("INSERT INTO 単位 (Code, Unit) VALUES ('01', '個'), ('02', '箱')");
        db->exec("INSERT INTO 商品 (Code, Name, UnitPrice, Unit) VALUES ('A001', '鉛筆', 1050, "
                 "'箱'), ('A002', '消しゴム', 333, '個')");
        db->exec("INSERT INTO 担当者 (Code, Position, Name) VALUES ('01', '営業部', '佐藤')");
        s.gDocType = static_cast<quint8>(type);
        s.gCaption = Res::text(101 + type);
        window = std::make_unique<KivoraSlip>(s);
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("slip window not active");
    }
    ~Fixture() { window->close(); }
    // The rows a query gives, one after another.
    QString q(const QString& sql) { return TestEnv::rows(*db, sql).join(' '); }
    SlipGrid* grid() const { return window->FxGridSlip; }
    QString cell(int line, int column) const { return grid()->cell(line, column); }
    QString totals() const {
        const auto& t = window->LabelTotal;
        return QStringLiteral("%1 %2 %3").arg(t[0]->text(), t[1]->text(), t[2]->text());
    }
    // Types into a cell: the first key opens the editor, the rest goes into it; Enter takes it.
    void typeCell(int line, int column, const QString& text, bool enter = true) {
        grid()->setCurrentLine(line, column);
        grid()->setFocus();
        QWidget* target = grid();
        for (QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
            target = window->TextGrid;
        }
        if (enter)
            QTest::keyClick(window->TextGrid, Qt::Key_Return);
    }
    // A saved document of this customer, each line 2 x 100.
    void storeDocument(int type, const QString& number, const QStringList& goods) {
        QList<SlipLine> lines;
        for (const QString& name : goods)
            lines << SlipLine{"", name, 2, "", 100, 200, ""};
        DocumentStore(*db).Save(
            {"1", type, number, 20010305, false, {}, {}, {}, {}, {}, {}, {}, {}}, lines, 0);
    }
    // Number, staff looked up as Enter does, and one line of 2 x A001.
    void fillSmallSlip(const QString& number, const QString& staff = {}) {
        window->TextSlip[0]->setText(number);
        window->TextSlip[1]->setText(staff);
        window->TextSlip[1]->setFocus();
        QTest::keyClick(window->TextSlip[1], Qt::Key_Return);
        typeCell(1, 1, "A001");
        typeCell(1, 3, "2");
    }
};

} // namespace

class TestSlipWindow : public QObject {
    Q_OBJECT

private slots:
    // The picture under the pointer is framed; leaving the bar takes the frame away.
    void imageBarFramesThePictureUnderThePointer() {
        Fixture f;
        QToolButton* printer = f.window->ImageSlipBar[1];
        QEvent enter(QEvent::Enter), leave(QEvent::Leave);
        QApplication::sendEvent(printer, &enter);
        QVERIFY(f.window->LineSlipBar->isVisible());
        QCOMPARE(f.window->LineSlipBar->geometry(), printer->geometry().adjusted(-3, -3, 3, 3));
        QApplication::sendEvent(f.window->LabelSlipBar, &leave);
        QVERIFY(!f.window->LineSlipBar->isVisible());
    }

    void deliveryNoteThroughTheKeyboard() {
        Fixture f;
        KivoraSlip& w = *f.window;
        f.fillSmallSlip("A00001", "01");
        w.TextSlip[2]->setText("四月分");
        f.typeCell(1, 3, "3");
        f.typeCell(2, 1, "A002");
        f.typeCell(2, 3, "1");
        // A refused price stops the save that waited for the editor.
        f.typeCell(2, 5, "abc", false);
        QTest::keyClick(w.TextGrid, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.q("SELECT COUNT(*) FROM 伝票管理"), "0");
        f.typeCell(2, 5, "333");
        f.typeCell(3, 2, "送料");
        f.typeCell(3, 6, "500");
        // 3,150 + 333 + 500 = 3,983; 10 % is 398.3, truncated.
        QCOMPARE(f.totals(), "¥3,983 ¥398 ¥4,381");
        w.CheckSlip->setChecked(true);
        QTest::keyClick(f.grid(), Qt::Key_S, Qt::ControlModifier);
        // Lines, unit, staff, remark, the posted total and 前回伝票.
        QCOMPARE(f.q("SELECT (SELECT COUNT(*) FROM 納品 WHERE UserCode = '1' AND Number = "
                     "'A00001'), (SELECT Unit FROM 納品 WHERE Count = 1), ChargeCode, Remark, "
                     "(SELECT Price FROM 売掛 WHERE DocType = 2), (SELECT DocNumD FROM 前回伝票) "
                     "FROM 伝票管理"),
                 "3|箱|01|四月分|4381|A00001");
        QCOMPARE(f.cell(3, 2) + ' ' + f.totals(), "送料 ¥3,983 ¥398 ¥4,381");
    }

    // Each case breaks one rule: a full-width or forbidden character in the number, no
    // number, 30 February, no lines, an amount without a name.
    void saveRefusals() {
        const std::tuple<const char*, const char*, int> cases[] = {
            {"A１", "28", 2}, {"A#1", "28", 2}, {"", "28", 2},
            {"A1", "30", 2},  {"A1", "28", 0},  {"A1", "28", 6}}; // number, day, typed column
        for (const auto& [number, day, column] : cases) {
            Fixture f;
            f.window->TextSlip[0]->setText(number);
            f.window->ComboSlip[0]->setCurrentText("2023");
            f.window->ComboSlip[1]->setCurrentText("02");
            f.window->ComboSlip[2]->setCurrentText(day);
            if (column > 0)
                f.typeCell(1, column, "100");
            f.window->MenuSlip[1]->trigger();
            QCOMPARE(f.env.messages.count(), 1);
            QCOMPARE(f.q("SELECT COUNT(*) FROM 伝票管理"), "0");
        }
    }

    void overwriteAsksAndCancelKeeps() {
        Fixture f;
        KivoraSlip& w = *f.window;
        f.fillSmallSlip("A00001");
        w.MenuSlip[1]->trigger();
        f.typeCell(1, 3, "5");
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.q("SELECT Quantity FROM 納品"), "2");
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.q("SELECT Quantity FROM 納品"), "5"); // one line, changed
        QCOMPARE(f.q("SELECT COUNT(*) FROM 売掛"), "0"); // the box was not checked
    }

    void lastSlipAsksFirst() {
        Fixture f;
        KivoraSlip& w = *f.window;
        f.fillSmallSlip("A00007", "01");
        w.MenuSlip[1]->trigger();
        w.MenuSlip[0]->trigger();
        QVERIFY(w.TextSlip[0]->text().isEmpty() && f.cell(1, 2).isEmpty());
        // Cancel reads nothing; OK (here through F8) reads the last saved document.
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[6]->trigger();
        QVERIFY(w.TextSlip[0]->text().isEmpty() && f.cell(1, 2).isEmpty());
        f.grid()->setFocus();
        QTest::keyClick(f.grid(), Qt::Key_F8);
        QCOMPARE(QStringList({w.TextSlip[0]->text(), w.LabelCharge[0]->text(), f.cell(1, 2),
                              f.cell(1, 6), w.LabelTotal[2]->text()}),
                 QStringList({"A00007", "佐藤", "鉛筆", "2,100", "¥2,310"}));
    }

    void deleteAsksTwiceForPostedInvoice() {
        Fixture f(3);
        KivoraSlip& w = *f.window;
        f.fillSmallSlip("B1");
        w.CheckSlip->setChecked(true);
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.q("SELECT COUNT(*) FROM 売掛 WHERE DocType = 3 AND DocNumber = 'B1'"), "1");
        f.env.messages.clear();
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[2]->trigger();
        QCOMPARE(f.q("SELECT COUNT(*) FROM 伝票管理"), "1");
        // OK, then Cancel at the question about the sale: the document goes, its sale stays.
        f.env.messages.answer(MsgOK);
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[2]->trigger();
        QCOMPARE(f.env.messages.count(), 3);
        QCOMPARE(f.q("SELECT (SELECT COUNT(*) FROM 伝票管理), (SELECT COUNT(*) FROM 請求), "
                     "(SELECT COUNT(*) FROM 売掛)"),
                 "0|0|1");
        QVERIFY(w.TextSlip[0]->text().isEmpty() && f.cell(1, 2).isEmpty());
    }

    // The history lists the window's own type and the chosen document is read; a copy lists
    // the other type and makes a new document of the window's type with its lines.
    void historyAndCopy() {
        Fixture f(3);
        KivoraSlip& w = *f.window;
        f.storeDocument(3, "B5", {"請求の行"});
        f.storeDocument(2, "D5", {"納品の行1", "納品の行2"});
        OnNextModal([](QWidget* modal) { qobject_cast<KivoraHistory*>(modal)->BtnOK->click(); });
        w.MenuSlip[7]->trigger();
        QCOMPARE(w.TextSlip[0]->text() + f.cell(1, 2), "B5請求の行");
        int listed = -1;
        OnNextModal([&](QWidget* modal) {
            listed = f.env.state.gDocType;
            qobject_cast<KivoraHistory*>(modal)->BtnOK->click();
        });
        w.MenuCopy[2]->trigger();
        QCOMPARE(listed, 2);
        QCOMPARE(w.TextSlip[0]->text() + f.cell(1, 2) + f.cell(2, 6) + w.LabelTotal[0]->text(),
                 "納品の行1200¥400");
        QCOMPARE(f.env.state.gDocType, quint8(3));
        w.TextSlip[0]->setText("B7");
        w.MenuSlip[1]->trigger();
        QCOMPARE(f.q("SELECT COUNT(*) FROM 請求 WHERE Number = 'B7'"), "2");
        // A cancelled history copies nothing.
        OnNextModal(
            [](QWidget* modal) { qobject_cast<KivoraHistory*>(modal)->BtnCancel->click(); });
        w.MenuCopy[0]->trigger();
        QCOMPARE(w.TextSlip[0]->text() + f.cell(2, 2), "B7納品の行2");
    }

    // Food at the reduced rate beside goods: each rate is taxed once and the breakdown
    // shows under the totals; the saved invoice keeps the classes, and a copy into a
    // delivery note takes them along. Lines of one rate show no breakdown.
    void reducedRateLinesKeepTheirClass() {
        Fixture f(3);
        KivoraSlip& w = *f.window;
        f.db->exec("INSERT INTO 商品 (Code, Name, UnitPrice, Unit, TaxType) VALUES ('F001', "
                   "'緑茶', 540, '個', 1)");
        f.fillSmallSlip("B00001");
        QVERIFY(w.LabelRate->isHidden());
        f.typeCell(2, 1, "F001");
        f.typeCell(2, 3, "3");
        // 2,100 at 10 % is 210; 1,620 at 8 % is 129.6, truncated once.
        QCOMPARE(f.totals(), "¥3,720 ¥339 ¥4,059");
        QVERIFY(w.LabelRate->isVisible());
        QCOMPARE(w.LabelRate->text(), "10%対象 ¥2,100 / 消費税 ¥210　　8%対象※ ¥1,620 / 消費税 ¥129"
                                      "　　※は軽減税率対象");
        QTest::keyClick(f.grid(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.q("SELECT TaxType FROM 請求 WHERE Count = 1") +
                     f.q("SELECT TaxType FROM 請求 WHERE Count = 2"),
                 "01");

        Fixture note(2);
        note.db->exec("INSERT INTO 請求 (UserCode, Number, Count, Goods, Price, TaxType) "
                      "VALUES ('1', 'B9', 1, '緑茶', 1000, 1), ('1', 'B9', 2, 'ペン', 500, 0)");
        note.db->exec("INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD) "
                      "VALUES ('1', 3, 'B9', 20010305)");
        OnNextModal([](QWidget* modal) { qobject_cast<KivoraHistory*>(modal)->BtnOK->click(); });
        note.window->MenuCopy[3]->trigger();
        QCOMPARE(note.cell(1, 8) + note.cell(2, 8) + note.totals(), "※¥1,500 ¥130 ¥1,630");
    }
};

KIVORA_TEST(TestSlipWindow)
#include "tst_slipwindow.moc"
