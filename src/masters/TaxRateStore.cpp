#include "masters/TaxRateStore.h"
#include "masters/CompanyStore.h"

#include "core/Database.h"

#include <cmath>

namespace TaxRate {

std::optional<double> FromScroll(int value) {
    if (value <= Unused)
        return std::nullopt;
    // (value - 10) / 10 rather than value / 10 - 1: one division gives 6.3, not
    // 6.299999..., for the text the rate lists show.
    return (value - 10) / 10.0;
}

int ToScroll(std::optional<double> rate) {
    if (!rate || *rate < 0)
        return Unused;
    const int value = static_cast<int>(std::lround(*rate * 10)) + 10;
    return value > Highest ? Highest : value;
}

} // namespace TaxRate

TaxRateRows TaxRateStore::Read() const {
    TaxRateRows rows;
    const RecordSet rs = m_db.select(QStringLiteral("SELECT Code, Excise FROM 税率 ORDER BY Code"));
    for (int i = 0; i < rs.RecordCount(); ++i) {
        const int row = rs.row(i).value(0).toInt() - 1;
        if (row >= 0 && row < TaxRate::Rows)
            rows[row] = rs.row(i).value(1).toDouble();
    }
    return rows;
}

void TaxRateStore::Write(const TaxRateRows& rows, std::optional<double> reducedPercent) {
    Transaction transaction(m_db);
    if (reducedPercent)
        CompanyStore(m_db).WriteReducedExcise(*reducedPercent);
    for (int row = 0; row < TaxRate::Rows; ++row) {
        const int code = row + 1;
        if (!rows[row]) {
            m_db.exec(QStringLiteral("DELETE FROM 税率 WHERE Code = ?"), {code});
        } else if (m_db.exec(QStringLiteral("UPDATE 税率 SET Excise = ? WHERE Code = ?"),
                             {*rows[row], code}) == 0) {
            m_db.exec(QStringLiteral("INSERT INTO 税率 (Code, Excise) VALUES (?, ?)"),
                      {code, *rows[row]});
        }
    }
    transaction.commit();
}
