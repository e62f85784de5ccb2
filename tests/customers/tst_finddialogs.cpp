// The customer search: conditions that narrow step by step, refusals, and what it hands back.
#include "core/Database.h"
#include "customers/KivoraFindUser.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    Fixture() {
        env.state.DbMain = db.get();
        db->exec("INSERT INTO 顧客 (Code, Name, TEL) VALUES ('5', '山田商店', '03-1111-2222'), "
                 "('2', '森田電気', '076-203-1111'), ('12', '田中工務店', '0776-12-3456'), "
                 "('120', '佐藤商事', '03-5555-0000')");
    }
    QString asked() const { return env.messages.lastText(); }
};

QStringList Column(const QTableWidget* grid, int column) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        out << (grid->item(r, column) ? grid->item(r, column)->text() : QString());
    return out;
}

void Find(KivoraFindUser& d, int option, const QString& text) {
    d.OptFindUser[option]->click();
    d.TextFindUser->setText(text);
    d.BtnFind->click();
}

} // namespace

class TestFindDialogs : public QObject {
    Q_OBJECT

private slots:
    void conditionsNarrowStepByStep() {
        Fixture f;
        KivoraFindUser d(f.env.state);
        const auto codes = [&] { return Column(d.FxGridFindUser, 0).join(' '); };
        Find(d, 1, "田");
        QCOMPARE(codes(), "5 2 12");
        // A value not found is dropped: the list stays and the next search builds on the rest.
        Find(d, 4, "99");
        QCOMPARE(f.asked(), "見つかりませんでした｡");
        Find(d, 1, "田!"); // a forbidden character searches nothing
        QCOMPARE(f.asked(), "以下の文字は使用出来ません。\r !");
        for (const char* part : {"-11", "0", "-", "1"})
            Find(d, 4, part);
        QCOMPARE(d.conditionCount(), 5);
        QCOMPARE(codes(), "5 2"); // ascending by the last searched column
        QVERIFY(!d.BtnFind->isEnabled());
        // Reset, refused and then confirmed, is the only way back.
        f.env.messages.answer(MsgCancel);
        d.BtnReset->click();
        QCOMPARE(d.conditionCount(), 5);
        d.BtnReset->click();
        QCOMPARE(codes(), "");
        // An empty first search asks first; Cancel lists nothing, OK lists every customer.
        f.env.messages.answer(MsgCancel);
        Find(d, 0, "  ");
        QCOMPARE(f.asked(), "全件を表示します｡");
        QCOMPARE(d.conditionCount(), 0);
        Find(d, 1, QString());
        QCOMPARE(codes(), "120 5 2 12");
        // After a condition, an empty text asks for one instead.
        Find(d, 0, QString());
        QCOMPARE(f.asked(), "検索条件を入力して下さい｡");
        // A failing database is reported; the list and its conditions stay.
        f.db->exec("DROP TABLE 顧客");
        Find(d, 0, "1");
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Stop);
        QCOMPARE(d.conditionCount(), 1);
        QCOMPARE(codes(), "120 5 2 12");
    }

    void customerIsHandedBack() {
        Fixture f;
        f.env.state.gUserCode = "120";
        KivoraFindUser d(f.env.state);
        d.show();
        d.BtnOK->click(); // nothing listed: nothing to hand back
        QVERIFY(d.isVisible());
        Find(d, 1, "田");
        // Leaving without a choice is a cancel, even after an earlier choice set gResult.
        f.env.state.gResult = 0;
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(f.env.state.gUserCode + QString::number(f.env.state.gResult), "120-1");
        // Enter in the grid takes the first row; a double click takes its row.
        d.show();
        QTest::keyClick(d.FxGridFindUser, Qt::Key_Return);
        QCOMPARE(f.env.state.gUserCode + f.env.state.gUserName, "5山田商店");
        d.show();
        QWidget* rows = d.FxGridFindUser->viewport();
        const QPoint at =
            d.FxGridFindUser->visualRect(d.FxGridFindUser->model()->index(2, 0)).center();
        QTest::mouseClick(rows, Qt::LeftButton, {}, at); // a double click comes after a click
        QTest::mouseDClick(rows, Qt::LeftButton, {}, at);
        QVERIFY(!d.isVisible());
        QCOMPARE(f.env.state.gUserCode + f.env.state.gUserName, "12田中工務店");
        QCOMPARE(f.env.state.gResult, qint16(0));
    }
};

KIVORA_TEST(TestFindDialogs)
#include "tst_finddialogs.moc"
