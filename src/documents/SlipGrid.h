#pragma once
#include "documents/Slip.h"
#include "documents/SlipTotals.h"

#include <QTableWidget>
#include <array>
#include <functional>

// What the grid's commit and goods lookup leave in gResult.
namespace GridResult {
enum : int { Refused = -1, Taken = 0 };
}

class QComboBox;
class QLineEdit;
class QToolButton;
struct AppState;

// The line grid of a slip (FxGridSlip): 99 lines under the column headers, column 0 the
// line number, with its in-cell editors. Cells are edited only through TextGrid (a line
// edit) and ComboGrid (the unit list), opened over the current cell by typing or a double
// click and taken into the cell by EditCommit, which also looks goods up by code and
// keeps the amounts and totals up to date.
class SlipGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int Lines = 99;
    static constexpr int Columns = 9;
    // Columns of a line.
    enum Column {
        ColLine,
        ColCode,
        ColGoods,
        ColQuantity,
        ColUnit,
        ColPrice,
        ColAmount,
        ColRemark,
        ColTax // the line's tax class as its mark (SlipTotals::TaxMark); set by TaxKey
    };
    // The key that steps the current line's tax class: standard, reduced (※), not
    // taxed (非), standard again.
    static constexpr int TaxKey = Qt::Key_F4;
    // Where FindGoodsSet looks a code up.
    enum GoodsSource {
        FromGoods = 0,        // 商品: one line
        FromSets = 1,         // セット商品: the set as one line
        FromSetComponents = 2 // 商品構成: a line per component of the set
    };

    explicit SlipGrid(AppState& state, QWidget* parent = nullptr);

    // Editors over the current cell; hidden while nothing is edited.
    QLineEdit* TextGrid = nullptr;
    QComboBox* ComboGrid = nullptr;
    QToolButton* BtnGrid = nullptr;

    // Opens the goods search for the search button and reports whether something was
    // chosen (gResult 0, the choice in gWork and gHandOff). Set by the window.
    std::function<bool()> goodsSearch;

    // Cell text of line 1-99, column 1-7.
    QString cell(int line, int column) const;
    void setCell(int line, int column, const QString& text);
    // The current line (1-99) and column (1-7), as the last cell change left them.
    int currentLine() const { return m_line; }
    int currentColumn() const { return m_column; }
    void setCurrentLine(int line, int column);

    // True while TextGrid or ComboGrid is shown over a cell.
    bool editorOpen() const;
    // Opens the editor of the current column over the current cell. `typed` (one typed
    // character or an input-method text) replaces the cell; an empty `typed` keeps it,
    // a number without thousands separators and trailing zeros.
    void EditChange(const QString& typed = QString());
    // Handles a key of an open editor; true when the key was used.
    bool EditKey(QWidget* editor, int key);
    // Takes the open editor's text into the current cell. False (and gResult -1) when a
    // number cell refused the text: the cell is emptied and a waiting command must not
    // run. True when nothing was open.
    bool EditCommit();

    // Amount of the current line (or of `line`) from its quantity and unit price.
    void CalcSubTotal();
    void CalcSubTotal(int line);
    // Recomputes the totals and reports them through totalsChanged.
    void CalcTotal();
    SlipTotals::Totals totals() const { return m_totals; }

    // Fills lines from the current one down from the source `kind` (GoodsSource),
    // stopping at line 99. Without a row the code,
    // name, unit and price of the current line are emptied, gResult is -1 and the result
    // false.
    bool FindGoodsSet(int kind, const QString& code);
    // The search button: commits, asks the goods search and takes its choice.
    void SearchGoods();

    // Steps the tax class of the current line and recomputes the totals.
    void ToggleTaxClass();

    // Every line, empty ones included, as a save takes them.
    QList<SlipLine> lines() const;
    // Number of lines with a name.
    int namedLines() const;
    // Shows stored lines from line 1 on; amounts are shown as stored.
    void setLines(const QList<SlipLine>& lines);
    // Empties columns 1-7 of every line.
    void clearLines();

    // Line commands of the edit menu on the current line.
    void CopyLine();
    void PasteLine(bool insert);
    void DeleteLine();
    const std::array<QString, Columns - ColCode>& lineBuffer() const { return m_buffer; }

signals:
    void totalsChanged(const SlipTotals::Totals& totals);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    QTableWidgetItem* itemAt(int line, int column);
    void placeEditor();
    void hideEditors();
    void setEditorText(const QString& text);
    bool commitNumber();
    void commitCode();
    void takeGoods(int line, const QString& code, const QString& name, const QString& unit,
                   double unitPrice, int taxType);

    AppState& m_state;
    int m_line = 1;
    int m_column = ColCode;
    bool m_inCommit = false;
    bool m_searching = false;
    std::array<QString, Columns - ColCode> m_buffer; // columns ColCode to ColRemark
    SlipTotals::Totals m_totals;
};
