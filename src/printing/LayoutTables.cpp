#include "printing/LayoutTables.h"

#include "core/Database.h"

#include <functional>

namespace {

DocumentLayoutKind kindOf(const RecordSet& rs) {
    DocumentLayoutKind kind;
    kind.Code = rs.value(QStringLiteral("Code")).toInt();
    kind.DocType = rs.value(QStringLiteral("DocType")).toInt();
    kind.Name = rs.text(QStringLiteral("Name"));
    kind.Duplicate = rs.value(QStringLiteral("Duplicate")).toInt() != 0;
    kind.ItemCode = rs.value(QStringLiteral("ItemCode")).toInt();
    kind.LineCode = rs.value(QStringLiteral("LineCode")).toInt();
    kind.FixItemCode = rs.value(QStringLiteral("FixItemCode")).toInt();
    kind.Block = rs.value(QStringLiteral("Block")).toInt();
    kind.Rows = rs.value(QStringLiteral("Rows")).toInt();
    kind.RowHeight = rs.number(QStringLiteral("RowHeight"));
    kind.FontSize = rs.number(QStringLiteral("FontSize"));
    kind.Layout = rs.text(QStringLiteral("Layout"));
    return kind;
}

// The tables of one layout family: documents (伝票*) and lists (一覧*) have the same
// columns, except that a list kind has no DocType, Duplicate or Layout (read as 0 and
// empty). The names are constants of the program, never user input.
struct LayoutFamily {
    QString kinds, items, positions, lines, fixedTexts;
};
const LayoutFamily DocumentTables{QStringLiteral("伝票種類"), QStringLiteral("伝票項目"),
                                  QStringLiteral("伝票位置"), QStringLiteral("伝票罫線"),
                                  QStringLiteral("伝票固定項目")};
const LayoutFamily ListTables{QStringLiteral("一覧種類"), QStringLiteral("一覧項目"),
                              QStringLiteral("一覧位置"), QStringLiteral("一覧罫線"),
                              QStringLiteral("一覧固定項目")};

// The positions of a layout's items by item number. A position is found with a search
// from the top in ItemNo order, so the first row of an item number is the one that
// counts. `own` reads the columns only the family's table has.
QMap<int, LayoutPosition>
readPositions(const Database& layoutDb, const QString& table, const QVariant& code,
              const std::function<void(const RecordSet&, LayoutPosition&)>& own) {
    QMap<int, LayoutPosition> positions;
    RecordSet rs = layoutDb.select(QStringLiteral("SELECT * FROM ") + table +
                                       QStringLiteral(" WHERE Code = ? ORDER BY ItemNo"),
                                   {code});
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        LayoutPosition pos;
        pos.ItemNo = rs.value(QStringLiteral("ItemNo")).toInt();
        pos.X1 = rs.number(QStringLiteral("X1"));
        pos.X2 = rs.number(QStringLiteral("X2"));
        pos.Y1 = rs.number(QStringLiteral("Y1"));
        pos.Align = rs.value(QStringLiteral("Align")).toInt();
        own(rs, pos);
        if (!positions.contains(pos.ItemNo))
            positions.insert(pos.ItemNo, pos);
    }
    return positions;
}

std::optional<DocumentLayout> readLayout(const Database& layoutDb, const LayoutFamily& family,
                                         int code) {
    RecordSet rs = layoutDb.select(QStringLiteral("SELECT * FROM ") + family.kinds +
                                       QStringLiteral(" WHERE Code = ?"),
                                   {code});
    if (rs.isEmpty())
        return std::nullopt;
    rs.MoveFirst();
    DocumentLayout layout;
    layout.kind = kindOf(rs);
    const DocumentLayoutKind& kind = layout.kind;

    // One item list per block; a block without a row prints no items, and a second row
    // for the same block is never reached, as the print routine reads the first.
    for (int block = 1; block <= kind.Block; ++block) {
        RecordSet items = layoutDb.select(QStringLiteral("SELECT * FROM ") + family.items +
                                              QStringLiteral(" WHERE Code = ? AND Block = ?"),
                                          {kind.ItemCode, block});
        if (items.isEmpty())
            continue;
        items.MoveFirst();
        layout.items.insert(block,
                            LayoutTables::SplitCodes(items.text(QStringLiteral("PrintItem"))));
    }

    layout.positions = readPositions(
        layoutDb, family.positions, kind.ItemCode, [](const RecordSet& rs, LayoutPosition& pos) {
            pos.DataType = rs.value(QStringLiteral("DataType")).toInt();
        });

    RecordSet lines = layoutDb.select(QStringLiteral("SELECT * FROM ") + family.lines +
                                          QStringLiteral(" WHERE Code = ?"),
                                      {kind.LineCode});
    for (lines.MoveFirst(); !lines.Eof(); lines.MoveNext()) {
        LayoutLine line;
        line.X1 = lines.number(QStringLiteral("X1"));
        line.Y1 = lines.number(QStringLiteral("Y1"));
        line.X2 = lines.number(QStringLiteral("X2"));
        line.Y2 = lines.number(QStringLiteral("Y2"));
        // A colour value is handed to the printer as stored; only its low 32 bits mean
        // anything there.
        line.Color = static_cast<quint32>(lines.value(QStringLiteral("Color")).toLongLong());
        line.Width = lines.value(QStringLiteral("Width")).toInt();
        line.Style = lines.value(QStringLiteral("Style")).toInt();
        line.Type = lines.value(QStringLiteral("Type")).toInt();
        layout.lines << line;
    }

    RecordSet fixed = layoutDb.select(QStringLiteral("SELECT * FROM ") + family.fixedTexts +
                                          QStringLiteral(" WHERE Code = ?"),
                                      {kind.FixItemCode});
    for (fixed.MoveFirst(); !fixed.Eof(); fixed.MoveNext()) {
        LayoutFixedText text;
        text.X1 = fixed.number(QStringLiteral("X1"));
        text.X2 = fixed.number(QStringLiteral("X2"));
        text.Y1 = fixed.number(QStringLiteral("Y1"));
        text.Character = fixed.text(QStringLiteral("Character"));
        text.Align = fixed.value(QStringLiteral("Align")).toInt();
        layout.fixedTexts << text;
    }
    return layout;
}

} // namespace

namespace LayoutTables {

QList<DocumentLayoutKind> DocumentLayouts(const Database& layoutDb, int docType) {
    RecordSet rs = layoutDb.select(
        QStringLiteral("SELECT * FROM 伝票種類 WHERE DocType = ? ORDER BY Code"), {docType});
    QList<DocumentLayoutKind> out;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        out << kindOf(rs);
    return out;
}

std::optional<DocumentLayout> ReadDocumentLayout(const Database& layoutDb, int code) {
    return readLayout(layoutDb, DocumentTables, code);
}

std::optional<ListLayout> ReadListLayout(const Database& layoutDb, int code) {
    std::optional<DocumentLayout> form = readLayout(layoutDb, ListTables, code);
    if (!form)
        return std::nullopt;
    ListLayout layout;
    layout.form = std::move(*form);
    // The total columns are one list for the whole layout; they are read from the first
    // item row, whatever its block.
    RecordSet items =
        layoutDb.select(QStringLiteral("SELECT * FROM 一覧項目 WHERE Code = ? ORDER BY Block"),
                        {layout.form.kind.ItemCode});
    if (!items.isEmpty()) {
        items.MoveFirst();
        layout.totals = SplitCodes(items.text(QStringLiteral("PrintTotal")));
    }
    return layout;
}

QList<int> SplitCodes(const QString& text) {
    QList<int> codes;
    const QStringList parts = text.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        bool ok = false;
        const int code = part.trimmed().toInt(&ok);
        if (ok)
            codes << code;
    }
    return codes;
}

} // namespace LayoutTables

namespace {

LabelSheet sheetOf(const RecordSet& rs) {
    LabelSheet sheet;
    sheet.Code = rs.value(QStringLiteral("Code")).toInt();
    sheet.Name = rs.text(QStringLiteral("Name"));
    sheet.ItemCode = rs.value(QStringLiteral("ItemCode")).toInt();
    sheet.Rows = rs.value(QStringLiteral("Rows")).toInt();
    sheet.Cols = rs.value(QStringLiteral("Cols")).toInt();
    sheet.RowSpace = rs.number(QStringLiteral("RowSpace"));
    sheet.ColSpace = rs.number(QStringLiteral("ColSpace"));
    sheet.CharHorV = rs.value(QStringLiteral("CharHorV")).toInt();
    sheet.LabelPos = rs.value(QStringLiteral("LabelPos")).toInt() != 0;
    return sheet;
}

} // namespace

namespace LayoutTables {

QList<LabelSheet> LabelSheets(const Database& layoutDb) {
    RecordSet rs = layoutDb.select(QStringLiteral("SELECT * FROM 宛名種類 ORDER BY Code"));
    QList<LabelSheet> out;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        out << sheetOf(rs);
    return out;
}

std::optional<LabelLayout> ReadLabelLayout(const Database& layoutDb, int code) {
    RecordSet rs = layoutDb.select(QStringLiteral("SELECT * FROM 宛名種類 WHERE Code = ?"), {code});
    if (rs.isEmpty())
        return std::nullopt;
    rs.MoveFirst();
    LabelLayout layout;
    layout.sheet = sheetOf(rs);
    RecordSet items = layoutDb.select(QStringLiteral("SELECT * FROM 宛名項目 WHERE Code = ?"),
                                      {layout.sheet.ItemCode});
    if (!items.isEmpty()) {
        items.MoveFirst();
        layout.items = SplitCodes(items.text(QStringLiteral("PrintItem")));
    }
    layout.positions = readPositions(layoutDb, QStringLiteral("宛名位置"), layout.sheet.ItemCode,
                                     [](const RecordSet& rs, LayoutPosition& pos) {
                                         pos.FontSize = rs.number(QStringLiteral("FontSize"));
                                     });
    return layout;
}

} // namespace LayoutTables
