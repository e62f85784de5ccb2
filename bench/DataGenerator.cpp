#include "DataGenerator.h"

#include "core/Database.h"
#include "core/SchemaUpgrade.h"

#include <QPair>
#include <QSet>
#include <QStringList>
#include <array>
#include <cmath>
#include <memory>
#include <random>
#include <stdexcept>
#include <vector>

namespace DataGenerator {
namespace {

const QStringList kSurnames = {
    QStringLiteral("山田"), QStringLiteral("佐藤"), QStringLiteral("鈴木"), QStringLiteral("高橋"),
    QStringLiteral("田中"), QStringLiteral("伊藤"), QStringLiteral("渡辺"), QStringLiteral("中村"),
    QStringLiteral("小林"), QStringLiteral("加藤"), QStringLiteral("吉田"), QStringLiteral("山本"),
    QStringLiteral("松本"), QStringLiteral("井上"), QStringLiteral("木村"), QStringLiteral("林"),
    QStringLiteral("清水"), QStringLiteral("山口"), QStringLiteral("森"),   QStringLiteral("池田")};
const QStringList kKana = {QStringLiteral("ﾔﾏﾀﾞ"),  QStringLiteral("ｻﾄｳ"),  QStringLiteral("ｽｽﾞｷ"),
                           QStringLiteral("ﾀｶﾊｼ"),  QStringLiteral("ﾀﾅｶ"),  QStringLiteral("ｲﾄｳ"),
                           QStringLiteral("ﾜﾀﾅﾍﾞ"), QStringLiteral("ﾅｶﾑﾗ"), QStringLiteral("ｺﾊﾞﾔｼ"),
                           QStringLiteral("ｶﾄｳ"),   QStringLiteral("ﾖｼﾀﾞ"), QStringLiteral("ﾔﾏﾓﾄ"),
                           QStringLiteral("ﾏﾂﾓﾄ"),  QStringLiteral("ｲﾉｳｴ"), QStringLiteral("ｷﾑﾗ"),
                           QStringLiteral("ﾊﾔｼ"),   QStringLiteral("ｼﾐｽﾞ"), QStringLiteral("ﾔﾏｸﾞﾁ"),
                           QStringLiteral("ﾓﾘ"),    QStringLiteral("ｲｹﾀﾞ")};
const QStringList kTrades = {QStringLiteral("商店"), QStringLiteral("工務店"),
                             QStringLiteral("商事"), QStringLiteral("電機"),
                             QStringLiteral("薬局"), QStringLiteral("酒店")};
const QStringList kTowns = {
    QStringLiteral("東京都千代田区千代田"), QStringLiteral("大阪府大阪市北区梅田"),
    QStringLiteral("愛知県名古屋市中区栄"), QStringLiteral("北海道札幌市中央区北一条西"),
    QStringLiteral("福岡県福岡市博多区博多駅前")};
const QStringList kZips = {QStringLiteral("100-0001"), QStringLiteral("530-0001"),
                           QStringLiteral("460-0008"), QStringLiteral("060-0001"),
                           QStringLiteral("812-0011")};

// Rows of one table written many to a statement. On a server each statement is a round
// trip, and a statement per row made filling a benchmark's database take many minutes;
// the rows, their order and their values stay those of one statement per row. Fifty rows
// of at most a dozen values stay under SQLite's oldest limit of 999 bound values.
class Inserter {
public:
    // `head` up to VALUES ("INSERT INTO t (a, b) VALUES "), `row` one row's "(?, ?)".
    Inserter(Database& db, const QString& head, const QString& row)
        : m_db(db), m_head(head), m_row(row) {}
    void add(const QVariantList& values) {
        m_values += values;
        if (++m_rows == Batch)
            flush();
    }
    // Writes the rows gathered; call it before the transaction commits.
    void flush() {
        if (m_rows == 0)
            return;
        // The text of a full batch is made once, so that it is prepared once.
        QString partial;
        QString& sql = m_rows == Batch ? m_full : partial;
        if (sql.isEmpty()) {
            sql = m_head + m_row;
            for (int i = 1; i < m_rows; ++i)
                sql += QStringLiteral(", ") + m_row;
        }
        m_db.exec(sql, m_values);
        m_values.clear();
        m_rows = 0;
    }

private:
    static constexpr int Batch = 50;
    Database& m_db;
    QString m_head, m_row, m_full;
    QVariantList m_values;
    int m_rows = 0;
};

} // namespace

void AddCustomers(Database& db, int count, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    Transaction tx(db);
    // Classes a database already has are kept; in words both engines take.
    for (int code = 1; code <= 9; ++code) {
        const QString classCode = QStringLiteral("0%1").arg(code);
        db.exec(QStringLiteral("INSERT INTO 顧客分類 (Code, Name) SELECT ?, ? "
                               "WHERE NOT EXISTS (SELECT 1 FROM 顧客分類 WHERE Code = ?)"),
                {classCode, QStringLiteral("分類%1").arg(code), classCode});
    }
    Inserter customers(
        db,
        QStringLiteral("INSERT INTO 顧客 (Code, Name, Kana, Prefix1, ZipCode, Address1, Address2, "
                       "TEL, Charge1, Class, BusinessYMD, Excise, Fraction, ClosingDay, Payment, "
                       "Mail, ClosingType) VALUES "),
        QStringLiteral("(?, ?, ?, '様', ?, ?, ?, ?, ?, ?, ?, 10, 0, 31, 31, 0, 0)"));
    for (int i = 1; i <= count; ++i) {
        const int s = pick(static_cast<int>(kSurnames.size()));
        const int t = pick(static_cast<int>(kTowns.size()));
        customers.add(
            {QString::number(i), kSurnames[s] + kTrades[pick(static_cast<int>(kTrades.size()))],
             kKana[s], kZips[t], kTowns[t],
             QStringLiteral("%1-%2-%3").arg(pick(9) + 1).arg(pick(20) + 1).arg(pick(30) + 1),
             QStringLiteral("0%1-%2-%3")
                 .arg(pick(90) + 10)
                 .arg(pick(9000) + 1000)
                 .arg(pick(9000) + 1000),
             kSurnames[pick(static_cast<int>(kSurnames.size()))],
             QStringLiteral("0%1").arg(pick(9) + 1), 20000101 + pick(12) * 100 + pick(28)});
    }
    customers.flush();
    tx.commit();
}

void AddMasters(Database& db, int staff, int goods, unsigned seed) {
    std::mt19937 random(seed);
    Transaction tx(db);
    for (int i = 1; i <= staff; ++i)
        db.exec(QStringLiteral("INSERT INTO 担当者 (Code, Position, Name) VALUES (?, '営業部', ?)"),
                {QString::number(i), kSurnames[i % kSurnames.size()] + QStringLiteral("担当")});
    const QStringList units = {QStringLiteral("個"), QStringLiteral("本"), QStringLiteral("枚"),
                               QStringLiteral("箱")};
    for (int i = 0; i < units.size(); ++i)
        db.exec(QStringLiteral("INSERT INTO 単位 (Code, Unit) VALUES (?, ?)"),
                {QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')), units[i]});
    Inserter goodsRows(
        db, QStringLiteral("INSERT INTO 商品 (Code, Name, Kana, UnitPrice, Unit) VALUES "),
        QStringLiteral("(?, ?, '', ?, ?)"));
    for (int i = 1; i <= goods; ++i)
        goodsRows.add({QStringLiteral("G%1").arg(i, 5, 10, QLatin1Char('0')),
                       QStringLiteral("商品%1").arg(i), static_cast<double>(100 + random() % 10000),
                       units[i % units.size()]});
    goodsRows.flush();
    tx.commit();
}

namespace {

// Six characters 0-9/A-Z, as the number dialog makes them.
QString DocumentNumber(int index) {
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString text(6, QLatin1Char('0'));
    for (int pos = 5; pos >= 0 && index > 0; --pos, index /= 36)
        text[pos] = QLatin1Char(digits[index % 36]);
    return text;
}

} // namespace

void AddDocuments(Database& db, int documents, int linesPerDocument, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const int customers = db.scalar(QStringLiteral("SELECT COUNT(*) FROM 顧客")).toInt();
    const int goods = db.scalar(QStringLiteral("SELECT COUNT(*) FROM 商品")).toInt();
    const int staff = db.scalar(QStringLiteral("SELECT COUNT(*) FROM 担当者")).toInt();
    if (customers < 2)
        throw std::invalid_argument("AddDocuments needs the customers first");
    const QStringList lineTables = {QStringLiteral("見積"), QStringLiteral("注文"),
                                    QStringLiteral("納品"), QStringLiteral("請求")};
    const QStringList units = {QStringLiteral("個"), QStringLiteral("本"), QStringLiteral("枚"),
                               QStringLiteral("箱")};
    const QStringList remarks = {QStringLiteral(""), QStringLiteral(""), QStringLiteral(""),
                                 QStringLiteral("至急"), QStringLiteral("分納")};
    // Last number per customer (index = code - 1) and type, for 前回伝票.
    std::vector<std::array<QString, 4>> last(static_cast<size_t>(customers));
    const QString empty = QStringLiteral("");

    Inserter headers(db,
                     QStringLiteral("INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD, "
                                    "AddUpSale, ChargeCode, Remark, Deliver, Business) VALUES "),
                     QStringLiteral("(?, ?, ?, ?, ?, ?, ?, '', '')"));
    std::vector<std::unique_ptr<Inserter>> lines;
    for (const QString& table : lineTables)
        lines.push_back(std::make_unique<Inserter>(
            db,
            QStringLiteral("INSERT INTO ") + table +
                QStringLiteral(" (UserCode, Number, Count, GoodsCode, Goods, Quantity, Unit, "
                               "UnitPrice, Price, Remark, GoodsType, TaxType) VALUES "),
            QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0)")));
    Inserter sales(db,
                   QStringLiteral("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, Price, "
                                  "Receive, Division, Charge, ChargeCode) VALUES "),
                   QStringLiteral("(?, ?, ?, ?, ?, 0, 0, '', ?)"));
    Inserter lastNumbers(
        db,
        QStringLiteral(
            "INSERT INTO 前回伝票 (UserCode, DocNumE, DocNumO, DocNumD, DocNumB) VALUES "),
        QStringLiteral("(?, ?, ?, ?, ?)"));

    Transaction tx(db);
    for (int i = 0; i < documents; ++i) {
        int customer, type;
        if (i < HistoryDocuments) {
            customer = HistoryCustomer.toInt();
            type = 2;
        } else {
            customer = 2 + i % (customers - 1);
            type = i % 4;
        }
        const QString user = QString::number(customer);
        const QString number = DocumentNumber(i + 1);
        const qint64 date = 20200101 + pick(5) * 10000 + pick(12) * 100 + pick(28);
        const QString charge = staff > 0 && pick(5) > 0 ? QString::number(1 + pick(staff)) : empty;
        const bool posted = type == 2;
        headers.add({user, type, number, date, posted ? 1 : 0, charge,
                     QStringLiteral("%1月分").arg(date / 100 % 100)});
        Inserter& insertLine = *lines[static_cast<size_t>(type)];
        double subtotal = 0;
        for (int line = 1; line <= linesPerDocument; ++line) {
            const int g = goods > 0 ? 1 + pick(goods) : 0;
            const double quantity = 1 + pick(20);
            const double price = 100 + pick(10000);
            subtotal += quantity * price;
            insertLine.add({user, number, line,
                            g > 0 ? QStringLiteral("G%1").arg(g, 5, 10, QLatin1Char('0')) : empty,
                            QStringLiteral("商品%1").arg(g > 0 ? g : line), quantity,
                            units[line % units.size()], price, quantity * price,
                            remarks[pick(static_cast<int>(remarks.size()))]});
        }
        if (posted)
            sales.add({user, date, type, number, std::floor(subtotal * 1.1), charge});
        last[static_cast<size_t>(customer - 1)][static_cast<size_t>(type)] = number;
    }
    for (int c = 0; c < customers; ++c) {
        const auto& numbers = last[static_cast<size_t>(c)];
        lastNumbers.add({QString::number(c + 1), numbers[0].isNull() ? empty : numbers[0],
                         numbers[1].isNull() ? empty : numbers[1],
                         numbers[2].isNull() ? empty : numbers[2],
                         numbers[3].isNull() ? empty : numbers[3]});
    }
    headers.flush();
    for (const auto& table : lines)
        table->flush();
    sales.flush();
    lastNumbers.flush();
    tx.commit();
}

void AddLedger(Database& db, int rows, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const int customers = db.scalar(QStringLiteral("SELECT COUNT(*) FROM 顧客")).toInt();
    if (customers < 1)
        throw std::invalid_argument("AddLedger needs the customers first");
    Inserter insert(
        db,
        QStringLiteral("INSERT INTO 売掛 (UserCode, SaleYMD, DocType, DocNumber, Price, "
                       "Receive, Division, Charge, ChargeCode) VALUES "),
        QStringLiteral("(?, ?, ?, ?, ?, ?, ?, '', '')"));
    // A customer has at most one payment per date.
    QSet<QPair<int, qint64>> paid;
    Transaction tx(db);
    int written = 0;
    for (int day = 1; day <= 28; ++day) {
        const qint64 date = LedgerYear * 10000 + LedgerMonth * 100 + day;
        insert.add(
            {LedgerCustomer, date, 2, QStringLiteral("L%1").arg(day), 10000.0 + day, 0.0, 0});
        insert.add({LedgerCustomer, date, 0, QStringLiteral(""), 0.0, 5000.0, 1 + day % 6});
        paid.insert({LedgerCustomer.toInt(), date});
        written += 2;
    }
    for (int i = written; i < rows; ++i) {
        const int customer = 1 + pick(customers);
        const qint64 month = 20150101 + pick(10) * 10000 + pick(12) * 100;
        if (pick(4) == 0) {
            const qint64 date = month + 1 + pick(28);
            if (paid.contains({customer, date})) {
                --i;
                continue;
            }
            paid.insert({customer, date});
            const double amount = pick(20) == 0 ? -100.0 * (1 + pick(20)) : 1000.0 * (1 + pick(50));
            insert.add(
                {QString::number(customer), date, 0, QStringLiteral(""), 0.0, amount, 1 + pick(6)});
        } else {
            insert.add({QString::number(customer), month + pick(28), 2, DocumentNumber(i + 1),
                        1000.0 * (1 + pick(80)), 0.0, 0});
        }
    }
    insert.flush();
    tx.commit();
}

void CreateMainDatabase(const QString& path, const QString& sourceDir) {
    SchemaUpgrade::CreateMainDatabase(path, sourceDir + QStringLiteral("/data/main.sql"));
}

} // namespace DataGenerator
