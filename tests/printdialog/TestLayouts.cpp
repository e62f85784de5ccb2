#include "printdialog/TestLayouts.h"

#include "core/DataPaths.h"
#include "core/Database.h"

void TestLayouts::Install(const QString& layoutDbPath) {
    Database db(layoutDbPath, LayoutDbMarkerTable());
    for (const char* table : {"伝票種類", "伝票項目", "伝票位置", "伝票罫線", "伝票固定項目"})
        db.exec(QStringLiteral("DELETE FROM ") + QString::fromUtf8(table));
    const QString kinds = QStringLiteral(
        "INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, FixItemCode, "
        "Block, Rows, RowHeight, FontSize, Layout) VALUES (?, ?, ?, ?, 100, 100, 100, ?, 5, 7, 10, "
        "?)");
    // Inserted out of code order: the dialog lists by code.
    const QVariantList rows[] = {
        {12, 2, QStringLiteral("納品書 2枚(納品書)"), 0, 2, QString()},
        {11, 2, QStringLiteral("納品書 A4(納品書)"), 1, 1, QString()},
        {2, 0, QStringLiteral("見積書 控えなし(見積書)"), 0, 1, QString()},
        {1, 0, QStringLiteral("見積書 A4(見積書)"), 1, 1, QString()},
        {21, 3, QStringLiteral("請求書 A4(請求書)"), 1, 1, QString()},
        {41, 4, QStringLiteral("明細請求書 A4(明細請求書)"), 0, 1, QString()},
        {61, 6, QStringLiteral("領収証 A4(領収証)"), 0, 1, QStringLiteral("0")},
    };
    for (const QVariantList& row : rows)
        db.exec(kinds, row);
    const QString items = QStringLiteral("0/5/10/14/21/22/25/27/28/29/30/31");
    db.exec(QStringLiteral(
                "INSERT INTO 伝票項目 (Code, Block, PrintItem) VALUES (100, 1, ?), (100, 2, ?)"),
            {items, items});
    const QString position = QStringLiteral("INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, "
                                            "Align, DataType) VALUES (100, ?, ?, ?, ?, ?, ?)");
    const QVariantList positions[] = {
        {0, 20, 190, 12, 2, 0},    {5, 150, 190, 25, 1, 0},   {10, 20, 110, 35, 0, 0},
        {14, 120, 190, 35, 0, 0},  {21, 20, 100, 60, 0, 0},   {22, 100, 130, 60, 1, 3},
        {25, 150, 190, 60, 1, 1},  {27, 20, 190, 100, 0, 0},  {28, 150, 190, 108, 1, 0},
        {29, 150, 190, 114, 1, 0}, {30, 150, 190, 120, 1, 0}, {31, 170, 190, 130, 1, 0},
    };
    for (const QVariantList& row : positions)
        db.exec(position, row);
    db.exec(QStringLiteral("INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, Style, Type) "
                           "VALUES (100, 15, 50, 195, 96, 0, 2, 0, 1)"));
    db.exec(QStringLiteral("INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) "
                           "VALUES (100, 20, 100, 52, '品名', 0)"));
}
