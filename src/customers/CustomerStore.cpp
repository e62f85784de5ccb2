#include "customers/CustomerStore.h"

#include "core/Database.h"

namespace {

const QString kSelect = QStringLiteral("SELECT 顧客.*, 顧客分類.Name AS ClassName FROM 顧客 "
                                       "LEFT JOIN 顧客分類 ON 顧客.Class = 顧客分類.Code");

CustomerRow rowFrom(const RecordSet& rs) {
    CustomerRow r;
    r.Code = rs.text(QStringLiteral("Code"));
    r.Name = rs.text(QStringLiteral("Name"));
    r.Kana = rs.text(QStringLiteral("Kana"));
    r.Prefix1 = rs.text(QStringLiteral("Prefix1"));
    r.ZipCode = rs.text(QStringLiteral("ZipCode"));
    r.Address1 = rs.text(QStringLiteral("Address1"));
    r.Address2 = rs.text(QStringLiteral("Address2"));
    r.TEL = rs.text(QStringLiteral("TEL"));
    r.FAX = rs.text(QStringLiteral("FAX"));
    r.Portable = rs.text(QStringLiteral("Portable"));
    r.Position1 = rs.text(QStringLiteral("Position1"));
    r.Charge1 = rs.text(QStringLiteral("Charge1"));
    r.Position2 = rs.text(QStringLiteral("Position2"));
    r.Charge2 = rs.text(QStringLiteral("Charge2"));
    r.Prefix2 = rs.text(QStringLiteral("Prefix2"));
    r.Remark = rs.text(QStringLiteral("Remark"));
    r.Class = rs.text(QStringLiteral("Class"));
    r.BusinessYMD = rs.value(QStringLiteral("BusinessYMD")).toLongLong();
    r.Excise = rs.number(QStringLiteral("Excise"));
    r.Fraction = rs.value(QStringLiteral("Fraction")).toInt();
    r.ClosingDay = rs.value(QStringLiteral("ClosingDay")).toInt();
    r.Payment = rs.value(QStringLiteral("Payment")).toInt();
    r.Mail = rs.value(QStringLiteral("Mail")).toInt();
    r.ClosingType = rs.value(QStringLiteral("ClosingType")).toInt();
    r.Stamp = rs.value(QStringLiteral("Stamp")).toLongLong();
    r.ClassName = rs.text(QStringLiteral("ClassName"));
    return r;
}

} // namespace

std::optional<CustomerRow> CustomerStore::readOne(const QString& where, const QVariantList& values,
                                                  const QString& order) const {
    RecordSet rs = m_db.select(kSelect + where + order, values);
    if (rs.isEmpty())
        return std::nullopt;
    return rowFrom(rs);
}

std::optional<CustomerRow> CustomerStore::Read(const QString& code) const {
    return readOne(QStringLiteral(" WHERE 顧客.Code = ?"), {code}, QString());
}

bool CustomerStore::Exists(const QString& code) const {
    return m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM 顧客 WHERE Code = ?"), {code}).toInt() >
           0;
}

std::optional<qint64> CustomerStore::Stamp(const QString& code) const {
    return RowStamp::Read(m_db, {QStringLiteral("顧客"), QStringLiteral("Code = ?"), {code}});
}

RecordSet CustomerStore::ReadRecord(const QString& code) const {
    return m_db.select(QStringLiteral("SELECT * FROM 顧客 WHERE Code = ?"), {code});
}

int CustomerStore::Count() const {
    return m_db.scalar(QStringLiteral("SELECT COUNT(*) AS UserNum FROM 顧客")).toInt();
}

std::optional<CustomerRow> CustomerStore::Move(Step step, const QString& fromCode) const {
    const QString ascending = QStringLiteral(" ORDER BY 顧客.Code LIMIT 1");
    const QString descending = QStringLiteral(" ORDER BY 顧客.Code DESC LIMIT 1");
    auto first = [&] { return readOne(QString(), {}, ascending); };
    if (step == Step::First)
        return first();
    if (step == Step::Last)
        return readOne(QString(), {}, descending);
    if (!fromCode.isEmpty()) {
        // One query answers both questions: is the code a customer (the first row is
        // the code itself), and which customer lies beyond it (the second row).
        const bool next = step == Step::Next;
        RecordSet rs = m_db.select(
            kSelect +
                (next ? QStringLiteral(" WHERE 顧客.Code >= ? ORDER BY 顧客.Code LIMIT 2")
                      : QStringLiteral(" WHERE 顧客.Code <= ? ORDER BY 顧客.Code DESC LIMIT 2")),
            {fromCode});
        if (!rs.isEmpty() && rs.text(QStringLiteral("Code")) == fromCode) {
            if (rs.RecordCount() > 1)
                rs.MoveNext();
            return rowFrom(rs); // at either end the customer itself
        }
    }
    if (step == Step::Previous)
        return first();
    // Stepping from no customer starts at the first one, so "next" shows the second.
    auto second = readOne(QString(), {}, QStringLiteral(" ORDER BY 顧客.Code LIMIT 1 OFFSET 1"));
    return second ? second : first();
}

qint64 CustomerStore::Save(const CustomerRow& r, const Expect& expect) {
    Transaction tx(m_db);
    const qint64 stamp = RowStamp::Claim(
        m_db, {QStringLiteral("顧客"), QStringLiteral("Code = ?"), {r.Code}}, expect);
    QVariantList values = {r.Name,     r.Kana,        r.Prefix1,     r.ZipCode,  r.Address1,
                           r.Address2, r.TEL,         r.FAX,         r.Portable, r.Position1,
                           r.Charge1,  r.Position2,   r.Charge2,     r.Prefix2,  r.Remark,
                           r.Class,    r.BusinessYMD, r.Excise,      r.Fraction, r.ClosingDay,
                           r.Payment,  r.Mail,        r.ClosingType, r.Code};
    // Bank, Branch, Owner, AccountType and PaymentType have no field in any window, so a
    // save writes them empty rather than keep values nobody can see or correct.
    const QString columns = QStringLiteral(
        "Name = ?, Kana = ?, Prefix1 = ?, ZipCode = ?, Address1 = ?, Address2 = ?, TEL = ?, "
        "FAX = ?, Portable = ?, Position1 = ?, Charge1 = ?, Position2 = ?, Charge2 = ?, "
        "Prefix2 = ?, Remark = ?, Class = ?, BusinessYMD = ?, Excise = ?, Fraction = ?, "
        "ClosingDay = ?, Payment = ?, Mail = ?, ClosingType = ?, Bank = '', Branch = '', "
        "Owner = '', AccountType = 0, PaymentType = 0");
    if (m_db.exec(QStringLiteral("UPDATE 顧客 SET ") + columns + QStringLiteral(" WHERE Code = ?"),
                  values) == 0) {
        values << stamp;
        m_db.exec(QStringLiteral(
                      "INSERT INTO 顧客 (Name, Kana, Prefix1, ZipCode, Address1, Address2, TEL, "
                      "FAX, Portable, Position1, Charge1, Position2, Charge2, Prefix2, Remark, "
                      "Class, BusinessYMD, Excise, Fraction, ClosingDay, Payment, Mail, "
                      "ClosingType, Code, Stamp, Bank, Branch, Owner, AccountType, PaymentType) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                      "?, ?, ?, '', '', '', 0, 0)"),
                  values);
    }
    if (m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM 前回伝票 WHERE UserCode = ?"), {r.Code})
            .toInt() == 0) {
        m_db.exec(
            QStringLiteral("INSERT INTO 前回伝票 (UserCode, DocNumE, DocNumO, DocNumD, DocNumB, "
                           "DocNumR, DocNumBD, DocNumBT) VALUES (?, '', '', '', '', '', '', '')"),
            {r.Code});
    }
    tx.commit();
    return stamp;
}

void CustomerStore::Delete(const QString& code) {
    Transaction tx(m_db);
    m_db.exec(QStringLiteral("DELETE FROM 顧客 WHERE Code = ?"), {code});
    m_db.exec(QStringLiteral("DELETE FROM 前回伝票 WHERE UserCode = ?"), {code});
    tx.commit();
}

std::optional<QString> CustomerStore::ClassName(const QString& code) const {
    RecordSet rs = m_db.select(QStringLiteral("SELECT Name FROM 顧客分類 WHERE Code = ?"), {code});
    if (rs.isEmpty())
        return std::nullopt;
    return rs.text(QStringLiteral("Name"));
}

CustomerStore::Records CustomerStore::RecordsOf(const QString& code) const {
    Records r;
    r.documents =
        m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM 伝票管理 WHERE UserCode = ?"), {code})
            .toInt();
    r.ledgerRows =
        m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM 売掛 WHERE UserCode = ?"), {code}).toInt();
    return r;
}
