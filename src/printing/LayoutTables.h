#pragma once
#include <QList>
#include <QMap>
#include <QString>
#include <optional>

class Database;

// One document layout (伝票種類) as the print dialog lists it.
struct DocumentLayoutKind {
    int Code = 0;
    int DocType = 0;
    QString Name;
    bool Duplicate = false;
    int ItemCode = 0;
    int LineCode = 0;
    int FixItemCode = 0;
    int Block = 1;
    int Rows = 0;
    double RowHeight = 0;
    double FontSize = 0;
    QString Layout; // receipts and bills: "/"-separated block copy marks
};

// Where an item code prints (伝票位置 / 一覧位置 / 宛名位置).
struct LayoutPosition {
    int ItemNo = 0;
    double X1 = 0, X2 = 0, Y1 = 0;
    int Align = 0;
    int DataType = 0;
    double FontSize = 0; // label positions only
};

// A line, rectangle or circle (伝票罫線 / 一覧罫線).
struct LayoutLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    quint32 Color = 0;
    int Width = 1;
    int Style = 0;
    int Type = 0;
};

// A fixed text (伝票固定項目 / 一覧固定項目).
struct LayoutFixedText {
    double X1 = 0, X2 = 0, Y1 = 0;
    QString Character;
    int Align = 0;
};

// Everything one document layout draws.
struct DocumentLayout {
    DocumentLayoutKind kind;
    QMap<int, QList<int>> items;         // block number → item codes in printing order
    QMap<int, LayoutPosition> positions; // item code → position
    QList<LayoutLine> lines;
    QList<LayoutFixedText> fixedTexts;
};

// Everything one list layout draws: the document form's parts (its kind has no DocType,
// Duplicate or Layout) and the item codes whose columns get a total line.
struct ListLayout {
    DocumentLayout form;
    QList<int> totals;
};

// Reads the layout database. Nothing is cached between print runs.
namespace LayoutTables {
// The layouts of a document type in code order, for the print dialog.
QList<DocumentLayoutKind> DocumentLayouts(const Database& layoutDb, int docType);
// One layout with all its rows; nothing when no layout has this code.
std::optional<DocumentLayout> ReadDocumentLayout(const Database& layoutDb, int code);
// A list layout (一覧種類 and its rows) by code; nothing when no layout has this code.
std::optional<ListLayout> ReadListLayout(const Database& layoutDb, int code);
// Splits "1/2/3" into numbers, skipping empty and non-numeric parts.
QList<int> SplitCodes(const QString& text);
} // namespace LayoutTables

// One address-label sheet (宛名種類) as the label dialog lists it.
struct LabelSheet {
    int Code = 0;
    QString Name;
    int ItemCode = 0;
    int Rows = 0;
    int Cols = 0;
    double RowSpace = 0;   // from one label column to the next, mm
    double ColSpace = 0;   // from one label row to the next, mm
    int CharHorV = 0;      // non-zero: vertical writing on a turned page
    bool LabelPos = false; // the user may choose the label printing starts on

    int labels() const { return Rows * Cols; }
};

// Everything one label sheet prints: the same item list on every label.
struct LabelLayout {
    LabelSheet sheet;
    QList<int> items;                    // item codes in printing order
    QMap<int, LayoutPosition> positions; // item code → position (with its font size)
};

namespace LayoutTables {
// The label sheets in code order, for the label dialog.
QList<LabelSheet> LabelSheets(const Database& layoutDb);
// One sheet with its items and positions; nothing when no sheet has this code.
std::optional<LabelLayout> ReadLabelLayout(const Database& layoutDb, int code);
} // namespace LayoutTables
