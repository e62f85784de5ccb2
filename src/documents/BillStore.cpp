#include "documents/BillStore.h"

#include "core/Database.h"
#include "documents/DocumentStore.h"

namespace {

// Text columns are never null: an empty field is stored as the empty text.
QVariant Str(const QString& text) {
    static const QString empty = QStringLiteral("");
    return text.isNull() ? QVariant(empty) : QVariant(text);
}

QString Text(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

QVariant Optional(const std::optional<double>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

std::optional<double> Number(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return value.toDouble();
}

} // namespace

bool BillStore::Exists(const QString& userCode, int docType, const QString& number) const {
    return DocumentStore(m_db).Exists(userCode, docType, number);
}

std::optional<Bill> BillStore::Read(const QString& userCode, int docType,
                                    const QString& number) const {
    return Read(m_db, userCode, docType, number);
}

std::optional<Bill> BillStore::Read(const Database& db, const QString& userCode, int docType,
                                    const QString& number) {
    const RecordSet header =
        db.select(QStringLiteral("SELECT 伝票管理.IssueYMD, 伝票管理.Remark, 伝票管理.Term, "
                                 "伝票管理.FixDate, 伝票管理.AddUpSale, 担当者.Code, 担当者.Name, "
                                 "担当者.Position, 伝票管理.Stamp FROM 伝票管理 "
                                 "LEFT JOIN 担当者 ON 伝票管理.ChargeCode = 担当者.Code "
                                 "WHERE 伝票管理.UserCode = ? AND 伝票管理.DocType = ? "
                                 "AND 伝票管理.DocNumber = ?"),
                  {userCode, docType, number});
    if (header.isEmpty())
        return std::nullopt;
    Bill bill;
    bill.UserCode = userCode;
    bill.DocType = docType;
    bill.Number = number;
    bill.IssueYMD = header.value(0).toLongLong();
    bill.Stamp = header.value(8).toLongLong();
    bill.Remark = Text(header.value(1));
    bill.Term = Text(header.value(2));
    bill.FixDate = Text(header.value(3));
    bill.FromInvoices = header.value(4).toInt() != 0;
    bill.ChargeCode = Text(header.value(5));
    bill.ChargeName = Text(header.value(6));
    bill.ChargePosition = Text(header.value(7));

    const RecordSet sums = db.select(
        QStringLiteral("SELECT PrvPrice, Receive, CarryOver, Total, Excise, Price, TotalPrice, "
                       "Papers FROM 合計請求 WHERE UserCode = ? AND Number = ? AND DocType = ?"),
        {userCode, number, docType});
    if (!sums.isEmpty()) {
        BillSummary& s = bill.Summary;
        s.PrvPrice = sums.value(0).toDouble();
        s.Receive = sums.value(1).toDouble();
        s.CarryOver = sums.value(2).toDouble();
        s.Total = sums.value(3).toDouble();
        s.Excise = sums.value(4).toDouble();
        s.Price = sums.value(5).toDouble();
        s.TotalPrice = sums.value(6).toDouble();
        s.Papers = sums.value(7).toInt();
    }

    const RecordSet lines = db.select(
        QStringLiteral("SELECT Count, IssueYMD, DocNumber, Goods, Quantity, Unit, UnitPrice, "
                       "Price, Remark, TaxType FROM 明細請求 WHERE UserCode = ? AND Number = ? "
                       "AND DocType = ? ORDER BY Count"),
        {userCode, number, docType});
    bill.Lines.reserve(lines.RecordCount());
    for (int i = 0; i < lines.RecordCount(); ++i) {
        const QVariantList& row = lines.row(i);
        BillLine line;
        line.Count = row[0].toInt();
        line.IssueYMD = row[1].isNull() ? 0 : row[1].toLongLong();
        line.DocNumber = Text(row[2]);
        line.Goods = Text(row[3]);
        line.Quantity = Number(row[4]);
        line.Unit = Text(row[5]);
        line.UnitPrice = Number(row[6]);
        line.Price = Number(row[7]);
        line.Remark = Text(row[8]);
        line.TaxType = row[9].toInt();
        bill.Lines.append(line);
    }
    return bill;
}

std::optional<qint64> BillStore::Stamp(const QString& userCode, int docType,
                                       const QString& number) const {
    return DocumentStore(m_db).Stamp(userCode, docType, number);
}

void BillStore::Save(const Bill& bill, const Expect& expect) {
    const QVariant user = Str(bill.UserCode);
    const QVariant number = Str(bill.Number);
    const QVariant type = bill.DocType;
    // The staff code counts only while its name shows: a code whose lookup failed is no
    // staff member of this bill.
    const QVariant charge = Str(bill.ChargeName.isEmpty() ? QString() : bill.ChargeCode);
    const int addUp = bill.FromInvoices ? 1 : 0;

    Transaction tx(m_db);
    const qint64 stamp = RowStamp::Claim(
        m_db, DocumentStore::HeaderRow(bill.UserCode, bill.DocType, bill.Number), expect);
    if (m_db.exec(QStringLiteral("UPDATE 伝票管理 SET IssueYMD = ?, AddUpSale = ?, ChargeCode = ?, "
                                 "Remark = ?, Term = ?, FixDate = ?, Deliver = '', "
                                 "Business = '' WHERE UserCode = ? AND DocType = ? "
                                 "AND DocNumber = ?"),
                  {bill.IssueYMD, addUp, charge, Str(bill.Remark), Str(bill.Term),
                   Str(bill.FixDate), user, type, number}) == 0) {
        m_db.exec(QStringLiteral("INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD, "
                                 "AddUpSale, ChargeCode, Remark, Term, FixDate, Deliver, "
                                 "Business, Stamp) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, '', '', ?)"),
                  {user, type, number, bill.IssueYMD, addUp, charge, Str(bill.Remark),
                   Str(bill.Term), Str(bill.FixDate), stamp});
    }

    const BillSummary& s = bill.Summary;
    const QVariantList sums{s.PrvPrice,   s.Receive, s.CarryOver, s.Total, s.Excise, s.Price,
                            s.TotalPrice, s.Papers,  user,        number,  type};
    if (m_db.exec(QStringLiteral("UPDATE 合計請求 SET PrvPrice = ?, Receive = ?, CarryOver = ?, "
                                 "Total = ?, Excise = ?, Price = ?, TotalPrice = ?, Papers = ? "
                                 "WHERE UserCode = ? AND Number = ? AND DocType = ?"),
                  sums) == 0) {
        m_db.exec(QStringLiteral("INSERT INTO 合計請求 (PrvPrice, Receive, CarryOver, Total, "
                                 "Excise, Price, TotalPrice, Papers, UserCode, Number, DocType) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  sums);
    }

    m_db.exec(QStringLiteral("DELETE FROM 明細請求 WHERE UserCode = ? AND Number = ? "
                             "AND DocType = ?"),
              {user, number, type});
    for (const BillLine& line : bill.Lines) {
        // A line without a name is a blank row of the grid, not part of the bill.
        if (line.Goods.isEmpty())
            continue;
        m_db.exec(
            QStringLiteral("INSERT INTO 明細請求 (UserCode, Number, DocType, Count, "
                           "IssueYMD, DocNumber, Goods, Quantity, Unit, UnitPrice, Price, "
                           "Remark, GoodsType, TaxType) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?)"),
            {user, number, type, line.Count,
             line.IssueYMD ? QVariant(line.IssueYMD) : QVariant(QMetaType(QMetaType::LongLong)),
             Str(line.DocNumber), Str(line.Goods), Optional(line.Quantity), Str(line.Unit),
             Optional(line.UnitPrice), Optional(line.Price), Str(line.Remark), line.TaxType});
    }

    const QString last = DocumentStore::LastNumberColumn(bill.DocType);
    if (m_db.exec(QStringLiteral("UPDATE 前回伝票 SET ") + last +
                      QStringLiteral(" = ? WHERE UserCode = ?"),
                  {number, user}) == 0) {
        m_db.exec(QStringLiteral("INSERT INTO 前回伝票 (UserCode, ") + last +
                      QStringLiteral(") VALUES (?, ?)"),
                  {user, number});
    }
    tx.commit();
}

bool BillStore::Delete(const QString& userCode, int docType, const QString& number) {
    Transaction tx(m_db);
    const int deleted = m_db.exec(QStringLiteral("DELETE FROM 伝票管理 WHERE UserCode = ? AND "
                                                 "DocType = ? AND DocNumber = ?"),
                                  {userCode, docType, number});
    if (deleted == 0)
        return false; // nothing written; the transaction rolls back empty
    m_db.exec(QStringLiteral("DELETE FROM 合計請求 WHERE UserCode = ? AND Number = ? "
                             "AND DocType = ?"),
              {userCode, number, docType});
    m_db.exec(QStringLiteral("DELETE FROM 明細請求 WHERE UserCode = ? AND Number = ? "
                             "AND DocType = ?"),
              {userCode, number, docType});
    tx.commit();
    return true;
}

QString BillStore::LastNumber(const QString& userCode, int docType) const {
    return DocumentStore(m_db).LastNumber(userCode, docType);
}
