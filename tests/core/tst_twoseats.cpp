// Two seats on one database: what one seat saves over a record the other has changed,
// added or deleted since, through the windows and the stores; on a server also two saves
// at the same instant and a connection that drops in the middle of a save.
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/DatabaseError.h"
#include "customers/CustomerStore.h"
#include "customers/Kivora.h"
#include "documents/DocumentStore.h"
#include "documents/KivoraSlip.h"
#include "documents/SlipGrid.h"
#include "receivables/KivoraReceive.h"
#include "receivables/KivoraSale.h"
#include "receivables/Ledger.h"
#include "resources/StringTable.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"
#include "support/TestMain.h"
#include "widgets/SeatGuard.h"

#include <QtTest>
#include <QtWidgets>
#include <atomic>
#include <thread>

namespace {

// The other seat's database. On a server every seat has a connection of its own; a file
// has one seat, which opens it exclusively, so there the other seat is the same database
// written through stores of its own.
class OtherSeat {
public:
    OtherSeat(const TestEnv& env, Database& mine)
        : m_own(env.serverMain()
                    ? std::make_unique<Database>(*env.serverMain(), MainDbMarkerTable())
                    : nullptr),
          m_db(m_own ? *m_own : mine) {}
    Database& db() { return m_db; }

private:
    std::unique_ptr<Database> m_own;
    Database& m_db;
};

SlipHeader deliveryNote(const QString& number, bool addUp = false) {
    return {"1", 2, number, 20010305, addUp, {}, {}, {}, {}, {}, {}, {}, {}};
}

QList<SlipLine> lines(const QStringList& goods) {
    QList<SlipLine> out;
    for (const QString& name : goods)
        out << SlipLine{"", name, 2, "", 100, 200, ""};
    return out;
}

QString overwriteText(const QString& subject) {
    return subject + "は既に存在します､上書きで保存します｡";
}

// A thread that is waited for however the test ends.
struct JoinedThread {
    std::thread thread;
    ~JoinedThread() {
        if (thread.joinable())
            thread.join();
    }
};

} // namespace

class TestTwoSeats : public QObject {
    Q_OBJECT

private slots:
    void customerChangedByTheOtherSeat() {
        TestEnv env;
        if (env.serverMain()) {
            const ServerDatabase& s = *env.serverMain();
            env.state.MainServer = QString("host=%1 port=%2 dbname=%3 user=%4")
                                       .arg(s.host)
                                       .arg(s.port)
                                       .arg(s.database, s.user);
        }
        Kivora w(env.state);
        w.Load();
        w.show();
        OtherSeat other(env, *env.state.DbMain);
        CustomerStore theirs(other.db());
        CustomerRow row;
        row.Code = "1";
        row.Name = "初めの名前";
        theirs.Save(row);
        auto otherSeatRenames = [&](const QString& name) {
            CustomerRow r = *theirs.Read("1");
            r.Name = name;
            theirs.Save(r, Expect::Stamp(r.Stamp));
        };
        auto storedName = [&] { return theirs.Read("1")->Name; };
        const QString overwrite = overwriteText("顧客番号[1]");

        w.DataNew(); // counts the customer
        w.TextSlip[CustomerField::Code]->setText("1");
        QVERIFY(w.DataRead(CustomerRead::Typed));
        w.TextSlip[CustomerField::Name]->setText("窓の名前");
        otherSeatRenames("他の端末の名前");
        env.messages.answer(MsgCancel);
        w.DataSave();
        QCOMPARE(env.messages.texts(), QStringList{ChangedElsewhereText()});
        QCOMPARE(storedName(), "他の端末の名前");
        w.DataSave(); // answered OK
        QCOMPARE(env.messages.count(), 2);
        QCOMPARE(env.messages.lastText(), ChangedElsewhereText());
        QCOMPARE(storedName(), "窓の名前");
        QCOMPARE(w.UserNum, 1); // replaced, not added

        // Nobody else wrote since: only the usual question.
        env.messages.clear();
        w.TextSlip[CustomerField::Name]->setText("窓の二つ目");
        w.DataSave();
        QCOMPARE(env.messages.texts(), QStringList{overwrite});
        QCOMPARE(storedName(), "窓の二つ目");

        // The other seat writes while the window's question is open: the seat question
        // follows, and Cancel keeps that seat's row.
        env.messages.clear();
        env.messages.onShow = [&](const MessageRequest& request) {
            if (request.text == overwrite)
                otherSeatRenames("質問中の変更");
        };
        env.messages.answer(MsgOK);
        env.messages.answer(MsgCancel);
        w.DataSave();
        env.messages.onShow = nullptr;
        QCOMPARE(env.messages.texts(), QStringList({overwrite, ChangedElsewhereText()}));
        QCOMPARE(storedName(), "質問中の変更");

        env.messages.answer(MsgOK); // the quit question
        w.close();
    }

    void sameNewDocumentNumberFromTwoSeats() {
        TestEnv env;
        const auto db = env.openMain();
        OtherSeat other(env, *db);
        DocumentStore a(*db), b(other.db());
        const auto goods = [&](const QString& number) {
            return TestEnv::rows(*db, "SELECT Goods FROM 納品 WHERE Number = ? ORDER BY Count",
                                 {number});
        };
        QVERIFY(!a.Stamp("1", 2, "N1") && !b.Stamp("1", 2, "N1"));
        a.Save(deliveryNote("N1"), lines({"鉛筆"}), 0, Expect::Absent());
        try {
            b.Save(deliveryNote("N1", true), lines({"消しゴム", "定規"}), 500, Expect::Absent());
            QFAIL("the second seat's new document replaced the first one's");
        } catch (const ChangedElsewhere& e) {
            QCOMPARE(e.current(), a.Stamp("1", 2, "N1"));
        }
        QCOMPARE(goods("N1"), QStringList{"鉛筆"});
        QCOMPARE(TestEnv::rows(*db, "SELECT (SELECT COUNT(*) FROM 伝票管理), "
                                    "(SELECT COUNT(*) FROM 売掛)"),
                 QStringList{"1|0"});

        // Through the slip window: the number is free when its question shows and taken
        // by the other seat before the window saves; the window asks to overwrite.
        env.state.DbMain = db.get();
        env.state.gUserCode = "1";
        env.state.gDocType = 2;
        env.state.gCaption = Res::text(103);
        KivoraSlip w(env.state);
        w.show();
        w.TextSlip[0]->setText("N2");
        w.FxGridSlip->setLines(lines({"窓の品"}));
        env.messages.onShow = [&](const MessageRequest& request) {
            if (request.text.endsWith("を保存します｡"))
                b.Save(deliveryNote("N2"), lines({"他の端末の品"}), 0, Expect::Absent());
        };
        env.messages.answer(MsgOK);
        env.messages.answer(MsgCancel);
        w.MenuSlip[1]->trigger();
        env.messages.onShow = nullptr;
        QCOMPARE(env.messages.count(), 2);
        QVERIFY2(env.messages.lastText().endsWith(overwriteText("")) &&
                     env.messages.lastText().contains("N2"),
                 qPrintable(env.messages.lastText()));
        QCOMPARE(goods("N2"), QStringList{"他の端末の品"});
        w.close();
    }

    void paymentCorrectedAfterTheOtherSeat() {
        TestEnv env;
        const auto db = env.openMain();
        OtherSeat other(env, *db);
        AppState& s = env.state;
        s.DbMain = db.get();
        s.gUserCode = "M1";
        s.gCaption = "売掛管理";
        db->exec("INSERT INTO 顧客 (Code, Name) VALUES ('1', '一商事')");
        db->exec("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, Price, Receive, "
                 "Division) VALUES ('1', 20010305, 2, 'A1', 5000, 0, 0)");
        Ledger theirs(other.db());
        theirs.StorePayment("1", 20010310, 2000, 1);
        const auto payments = [&] {
            return TestEnv::rows(*db, "SELECT Receive FROM 売掛 WHERE Division <> 0").join(' ');
        };
        KivoraSale w(s);
        w.show();
        w.ComboSale->setCurrentText("2001/03");
        w.FxGridSale->cellDoubleClicked(0, 0);
        // Corrects the payment the window shows (read before the other seat wrote).
        const auto correct = [&](int answer) {
            QTableWidget* g = w.FxGridSale;
            g->setCurrentCell(1, 0);
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                              g->visualRect(g->model()->index(1, 0)).center());
            OnNextModal([](QWidget* modal) {
                auto* dialog = qobject_cast<KivoraReceive*>(modal);
                QVERIFY(dialog);
                dialog->TextReceive->setText("2600");
                dialog->BtnOK->click();
            });
            env.messages.clear();
            env.messages.answer(answer);
            w.ImageSaleBar[SaleImage::Correct]->click();
            QCOMPARE(env.messages.texts(), QStringList{ChangedElsewhereText()});
        };
        theirs.StorePayment("1", 20010310, 3000, 1);
        correct(MsgCancel);
        QCOMPARE(payments(), "3000");
        QVERIFY(theirs.DeletePayment("1", 20010310));
        correct(MsgCancel);
        QCOMPARE(payments(), "");
        correct(MsgOK);
        QCOMPARE(payments(), "2600");
        w.close();
    }

    // Both seats add the same payment at once: the second waits for the first and then
    // finds it, instead of adding a second payment of that date.
    void simultaneousNewPaymentWaitsAndIsRefused() {
        TestEnv env;
        if (!env.serverMain())
            QSKIP(TestEnv::noServerMessage());
        const ServerDatabase server = *env.serverMain();
        const auto a = env.openMain();
        Database watcher(server, MainDbMarkerTable());
        const auto waitingSeats = [&] {
            return watcher
                .scalar("SELECT COUNT(*) FROM pg_stat_activity WHERE datname = "
                        "current_database() AND wait_event_type = 'Lock'")
                .toInt();
        };
        std::atomic<bool> bDone{false};
        QString bOutcome;
        JoinedThread seatB; // joined after A's transaction has ended, however the test ends
        Transaction tx(*a);
        Ledger(*a).StorePayment("1", 20010310, 1000, 1, Expect::Absent());
        seatB.thread = std::thread([&] {
            try {
                Database b(server, MainDbMarkerTable());
                try {
                    Ledger(b).StorePayment("1", 20010310, 2000, 2, Expect::Absent());
                    bOutcome = "saved";
                } catch (const ChangedElsewhere&) {
                    bOutcome = "refused";
                } catch (const DatabaseError& e) {
                    bOutcome = e.kind() == DatabaseError::Kind::Conflict ? "refused" : e.detail();
                }
            } catch (const DatabaseError& e) {
                bOutcome = e.detail();
            }
            bDone = true;
        });
        QTRY_COMPARE_WITH_TIMEOUT(waitingSeats(), 1, 10000);
        QVERIFY(!bDone);
        tx.commit();
        seatB.thread.join();
        QCOMPARE(bOutcome, "refused");
        QCOMPARE(TestEnv::rows(watcher, "SELECT Receive, Division FROM 売掛"),
                 QStringList{"1000|1"});
    }

    void serverConnectionLostInTheMiddleOfASave() {
        TestEnv env;
        if (!env.serverMain())
            QSKIP(TestEnv::noServerMessage());
        const auto db = env.openMain();
        db->exec("CREATE FUNCTION test_drop_seat() RETURNS trigger LANGUAGE plpgsql AS $$ "
                 "BEGIN PERFORM pg_terminate_backend(pg_backend_pid()); RETURN NEW; END $$");
        db->exec("CREATE TRIGGER test_drop_seat BEFORE INSERT ON 納品 FOR EACH ROW WHEN "
                 "(NEW.Goods = 'marker') EXECUTE FUNCTION test_drop_seat()");
        DocumentStore store(*db);
        try {
            store.Save(deliveryNote("L1", true), lines({"鉛筆", "marker"}), 400);
            QFAIL("the save went through a dropped connection");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.kind(), DatabaseError::Kind::Disconnected);
            QVERIFY2(e.userMessage().contains("接続が切れました") &&
                         e.userMessage().contains("変更は保存されていません"),
                     qPrintable(e.userMessage()));
        }
        Database fresh(*env.serverMain(), MainDbMarkerTable());
        QCOMPARE(TestEnv::rows(fresh, "SELECT (SELECT COUNT(*) FROM 伝票管理), (SELECT COUNT(*) "
                                      "FROM 納品), (SELECT COUNT(*) FROM 売掛)"),
                 QStringList{"0|0|0"});
        fresh.exec("DROP TRIGGER test_drop_seat ON 納品");
        // The same object goes on, on a new connection.
        store.Save(deliveryNote("L1", true), lines({"鉛筆", "marker"}), 400);
        QCOMPARE(TestEnv::rows(fresh, "SELECT (SELECT COUNT(*) FROM 伝票管理), (SELECT COUNT(*) "
                                      "FROM 納品), (SELECT COUNT(*) FROM 売掛)"),
                 QStringList{"1|2|1"});
    }
};

KIVORA_TEST(TestTwoSeats)
#include "tst_twoseats.moc"
