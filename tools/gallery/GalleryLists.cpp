#include "GalleryLists.h"
#include "GallerySamples.h"

#include "core/Database.h"
#include "lists/ListQueries.h"

#include <QStringList>

namespace {

const QStringList kNames = {
    QStringLiteral("株式会社さくら商事"),       QStringLiteral("有限会社青葉工務店"),
    QStringLiteral("みなと電機株式会社"),       QStringLiteral("北斗運輸株式会社"),
    QStringLiteral("合同会社つばめ企画"),       QStringLiteral("丸福食品株式会社"),
    QStringLiteral("株式会社ひかり設計事務所"), QStringLiteral("山田商店")};
const QStringList kGoods = {
    QStringLiteral("ボールペン 黒 0.5mm"),   QStringLiteral("コピー用紙 A4 500枚"),
    QStringLiteral("クリアファイル 10枚入"), QStringLiteral("付箋 75×75 黄"),
    QStringLiteral("ホッチキス針 No.10"),    QStringLiteral("修正テープ 5mm")};
const QStringList kDepartments = {QStringLiteral("営業部"), QStringLiteral("営業部"),
                                  QStringLiteral("総務部"), QStringLiteral("配送センター")};

QString code(int i) {
    return QStringLiteral("%1").arg(i + 1, 6, 10, QLatin1Char('0'));
}

RecordSet receivables(int count) {
    QList<QVariantList> rows;
    for (int i = 0; i < count; ++i) {
        const double before = (i % 5 == 0) ? 0 : 10000.0 * (i % 7 + 1);
        const double sales = (i % 4 == 3) ? 0 : 3300.0 * (i % 9 + 1);
        const double paid = (i % 3 == 0) ? before : 0;
        // Every eleventh customer had a quiet month and does not print.
        const bool quiet = i % 11 == 10;
        rows.append({code(i), kNames[i % kNames.size()], quiet ? 5000.0 : before + sales,
                     quiet ? 5000.0 : paid, quiet ? 0.0 : sales, quiet ? 0.0 : paid});
    }
    return RecordSet({QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("PriceTotal"),
                      QStringLiteral("ReceiveTotal"), QStringLiteral("PeriodPrice"),
                      QStringLiteral("PeriodReceive")},
                     rows);
}

RecordSet transactions(int count) {
    QList<QVariantList> rows;
    for (int i = 0; i < count; ++i) {
        const qint64 ymd = 20240501 + i * 30 / count;
        const bool payment = i % 4 == 3;
        rows.append(
            {GallerySamples::UserCode, ymd, payment ? 0 : 2,
             payment ? QString() : QStringLiteral("%1").arg(500 + i, 6, 10, QLatin1Char('0')),
             payment ? 0.0 : 1100.0 * (i % 6 + 1), payment ? 5000.0 : 0.0,
             payment ? (i % 8 == 3 ? 1 : 3) : 0});
    }
    return RecordSet({QStringLiteral("UserCode"), QStringLiteral("SaleYMD"),
                      QStringLiteral("DocType"), QStringLiteral("DocNumber"),
                      QStringLiteral("Price"), QStringLiteral("Receive"),
                      QStringLiteral("Division")},
                     rows);
}

RecordSet customers(int count) {
    const CustomerRow c = GallerySamples::Customer();
    QList<QVariantList> rows;
    for (int i = 0; i < count; ++i) {
        const bool sparse = i % 5 == 4; // no second contact, no fax
        rows.append({code(i), kNames[i % kNames.size()], c.Kana, c.ZipCode, c.Address1, c.Address2,
                     c.TEL, sparse ? QString() : c.FAX, c.Position1, c.Charge1,
                     sparse ? QString() : c.Position2, sparse ? QString() : c.Charge2, 20190401 + i,
                     10, i % 3, i % 2 ? 20 : 31, i % 2 ? 10 : 31,
                     i % 3 ? QStringLiteral("卸売") : QStringLiteral("小売")});
    }
    return RecordSet(
        {QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("Kana"),
         QStringLiteral("ZipCode"), QStringLiteral("Address1"), QStringLiteral("Address2"),
         QStringLiteral("TEL"), QStringLiteral("FAX"), QStringLiteral("Position1"),
         QStringLiteral("Charge1"), QStringLiteral("Position2"), QStringLiteral("Charge2"),
         QStringLiteral("BusinessYMD"), QStringLiteral("Excise"), QStringLiteral("Fraction"),
         QStringLiteral("ClosingDay"), QStringLiteral("Payment"), QStringLiteral("ClassName")},
        rows);
}

RecordSet staff(int count, bool sales) {
    QList<QVariantList> rows;
    const QStringList people = {QStringLiteral("佐藤 花子"), QStringLiteral("高橋 誠"),
                                QStringLiteral("伊藤 美咲"), QStringLiteral("渡辺 大輔"),
                                QStringLiteral("中村 あゆみ")};
    for (int i = 0; i < count; ++i)
        rows.append({QString::number(i + 1), people[i % people.size()],
                     kDepartments[(i / 3) % kDepartments.size()], 125400.0 * (i % 7 + 1)});
    QStringList fields = {QStringLiteral("Code"), QStringLiteral("Name"),
                          QStringLiteral("Position"), QStringLiteral("PriceTotal")};
    if (!sales)
        fields.last() = QStringLiteral("Unused");
    return RecordSet(fields, rows);
}

RecordSet goods(int count) {
    QList<QVariantList> rows;
    const QStringList units = {QStringLiteral("本"), QStringLiteral("箱"), QStringLiteral("冊"),
                               QStringLiteral("個")};
    for (int i = 0; i < count; ++i)
        rows.append({QStringLiteral("G%1").arg(i + 1, 4, 10, QLatin1Char('0')),
                     kGoods[i % kGoods.size()], 120.0 * (i % 9 + 1), units[i % units.size()]});
    return RecordSet({QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("UnitPrice"),
                      QStringLiteral("Unit")},
                     rows);
}

RecordSet day(int count, bool payments) {
    QList<QVariantList> rows;
    for (int i = 0; i < count; ++i)
        rows.append({QStringLiteral("%1").arg(700 + i, 6, 10, QLatin1Char('0')), code(i % 8),
                     kNames[i % kNames.size()], 2200.0 * (i % 5 + 1), 10000.0 * (i % 4 + 1),
                     (i / 2) % 2 ? 3 : 1});
    return RecordSet({QStringLiteral("DocNumber"), QStringLiteral("Code"), QStringLiteral("Name"),
                      payments ? QStringLiteral("Unused") : QStringLiteral("Price"),
                      payments ? QStringLiteral("Receive") : QStringLiteral("Unused2"),
                      QStringLiteral("Division")},
                     rows);
}

} // namespace

namespace GalleryLists {

ListPrintInput Input(int kind, int count) {
    ListPrintInput in;
    in.Kind = kind;
    in.UserCode = GallerySamples::UserCode;
    in.UserName = GallerySamples::Customer().Name;
    in.PrintedAt = QStringLiteral("2024/05/31 17:45");
    switch (kind) {
    case ListType::Receivables:
        in.Rows = receivables(count);
        in.Subtitle = QStringLiteral("2024/05");
        break;
    case ListType::Transactions:
        in.Rows = transactions(count);
        in.Subtitle = QStringLiteral("2024/05");
        in.CarryFrom = 19900101;
        in.CarryTo = 20240430;
        break;
    case ListType::Customers:
    case ListType::CustomerCards:
        in.Rows = customers(count);
        in.Subtitle = QStringLiteral("顧客範囲:000001～000999");
        break;
    case ListType::Staff:
    case ListType::StaffSales:
        in.Rows = staff(count, kind == ListType::StaffSales);
        in.Subtitle =
            kind == ListType::StaffSales ? QStringLiteral("2024年04月～2024年05月") : QString();
        break;
    case ListType::Goods:
    case ListType::SetGoods:
        in.Rows = goods(count);
        break;
    default:
        in.Rows = day(count, kind == ListType::DayPayments);
        in.Subtitle = QStringLiteral("2024年05月31日");
        break;
    }
    return in;
}

void StoreLedger(Database& mainDb) {
    mainDb.exec(QStringLiteral("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, Price, "
                               "Receive, Division) VALUES (?, 20240415, 2, '000420', 52800, 0, 0), "
                               "(?, 20240425, 0, '', 0, 20000, 3)"),
                {GallerySamples::UserCode, GallerySamples::UserCode});
}

} // namespace GalleryLists
