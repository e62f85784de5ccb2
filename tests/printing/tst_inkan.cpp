// The seal window: defaults, the chosen picture, size checks, clearing, and its menu item.
#include "support/TestMain.h"
#include "core/SettingsStore.h"
#include "customers/Kivora.h"
#include "support/FakePrinterService.h"
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

using namespace Qt::StringLiterals;

namespace {

struct Fixture {
    TestEnv env{TestEnv::None};
    FakePrinterService printers{env.path(QString())};

    QString picture(const QString& name = u"seal.png"_s) {
        const QString path = env.path(name);
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(path, "PNG");
        return path;
    }
    // Stores the seal settings; an empty value is left unstored.
    void store(const QString& seal, const QString& height = {}, const QString& width = {}) {
        const std::pair<const char*, QString> values[] = {
            {"Inkan", seal}, {"InkanT", height}, {"InkanY", width}};
        for (const auto& [key, value] : values)
            if (!value.isEmpty())
                env.settings().save(QString::fromLatin1(key), value);
    }
    std::unique_ptr<KivoraInkan> open() {
        auto dialog = std::make_unique<KivoraInkan>(env.state, printers);
        dialog->show();
        return dialog;
    }
    QString stored(const QString& key) { return env.settings().get(key, u"<none>"_s); }
    QString sizes() { return stored(u"InkanT"_s) + ' ' + stored(u"InkanY"_s); }
    // Types the height and width and presses 設定する.
    static void set(KivoraInkan& d, const QString& height, const QString& width) {
        d.txtTate->setText(height);
        d.txtYoko->setText(width);
        d.cmdSet->click();
    }
    // What the window shows: the path, height and width.
    static QString shown(const KivoraInkan& d) {
        return d.LabelPath->text() + QLatin1Char('|') + d.txtTate->text() + QLatin1Char('|') +
               d.txtYoko->text();
    }
};

} // namespace

class TestInkan : public QObject {
    Q_OBJECT

private slots:
    // Nothing stored: the sizes printing uses (10 × 10 mm) and no picture.
    void showsWhatIsStoredOrTheDefaults() {
        Fixture f;
        auto fresh = f.open();
        QCOMPARE(Fixture::shown(*fresh), u"|1.0|1.0"_s);
        QVERIFY(!fresh->hasPicture());

        const QString seal = f.picture();
        f.store(seal, u"1.5"_s, u"2.0"_s);
        auto d = f.open();
        QCOMPARE(Fixture::shown(*d), seal + u"|1.5|2.0"_s);
        QVERIFY(d->hasPicture());
    }

    void chosenPictureIsStoredWithTheDefaultSize() {
        Fixture f;
        const QString seal = f.picture(u"印鑑.png"_s);
        auto d = f.open();
        f.printers.openAnswer = seal;
        d->cmdFile->click();
        QCOMPARE(f.printers.openFilters, QStringList{u"画像ファイル (*)"_s});
        QCOMPARE(d->LabelPath->text(), seal);
        QVERIFY(d->hasPicture());
        // Nothing typed: the size stored is one that prints, 10 × 10 mm.
        d->cmdSet->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(f.stored(u"Inkan"_s), seal);
        QCOMPARE(f.sizes(), u"1.0 1.0"_s);
        QCOMPARE(f.env.messages.count(), 0);
    }

    // Missing files and a cancelled picker are not taken; a non-picture leaves the preview;
    // with a stored file gone, 設定する does nothing.
    void picturesThatAreNotTaken() {
        Fixture f;
        const QString seal = f.picture();
        auto d = f.open();
        f.printers.openAnswer = seal;
        d->cmdFile->click();
        const QImage before = d->imgInkan->pixmap().toImage();
        for (const QString& answer : {f.env.path(u"gone.png"_s), QString()}) {
            f.printers.openAnswer = answer;
            d->cmdFile->click();
            QCOMPARE(d->LabelPath->text(), seal);
        }
        QFile text(f.env.path(u"note.png"_s));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0);
        text.close();
        f.printers.openAnswer = text.fileName();
        d->cmdFile->click();
        QCOMPARE(d->LabelPath->text(), text.fileName());
        QCOMPARE(d->imgInkan->pixmap().toImage(), before);

        f.store(f.env.path(u"gone.png"_s));
        auto stale = f.open();
        QVERIFY(!stale->hasPicture());
        Fixture::set(*stale, u"3"_s, u"3"_s);
        QVERIFY(stale->isVisible());
        QCOMPARE(f.sizes(), u"<none> <none>"_s);
        QCOMPARE(f.env.messages.count(), 0);
    }

    // Height then width within 0-20, one place; a good height is stored before a bad width.
    void sizesAreCheckedOneAfterTheOther() {
        Fixture f;
        f.store(f.picture());
        auto d = f.open();
        Fixture::set(*d, u"25"_s, u"1.0"_s);
        QCOMPARE(f.env.messages.count(), 1);
        const MessageRequest& told = f.env.messages.shown().last();
        QCOMPARE(told.text, u"縦は0～20の間で設定してください。"_s);
        QCOMPARE(told.title, u"設定エラー"_s);
        QCOMPARE(told.icon, MsgIcon::Stop);
        QVERIFY(d->isVisible());
        QCOMPARE(d->txtTate->text(), u"25"_s); // kept for correction
        QCOMPARE(f.sizes(), u"<none> <none>"_s);

        Fixture::set(*d, u"1.25"_s, u"-0.5"_s);
        QCOMPARE(f.env.messages.lastText(), u"横は0～20の間で設定してください。"_s);
        QCOMPARE(d->txtTate->text(), u"1.3"_s);
        QCOMPARE(f.sizes(), u"1.3 <none>"_s);
        QVERIFY(d->isVisible());

        Fixture::set(*d, u"0"_s, u"２０"_s);
        QVERIFY(!d->isVisible());
        QCOMPARE(f.sizes(), u"0.0 20.0"_s);
        QCOMPARE(f.env.messages.count(), 2);
    }

    // Non-numeric text closes without storing and ends the checks; an empty width is kept.
    void textThatIsNoNumberClosesWithoutStoringIt() {
        Fixture f;
        f.store(f.picture(), u"1.5"_s, u"2.0"_s);
        auto d = f.open();
        Fixture::set(*d, u"abc"_s, u"5"_s);
        QVERIFY(!d->isVisible());
        QCOMPARE(f.sizes(), u"1.5 2.0"_s);

        auto w = f.open();
        Fixture::set(*w, u"2"_s, QString());
        QVERIFY(!w->isVisible());
        QCOMPARE(f.sizes(), u"2.0 2.0"_s);
        QCOMPARE(f.env.messages.count(), 0);
    }

    void clearAsksFirstAndKeepsTheSizes() {
        Fixture f;
        const QString seal = f.picture();
        f.store(seal, u"1.5"_s);
        auto d = f.open();
        f.env.messages.answer(MsgCancel);
        d->cmdClear->click();
        const MessageRequest& asked = f.env.messages.shown().last();
        QCOMPARE(asked.text, u"設定をクリアしてもよろしいですか？"_s);
        QCOMPARE(asked.title, u"確認"_s);
        QCOMPARE(asked.icon, MsgIcon::Question);
        QVERIFY(asked.withCancel);
        QCOMPARE(d->LabelPath->text(), seal);
        QCOMPARE(f.stored(u"Inkan"_s), seal);

        f.env.messages.answer(MsgOK);
        d->cmdClear->click();
        QCOMPARE(Fixture::shown(*d), u"|1.5|1.0"_s);
        QVERIFY(!d->hasPicture());
        QCOMPARE(f.stored(u"Inkan"_s), QString());
        // Nothing left to set: the button does nothing and the sizes stay stored.
        Fixture::set(*d, u"9"_s, u"9"_s);
        QVERIFY(d->isVisible());
        QCOMPARE(f.sizes(), u"1.5 <none>"_s);
    }

    void mainWindowMenuOpensIt() {
        TestEnv env;
        env.state.AppTitle = u"Kivora"_s;
        Kivora window(env.state);
        window.Load();
        window.show();
        QVERIFY(window.MenuTool[6]->isEnabled());
        QString opened;
        OnNextModal([&](QWidget* modal) {
            opened = modal->objectName();
            if (auto* seal = qobject_cast<KivoraInkan*>(modal))
                opened += QLatin1Char(' ') + seal->txtTate->text();
            modal->close();
        });
        window.MenuTool[6]->trigger();
        QCOMPARE(opened, u"KivoraInkan 1.0"_s);
        QCOMPARE(env.state.gMode, quint8(1));
        env.messages.answer(MsgOK); // the quit question
        window.close();
    }
};

KIVORA_TEST(TestInkan)
#include "tst_inkan.moc"
