#include "documents/HistoryQuery.h"

#include "core/Database.h"
#include "core/SettingsStore.h"
#include "core/SharedRoutines.h"

#include <algorithm>

namespace HistoryQuery {

QList<HistoryRow> History(const Database& db, const SettingsStore& settings,
                          const QString& userCode, int docType) {
    // The stored clause orders the query in the reverse of what the user chose (the
    // sort dialog's "ascending" is stored as 0, which the clause turns into DESC), and
    // the list is read from its last row back to its first. So the rows are fetched in
    // the clause's order and turned round here: callers get them as they are shown.
    QString order = OrderClause(settings, 9);
    // Several documents of one day would otherwise come back in whatever order the
    // engine finds them, and the list would change between two openings; the number
    // breaks the tie in the same direction, so the turned list stays in number order.
    if (order.contains(QLatin1String("IssueYMD"))) {
        order += order.endsWith(QLatin1String(" DESC"))
                     ? QStringLiteral(", 伝票管理.DocNumber DESC")
                     : QStringLiteral(", 伝票管理.DocNumber");
    }
    RecordSet rs = db.select(
        QStringLiteral("SELECT 伝票管理.DocNumber AS DocNumber, 伝票管理.IssueYMD AS IssueYMD, "
                       "担当者.Name AS ChargeName FROM 伝票管理 LEFT JOIN 担当者 "
                       "ON 伝票管理.ChargeCode = 担当者.Code "
                       "WHERE 伝票管理.UserCode = ? AND 伝票管理.DocType = ?") +
            order,
        {userCode, docType});

    QList<HistoryRow> rows;
    rows.reserve(rs.RecordCount());
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        HistoryRow row;
        row.DocNumber = rs.text(QStringLiteral("DocNumber"));
        row.IssueYMD = rs.value(QStringLiteral("IssueYMD")).toLongLong();
        // A staff code with no staff row left (deleted since) shows as no staff.
        row.ChargeName = rs.text(QStringLiteral("ChargeName"));
        rows.append(row);
    }
    std::reverse(rows.begin(), rows.end());
    return rows;
}

} // namespace HistoryQuery
