#include "GuideShots.h"

#include "../gallery/GallerySamples.h"
#include "../gallery/LoggedMessages.h"

#include "app/Startup.h"
#include "core/AppState.h"
#include "core/DataPaths.h"
#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/SchemaUpgrade.h"
#include "core/SettingsStore.h"
#include "customers/CustomerStore.h"
#include "customers/Kivora.h"
#include "documents/DocumentStore.h"
#include "documents/KivoraReceipt.h"
#include "documents/KivoraSlip.h"
#include "documents/KivoraSlipB.h"
#include "documents/ReceiptStore.h"
#include "documents/SlipTotals.h"
#include "lists/KivoraDisp.h"
#include "lists/KivoraListU.h"
#include "masters/CompanyStore.h"
#include "options/KivoraOption.h"
#include "printing/KivoraPrintA.h"
#include "printing/QtPrinterService.h"
#include "receivables/KivoraSale.h"
#include "receivables/Ledger.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

const QString kCustomer = GallerySamples::UserCode;
const QString kSlipNumber = QStringLiteral("000045");
const QString kReceiptNumber = QStringLiteral("000012");

qint64 Ymd(const QDate& d) {
    return d.year() * 10000LL + d.month() * 100 + d.day();
}

// Tax-inclusive total of `lines` as the slip window saves it: the customers' rate and
// rounding, the company's reduced rate for the reduced-rate lines. The ledger then shows
// the same total as the slip's picture.
double TotalOf(const QList<SlipLine>& lines) {
    const CustomerRow customer = GallerySamples::Customer();
    return SlipTotals::Calc(lines, customer.Excise, GallerySamples::Company().ReducedExcise,
                            customer.Fraction)
        .total;
}

void SaveSlip(Database& db, const QString& code, const QString& number, const QDate& date,
              const QList<SlipLine>& lines) {
    SlipHeader header;
    header.UserCode = code;
    header.DocType = 2;
    header.DocNumber = number;
    header.IssueYMD = Ymd(date);
    header.AddUpSale = true;
    header.ChargeCode = QStringLiteral("01");
    header.ChargeName = QStringLiteral("佐藤 健一");
    header.Remark = QStringLiteral("%1月分").arg(date.month());
    DocumentStore(db).Save(header, lines, TotalOf(lines));
}

// A stationery shop a few weeks into using the program: three customers, two staff
// members, some goods, a delivery note last month paid by transfer, and this month's
// delivery notes and receipt. The dates follow today, so that the ledger and the bill
// open on the month that holds them.
void FillSamples(Database& db) {
    CompanyRow company = GallerySamples::Company();
    company.ClosingDay = 31;
    CompanyStore(db).Write(company);
    CustomerStore customers(db);
    CustomerRow sakura = GallerySamples::Customer();
    sakura.BusinessYMD = 20240401;
    customers.Save(sakura);
    CustomerRow himawari = sakura;
    himawari.Code = QStringLiteral("000130");
    himawari.Name = QStringLiteral("有限会社ひまわり食堂");
    himawari.Kana = QStringLiteral("ﾋﾏﾜﾘｼｮｸﾄﾞｳ");
    himawari.Address1 = QStringLiteral("石川県金沢市広坂1-1-1");
    himawari.Address2.clear();
    himawari.ZipCode = QStringLiteral("920-0962");
    himawari.TEL = QStringLiteral("076-222-3333");
    himawari.FAX.clear();
    himawari.Position1.clear();
    himawari.Charge1 = QStringLiteral("日向 陽子");
    himawari.Position2.clear();
    himawari.Charge2.clear();
    customers.Save(himawari);
    CustomerRow yamada = himawari;
    yamada.Code = QStringLiteral("000131");
    yamada.Name = QStringLiteral("山田 太郎");
    yamada.Kana = QStringLiteral("ﾔﾏﾀﾞﾀﾛｳ");
    yamada.Prefix1 = QStringLiteral("様");
    yamada.ZipCode = QStringLiteral("921-8011");
    yamada.Address1 = QStringLiteral("石川県金沢市入江3-45");
    yamada.TEL = QStringLiteral("090-1234-0000");
    yamada.Charge1.clear();
    customers.Save(yamada);

    db.exec(QStringLiteral("INSERT INTO 担当者 (Code, Position, Name) VALUES (?, ?, ?), (?, ?, ?)"),
            {QStringLiteral("01"), QStringLiteral("営業部"), QStringLiteral("佐藤 健一"),
             QStringLiteral("02"), QStringLiteral("営業部"), QStringLiteral("高橋 美咲")});
    const QStringList units = {QStringLiteral("個"), QStringLiteral("箱"), QStringLiteral("冊"),
                               QStringLiteral("本"), QStringLiteral("台")};
    for (int i = 0; i < units.size(); ++i)
        db.exec(QStringLiteral("INSERT INTO 単位 (Code, Unit) VALUES (?, ?)"),
                {QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')), units[i]});

    const QDate today = QDate::currentDate();
    const QDate thisMonth(today.year(), today.month(), 5);
    const QDate lastMonth = thisMonth.addMonths(-1).addDays(15);
    const QList<SlipLine> lines = GallerySamples::SlipLines(8);
    SaveSlip(db, kCustomer, kSlipNumber, thisMonth, lines);
    SaveSlip(db, himawari.Code, QStringLiteral("000046"), thisMonth.addDays(-2),
             GallerySamples::SlipLines(3));
    const QList<SlipLine> earlier = GallerySamples::SlipLines(4);
    SaveSlip(db, kCustomer, QStringLiteral("000040"), lastMonth, earlier);
    Ledger(db).StorePayment(kCustomer, Ymd(thisMonth.addDays(-3)), TotalOf(earlier),
                            PaymentKind::Transfer);

    Receipt receipt;
    receipt.UserCode = kCustomer;
    receipt.Number = kReceiptNumber;
    receipt.IssueYMD = Ymd(thisMonth.addDays(1));
    receipt.ChargeCode = QStringLiteral("01");
    receipt.ChargeName = QStringLiteral("佐藤 健一");
    ReceiptDetail detail;
    detail.Prices[ReceiptKind::Cash] = 20000;
    detail.Prices[ReceiptKind::Transfer] = TotalOf(lines) - 20000;
    detail.Remark = QStringLiteral("お品代として");
    receipt.Detail = detail;
    ReceiptStore(db).Save(receipt);
}

class Shooter {
public:
    explicit Shooter(QString outDir) : m_outDir(std::move(outDir)) {}

    int failures() const { return m_failures; }

    // Lets the window finish laying itself out and painting, then saves its picture.
    void save(QWidget* window, const QString& name) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 300)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        const QString file = m_outDir + QLatin1Char('/') + name + QStringLiteral(".png");
        const bool ok = window->grab().save(file);
        std::printf("%s%s\n", qPrintable(file), ok ? "" : "  FAILED");
        if (!ok)
            ++m_failures;
    }

    // Runs `open`, which shows a modal window and returns once it has closed. As soon as
    // the window is up, `work` fills it and takes its pictures; then it is closed. A
    // window that never comes up (refused with a message instead) counts as a failure.
    void whileOpen(const QString& what, const std::function<void()>& open,
                   const std::function<void(QWidget*)>& work) {
        QWidget* below = QApplication::activeModalWidget();
        bool seen = false;
        QTimer poll;
        poll.setInterval(50);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (seen || !modal || modal == below)
                return;
            seen = true;
            poll.stop();
            work(modal);
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        poll.start();
        open();
        if (!seen) {
            std::fprintf(stderr, "kivora_shot: %s did not open\n", qPrintable(what));
            ++m_failures;
        }
    }

private:
    QString m_outDir;
    int m_failures = 0;
};

void ShootAll(Kivora& main, AppState& state, Shooter& shot) {
    main.TextSlip[CustomerField::Code]->setText(kCustomer);
    main.DataRead(CustomerRead::Typed);
    shot.save(&main, QStringLiteral("main"));

    shot.whileOpen(
        QStringLiteral("slip"), [&] { main.MenuSlip[DocumentMenu::DeliveryNote]->trigger(); },
        [&](QWidget* w) {
            auto* slip = qobject_cast<KivoraSlip*>(w);
            state.gHandOff = kSlipNumber;
            slip->DataRead(SlipRead::Whole);
            shot.save(slip, QStringLiteral("slip"));
            shot.whileOpen(
                QStringLiteral("printdialog"), [&] { slip->MenuSlip[SlipMenu::Print]->trigger(); },
                [&](QWidget* dialog) { shot.save(dialog, QStringLiteral("printdialog")); });
        });

    shot.whileOpen(
        QStringLiteral("receipt"), [&] { main.MenuSlip[DocumentMenu::Receipt]->trigger(); },
        [&](QWidget* w) {
            auto* receipt = qobject_cast<KivoraReceipt*>(w);
            state.gHandOff = kReceiptNumber;
            receipt->DataRead();
            shot.save(receipt, QStringLiteral("receipt"));
        });

    shot.whileOpen(
        QStringLiteral("bill"), [&] { main.MenuBill[BillMenu::DetailedBill]->trigger(); },
        [&](QWidget* w) {
            auto* bill = qobject_cast<KivoraSlipB*>(w);
            bill->TextSlipB[BillField::Number]->setText(QStringLiteral("000007"));
            bill->DataDetail();
            shot.save(bill, QStringLiteral("bill"));
        });

    shot.whileOpen(
        QStringLiteral("ledger"), [&] { main.MenuBusiness[BusinessMenu::Receivables]->trigger(); },
        [&](QWidget* w) {
            auto* ledger = qobject_cast<KivoraSale*>(w);
            shot.save(ledger, QStringLiteral("ledger"));
            QTableWidget* grid = ledger->FxGridSale;
            for (int row = 0; row < grid->rowCount(); ++row) {
                if (grid->item(row, 0) && grid->item(row, 0)->text() == kCustomer) {
                    emit grid->cellDoubleClicked(row, 0);
                    break;
                }
            }
            shot.save(ledger, QStringLiteral("ledger-customer"));
        });

    shot.whileOpen(
        QStringLiteral("listu"), [&] { main.MenuList[ListMenu::Customers]->trigger(); },
        [&](QWidget* w) {
            auto* list = qobject_cast<KivoraListU*>(w);
            shot.save(list, QStringLiteral("listu"));
            shot.whileOpen(
                QStringLiteral("listdisp"), [&] { list->BtnDisp->click(); },
                [&](QWidget* w) {
                    auto* display = qobject_cast<KivoraDisp*>(w);
                    shot.save(display, QStringLiteral("listdisp"));
                    shot.whileOpen(
                        QStringLiteral("listprint"),
                        [&] { display->MenuWork[DispWork::Print]->trigger(); },
                        [&](QWidget* dialog) { shot.save(dialog, QStringLiteral("listprint")); });
                });
        });

    // 宛名印刷: the customers in label mode, the list with one customer switched off,
    // then the label dialog with its first sheet chosen, so that the start labels show.
    shot.whileOpen(
        QStringLiteral("labels"), [&] { main.MenuTool[ToolMenu::Address]->trigger(); },
        [&](QWidget* w) {
            auto* list = qobject_cast<KivoraListU*>(w);
            shot.whileOpen(
                QStringLiteral("labeldisp"), [&] { list->BtnDisp->click(); },
                [&](QWidget* w) {
                    auto* display = qobject_cast<KivoraDisp*>(w);
                    QAbstractItemModel* model = display->FxGridDisp->model();
                    for (int row = 0; row < model->rowCount(); ++row) {
                        if (model->index(row, 1).data().toString() == QLatin1String("000131")) {
                            emit display->FxGridDisp->clicked(model->index(row, 1));
                            break;
                        }
                    }
                    shot.save(display, QStringLiteral("labeldisp"));
                    shot.whileOpen(
                        QStringLiteral("labelprint"),
                        [&] { display->MenuWork[DispWork::Print]->trigger(); },
                        [&](QWidget* w) {
                            auto* dialog = qobject_cast<KivoraPrintA*>(w);
                            dialog->ListPrintA->setCurrentRow(0);
                            shot.save(dialog, QStringLiteral("labelprint"));
                        });
                });
        });

    shot.whileOpen(
        QStringLiteral("company"), [&] { main.MenuRegist[RegistMenu::Company]->trigger(); },
        [&](QWidget* w) { shot.save(w, QStringLiteral("company")); });

    shot.whileOpen(
        QStringLiteral("options"), [&] { main.MenuTool[ToolMenu::Options]->trigger(); },
        [&](QWidget* w) {
            auto* options = qobject_cast<KivoraOption*>(w);
            options->TabOption->setCurrentIndex(OptionPage::Tax);
            shot.save(options, QStringLiteral("options-tax"));
            options->TabOption->setCurrentIndex(OptionPage::Maintenance);
            shot.save(options, QStringLiteral("options-maintenance"));
        });
}

} // namespace

namespace GuideShots {

QStringList Names() {
    return {QStringLiteral("main"),
            QStringLiteral("slip"),
            QStringLiteral("printdialog"),
            QStringLiteral("receipt"),
            QStringLiteral("bill"),
            QStringLiteral("ledger"),
            QStringLiteral("ledger-customer"),
            QStringLiteral("listu"),
            QStringLiteral("listdisp"),
            QStringLiteral("listprint"),
            QStringLiteral("labeldisp"),
            QStringLiteral("labelprint"),
            QStringLiteral("company"),
            QStringLiteral("options-tax"),
            QStringLiteral("options-maintenance")};
}

int MakeAll(const QString& sourceDir, const QString& installFolder, const QString& outDir) {
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "kivora_shot: cannot create %s\n", qPrintable(outDir));
        return 1;
    }
    QTemporaryDir install;
    const QString dataFolder = install.path() + QStringLiteral("/DataFile/");
    QDir().mkpath(dataFolder);
    try {
        SchemaUpgrade::CreateMainDatabase(DbFileName(dataFolder, 0),
                                          sourceDir + QStringLiteral("/data/main.sql"));
        Database::createFromScript(DbFileName(dataFolder, 1),
                                   sourceDir + QStringLiteral("/data/layout.sql"));
        Database db(DbFileName(dataFolder, 0), MainDbMarkerTable());
        FillSamples(db);
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "kivora_shot: %s: %s\n", qPrintable(e.file()), qPrintable(e.detail()));
        return 1;
    }
    const QString postal = QStringLiteral("/DataFile/PostCode.mdb");
    if (!QFile::copy(installFolder + postal, install.path() + postal)) {
        std::fprintf(stderr, "kivora_shot: no %s in %s\n", qPrintable(postal),
                     qPrintable(installFolder));
        return 1;
    }

    SettingsStore settings(install.path() + QStringLiteral("/Norv.ini"));
    LoggedMessages messages;
    QtPrinterService printers;
    AppState state;
    state.settings = &settings;
    state.messages = &messages;
    state.printers = &printers;
    Startup startup(state, install.path(), install.path() + QStringLiteral("/kivora.lock"));
    std::unique_ptr<Kivora> window = startup.run();
    if (!window)
        return 1;
    Shooter shot(outDir);
    ShootAll(*window, state, shot);
    // Leave without the quit question: nobody is there to answer it.
    window.reset();
    return shot.failures();
}

} // namespace GuideShots
