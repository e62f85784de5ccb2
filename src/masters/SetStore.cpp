#include "masters/SetStore.h"

#include "core/Database.h"
#include "core/NumberText.h"

SetStore::Target SetStore::SaveTarget(const QString& code) const {
    if (exists(code))
        return Target::Existing;
    return setCount() >= MaxSets ? Target::Full : Target::New;
}

QList<SetComponent> SetStore::Components(const QString& setCode) const {
    RecordSet rs = m_db.select(QStringLiteral("SELECT Code,GoodsCode,Name,UnitPrice,Unit FROM "
                                              "商品構成 WHERE Code = ? ORDER BY Count"),
                               {setCode});
    QList<SetComponent> components;
    components.reserve(rs.RecordCount());
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        SetComponent c;
        c.GoodsCode = rs.text(QStringLiteral("GoodsCode"));
        c.Name = rs.text(QStringLiteral("Name"));
        // A REAL reads back as a double; its text is the plain number ("1200", "99.5").
        c.UnitPrice = rs.isNull(QStringLiteral("UnitPrice")) ? QString()
                                                             : rs.text(QStringLiteral("UnitPrice"));
        c.Unit = rs.text(QStringLiteral("Unit"));
        components << c;
    }
    return components;
}

QList<int> SetStore::VanishedRows(const QStringList& goodsCodes) const {
    QList<int> rows;
    for (int i = 0; i < int(goodsCodes.size()); ++i) {
        const QString& code = goodsCodes[i];
        // An empty row of the grid is no component and cannot have vanished.
        if (code.isEmpty())
            continue;
        if (!m_db.scalar(QStringLiteral("SELECT Code FROM 商品 WHERE Code = ?"), {code}).isValid())
            rows << i;
    }
    return rows;
}

bool SetStore::Save(const SetHeader& set, const QList<SetComponent>& components) {
    Transaction transaction(m_db);
    // Checked again inside the transaction, so that the decision and the write see the
    // same table.
    const bool existing = exists(set.Code);
    if (!existing && setCount() >= MaxSets)
        return false;

    const QVariantList values{set.Name, QString(), PriceValue(set.UnitPrice).value_or(0.0),
                              set.Unit, set.Code};
    if (existing)
        m_db.exec(QStringLiteral("UPDATE セット商品 SET Name = ?, Kana = ?, UnitPrice = ?, "
                                 "Unit = ? WHERE Code = ?"),
                  values);
    else
        m_db.exec(QStringLiteral("INSERT INTO セット商品 (Name, Kana, UnitPrice, Unit, Code) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  values);

    // The grid is the whole composition: what was stored before goes, and the rows are
    // numbered again from 1, so a removed component leaves no gap in Count.
    m_db.exec(QStringLiteral("DELETE FROM 商品構成 WHERE Code = ?"), {set.Code});
    int count = 0;
    for (const SetComponent& c : components) {
        if (c.GoodsCode.isEmpty())
            continue;
        ++count;
        m_db.exec(QStringLiteral("INSERT INTO 商品構成 (Code, Count, GoodsCode, Name, Kana, "
                                 "UnitPrice, Unit) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  {set.Code, count, c.GoodsCode, c.Name, QString(),
                   PriceValue(c.UnitPrice).value_or(0.0), c.Unit});
    }
    transaction.commit();
    return true;
}

std::optional<double> SetStore::PriceValue(const QString& text) {
    if (text.trimmed().isEmpty())
        return 0.0;
    return ParseNumber(text);
}

QString SetStore::PlainPrice(const QString& text) {
    return EditText(text);
}

bool SetStore::exists(const QString& code) const {
    return m_db.scalar(QStringLiteral("SELECT Code FROM セット商品 WHERE Code = ?"), {code})
        .isValid();
}

int SetStore::setCount() const {
    return m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM セット商品")).toInt();
}
