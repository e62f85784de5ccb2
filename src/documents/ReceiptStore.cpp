#include "documents/ReceiptStore.h"

#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "documents/DocumentStore.h"
#include "documents/Slip.h"
#include "documents/SlipTotals.h"

#include <QStringList>

namespace {

// Text columns are never null: an empty field is stored as the empty text.
QVariant Str(const QString& text) {
    static const QString empty = QStringLiteral("");
    return text.isNull() ? QVariant(empty) : QVariant(text);
}

QString Text(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

} // namespace

double ReceiptDetail::Total() const {
    double total = 0;
    for (double price : Prices)
        total += price;
    return total;
}

bool ReceiptStore::Exists(const QString& userCode, const QString& number) const {
    return DocumentStore(m_db).Exists(userCode, DocType::Receipt, number);
}

std::optional<Receipt> ReceiptStore::Read(const QString& userCode, const QString& number) const {
    const RecordSet header = m_db.select(
        QStringLiteral("SELECT 伝票管理.IssueYMD, 伝票管理.Remark, 担当者.Code, 担当者.Name, "
                       "担当者.Position, 伝票管理.Stamp FROM 伝票管理 "
                       "LEFT JOIN 担当者 ON 伝票管理.ChargeCode = 担当者.Code "
                       "WHERE 伝票管理.UserCode = ? AND 伝票管理.DocType = ? "
                       "AND 伝票管理.DocNumber = ?"),
        {userCode, int(DocType::Receipt), number});
    if (header.isEmpty())
        return std::nullopt;
    Receipt r;
    r.UserCode = userCode;
    r.Number = number;
    r.IssueYMD = header.value(0).toLongLong();
    r.Summary = Text(header.value(1));
    // As with the slips: a staff member deleted since reads as no staff, code included.
    r.ChargeCode = Text(header.value(2));
    r.ChargeName = Text(header.value(3));
    r.ChargePosition = Text(header.value(4));
    r.Stamp = header.value(5).toLongLong();

    const RecordSet detail =
        m_db.select(QStringLiteral("SELECT Price1, Price2, Price3, Price4, Price5, Price6, "
                                   "Remark, BillTerm, BillNumber FROM 領収 "
                                   "WHERE UserCode = ? AND Number = ?"),
                    {userCode, number});
    if (!detail.isEmpty()) {
        ReceiptDetail d;
        for (int k = 0; k < ReceiptKind::Count; ++k)
            d.Prices[k] = detail.value(k).toDouble();
        d.Remark = Text(detail.value(6));
        d.BillTerm = Text(detail.value(7));
        d.BillNumber = Text(detail.value(8));
        r.Detail = d;
    }
    return r;
}

std::optional<qint64> ReceiptStore::Stamp(const QString& userCode, const QString& number) const {
    return DocumentStore(m_db).Stamp(userCode, DocType::Receipt, number);
}

void ReceiptStore::Save(const Receipt& receipt, const Expect& expect) {
    const QVariant user = Str(receipt.UserCode);
    const QVariant number = Str(receipt.Number);
    const QVariant type = int(DocType::Receipt);
    // The staff code counts only while its name shows: a code whose lookup failed is no
    // staff member of this receipt.
    const QVariant charge = Str(receipt.ChargeName.isEmpty() ? QString() : receipt.ChargeCode);
    const ReceiptDetail detail = receipt.Detail.value_or(ReceiptDetail());

    Transaction tx(m_db);
    const qint64 stamp = RowStamp::Claim(
        m_db, DocumentStore::HeaderRow(receipt.UserCode, DocType::Receipt, receipt.Number), expect);
    if (m_db.exec(QStringLiteral("UPDATE 伝票管理 SET IssueYMD = ?, Term = '', AddUpSale = 0, "
                                 "ChargeCode = ?, Remark = ? "
                                 "WHERE UserCode = ? AND DocType = ? AND DocNumber = ?"),
                  {receipt.IssueYMD, charge, Str(receipt.Summary), user, type, number}) == 0) {
        m_db.exec(QStringLiteral("INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD, "
                                 "Term, AddUpSale, ChargeCode, Remark, Stamp) "
                                 "VALUES (?, ?, ?, ?, '', 0, ?, ?, ?)"),
                  {user, type, number, receipt.IssueYMD, charge, Str(receipt.Summary), stamp});
    }

    QVariantList values;
    for (double price : detail.Prices)
        values << price;
    values << detail.Total() << Str(detail.Remark) << Str(detail.BillTerm) << Str(detail.BillNumber)
           << user << number;
    if (m_db.exec(QStringLiteral("UPDATE 領収 SET Price1 = ?, Price2 = ?, Price3 = ?, "
                                 "Price4 = ?, Price5 = ?, Price6 = ?, TotalPrice = ?, "
                                 "Remark = ?, BillTerm = ?, BillNumber = ? "
                                 "WHERE UserCode = ? AND Number = ?"),
                  values) == 0) {
        m_db.exec(QStringLiteral("INSERT INTO 領収 (Price1, Price2, Price3, Price4, Price5, "
                                 "Price6, TotalPrice, Remark, BillTerm, BillNumber, UserCode, "
                                 "Number) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  values);
    }

    const QString last = DocumentStore::LastNumberColumn(DocType::Receipt);
    if (m_db.exec(QStringLiteral("UPDATE 前回伝票 SET ") + last +
                      QStringLiteral(" = ? WHERE UserCode = ?"),
                  {number, user}) == 0) {
        m_db.exec(QStringLiteral("INSERT INTO 前回伝票 (UserCode, ") + last +
                      QStringLiteral(") VALUES (?, ?)"),
                  {user, number});
    }
    tx.commit();
}

bool ReceiptStore::Delete(const QString& userCode, const QString& number) {
    Transaction tx(m_db);
    const int deleted = m_db.exec(QStringLiteral("DELETE FROM 伝票管理 WHERE UserCode = ? AND "
                                                 "DocType = ? AND DocNumber = ?"),
                                  {userCode, int(DocType::Receipt), number});
    if (deleted == 0)
        return false; // nothing written; the transaction rolls back empty
    m_db.exec(QStringLiteral("DELETE FROM 領収 WHERE UserCode = ? AND Number = ?"),
              {userCode, number});
    tx.commit();
    return true;
}

QString ReceiptStore::LastNumber(const QString& userCode) const {
    return DocumentStore(m_db).LastNumber(userCode, DocType::Receipt);
}

std::optional<double> ReceiptStore::CopyAmount(const QString& userCode, int docType,
                                               const QString& number, double excisePercent,
                                               int taxFraction) const {
    DocumentStore documents(m_db);
    if (!documents.Exists(userCode, docType, number))
        return std::nullopt;
    // The slip window shows each line amount as whole yen and totals what it shows; a
    // sum of the stored values would differ from it wherever a stored amount has a
    // fraction. Summing the shown amounts with the slip window's own routine keeps the
    // receipt equal to the total the user saw on the document.
    QStringList amounts;
    for (const SlipLine& line : documents.ReadLines(userCode, docType, number)) {
        if (line.Price)
            amounts << Format(*line.Price, QStringLiteral("#,#0"));
    }
    return SlipTotals::Calc(amounts, excisePercent, taxFraction).total;
}
