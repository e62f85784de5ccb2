#include "GallerySamples.h"

#include "core/SharedRoutines.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

struct Goods {
    const char* code;
    const char* name;
    const char* unit;
    double price;
};

// A stationery and office supply shop's goods. The longest name fills the 40 bytes the
// slip grid allows.
const Goods kGoods[] = {
    {"BP-0501", "油性ボールペン 黒 0.5mm 10本入", "箱", 1200},
    {"CP-A4", "コピー用紙 A4 500枚", "冊", 480},
    {"CF-A4", "クリアファイル A4 透明", "枚", 35},
    {"NB-B5", "大学ノート B5 A罫 30枚", "冊", 160},
    {"SD-4501", "業務用シュレッダー クロスカット A4対応型", "台", 48500},
    {"TP-12", "セロハンテープ 12mm×35m", "巻", 110},
    {"FF-A4B", "フラットファイル A4 青", "冊", 90},
    {"MK-BK", "ホワイトボードマーカー 黒", "本", 150},
    {"EN-N3", "長形3号封筒 クラフト 100枚", "束", 650},
    {"RB-16", "輪ゴム #16 量り売り", "kg", 980},
    {"CH-HB", "事務用椅子 ハイバック ブラック", "脚", 18500},
    {"LB-A4", "ラベル用紙 A4 24面", "袋", 1580},
};
constexpr int kGoodsCount = sizeof(kGoods) / sizeof(kGoods[0]);

const char* const kRemarks[] = {"", "", "至急", "", "取寄せ", "", "", "5/20納品"};

QString yen(double value) {
    return Format(value, QStringLiteral("\\#,#0"));
}

} // namespace

namespace GallerySamples {

CustomerRow Customer() {
    CustomerRow c;
    c.Code = UserCode;
    c.Name = QStringLiteral("株式会社さくら商事");
    c.Kana = QStringLiteral("ｻｸﾗｼｮｳｼﾞ");
    c.Prefix1 = QStringLiteral("様");
    c.ZipCode = QStringLiteral("100-0005");
    c.Address1 = QStringLiteral("東京都千代田区丸の内1-2-3");
    c.Address2 = QStringLiteral("丸の内センタービル12階");
    c.TEL = QStringLiteral("03-1234-5678");
    c.FAX = QStringLiteral("03-1234-5679");
    c.Position1 = QStringLiteral("総務部 購買課");
    c.Charge1 = QStringLiteral("田中 一郎");
    c.Position2 = QStringLiteral("経理部");
    c.Charge2 = QStringLiteral("鈴木 花子");
    c.Prefix2 = QStringLiteral("様");
    c.Excise = 10;
    c.ClosingDay = 31;
    c.Payment = 31;
    return c;
}

CompanyRow Company() {
    CompanyRow m;
    m.Name = QStringLiteral("みどり文具株式会社");
    m.Represent = QStringLiteral("代表取締役 緑川 健");
    m.ZipCode = QStringLiteral("920-0853");
    m.Address1 = QStringLiteral("石川県金沢市本町2丁目15番1号");
    m.Address2 = QStringLiteral("ポルテ金沢8階");
    m.TEL = QStringLiteral("076-123-4567");
    m.FAX = QStringLiteral("076-123-4568");
    m.Bank1 = QStringLiteral("北陸中央銀行 金沢駅前支店 普通 1234567");
    m.Bank2 = QStringLiteral("ゆうちょ銀行 〇一八支店 当座 0012345");
    m.Excise = 10;
    m.RegistNumber = QStringLiteral("T7000012050002");
    return m;
}

QList<SlipLine> SlipLines(int count) {
    QList<SlipLine> lines;
    for (int i = 0; i < count; ++i) {
        SlipLine line;
        if (i == 3) {
            // A free sample: a line whose amount is zero.
            line.GoodsCode = QStringLiteral("CT-2024");
            line.Goods = QStringLiteral("総合カタログ 2024年版（無償）");
            line.Quantity = 2;
            line.Unit = QStringLiteral("部");
            line.UnitPrice = 0;
            line.Price = 0;
        } else if (i == count - 1 && count > 1) {
            // A discount closes the document: only an amount, below zero.
            line.Goods = QStringLiteral("お値引き");
            line.Price = -3000;
            line.Remark = QStringLiteral("端数調整");
        } else if (i == 7) {
            // Goods taken back: a negative quantity makes a negative amount.
            line.GoodsCode = QStringLiteral("CP-A4");
            line.Goods = QStringLiteral("返品 コピー用紙 A4 500枚");
            line.Quantity = -2;
            line.Unit = QStringLiteral("冊");
            line.UnitPrice = 480;
            line.Price = -960;
        } else {
            const Goods& g = kGoods[i % kGoodsCount];
            line.GoodsCode = QString::fromUtf8(g.code);
            line.Goods = QString::fromUtf8(g.name);
            line.Unit = QString::fromUtf8(g.unit);
            const double quantity = line.Unit == QLatin1String("kg") ? 2.5 : (i * 7) % 12 + 1;
            line.Quantity = quantity;
            line.UnitPrice = g.price;
            line.Price = std::floor(quantity * g.price);
            line.Remark = QString::fromUtf8(kRemarks[i % 8]);
            // Every fifth line at the reduced rate, so the forms show the breakdown.
            if (i % 5 == 2)
                line.TaxType = TaxClass::Reduced;
        }
        lines << line;
    }
    return lines;
}

SlipPrintHeader SlipHeader(int docType, const QString& number, const QList<SlipLine>& lines) {
    SlipPrintHeader h;
    h.DocType = docType;
    h.UserCode = UserCode;
    h.UserName = Customer().Name;
    h.Date = {QStringLiteral("2024"), QStringLiteral("05"), QStringLiteral("15")};
    h.Number = number;
    h.ChargeName = QStringLiteral("佐藤 花子");
    h.ChargePosition = QStringLiteral("営業課");
    h.Remark = QStringLiteral("春季展示会用 事務用品一式");
    if (docType == 0) {
        h.FixDate = {QStringLiteral("2024"), QStringLiteral("6"), QStringLiteral("28")};
        h.Deliver = QStringLiteral("貴社 本社3階 総務部");
        h.Term = {QStringLiteral("2024"), QStringLiteral("6"), QStringLiteral("14")};
        h.Business = QStringLiteral("月末締め 翌月末 銀行振込");
    }
    double total = 0;
    for (const SlipLine& line : lines)
        total += line.Price.value_or(0);
    const double tax = std::floor(total * 0.10);
    h.Totals = {yen(total), yen(tax), yen(total + tax)};
    return h;
}

ReceiptPrintHeader Receipt() {
    ReceiptPrintHeader h;
    h.Date = {QStringLiteral("2024"), QStringLiteral("05"), QStringLiteral("31")};
    h.Number = QStringLiteral("R00042");
    h.Remark = QStringLiteral("5月分ご請求に対するご入金");
    // 現金, 小切手, 振込, 手形, 相殺, その他, 但し, 手形No: a zero, a negative set-off
    // and an empty kind, as the receipt window shows them.
    h.Amounts = {QStringLiteral("30,000"),       QStringLiteral("0"),
                 QStringLiteral("120,000"),      QStringLiteral("50,000"),
                 QStringLiteral("-5,000"),       QString(),
                 QStringLiteral("お品代として"), QStringLiteral("AB012345")};
    const double total = 30000 + 120000 + 50000 - 5000;
    h.Totals = {Format(total, QStringLiteral("#,#0")), yen(total)};
    h.DueDate = {QStringLiteral("2024"), QStringLiteral("08"), QStringLiteral("31")};
    return h;
}

QList<BillPrintLine> BillLines(int count) {
    QList<BillPrintLine> lines;
    const QList<SlipLine> goods = SlipLines(count);
    qint64 shownDate = 0;
    for (int i = 0; i < count; ++i) {
        BillPrintLine line;
        // A new delivery note every four lines, every other day; the third and fourth
        // share a date, so the fourth shows its number but no date.
        if (i % 4 == 0) {
            const int document = i / 4;
            const int day = 1 + 2 * (document == 3 ? 2 : document);
            const qint64 date = 20240500 + std::min(day, 31);
            if (date != shownDate)
                line.IssueYMD = date;
            shownDate = date;
            line.DocNumber = QStringLiteral("%1").arg(311 + document, 6, 10, QLatin1Char('0'));
        }
        const SlipLine& g = goods[i];
        line.Goods = g.Goods;
        line.Quantity = g.Quantity;
        line.Unit = g.Unit;
        line.UnitPrice = g.UnitPrice;
        line.Price = g.Price;
        line.Remark = g.Remark;
        line.TaxType = g.TaxType;
        lines << line;
    }
    return lines;
}

BillPrintHeader Bill(const QList<BillPrintLine>& lines) {
    BillPrintHeader h;
    h.ClosingYMD = 20240531;
    h.Number = QStringLiteral("B00017");
    h.ChargeName = QStringLiteral("佐藤 花子");
    h.Remark = QStringLiteral("お支払期日 2024年6月30日");
    double total = 0;
    int dates = 0;
    for (const BillPrintLine& line : lines) {
        total += line.Price.value_or(0);
        if (line.IssueYMD)
            ++dates;
    }
    const double tax = std::floor(total * 0.10);
    h.Totals = {yen(total), yen(tax), yen(total + tax)};
    // Last month was paid in full: the carried-over amount is zero.
    h.Balance = {yen(152300), yen(152300), yen(0)};
    h.Billed = yen(total + tax);
    h.SlipCount = QString::number(dates);
    return h;
}

QImage Seal() {
    QImage image(400, 400, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor red(200, 30, 30, 220);
    p.setPen(QPen(red, 22));
    p.drawRect(QRectF(16, 16, 368, 368));
    QFont font(QStringLiteral("IPAMincho"));
    font.setPixelSize(150);
    p.setFont(font);
    p.setPen(red);
    // Read top to bottom, right column first, as seals are.
    const QString text = QStringLiteral("緑文具印");
    const QRectF cells[] = {QRectF(200, 40, 160, 160), QRectF(200, 200, 160, 160),
                            QRectF(40, 40, 160, 160), QRectF(40, 200, 160, 160)};
    for (int i = 0; i < 4; ++i)
        p.drawText(cells[i], Qt::AlignCenter, text.mid(i, 1));
    return image;
}

} // namespace GallerySamples
