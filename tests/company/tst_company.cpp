// The own company dialog driven as a user drives it: what it shows of the stored row,
// what OK stores and what Cancel leaves alone, the postal code's two parts, the rate
// and rounding lists, the rounding that the next slip line uses, a lost row written
// back, the Enter route, focus colours and a write that fails.
#include "core/Database.h"
#include "documents/SlipTotals.h"
#include "masters/KivoraCompany.h"
#include "masters/MasterLookup.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::MainDb};
    std::unique_ptr<Database> db = env.openMain();

    Fixture() {
        env.state.DbMain = db.get();
        env.state.AppTitle = QStringLiteral("Kivora");
        env.state.gCaption = QStringLiteral("自社情報");
    }

    // The stored row, every column as text, in the table's own column order.
    QStringList stored() const {
        RecordSet rs = db->select(QStringLiteral("SELECT * FROM 自社情報"));
        QStringList out;
        if (rs.isEmpty())
            return out;
        for (const QString& field : rs.fields())
            out << rs.text(field);
        return out;
    }
    QVariant column(const QString& name) const {
        return db->scalar(QStringLiteral("SELECT ") + name + QStringLiteral(" FROM 自社情報"));
    }
    int rows() const { return db->scalar(QStringLiteral("SELECT COUNT(*) FROM 自社情報")).toInt(); }
};

QStringList Items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

QStringList Days() {
    QStringList out;
    for (int d = 1; d <= 31; ++d)
        out << QString::number(d);
    return out;
}

const QStringList Fractions = {QStringLiteral("切り捨て"), QStringLiteral("四捨五入"),
                               QStringLiteral("切り上げ")};

} // namespace

class TestCompany : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheStoredRow() {
        Fixture f;
        f.db->exec(QStringLiteral("UPDATE 自社情報 SET Excise = 8, ExciseFraction = 2, "
                                  "PriceFraction = 1, ClosingDay = 20, Payment = 5, "
                                  "ClosingType = 1"));
        KivoraCompany d(f.env.state);
        QCOMPARE(d.windowTitle(), QStringLiteral("自社情報"));
        const QStringList texts = {QStringLiteral("株式会社サンプル商事"),
                                   QStringLiteral("代表取締役 見本 太郎"),
                                   QStringLiteral("100"),
                                   QStringLiteral("0001"),
                                   QStringLiteral("東京都千代田区千代田1-1"),
                                   QStringLiteral("見本ビル3階"),
                                   QStringLiteral("03-0000-0000"),
                                   QStringLiteral("03-0000-0001"),
                                   QStringLiteral("見本銀行 本店 普通 1234567"),
                                   QStringLiteral("見本信用金庫 中央支店 当座 7654321")};
        for (int i = 0; i < 10; ++i)
            QCOMPARE(d.TextComp[i]->text(), texts[i]);
        QCOMPARE(d.ComboComp[0]->currentText(), QStringLiteral("8%"));
        QCOMPARE(Items(d.ComboComp[1]), Fractions);
        QCOMPARE(Items(d.ComboComp[2]), Fractions);
        QCOMPARE(d.ComboComp[1]->currentText(), QStringLiteral("切り上げ"));
        QCOMPARE(d.ComboComp[2]->currentText(), QStringLiteral("四捨五入"));
        QCOMPARE(Items(d.ComboComp[3]), Days());
        QCOMPARE(Items(d.ComboComp[4]), Days());
        QCOMPARE(d.ComboComp[3]->currentText(), QStringLiteral("20"));
        QCOMPARE(d.ComboComp[4]->currentText(), QStringLiteral("5"));
        QVERIFY(d.OptionComp[1]->isChecked());
        QCOMPARE(d.OptionComp[0]->text(), QStringLiteral("当月(&T)"));
        QCOMPARE(d.OptionComp[1]->text(), QStringLiteral("次月(&N)"));
        QCOMPARE(d.FrameClosing->title(), QStringLiteral("締め日処理"));
        QCOMPARE(d.BtnCancel->text(), QStringLiteral("キャンセル"));
        QCOMPARE(f.env.messages.count(), 0);
    }

    void okStoresEveryField() {
        Fixture f;
        f.env.state.gPriceFraction = 0;
        KivoraCompany d(f.env.state);
        d.show();
        const QStringList texts = {QStringLiteral("有限会社テスト工房"),
                                   QStringLiteral("試験 花子"),
                                   QStringLiteral("910"),
                                   QStringLiteral("0005"),
                                   QStringLiteral("福井県福井市大手"),
                                   QStringLiteral("２丁目"),
                                   QStringLiteral("0776-00-0000"),
                                   QStringLiteral("0776-00-0001"),
                                   QStringLiteral("福井銀行 本店 普通 111"),
                                   QStringLiteral("北陸銀行 駅前 当座 222")};
        for (int i = 0; i < 10; ++i)
            d.TextComp[i]->setText(texts[i]);
        d.ComboComp[0]->setCurrentText(QStringLiteral("8%"));
        d.ComboComp[1]->setCurrentIndex(1);
        d.ComboComp[2]->setCurrentIndex(2);
        d.ComboComp[3]->setCurrentText(QStringLiteral("25"));
        d.ComboComp[4]->setCurrentText(QStringLiteral("10"));
        QTest::mouseClick(d.OptionComp[1], Qt::LeftButton);
        QVERIFY(d.OptionComp[1]->isChecked());
        d.BtnOK->click();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.stored(), QStringList({texts[0], texts[1], QStringLiteral("910-0005"), texts[4],
                                          texts[5], texts[6], texts[7], texts[8], texts[9], "8",
                                          "1", "2", "25", "10", "1"}));
        QCOMPARE(f.rows(), 1);
        QCOMPARE(f.env.state.gPriceFraction, quint8(2));
        QCOMPARE(f.env.messages.count(), 0);

        // 当月 goes back to 0.
        KivoraCompany again(f.env.state);
        QVERIFY(again.OptionComp[1]->isChecked());
        again.OptionComp[0]->setChecked(true);
        again.BtnOK->click();
        QCOMPARE(f.column("ClosingType").toInt(), 0);
        QCOMPARE(f.column("Name").toString(), texts[0]);
    }

    void cancelWritesNothing() {
        Fixture f;
        const QStringList before = f.stored();
        f.env.state.gPriceFraction = 0;
        for (int way = 0; way < 3; ++way) {
            KivoraCompany d(f.env.state);
            d.show();
            for (QLineEdit* field : d.TextComp)
                field->setText(QStringLiteral("99"));
            d.TextComp[3]->clear();
            for (QComboBox* list : d.ComboComp)
                list->setCurrentIndex(1);
            d.OptionComp[1]->setChecked(true);
            if (way == 0)
                d.BtnCancel->click();
            else if (way == 1)
                QTest::keyClick(d.ComboComp[4], Qt::Key_Escape);
            else
                d.close();
            QVERIFY(!d.isVisible());
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(f.stored(), before);
            QCOMPARE(f.env.state.gPriceFraction, quint8(0));
        }
        QCOMPARE(f.env.messages.count(), 0);
    }

    void postalCodeWithoutSecondPart() {
        Fixture f;
        {
            KivoraCompany d(f.env.state);
            QCOMPARE(d.TextComp[2]->text(), QStringLiteral("100"));
            QCOMPARE(d.TextComp[3]->text(), QStringLiteral("0001"));
            d.TextComp[2]->setText(QStringLiteral("910"));
            d.TextComp[3]->clear();
            d.BtnOK->click();
        }
        QCOMPARE(f.column("ZipCode").toString(), QStringLiteral("910"));
        {
            KivoraCompany d(f.env.state);
            QCOMPARE(d.TextComp[2]->text(), QStringLiteral("910"));
            QCOMPARE(d.TextComp[3]->text(), QString());
            // Untouched, the code goes back as it came.
            d.BtnOK->click();
        }
        QCOMPARE(f.column("ZipCode").toString(), QStringLiteral("910"));
        // Both parts empty: no lone hyphen.
        {
            KivoraCompany d(f.env.state);
            d.TextComp[2]->clear();
            d.BtnOK->click();
        }
        QCOMPARE(f.column("ZipCode").toString(), QString());
    }

    void fieldsKeepTheirByteLimits() {
        Fixture f;
        KivoraCompany d(f.env.state);
        // Bytes kept: one less than each field's length property.
        const int kept[10] = {40, 20, 3, 4, 30, 30, 12, 12, 40, 40};
        for (int i = 0; i < 10; ++i) {
            d.TextComp[i]->setText(QString(50, QLatin1Char('9')));
            QCOMPARE(d.TextComp[i]->text().size(), qsizetype(kept[i]));
        }
        // A full-width character counts two bytes.
        d.TextComp[1]->setText(QString(15, QChar(u'山')));
        QCOMPARE(d.TextComp[1]->text(), QString(10, QChar(u'山')));
        d.show();
        d.TextComp[2]->clear();
        QTest::keyClicks(d.TextComp[2], "91000");
        QCOMPARE(d.TextComp[2]->text(), QStringLiteral("910"));
    }

    void amountRoundingReachesTheNextSlipLine() {
        Fixture f;
        f.env.state.gPriceFraction = 0;
        QCOMPARE(SlipTotals::LineAmount("2", "1.25", f.env.state.gPriceFraction),
                 QStringLiteral("2"));
        {
            KivoraCompany d(f.env.state);
            QCOMPARE(d.ComboComp[2]->currentText(), QStringLiteral("切り捨て"));
            d.ComboComp[2]->setCurrentText(QStringLiteral("四捨五入"));
            d.BtnOK->click();
        }
        QCOMPARE(f.column("PriceFraction").toInt(), 1);
        QCOMPARE(f.env.state.gPriceFraction, quint8(1));
        QCOMPARE(SlipTotals::LineAmount("2", "1.25", f.env.state.gPriceFraction),
                 QStringLiteral("3"));
        {
            KivoraCompany d(f.env.state);
            d.ComboComp[2]->setCurrentText(QStringLiteral("切り上げ"));
            d.BtnOK->click();
        }
        QCOMPARE(f.env.state.gPriceFraction, quint8(2));
        QCOMPARE(SlipTotals::LineAmount("2", "1.05", f.env.state.gPriceFraction),
                 QStringLiteral("3"));
        // The tax rounding is a default for new customers and leaves the amounts alone.
        {
            KivoraCompany d(f.env.state);
            d.ComboComp[1]->setCurrentIndex(1);
            d.BtnOK->click();
        }
        QCOMPARE(f.column("ExciseFraction").toInt(), 1);
        QCOMPARE(f.env.state.gPriceFraction, quint8(2));
    }

    void rateListOffersOnlyPercentRates() {
        Fixture f;
        f.db->exec(QStringLiteral("INSERT INTO 税率 (Code, Excise) VALUES (3, 5)"));
        {
            KivoraCompany d(f.env.state);
            QVERIFY(!d.ComboComp[0]->isEditable());
            QCOMPARE(Items(d.ComboComp[0]), QStringList({"10%", "8%", "5%"}));
            QCOMPARE(Items(d.ComboComp[0]), MasterLookup::ExciseTexts(*f.db));
            QCOMPARE(d.ComboComp[0]->currentText(), QStringLiteral("10%"));
            // Choosing a text that is not offered changes nothing.
            d.ComboComp[0]->setCurrentText(QStringLiteral("7"));
            QCOMPARE(d.ComboComp[0]->currentText(), QStringLiteral("10%"));
            d.ComboComp[0]->setCurrentText(QStringLiteral("5%"));
            d.BtnOK->click();
        }
        QCOMPARE(f.column("Excise").toDouble(), 5.0);

        // A stored rate that is no longer offered stays, written as the list writes rates.
        f.db->exec(QStringLiteral("UPDATE 自社情報 SET Excise = 3"));
        {
            KivoraCompany d(f.env.state);
            QCOMPARE(d.ComboComp[0]->currentText(), QStringLiteral("3%"));
            for (const QString& item : Items(d.ComboComp[0]))
                QVERIFY2(item.endsWith(QLatin1Char('%')), qPrintable(item));
            d.BtnOK->click();
        }
        QCOMPARE(f.column("Excise").toDouble(), 3.0);
    }

    void missingRowIsCreatedOnOK() {
        Fixture f;
        f.db->exec(QStringLiteral("DELETE FROM 自社情報"));
        f.env.state.gPriceFraction = 2;
        {
            KivoraCompany d(f.env.state);
            for (QLineEdit* field : d.TextComp)
                QCOMPARE(field->text(), QString());
            QCOMPARE(d.ComboComp[0]->currentText(), QStringLiteral("10%"));
            QCOMPARE(d.ComboComp[1]->currentIndex(), 0);
            QCOMPARE(d.ComboComp[2]->currentIndex(), 0);
            QCOMPARE(d.ComboComp[3]->currentText(), QStringLiteral("31"));
            QCOMPARE(d.ComboComp[4]->currentText(), QStringLiteral("31"));
            QVERIFY(d.OptionComp[0]->isChecked());
            // Cancel does not add it.
            d.BtnCancel->click();
        }
        QCOMPARE(f.rows(), 0);
        {
            KivoraCompany d(f.env.state);
            d.TextComp[0]->setText(QStringLiteral("新会社"));
            d.TextComp[2]->setText(QStringLiteral("105"));
            d.BtnOK->click();
            QCOMPARE(d.result(), int(QDialog::Accepted));
        }
        QCOMPARE(f.rows(), 1);
        QCOMPARE(f.stored(), QStringList({QStringLiteral("新会社"), "", "105", "", "", "", "", "",
                                          "", "10", "0", "0", "31", "31", "0"}));
        QCOMPARE(f.env.state.gPriceFraction, quint8(0));
        QCOMPARE(f.env.messages.count(), 0);
    }

    void listsWithoutAChoiceKeepTheStoredValue() {
        // Values no list offers (a damaged row) come back unchanged rather than as 0.
        Fixture f;
        f.db->exec(QStringLiteral("UPDATE 自社情報 SET ExciseFraction = 7, ClosingDay = 0, "
                                  "Payment = 40"));
        {
            KivoraCompany d(f.env.state);
            QCOMPARE(d.ComboComp[1]->currentIndex(), -1);
            QCOMPARE(d.ComboComp[3]->currentIndex(), -1);
            QCOMPARE(d.ComboComp[4]->currentIndex(), -1);
            d.BtnOK->click();
        }
        QCOMPARE(f.column("ExciseFraction").toInt(), 7);
        QCOMPARE(f.column("ClosingDay").toInt(), 0);
        QCOMPARE(f.column("Payment").toInt(), 40);
    }

    void enterRoutesDeleteAndFocusColours() {
        Fixture f;
        KivoraCompany d(f.env.state);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), d.TextComp[0]);
        std::vector<QWidget*> route(d.TextComp.begin(), d.TextComp.end());
        route.insert(route.end(), d.ComboComp.begin(), d.ComboComp.end());
        route.push_back(d.TextComp[0]);
        for (size_t i = 0; i + 1 < route.size(); ++i) {
            QCOMPARE(QApplication::focusWidget(), route[i]);
            QTest::keyClick(route[i], Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), route[i + 1]);
        }
        // The keypad's Enter walks the same way, and no Enter ever closes the dialog.
        QTest::keyClick(d.TextComp[0], Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), d.TextComp[1]);
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.messages.count(), 0);

        // Delete leaves every list's choice alone.
        for (QComboBox* list : d.ComboComp) {
            list->setFocus();
            const int index = list->currentIndex();
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(list->currentIndex(), index);
        }

        // The field with the focus is drawn in tooltip colours, the others as usual.
        const QPalette plain = d.TextComp[4]->palette();
        QVERIFY(plain.color(QPalette::Base) != plain.color(QPalette::ToolTipBase));
        d.TextComp[4]->setFocus();
        QCOMPARE(d.TextComp[4]->palette().color(QPalette::Base),
                 plain.color(QPalette::ToolTipBase));
        QCOMPARE(d.TextComp[4]->palette().color(QPalette::Text),
                 plain.color(QPalette::ToolTipText));
        QTest::keyClick(d.TextComp[4], Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d.TextComp[5]);
        QCOMPARE(d.TextComp[4]->palette().color(QPalette::Base), plain.color(QPalette::Base));
        QCOMPARE(d.TextComp[5]->palette().color(QPalette::Base),
                 plain.color(QPalette::ToolTipBase));
        // The whole text is selected on focus when SelText asks for it.
        f.env.state.SelText = 1;
        d.TextComp[0]->setFocus();
        QTRY_COMPARE(d.TextComp[0]->selectedText(), QStringLiteral("株式会社サンプル商事"));
        d.BtnCancel->click();
    }

    void failedWriteIsReportedAndKeepsTheDialogOpen() {
        Fixture f;
        f.db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON 自社情報 "
                                  "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        const QStringList before = f.stored();
        f.env.state.gPriceFraction = 0;
        KivoraCompany d(f.env.state);
        d.show();
        d.TextComp[0]->setText(QStringLiteral("変更後"));
        d.ComboComp[2]->setCurrentIndex(1);
        d.BtnOK->click();
        QVERIFY(d.isVisible());
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.env.messages.shown().first().title, QStringLiteral("Kivora"));
        QVERIFY(f.env.messages.lastText().contains(QStringLiteral("変更は保存されていません")));
        QCOMPARE(f.stored(), before);
        QCOMPARE(f.env.state.gPriceFraction, quint8(0));
        QCOMPARE(d.TextComp[0]->text(), QStringLiteral("変更後"));
        d.BtnCancel->click();
        QVERIFY(!d.isVisible());
    }
};

QTEST_MAIN(TestCompany)
#include "tst_company.moc"
