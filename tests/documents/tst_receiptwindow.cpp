// The receipt window driven as a user drives it: the save and overwrite questions, empty
// amounts and a due date of a year only, the amount fields on entering and leaving,
// Enter through the fields and the staff lookup, the amount copy against the total the
// source document shows in its own window, and the checks before printing.
#include "core/Database.h"
#include "core/NumberText.h"
#include "documents/DocumentStore.h"
#include "documents/KivoraHistory.h"
#include "documents/KivoraReceipt.h"
#include "documents/KivoraSlip.h"
#include "support/FakePrinterService.h"
#include "support/ModalHelper.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

// The receipt window of customer 1 (山田商店), with staff member 01.
struct Fixture : PrintFixture {
    std::unique_ptr<KivoraReceipt> window;

    Fixture() {
        db->exec(u"INSERT INTO 担当者 (Code, Position, Name) VALUES ('01', '営業部', '佐藤')"_s);
        env.state.gDocType = 6;
        env.state.gCaption = u"領収証"_s;
        window = std::make_unique<KivoraReceipt>(env.state);
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("receipt window not active");
    }
    ~Fixture() { window->close(); }
    // The rows a query gives, one after another.
    QString q(const QString& sql) { return TestEnv::rows(*db, sql).join(' '); }
    QLineEdit* field(int k) const { return window->TextReceipt[k]; }
    // Takes the amount of document `number` of `type` through 金額コピー.
    void copyAmount(int type) {
        OnNextModal([](QWidget* modal) { qobject_cast<KivoraHistory*>(modal)->BtnOK->click(); });
        window->MenuCopy[type]->trigger();
    }
};

} // namespace

class TestReceiptWindow : public QObject {
    Q_OBJECT

private slots:
    // A new number asks to save (question), a stored one to overwrite (exclamation); Cancel
    // writes nothing. Empty amounts are stored as 0 and a due date of only a year keeps
    // its separators, and both read back as they were.
    void saveQuestionsEmptyAmountsAndYearOnlyDueDate() {
        Fixture f;
        KivoraReceipt& w = *f.window;
        w.TextReceipt[ReceiptField::Number]->setText(u"R1"_s);
        w.ComboReceipt[ReceiptCombo::DueYear]->setCurrentText(u"2027"_s);
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[ReceiptMenu::Save]->trigger();
        QCOMPARE(f.env.messages.lastText(), u"伝票番号[R1]を保存します｡"_s);
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Question);
        QCOMPARE(f.env.messages.shown().last().title, u"保存"_s);
        QCOMPARE(f.q(u"SELECT (SELECT COUNT(*) FROM 伝票管理) + (SELECT COUNT(*) FROM 領収)"_s),
                 u"0"_s);

        w.MenuSlip[ReceiptMenu::Save]->trigger();
        QCOMPARE(f.q(u"SELECT Price1 + Price2 + Price3 + Price4 + Price5 + Price6, TotalPrice, "
                     "BillTerm FROM 領収 WHERE UserCode = '1'"_s),
                 u"0|0|2027//"_s);
        QCOMPARE(w.ComboReceipt[ReceiptCombo::DueYear]->currentText() +
                     QString::number(w.ComboReceipt[ReceiptCombo::DueMonth]->currentIndex()) +
                     QString::number(w.ComboReceipt[ReceiptCombo::DueDay]->currentIndex()),
                 u"2027-1-1"_s);
        QCOMPARE(w.LabelTotal[ReceiptTotal::Yen]->text(), u"¥0"_s);

        w.TextReceipt[ReceiptField::Cheque]->setText(u"5,000"_s);
        f.env.messages.answer(MsgCancel);
        w.MenuSlip[ReceiptMenu::Save]->trigger();
        QCOMPARE(f.env.messages.lastText(), u"伝票番号[R1]は既に存在します､上書きで保存します｡"_s);
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Exclamation);
        QCOMPARE(f.q(u"SELECT TotalPrice FROM 領収"_s), u"0"_s);
        w.MenuSlip[ReceiptMenu::Save]->trigger();
        QCOMPARE(f.q(u"SELECT TotalPrice, (SELECT COUNT(*) FROM 売掛) FROM 領収"_s), u"5000|0"_s);
        QCOMPARE(f.env.state.gCaption, u"領収証"_s); // the command's title is given back
    }

    // On entering, the plain number and a length shorter by the separators' room; on
    // leaving, the separators back, anything else emptied, and the total recomputed.
    void amountFieldsOnEnteringAndLeaving() {
        Fixture f;
        KivoraReceipt& w = *f.window;
        w.TextReceipt[ReceiptField::Transfer]->setText(u"1,234,567"_s);
        w.TextReceipt[ReceiptField::Other]->setText(u"abc"_s);
        f.field(ReceiptField::Transfer)->setFocus();
        QCOMPARE(f.field(ReceiptField::Transfer)->text(), u"1234567"_s);
        QCOMPARE(f.field(ReceiptField::Transfer)->maxLength(), 13);
        QCOMPARE(w.lastField(), int(ReceiptField::Transfer));
        f.field(ReceiptField::Transfer)->setText(u"2000"_s);
        f.field(ReceiptField::Other)->setFocus();
        QCOMPARE(f.field(ReceiptField::Transfer)->text(), u"2,000"_s);
        QCOMPARE(f.field(ReceiptField::Transfer)->maxLength(), 17);
        f.field(ReceiptField::Cash)->setFocus();
        QCOMPARE(f.field(ReceiptField::Other)->text(), QString());
        f.field(ReceiptField::Cash)->setText(u"1500"_s);
        f.field(ReceiptField::For)->setFocus();
        QCOMPARE(w.LabelTotal[ReceiptTotal::Plain]->text() + ' ' +
                     w.LabelTotal[ReceiptTotal::Yen]->text(),
                 u"3,500 ¥3,500"_s);
        // Thirteen digits are cut to the twelve the entered length keeps.
        f.field(ReceiptField::Cash)->setFocus();
        f.field(ReceiptField::Cash)->setText(u"1234567890123"_s);
        QCOMPARE(f.field(ReceiptField::Cash)->text(), u"123456789012"_s);
    }

    // Enter walks the fields and wraps from the last to the number; in the staff field it
    // looks the code up first and stays on an unknown one.
    void enterWalksAndLooksUpStaff() {
        Fixture f;
        KivoraReceipt& w = *f.window;
        f.field(ReceiptField::Summary)->setFocus();
        QTest::keyClick(f.field(ReceiptField::Summary), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.field(ReceiptField::Number));
        QTest::keyClick(f.field(ReceiptField::Number), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.field(ReceiptField::Staff));
        f.field(ReceiptField::Staff)->setText(u"99"_s);
        QTest::keyClick(f.field(ReceiptField::Staff), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.field(ReceiptField::Staff));
        f.field(ReceiptField::Staff)->setText(u"01"_s);
        QTest::keyClick(f.field(ReceiptField::Staff), Qt::Key_Return);
        QCOMPARE(w.LabelCharge[ReceiptStaff::Name]->text() +
                     w.LabelCharge[ReceiptStaff::Position]->text(),
                 u"佐藤営業部"_s);
        QCOMPARE(QApplication::focusWidget(), f.field(ReceiptField::Cash));
    }

    // The copied amount equals the total the delivery note shows in its own window, for
    // every tax rounding and a zero rate, including a stored line amount with a fraction
    // (the window shows and adds it as whole yen). It goes into the amount field entered
    // last, or into cash.
    void amountCopyEqualsTheSourceWindowsTotal() {
        Fixture f;
        SlipHeader header;
        header.UserCode = u"1"_s;
        header.DocType = 2;
        header.DocNumber = u"D1"_s;
        header.IssueYMD = 20240401;
        QList<SlipLine> lines;
        for (const double price : {333.0, 1001.0, 250.5})
            lines << SlipLine{{}, u"品物"_s, 1, {}, price, price, {}};
        DocumentStore(*f.db).Save(header, lines, 0);

        AppState& s = f.env.state;
        s.gDocType = 2;
        s.gCaption = u"納品書"_s;
        KivoraSlip slip(s);
        s.gCaption = u"領収証"_s;
        int copies = 0;
        for (const double rate : {0.0, 8.0, 10.0}) {
            for (const quint8 fraction : {0, 1, 2}) {
                s.gExcise = rate;
                s.gFraction = fraction;
                s.gHandOff = u"D1"_s;
                s.gDocType = 2; // what the slip window reads; the receipt sets its own back
                slip.DataRead(SlipRead::Whole);
                const QString shown = slip.LabelTotal[SlipTotal::Total]->text();
                // The first copy goes to cash (但し, no amount, was entered last), the
                // next ones into 振込, which the user entered before choosing the copy.
                const int target = copies++ == 0 ? ReceiptField::Cash : ReceiptField::Transfer;
                f.window->activateWindow(); // as the user's click into the field does
                QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
                f.field(target == ReceiptField::Cash ? ReceiptField::For : target)->setFocus();
                f.copyAmount(2);
                QCOMPARE(f.env.messages.count(), 0);
                QCOMPARE(ParseNumber(f.field(target)->text()).value_or(-1),
                         ParseNumber(shown).value_or(-2));
                QCOMPARE(f.env.state.gDocType, quint8(6));
            }
        }
        // 1,585 (250.5 shown as 251) and, last, 10 % of it rounded up: 1,744.
        f.field(ReceiptField::For)->setFocus();
        QCOMPARE(f.field(ReceiptField::Transfer)->text(), u"1,744"_s);
        QCOMPARE(f.window->LabelTotal[ReceiptTotal::Plain]->text(), u"3,329"_s);
    }

    // Each is told once and opens no print dialog: no number, a number never saved.
    void printNeedsASavedReceipt() {
        for (const QString& number : {QString(), u"R9"_s}) {
            Fixture f;
            f.field(ReceiptField::Number)->setText(number);
            bool opened = false;
            OnNextModal(
                [&](QWidget* modal) {
                    opened = true;
                    modal->close();
                },
                300);
            f.window->ImageReceiptBar[ReceiptImage::Print]->click();
            QTest::qWait(350);
            QVERIFY(!opened);
            QCOMPARE(f.env.messages.texts(),
                     QStringList{number.isEmpty() ? u"伝票を選択してください｡"_s
                                                  : u"伝票を保存してください｡"_s});
            QCOMPARE(f.env.messages.shown().last().title, u"印刷"_s);
        }
    }
};

KIVORA_TEST(TestReceiptWindow)
#include "tst_receiptwindow.moc"
