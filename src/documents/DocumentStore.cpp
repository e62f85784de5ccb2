#include "documents/DocumentStore.h"

#include "core/Database.h"

#include <stdexcept>

namespace {

QVariant NullableNumber(const std::optional<double>& value) {
    // An empty cell is stored as null, not 0: a line with a name only must come back
    // with empty cells, not with "0.00" in them.
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

std::optional<double> NumberOrNothing(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return value.toDouble();
}

// The driver binds a null QString as NULL, yet text columns are never null: a field
// left empty is stored as the empty text, as every query that compares with '' expects.
QVariant Str(const QString& text) {
    static const QString empty = QStringLiteral("");
    return text.isNull() ? QVariant(empty) : QVariant(text);
}

QString Text(const QVariant& value) {
    return value.isNull() ? QString() : value.toString();
}

void CheckSlipType(int docType) {
    if (docType < DocType::Estimate || docType > DocType::Invoice)
        throw std::invalid_argument("not a slip document type: " + std::to_string(docType));
}

} // namespace

QString DocumentStore::LineTable(int docType) {
    // Identifiers come from this fixed list only, never from data.
    switch (docType) {
    case DocType::Estimate:
        return QStringLiteral("見積");
    case DocType::Order:
        return QStringLiteral("注文");
    case DocType::DeliveryNote:
        return QStringLiteral("納品");
    case DocType::Invoice:
        return QStringLiteral("請求");
    default:
        break;
    }
    throw std::invalid_argument("no line table for document type " + std::to_string(docType));
}

QString DocumentStore::LastNumberColumn(int docType) {
    switch (docType) {
    case DocType::Estimate:
        return QStringLiteral("DocNumE");
    case DocType::Order:
        return QStringLiteral("DocNumO");
    case DocType::DeliveryNote:
        return QStringLiteral("DocNumD");
    case DocType::Invoice:
        return QStringLiteral("DocNumB");
    case DocType::DetailedBill:
        return QStringLiteral("DocNumBD");
    case DocType::TotalBill:
        return QStringLiteral("DocNumBT");
    case DocType::Receipt:
        return QStringLiteral("DocNumR");
    default:
        break;
    }
    throw std::invalid_argument("no last-number column for document type " +
                                std::to_string(docType));
}

bool DocumentStore::Exists(const QString& userCode, int docType, const QString& number) const {
    return m_db.scalar(QStringLiteral(
                           "SELECT COUNT(*) FROM 伝票管理 WHERE UserCode = ? AND DocType = ? "
                           "AND DocNumber = ?"),
                       {userCode, docType, number})
               .toInt() > 0;
}

StampedRow DocumentStore::HeaderRow(const QString& userCode, int docType, const QString& number) {
    return {QStringLiteral("伝票管理"),
            QStringLiteral("UserCode = ? AND DocType = ? AND DocNumber = ?"),
            {userCode, docType, number}};
}

std::optional<qint64> DocumentStore::Stamp(const QString& userCode, int docType,
                                           const QString& number) const {
    return RowStamp::Read(m_db, HeaderRow(userCode, docType, number));
}

std::optional<SlipHeader> DocumentStore::ReadHeader(const QString& userCode, int docType,
                                                    const QString& number) const {
    const RecordSet rs = m_db.select(
        QStringLiteral("SELECT 伝票管理.IssueYMD, 伝票管理.AddUpSale, 伝票管理.Remark, "
                       "伝票管理.FixDate, 伝票管理.Term, 伝票管理.Deliver, 伝票管理.Business, "
                       "担当者.Code, 担当者.Name, 担当者.Position, 伝票管理.Stamp FROM 伝票管理 "
                       "LEFT JOIN 担当者 ON 伝票管理.ChargeCode = 担当者.Code "
                       "WHERE 伝票管理.UserCode = ? AND 伝票管理.DocType = ? "
                       "AND 伝票管理.DocNumber = ?"),
        {userCode, docType, number});
    if (rs.isEmpty())
        return std::nullopt;
    SlipHeader h;
    h.UserCode = userCode;
    h.DocType = docType;
    h.DocNumber = number;
    h.IssueYMD = rs.value(0).toLongLong();
    h.AddUpSale = rs.value(1).toInt() != 0;
    h.Remark = Text(rs.value(2));
    h.FixDate = Text(rs.value(3));
    h.Term = Text(rs.value(4));
    h.Deliver = Text(rs.value(5));
    h.Business = Text(rs.value(6));
    // The staff code comes from the staff table, as the window shows it: a document whose
    // staff member has since been deleted reads with no staff at all, code included, so
    // that the code field never shows a code without its name.
    h.ChargeCode = Text(rs.value(7));
    h.ChargeName = Text(rs.value(8));
    h.ChargePosition = Text(rs.value(9));
    h.Stamp = rs.value(10).toLongLong();
    return h;
}

QList<SlipLine> DocumentStore::ReadLines(const QString& userCode, int docType,
                                         const QString& number) const {
    RecordSet rs =
        m_db.select(QStringLiteral("SELECT GoodsCode, Goods, Quantity, Unit, UnitPrice, "
                                   "Price, Remark, TaxType FROM ") +
                        LineTable(docType) +
                        QStringLiteral(" WHERE UserCode = ? AND Number = ? ORDER BY Count"),
                    {userCode, number});
    QList<SlipLine> lines;
    lines.reserve(rs.RecordCount());
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        SlipLine line;
        line.GoodsCode = Text(rs.value(0));
        line.Goods = Text(rs.value(1));
        line.Quantity = NumberOrNothing(rs.value(2));
        line.Unit = Text(rs.value(3));
        line.UnitPrice = NumberOrNothing(rs.value(4));
        line.Price = NumberOrNothing(rs.value(5));
        line.Remark = Text(rs.value(6));
        // A line stored before lines had classes, or with a class this program does not
        // know, is taxed at the standard rate.
        const int taxType = rs.value(7).toInt();
        line.TaxType = taxType >= 0 && taxType < TaxClass::Count ? taxType : 0;
        lines << line;
    }
    return lines;
}

void DocumentStore::Save(const SlipHeader& header, const QList<SlipLine>& gridLines, double total,
                         const Expect& expect) {
    CheckSlipType(header.DocType);
    const QString table = LineTable(header.DocType);
    const QString lastColumn = LastNumberColumn(header.DocType);
    const QVariant user = Str(header.UserCode);
    const QVariant number = Str(header.DocNumber);
    const QVariant type = header.DocType;
    const QVariant date = header.IssueYMD;
    const QVariant addUp = header.AddUpSale ? 1 : 0;
    const QVariant remark = Str(header.Remark);
    // The window writes the staff code only while the staff name shows: a code whose
    // name lookup failed is not a staff member of this document.
    const bool staffShown = !header.ChargeName.isEmpty();
    const QString chargeCode = staffShown ? header.ChargeCode : QString();
    const bool estimate = header.DocType == DocType::Estimate;
    // Only estimates have the delivery place and terms fields; the other types write
    // them empty (their fields are hidden) and never touch the two dates.
    const QVariant deliver = Str(estimate ? header.Deliver : QString());
    const QVariant business = Str(estimate ? header.Business : QString());

    Transaction tx(m_db);
    const qint64 stamp =
        RowStamp::Claim(m_db, HeaderRow(header.UserCode, header.DocType, header.DocNumber), expect);

    // Header: replace the row of this number, or add it.
    int updated = 0;
    if (estimate) {
        updated = m_db.exec(
            QStringLiteral("UPDATE 伝票管理 SET IssueYMD = ?, AddUpSale = ?, ChargeCode = ?, "
                           "Remark = ?, FixDate = ?, Term = ?, Deliver = ?, Business = ? "
                           "WHERE UserCode = ? AND DocType = ? AND DocNumber = ?"),
            {date, addUp, Str(chargeCode), remark, Str(header.FixDate), Str(header.Term), deliver,
             business, user, type, number});
    } else {
        updated = m_db.exec(
            QStringLiteral("UPDATE 伝票管理 SET IssueYMD = ?, AddUpSale = ?, ChargeCode = ?, "
                           "Remark = ?, Deliver = ?, Business = ? "
                           "WHERE UserCode = ? AND DocType = ? AND DocNumber = ?"),
            {date, addUp, Str(chargeCode), remark, deliver, business, user, type, number});
    }
    if (updated == 0) {
        if (estimate) {
            m_db.exec(
                QStringLiteral("INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD, "
                               "AddUpSale, ChargeCode, Remark, FixDate, Term, Deliver, "
                               "Business, Stamp) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {user, type, number, date, addUp, Str(chargeCode), remark, Str(header.FixDate),
                 Str(header.Term), deliver, business, stamp});
        } else {
            m_db.exec(
                QStringLiteral("INSERT INTO 伝票管理 (UserCode, DocType, DocNumber, IssueYMD, "
                               "AddUpSale, ChargeCode, Remark, Deliver, Business, Stamp) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {user, type, number, date, addUp, Str(chargeCode), remark, deliver, business,
                 stamp});
        }
    }

    // Lines: all of them replaced; only named lines exist, numbered without gaps.
    m_db.exec(QStringLiteral("DELETE FROM ") + table +
                  QStringLiteral(" WHERE UserCode = ? AND Number = ?"),
              {user, number});
    const QString insertLine =
        QStringLiteral("INSERT INTO ") + table +
        QStringLiteral(
            " (UserCode, Number, Count, GoodsCode, Goods, Quantity, Unit, UnitPrice, "
            "Price, Remark, GoodsType, TaxType) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?)");
    int count = 0;
    for (const SlipLine& line : gridLines) {
        if (line.Goods.isEmpty())
            continue;
        m_db.exec(insertLine,
                  {user, number, ++count, Str(line.GoodsCode), line.Goods,
                   NullableNumber(line.Quantity), Str(line.Unit), NullableNumber(line.UnitPrice),
                   NullableNumber(line.Price), Str(line.Remark), line.TaxType});
    }

    // Sale posting: only a delivery note or invoice, with the box checked and something
    // to charge. Otherwise a sale posted by an earlier save stays as it was.
    const bool posts =
        (header.DocType == DocType::DeliveryNote || header.DocType == DocType::Invoice) &&
        header.AddUpSale && total > 0;
    if (posts) {
        // The staff name goes with the sale only together with a code. With a name showing
        // but the code field emptied, the sale row keeps whatever name it had.
        const bool setCharge = staffShown && !chargeCode.isEmpty();
        const QVariant charge = Str(setCharge ? header.ChargeName : QString());
        int posted = 0;
        if (setCharge || !staffShown) {
            posted =
                m_db.exec(QStringLiteral("UPDATE 売掛 SET SaleYMD = ?, Price = ?, Receive = 0, "
                                         "Division = 0, ChargeCode = ?, Charge = ? "
                                         "WHERE UserCode = ? AND DocNumber = ? AND DocType = ?"),
                          {date, total, Str(chargeCode), charge, user, number, type});
        } else {
            posted =
                m_db.exec(QStringLiteral("UPDATE 売掛 SET SaleYMD = ?, Price = ?, Receive = 0, "
                                         "Division = 0, ChargeCode = ? "
                                         "WHERE UserCode = ? AND DocNumber = ? AND DocType = ?"),
                          {date, total, Str(chargeCode), user, number, type});
        }
        if (posted == 0) {
            m_db.exec(QStringLiteral("INSERT INTO 売掛 (SaleYMD, UserCode, DocNumber, DocType, "
                                     "Price, Receive, Division, Charge, ChargeCode) "
                                     "VALUES (?, ?, ?, ?, ?, 0, 0, ?, ?)"),
                      {date, user, number, type, total, charge, Str(chargeCode)});
        }
    }

    // The customer's last number of this type, for the 前回伝票 command.
    if (m_db.exec(QStringLiteral("UPDATE 前回伝票 SET ") + lastColumn +
                      QStringLiteral(" = ? WHERE UserCode = ?"),
                  {number, user}) == 0) {
        m_db.exec(QStringLiteral("INSERT INTO 前回伝票 (UserCode, ") + lastColumn +
                      QStringLiteral(") VALUES (?, ?)"),
                  {user, number});
    }

    tx.commit();
}

std::optional<bool> DocumentStore::Delete(const QString& userCode, int docType,
                                          const QString& number) {
    CheckSlipType(docType);
    const QString table = LineTable(docType);
    Transaction tx(m_db);
    const QVariant addUpSale = m_db.scalar(QStringLiteral("SELECT AddUpSale FROM 伝票管理 WHERE "
                                                          "UserCode = ? AND DocType = ? AND "
                                                          "DocNumber = ?"),
                                           {userCode, docType, number});
    if (!addUpSale.isValid())
        return std::nullopt; // nothing written; the transaction rolls back empty
    m_db.exec(QStringLiteral("DELETE FROM 伝票管理 WHERE UserCode = ? AND DocType = ? AND "
                             "DocNumber = ?"),
              {userCode, docType, number});
    m_db.exec(QStringLiteral("DELETE FROM ") + table +
                  QStringLiteral(" WHERE UserCode = ? AND Number = ?"),
              {userCode, number});
    tx.commit();
    return addUpSale.toInt() != 0;
}

void DocumentStore::DeleteSale(const QString& userCode, int docType, const QString& number) {
    Transaction tx(m_db);
    m_db.exec(
        QStringLiteral("DELETE FROM 売掛 WHERE UserCode = ? AND DocNumber = ? AND DocType = ?"),
        {userCode, number, docType});
    tx.commit();
}

QString DocumentStore::LastNumber(const QString& userCode, int docType) const {
    return Text(m_db.scalar(QStringLiteral("SELECT ") + LastNumberColumn(docType) +
                                QStringLiteral(" FROM 前回伝票 WHERE UserCode = ?"),
                            {userCode}));
}
