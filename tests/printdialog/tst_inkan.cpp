// The seal window: what it shows when nothing is stored, the picture chosen through the
// picker, the size checks and their messages, the clear question, and the main window's
// menu item that opens it.
#include "core/SettingsStore.h"
#include "customers/Kivora.h"
#include "printdialog/FakePrinterService.h"
#include "printing/KivoraInkan.h"
#include "support/ModalHelper.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

struct Fixture {
    TestEnv env{TestEnv::None};
    FakePrinterService printers{env.path(QString())};

    QString picture(const QString& name) {
        const QString path = env.path(name);
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(path, "PNG");
        return path;
    }
    std::unique_ptr<KivoraInkan> open() {
        auto dialog = std::make_unique<KivoraInkan>(env.state, printers);
        dialog->show();
        return dialog;
    }
    QString stored(const QString& key) { return env.settings().get(key, QStringLiteral("<none>")); }
};

} // namespace

class TestInkan : public QObject {
    Q_OBJECT

private slots:
    void showsTheSizesPrintingUsesWhenNothingIsStored() {
        Fixture f;
        auto d = f.open();
        QCOMPARE(d->windowTitle(), QStringLiteral("印鑑設定"));
        QCOMPARE(d->LabelPath->text(), QString());
        QCOMPARE(d->txtTate->text(), QStringLiteral("1.0"));
        QCOMPARE(d->txtYoko->text(), QStringLiteral("1.0"));
        QVERIFY(!d->hasPicture());
        QCOMPARE(d->LabelTitle[3]->text(), QStringLiteral("印字（縦）"));
        QCOMPARE(d->LabelTitle[2]->text(), QStringLiteral("印字（横）"));
    }

    void showsWhatIsStored() {
        Fixture f;
        const QString seal = f.picture(QStringLiteral("seal.png"));
        f.env.settings().save(QStringLiteral("Inkan"), seal);
        f.env.settings().save(QStringLiteral("InkanT"), QStringLiteral("1.5"));
        f.env.settings().save(QStringLiteral("InkanY"), QStringLiteral("2.0"));
        auto d = f.open();
        QCOMPARE(d->LabelPath->text(), seal);
        QCOMPARE(d->txtTate->text(), QStringLiteral("1.5"));
        QCOMPARE(d->txtYoko->text(), QStringLiteral("2.0"));
        QVERIFY(d->hasPicture());
    }

    void chosenPictureIsStoredWithTheDefaultSize() {
        Fixture f;
        const QString seal = f.picture(QStringLiteral("印鑑.png"));
        auto d = f.open();
        f.printers.openAnswer = seal;
        d->cmdFile->click();
        QCOMPARE(f.printers.openFilters, QStringList({QStringLiteral("画像ファイル (*)")}));
        QCOMPARE(d->LabelPath->text(), seal);
        QVERIFY(d->hasPicture());
        // Nothing typed: the size stored is one that prints, 10 × 10 mm.
        d->cmdSet->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(f.stored(QStringLiteral("Inkan")), seal);
        QCOMPARE(f.stored(QStringLiteral("InkanT")), QStringLiteral("1.0"));
        QCOMPARE(f.stored(QStringLiteral("InkanY")), QStringLiteral("1.0"));
        QCOMPARE(f.env.messages.count(), 0);
    }

    void missingFileIsRefused() {
        Fixture f;
        const QString seal = f.picture(QStringLiteral("seal.png"));
        auto d = f.open();
        f.printers.openAnswer = seal;
        d->cmdFile->click();
        // A name that does not exist (a picker answer, a file removed since) is not taken.
        f.printers.openAnswer = f.env.path(QStringLiteral("gone.png"));
        d->cmdFile->click();
        QCOMPARE(d->LabelPath->text(), seal);
        f.printers.openAnswer.clear(); // cancelled
        d->cmdFile->click();
        QCOMPARE(d->LabelPath->text(), seal);

        // A stored file that has gone: no picture, and 設定する does nothing.
        f.env.settings().save(QStringLiteral("Inkan"), f.env.path(QStringLiteral("gone.png")));
        auto stale = f.open();
        QVERIFY(!stale->hasPicture());
        stale->txtTate->setText(QStringLiteral("3"));
        stale->cmdSet->click();
        QVERIFY(stale->isVisible());
        QCOMPARE(f.stored(QStringLiteral("InkanT")), QStringLiteral("<none>"));
        QCOMPARE(f.env.messages.count(), 0);
    }

    void fileThatIsNoPictureLeavesThePreview() {
        Fixture f;
        const QString seal = f.picture(QStringLiteral("seal.png"));
        QFile text(f.env.path(QStringLiteral("note.png")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture");
        text.close();
        auto d = f.open();
        f.printers.openAnswer = seal;
        d->cmdFile->click();
        const QImage before = d->imgInkan->pixmap().toImage();
        f.printers.openAnswer = text.fileName();
        d->cmdFile->click();
        QCOMPARE(d->LabelPath->text(), text.fileName());
        QCOMPARE(d->imgInkan->pixmap().toImage(), before);
    }

    void sizesAreCheckedOneAfterTheOther() {
        Fixture f;
        const QString seal = f.picture(QStringLiteral("seal.png"));
        f.env.settings().save(QStringLiteral("Inkan"), seal);
        auto d = f.open();

        d->txtTate->setText(QStringLiteral("25"));
        d->cmdSet->click();
        QCOMPARE(f.env.messages.count(), 1);
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("縦は0～20の間で設定してください。"));
        QCOMPARE(f.env.messages.shown().last().title, QStringLiteral("設定エラー"));
        QCOMPARE(f.env.messages.shown().last().icon, MsgIcon::Stop);
        QVERIFY(d->isVisible());
        QCOMPARE(d->txtTate->text(), QStringLiteral("25")); // kept for correction
        QCOMPARE(f.stored(QStringLiteral("InkanT")), QStringLiteral("<none>"));

        // A good height is stored before a bad width stops the window.
        d->txtTate->setText(QStringLiteral("1.25"));
        d->txtYoko->setText(QStringLiteral("-0.5"));
        d->cmdSet->click();
        QCOMPARE(f.env.messages.lastText(), QStringLiteral("横は0～20の間で設定してください。"));
        QCOMPARE(d->txtTate->text(), QStringLiteral("1.3"));
        QCOMPARE(f.stored(QStringLiteral("InkanT")), QStringLiteral("1.3"));
        QCOMPARE(f.stored(QStringLiteral("InkanY")), QStringLiteral("<none>"));
        QVERIFY(d->isVisible());

        // Full-width digits from an input method count; the bounds are allowed.
        d->txtYoko->setText(QStringLiteral("２０"));
        d->txtTate->setText(QStringLiteral("0"));
        d->cmdSet->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(f.stored(QStringLiteral("InkanT")), QStringLiteral("0.0"));
        QCOMPARE(f.stored(QStringLiteral("InkanY")), QStringLiteral("20.0"));
        QCOMPARE(f.env.messages.count(), 2);
    }

    void textThatIsNoNumberClosesWithoutStoringIt() {
        Fixture f;
        const QString seal = f.picture(QStringLiteral("seal.png"));
        f.env.settings().save(QStringLiteral("InkanT"), QStringLiteral("1.5"));
        f.env.settings().save(QStringLiteral("InkanY"), QStringLiteral("2.0"));
        f.env.settings().save(QStringLiteral("Inkan"), seal);
        auto d = f.open();
        d->txtTate->setText(QStringLiteral("abc"));
        d->txtYoko->setText(QStringLiteral("5"));
        d->cmdSet->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(f.stored(QStringLiteral("InkanT")), QStringLiteral("1.5"));
        QCOMPARE(f.stored(QStringLiteral("InkanY")), QStringLiteral("2.0")); // never looked at

        auto w = f.open();
        w->txtTate->setText(QStringLiteral("2"));
        w->txtYoko->clear();
        w->cmdSet->click();
        QVERIFY(!w->isVisible());
        QCOMPARE(f.stored(QStringLiteral("InkanT")), QStringLiteral("2.0"));
        QCOMPARE(f.stored(QStringLiteral("InkanY")), QStringLiteral("2.0"));
        QCOMPARE(f.env.messages.count(), 0);
    }

    void clearAsksFirstAndKeepsTheSizes() {
        Fixture f;
        const QString seal = f.picture(QStringLiteral("seal.png"));
        f.env.settings().save(QStringLiteral("Inkan"), seal);
        f.env.settings().save(QStringLiteral("InkanT"), QStringLiteral("1.5"));
        auto d = f.open();
        f.env.messages.answer(MsgCancel);
        d->cmdClear->click();
        const MessageRequest& asked = f.env.messages.shown().last();
        QCOMPARE(asked.text, QStringLiteral("設定をクリアしてもよろしいですか？"));
        QCOMPARE(asked.title, QStringLiteral("確認"));
        QCOMPARE(asked.icon, MsgIcon::Question);
        QVERIFY(asked.withCancel);
        QCOMPARE(d->LabelPath->text(), seal);
        QCOMPARE(f.stored(QStringLiteral("Inkan")), seal);

        f.env.messages.answer(MsgOK);
        d->cmdClear->click();
        QCOMPARE(d->LabelPath->text(), QString());
        QVERIFY(!d->hasPicture());
        QCOMPARE(f.stored(QStringLiteral("Inkan")), QString());
        QCOMPARE(d->txtTate->text(), QStringLiteral("1.5"));
        // Nothing left to set: the button does nothing and the sizes stay stored.
        d->txtTate->setText(QStringLiteral("9"));
        d->cmdSet->click();
        QVERIFY(d->isVisible());
        QCOMPARE(f.stored(QStringLiteral("InkanT")), QStringLiteral("1.5"));
    }

    void mainWindowMenuOpensIt() {
        TestEnv env;
        env.state.AppTitle = QStringLiteral("Kivora");
        Kivora window(env.state);
        window.Load();
        window.show();
        QVERIFY(window.MenuTool[6]->isEnabled());
        QCOMPARE(window.MenuTool[6]->text(), QStringLiteral("印鑑設定(&I)"));
        QString opened;
        OnNextModal([&](QWidget* modal) {
            opened = modal->objectName();
            auto* seal = qobject_cast<KivoraInkan*>(modal);
            if (seal)
                opened += QLatin1Char(' ') + seal->txtTate->text();
            modal->close();
        });
        window.MenuTool[6]->trigger();
        QCOMPARE(opened, QStringLiteral("KivoraInkan 1.0"));
        QCOMPARE(env.state.gMode, quint8(1));
        env.messages.answer(MsgOK); // the quit question
        window.close();
    }
};

QTEST_MAIN(TestInkan)
#include "tst_inkan.moc"
