#include "lists/ListQueries.h"

#include "core/Database.h"

#include <QStringList>

ListResult ListQueries::Customers(const CustomerFilter& filter) const {
    QStringList conditions;
    QVariantList values;
    ListResult result;
    if (filter.Area == CustomerArea::Range) {
        // Codes are texts: the range is a text range, so 0015A lies between 0010 and 0020.
        conditions << QStringLiteral("顧客.Code BETWEEN ? AND ?");
        values << filter.From << filter.To;
        result.Subtitle =
            QStringLiteral("顧客範囲:") + filter.From + QStringLiteral("～") + filter.To;
    } else if (filter.Area == CustomerArea::SalesMonth) {
        // Only sales count: a customer who only paid in the month is not listed. Day 31
        // bounds every month; no date of a shorter month lies beyond it.
        const qint64 month = qint64(filter.Year) * 10000 + qint64(filter.Month) * 100;
        conditions << QStringLiteral("顧客.Code IN (SELECT UserCode FROM 売掛 "
                                     "WHERE SaleYMD BETWEEN ? AND ? AND Division = 0)");
        values << month + 1 << month + 31;
        result.Subtitle = QStringLiteral("売上年月:%1年%2月")
                              .arg(filter.Year, 4, 10, QLatin1Char('0'))
                              .arg(filter.Month, 2, 10, QLatin1Char('0'));
    }
    if (filter.ByClass) {
        conditions << QStringLiteral("顧客.Class = ?");
        values << filter.ClassCode;
        if (!result.Subtitle.isEmpty())
            result.Subtitle += QLatin1Char(' ');
        result.Subtitle += QStringLiteral("顧客分類:") + filter.ClassName;
    }
    if (filter.MailOnly)
        conditions << QStringLiteral("顧客.Mail = 0");
    QString sql =
        QStringLiteral("SELECT 顧客.*, 顧客分類.Code AS ClassCode, 顧客分類.Name AS "
                       "ClassName FROM 顧客 LEFT JOIN 顧客分類 ON 顧客.Class = 顧客分類.Code");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    result.Rows = m_db.select(sql, values);
    return result;
}

ListResult ListQueries::Staff(const QString& department, bool withSales, qint64 from,
                              qint64 to) const {
    ListResult result;
    QVariantList values;
    const QString where =
        department.isEmpty() ? QString() : QStringLiteral(" WHERE 担当者.Position = ?");
    if (!department.isEmpty())
        values << department;
    if (!withSales) {
        result.Rows = m_db.select(QStringLiteral("SELECT * FROM 担当者") + where, values);
        return result;
    }
    // A sale belongs to a staff member only when it names both his name and his code: a
    // renamed or renumbered member does not inherit the sales of the old record.
    const QString sql =
        QStringLiteral("SELECT 担当者.Code AS Code, 担当者.Name AS Name, 担当者.Position AS "
                       "Position, SUM(売掛.Price) AS PriceTotal FROM 担当者 INNER JOIN 売掛 "
                       "ON 売掛.Charge = 担当者.Name AND 売掛.ChargeCode = 担当者.Code") +
        (where.isEmpty() ? QStringLiteral(" WHERE") : where + QStringLiteral(" AND")) +
        QStringLiteral(" 売掛.Division = 0 AND 売掛.SaleYMD BETWEEN ? AND ? "
                       "GROUP BY 担当者.Code, 担当者.Name, 担当者.Position");
    values << from << to;
    result.Rows = m_db.select(sql, values);
    return result;
}

ListResult ListQueries::Goods(bool sets) const {
    ListResult result;
    result.Rows = m_db.select(sets ? QStringLiteral("SELECT * FROM セット商品")
                                   : QStringLiteral("SELECT * FROM 商品"));
    return result;
}

ListResult ListQueries::Day(bool payments, qint64 ymd, int paymentKind) const {
    ListResult result;
    QVariantList values;
    QString sql = QStringLiteral("SELECT 顧客.Code AS Code, 顧客.Name AS Name, 売掛.DocNumber AS "
                                 "DocNumber, ");
    if (!payments) {
        sql += QStringLiteral("売掛.Price AS Price FROM 売掛 INNER JOIN 顧客 ON 売掛.UserCode = "
                              "顧客.Code WHERE 売掛.Division = 0");
    } else {
        sql += QStringLiteral("売掛.Receive AS Receive, 売掛.Division AS Division FROM 売掛 "
                              "INNER JOIN 顧客 ON 売掛.UserCode = 顧客.Code WHERE ");
        if (paymentKind == 0) {
            sql += QStringLiteral("売掛.Division > 0");
        } else {
            sql += QStringLiteral("売掛.Division = ?");
            values << paymentKind;
        }
    }
    // An impossible date is not refused: it simply finds nothing.
    sql += QStringLiteral(" AND 売掛.SaleYMD = ?");
    values << ymd;
    result.Rows = m_db.select(sql, values);
    result.Subtitle = QString::number(ymd);
    return result;
}
