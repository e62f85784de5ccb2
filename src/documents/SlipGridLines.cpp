// The line grid's content: amounts and totals, goods lookup and set expansion, the
// lines as stored, and the line commands.
#include "documents/SlipGrid.h"

#include "core/AppState.h"
#include "core/BusyCursor.h"
#include "core/Database.h"
#include "core/SharedRoutines.h"
#include "masters/GoodsLookup.h"
#include "masters/KivoraFindGoods.h"
#include "widgets/WidgetRoutines.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

void SlipGrid::CalcSubTotal() {
    CalcSubTotal(m_line);
}

void SlipGrid::CalcSubTotal(int line) {
    setCell(line, ColAmount,
            SlipTotals::LineAmount(cell(line, ColQuantity), cell(line, ColPrice),
                                   m_state.gPriceFraction));
}

void SlipGrid::CalcTotal() {
    QStringList amounts;
    QList<int> classes;
    amounts.reserve(Lines);
    classes.reserve(Lines);
    for (int line = 1; line <= Lines; ++line) {
        amounts << cell(line, ColAmount);
        classes << SlipTotals::TaxClassOf(cell(line, ColTax));
    }
    m_totals = SlipTotals::Calc(amounts, classes, m_state.gExcise, m_state.gReducedExcise,
                                m_state.gFraction);
    emit totalsChanged(m_totals);
}

void SlipGrid::ToggleTaxClass() {
    setCell(m_line, ColTax,
            SlipTotals::TaxMark(
                SlipTotals::NextTaxClass(SlipTotals::TaxClassOf(cell(m_line, ColTax)))));
    CalcTotal();
}

void SlipGrid::takeGoods(int line, const QString& code, const QString& name, const QString& unit,
                         double unitPrice, int taxType) {
    setCell(line, ColCode, code);
    setCell(line, ColTax, SlipTotals::TaxMark(taxType));
    setCell(line, ColGoods, name);
    setCell(line, ColUnit, unit);
    setCell(line, ColPrice, Format(unitPrice, m_state.NumFormat));
    CalcSubTotal(line);
}

bool SlipGrid::FindGoodsSet(int kind, const QString& code) {
    m_state.gResult = GridResult::Taken;
    BusyCursor busy;
    QList<GoodsRow> rows;
    RunGuarded(m_state, [&] {
        const Database& db = *m_state.DbMain;
        if (kind == FromGoods) {
            if (auto goods = GoodsLookup::FindGoods(db, code))
                rows << *goods;
        } else if (kind == FromSets) {
            if (auto set = GoodsLookup::FindSet(db, code))
                rows << *set;
        } else {
            rows = GoodsLookup::SetComponents(db, code);
        }
    });
    if (rows.isEmpty()) {
        for (int column : {ColCode, ColGoods, ColUnit, ColPrice, ColTax})
            setCell(m_line, column, QString());
        m_state.gResult = GridResult::Refused;
        return false;
    }
    // One line per row from the current line down; a set longer than the lines left
    // ends at the last line.
    int line = m_line;
    for (const GoodsRow& row : rows) {
        if (line > Lines)
            break;
        takeGoods(line++, row.Code, row.Name, row.Unit, row.UnitPrice, row.TaxType);
    }
    return true;
}

void SlipGrid::SearchGoods() {
    m_searching = true;
    BtnGrid->hide();
    EditCommit();
    if (goodsSearch) {
        m_state.gMode = FindGoodsMode::ForSlip;
        if (goodsSearch()) {
            if (m_state.gHandOff == QLatin1String("True")) {
                FindGoodsSet(FromSetComponents, m_state.gWork[0]);
            } else {
                const auto price = ParseNumber(m_state.gWork[2]);
                // The search hands over what it lists; the class comes with the goods row.
                int taxType = TaxClass::Standard;
                RunGuarded(m_state, [&] {
                    if (auto goods = GoodsLookup::FindGoods(*m_state.DbMain, m_state.gWork[0]))
                        taxType = goods->TaxType;
                });
                takeGoods(m_line, m_state.gWork[0], m_state.gWork[1], m_state.gWork[3],
                          price.value_or(0), taxType);
            }
        }
    }
    m_searching = false;
    TextGrid->setText(cell(m_line, ColGoods));
    CalcTotal();
    setFocus(Qt::OtherFocusReason);
}

QList<SlipLine> SlipGrid::lines() const {
    QList<SlipLine> result;
    result.reserve(Lines);
    for (int line = 1; line <= Lines; ++line) {
        SlipLine l;
        l.GoodsCode = cell(line, ColCode);
        l.Goods = cell(line, ColGoods);
        l.Quantity = ParseNumber(cell(line, ColQuantity));
        l.Unit = cell(line, ColUnit);
        l.UnitPrice = ParseNumber(cell(line, ColPrice));
        l.Price = ParseNumber(cell(line, ColAmount));
        l.Remark = cell(line, ColRemark);
        l.TaxType = SlipTotals::TaxClassOf(cell(line, ColTax));
        result << l;
    }
    return result;
}

int SlipGrid::namedLines() const {
    int count = 0;
    for (int line = 1; line <= Lines; ++line)
        count += cell(line, ColGoods).isEmpty() ? 0 : 1;
    return count;
}

void SlipGrid::setLines(const QList<SlipLine>& lines) {
    clearLines();
    const auto number = [](const std::optional<double>& value, const QString& pattern) {
        return value ? Format(*value, pattern) : QString();
    };
    int line = 1;
    for (const SlipLine& l : lines) {
        if (line > Lines)
            break;
        setCell(line, ColCode, l.GoodsCode);
        setCell(line, ColGoods, l.Goods);
        setCell(line, ColQuantity, number(l.Quantity, m_state.NumFormat));
        setCell(line, ColUnit, l.Unit);
        setCell(line, ColPrice, number(l.UnitPrice, m_state.NumFormat));
        setCell(line, ColAmount, number(l.Price, QStringLiteral("#,#0")));
        setCell(line, ColRemark, l.Remark);
        setCell(line, ColTax, SlipTotals::TaxMark(l.TaxType));
        ++line;
    }
}

void SlipGrid::clearLines() {
    for (int r = 0; r < Lines; ++r) {
        for (int c = ColCode; c < Columns; ++c) {
            if (QTableWidgetItem* it = item(r, c))
                it->setText(QString());
        }
    }
}

void SlipGrid::setEditorText(const QString& text) {
    if (m_column == ColUnit)
        ComboGrid->setCurrentIndex(std::max(ComboGrid->findText(text), 0));
    else
        TextGrid->setText(text);
}

void SlipGrid::CopyLine() {
    for (int c = ColCode; c < Columns; ++c)
        m_buffer[c - ColCode] = cell(m_line, c);
}

void SlipGrid::PasteLine(bool insert) {
    if (std::all_of(m_buffer.begin(), m_buffer.end(), [](const QString& s) { return s.isEmpty(); }))
        return;
    BusyCursor busy;
    if (insert) {
        // Everything from the current line moves down one line; line 99 falls off.
        for (int line = Lines - 1; line >= m_line; --line) {
            for (int c = ColCode; c < Columns; ++c)
                setCell(line + 1, c, cell(line, c));
        }
    }
    for (int c = ColCode; c < Columns; ++c)
        setCell(m_line, c, m_buffer[c - ColCode]);
    CalcTotal();
    setEditorText(cell(m_line, m_column));
}

void SlipGrid::DeleteLine() {
    for (int c = ColCode; c < Columns; ++c)
        setCell(m_line, c, QString());
    setEditorText(QString());
    CalcTotal();
}
