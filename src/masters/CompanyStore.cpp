#include "masters/CompanyStore.h"

#include "core/Database.h"

#include <QVariantList>

namespace {

const QString Columns =
    QStringLiteral("Name, Represent, ZipCode, Address1, Address2, TEL, FAX, Bank1, Bank2, Excise, "
                   "ExciseFraction, PriceFraction, ClosingDay, Payment, ClosingType, RegistNumber, "
                   "ReducedExcise");

QVariantList Values(const CompanyRow& r) {
    return {
        r.Name,       r.Represent, r.ZipCode,     r.Address1,     r.Address2,       r.TEL,
        r.FAX,        r.Bank1,     r.Bank2,       r.Excise,       r.ExciseFraction, r.PriceFraction,
        r.ClosingDay, r.Payment,   r.ClosingType, r.RegistNumber, r.ReducedExcise};
}

} // namespace

std::optional<CompanyRow> CompanyStore::Read() const {
    RecordSet rs =
        m_db.select(QStringLiteral("SELECT ") + Columns + QStringLiteral(" FROM 自社情報"));
    if (rs.isEmpty())
        return std::nullopt;
    CompanyRow r;
    QString* texts[] = {&r.Name, &r.Represent, &r.ZipCode, &r.Address1, &r.Address2,
                        &r.TEL,  &r.FAX,       &r.Bank1,   &r.Bank2};
    const QStringList names = Columns.split(QStringLiteral(", "));
    for (int i = 0; i < 9; ++i)
        *texts[i] = rs.text(names[i]);
    r.Excise = rs.number(QStringLiteral("Excise"));
    r.ExciseFraction = rs.value(QStringLiteral("ExciseFraction")).toInt();
    r.PriceFraction = rs.value(QStringLiteral("PriceFraction")).toInt();
    r.ClosingDay = rs.value(QStringLiteral("ClosingDay")).toInt();
    r.Payment = rs.value(QStringLiteral("Payment")).toInt();
    r.ClosingType = rs.value(QStringLiteral("ClosingType")).toInt();
    r.RegistNumber = rs.text(QStringLiteral("RegistNumber"));
    r.ReducedExcise = rs.number(QStringLiteral("ReducedExcise"));
    return r;
}

void CompanyStore::Write(const CompanyRow& row) {
    Transaction tx(m_db);
    // The table is meant to hold exactly one row; updating without a condition keeps a
    // damaged table with several rows consistent instead of editing one of them at random.
    const int changed = m_db.exec(
        QStringLiteral("UPDATE 自社情報 SET Name = ?, Represent = ?, ZipCode = ?, Address1 = ?, "
                       "Address2 = ?, TEL = ?, FAX = ?, Bank1 = ?, Bank2 = ?, Excise = ?, "
                       "ExciseFraction = ?, PriceFraction = ?, ClosingDay = ?, Payment = ?, "
                       "ClosingType = ?, RegistNumber = ?, ReducedExcise = ?"),
        Values(row));
    // A database that lost its row gets it back here; without it documents would print
    // no company and every new customer would start from nothing.
    if (changed == 0)
        m_db.exec(
            QStringLiteral("INSERT INTO 自社情報 (") + Columns +
                QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            Values(row));
    tx.commit();
}

double CompanyStore::ReducedExcise() const {
    const QVariant rate = m_db.scalar(QStringLiteral("SELECT ReducedExcise FROM 自社情報"));
    return rate.isNull() ? CompanyRow{}.ReducedExcise : rate.toDouble();
}

void CompanyStore::WriteReducedExcise(double percent) {
    CompanyRow row = Read().value_or(CompanyRow{});
    row.ReducedExcise = percent;
    Write(row);
}

bool CompanyStore::RegistNumberValid(const QString& number) {
    if (number.isEmpty())
        return true;
    if (number.size() != 14 || number.at(0) != QLatin1Char('T'))
        return false;
    for (int i = 1; i < 14; ++i) {
        if (number.at(i) < QLatin1Char('0') || number.at(i) > QLatin1Char('9'))
            return false;
    }
    // The twelve digits after the check digit, weighted 1, 2, 1, 2 … from the last one.
    int sum = 0;
    for (int i = 0; i < 12; ++i) {
        const int digit = number.at(13 - i).digitValue();
        sum += digit * (i % 2 == 0 ? 1 : 2);
    }
    return number.at(1).digitValue() == 9 - sum % 9;
}
