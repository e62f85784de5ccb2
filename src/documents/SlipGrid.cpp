#include "documents/SlipGrid.h"

#include "core/AppState.h"
#include "core/SharedRoutines.h"
#include "resources/Pictures.h"
#include "resources/StringTable.h"
#include "widgets/WidgetRoutines.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QToolButton>

namespace {

constexpr std::array<const char16_t*, SlipGrid::Columns> kHeaders = {
    u"行", u"商品番号", u"品名 / 項目", u"数量", u"単位", u"単価", u"金額", u"備考", u"税"};
// Column widths in twips, as the printed forms measure them; 15 twips make a pixel.
constexpr std::array<int, SlipGrid::Columns> kTwips = {270,  840,  3240, 900, 600,
                                                       1020, 1080, 1440, 300};
// Length property of the text editor per column (bytes kept: one less); none for the
// line number and the unit list.
constexpr std::array<int, SlipGrid::Columns> kLength = {0, 9, 41, 9, 0, 10, 13, 11, 0};

bool isNumberColumn(int column) {
    return column == SlipGrid::ColQuantity || column == SlipGrid::ColPrice ||
           column == SlipGrid::ColAmount;
}

} // namespace

SlipGrid::SlipGrid(AppState& state, QWidget* parent)
    : QTableWidget(Lines, Columns, parent), m_state(state) {
    setObjectName(QStringLiteral("FxGridSlip"));
    QStringList headers;
    for (const char16_t* text : kHeaders)
        headers << QString::fromUtf16(text);
    setHorizontalHeaderLabels(headers);
    // The design widths suit a small Latin system font; with the Japanese font in use
    // a column is at least as wide as its header and, for the line number, as "99",
    // and the name column takes whatever room the window has beyond that.
    const QFontMetrics metrics(font());
    for (int c = 0; c < Columns; ++c) {
        const QString widest = c == ColLine ? QStringLiteral("99") : headers[c];
        setColumnWidth(c, std::max(kTwips[c] / 15, metrics.horizontalAdvance(widest) + 14));
    }
    horizontalHeader()->setSectionResizeMode(ColGoods, QHeaderView::Stretch);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->hide();
    // Cells change only through our own editors, which know the formats and lookups.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    // Typing through the input method on the grid opens the editor like a typed key.
    setAttribute(Qt::WA_InputMethodEnabled, true);

    for (int r = 0; r < Lines; ++r) {
        auto* number = new QTableWidgetItem(QString::number(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        number->setBackground(palette().button());
        setItem(r, ColLine, number);
    }

    TextGrid = new QLineEdit(viewport());
    TextGrid->setObjectName(QStringLiteral("TextGrid"));
    TextGrid->hide();
    TextGrid->installEventFilter(this);
    AttachLimitLength(TextGrid, kLength[ColGoods]);

    ComboGrid = new QComboBox(viewport());
    ComboGrid->setObjectName(QStringLiteral("ComboGrid"));
    ComboGrid->hide();
    ComboGrid->installEventFilter(this);

    BtnGrid = new QToolButton(viewport());
    BtnGrid->setObjectName(QStringLiteral("BtnGrid"));
    BtnGrid->setFocusPolicy(Qt::NoFocus);
    BtnGrid->setIcon(QIcon(Pictures::Tool(205)));
    BtnGrid->setToolTip(QStringLiteral("商品") + Res::text(1009));
    BtnGrid->hide();
    connect(BtnGrid, &QToolButton::clicked, this, [this] {
        m_searching = true;
        SearchGoods();
    });

    // A row as high as the unit list, so that the list covers a cell exactly.
    const int rowHeight = ComboGrid->sizeHint().height();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row < 0)
            return;
        if (column <= ColLine) {
            // The line numbers are fixed: the current cell stays in the lines' columns.
            setCurrentCell(row, ColCode);
            return;
        }
        m_line = row + 1;
        m_column = column;
    });
    auto follow = [this] {
        if (editorOpen())
            placeEditor();
    };
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, follow);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, follow);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, follow);
    setCurrentCell(0, ColCode);
}

QString SlipGrid::cell(int line, int column) const {
    const QTableWidgetItem* it = item(line - 1, column);
    return it ? it->text() : QString();
}

QTableWidgetItem* SlipGrid::itemAt(int line, int column) {
    QTableWidgetItem* it = item(line - 1, column);
    if (!it) {
        it = new QTableWidgetItem;
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        it->setTextAlignment(isNumberColumn(column) ? (Qt::AlignRight | Qt::AlignVCenter)
                             : column == ColTax     ? Qt::AlignCenter
                                                    : (Qt::AlignLeft | Qt::AlignVCenter));
        setItem(line - 1, column, it);
    }
    return it;
}

void SlipGrid::setCell(int line, int column, const QString& text) {
    if (line < 1 || line > Lines || column <= ColLine || column >= Columns)
        return;
    if (text.isEmpty() && !item(line - 1, column))
        return;
    itemAt(line, column)->setText(text);
}

void SlipGrid::setCurrentLine(int line, int column) {
    setCurrentCell(std::clamp(line, 1, Lines) - 1, std::clamp<int>(column, ColCode, Columns - 1));
}

bool SlipGrid::editorOpen() const {
    return !TextGrid->isHidden() || !ComboGrid->isHidden();
}

void SlipGrid::EditChange(const QString& typed) {
    // The class column has no editor: its key, a double click or Space steps it.
    if (m_column == ColTax) {
        ToggleTaxClass();
        return;
    }
    if (m_column <= ColLine)
        return;
    const bool replace = !typed.isEmpty();
    scrollTo(model()->index(m_line - 1, m_column));
    const QString current = cell(m_line, m_column);
    QWidget* editor = nullptr;
    if (m_column == ColUnit) {
        int index = ComboGrid->findText(current);
        if (index < 0 && !current.isEmpty()) {
            // A unit no longer in the list still belongs to the line: keep it offered.
            ComboGrid->addItem(current);
            index = ComboGrid->count() - 1;
        }
        if (replace) {
            const int typedIndex =
                ComboGrid->findText(typed, Qt::MatchStartsWith | Qt::MatchFixedString);
            if (typedIndex >= 0)
                index = typedIndex;
        }
        ComboGrid->setCurrentIndex(std::max(index, 0));
        editor = ComboGrid;
    } else {
        TextGrid->setMaxLength(kLength[m_column]);
        TextGrid->setReadOnly(false);
        QString text = replace ? typed : current;
        if (!replace && isNumberColumn(m_column))
            text = EditText(current);
        TextGrid->setText(text);
        TextGrid->deselect();
        TextGrid->end(false);
        editor = TextGrid;
    }
    placeEditor();
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
    if (m_column == ColGoods) {
        BtnGrid->show();
        BtnGrid->raise();
    } else {
        BtnGrid->hide();
    }
}

void SlipGrid::placeEditor() {
    const QRect rect = visualRect(model()->index(m_line - 1, m_column));
    if (m_column == ColUnit)
        ComboGrid->setGeometry(rect);
    else
        TextGrid->setGeometry(rect);
    const int side = rect.height();
    BtnGrid->setGeometry(rect.right() - side + 1, rect.top(), side, side);
}

void SlipGrid::hideEditors() {
    QScopedValueRollback guard(m_inCommit, true);
    if (TextGrid->hasFocus() || ComboGrid->hasFocus())
        setFocus(Qt::OtherFocusReason);
    TextGrid->hide();
    ComboGrid->hide();
    BtnGrid->hide();
}

bool SlipGrid::EditKey(QWidget* editor, int key) {
    switch (key) {
    case Qt::Key_Escape:
        // Discard: the cell keeps what it had.
        hideEditors();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EditCommit();
        setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (editor == ComboGrid)
            return false; // the list moves its own selection
        EditCommit();
        setFocus(Qt::OtherFocusReason);
        const int line = key == Qt::Key_Up ? m_line - 1 : m_line + 1;
        if (line >= 1 && line <= Lines)
            setCurrentLine(line, m_column);
        return true;
    }
    case TaxKey:
        EditCommit();
        setFocus(Qt::OtherFocusReason);
        ToggleTaxClass();
        return true;
    case Qt::Key_F7:
        if (!BtnGrid->isHidden()) {
            m_searching = true;
            SearchGoods();
        }
        return true;
    default:
        return false;
    }
}

bool SlipGrid::EditCommit() {
    const bool textOpen = !TextGrid->isHidden();
    const bool comboOpen = !ComboGrid->isHidden();
    if (!textOpen && !comboOpen)
        return true;
    QScopedValueRollback guard(m_inCommit, true);
    m_state.gResult = GridResult::Taken;
    // The keyboard stays with the grid while the editor goes away.
    if (TextGrid->hasFocus() || ComboGrid->hasFocus())
        setFocus(Qt::OtherFocusReason);
    bool accepted = true;
    if (comboOpen) {
        ComboGrid->hide();
        setCell(m_line, ColUnit, ComboGrid->currentText());
    } else {
        TextGrid->hide();
        if (m_column == ColGoods && !m_searching)
            BtnGrid->hide();
        if (isNumberColumn(m_column)) {
            accepted = commitNumber();
        } else {
            // A line without a name is no line: it loses its code too.
            if (m_column == ColGoods && TextGrid->text().isEmpty())
                setCell(m_line, ColCode, QString());
            if (m_column == ColCode && !TextGrid->text().isEmpty())
                commitCode();
            setCell(m_line, m_column, TextGrid->text());
        }
    }
    CalcTotal();
    m_state.gResult = accepted ? GridResult::Taken : GridResult::Refused;
    return accepted;
}

bool SlipGrid::commitNumber() {
    QString text = TextGrid->text();
    bool accepted = true;
    if (!IsNumberOrEmpty(text)) {
        ShowMsg(*m_state.messages, horizontalHeaderItem(m_column)->text(), Msg::Digits,
                Box::Exclamation, m_state.gCaption);
        TextGrid->clear();
        text.clear();
        accepted = false;
    }
    const auto value = ParseNumber(text);
    const QString pattern = m_column == ColAmount ? QStringLiteral("#,#0") : m_state.NumFormat;
    setCell(m_line, m_column, value ? Format(*value, pattern) : QString());
    if (m_column != ColAmount)
        CalcSubTotal();
    return accepted;
}

void SlipGrid::commitCode() {
    const QString code = TextGrid->text();
    // A code with a character no table may hold is dropped without a word.
    if (CheckChar(*m_state.messages, code, QString(), false, false)) {
        TextGrid->clear();
        return;
    }
    if (!FindGoodsSet(FromGoods, code) && !FindGoodsSet(FromSets, code))
        TextGrid->clear();
}

bool SlipGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != TextGrid && watched != ComboGrid)
        return QTableWidget::eventFilter(watched, event);
    auto* editor = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (EditKey(editor, static_cast<QKeyEvent*>(event)->key()))
            return true;
        break;
    case QEvent::FocusOut: {
        // Leaving the editor takes its text; a menu or a message box opening over it
        // does not, the command or the commit that opened them does that.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (!m_inCommit && reason != Qt::PopupFocusReason &&
            reason != Qt::ActiveWindowFocusReason && !editor->isHidden())
            EditCommit();
        break;
    }
    default:
        break;
    }
    return QTableWidget::eventFilter(watched, event);
}

void SlipGrid::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers == Qt::NoModifier && event->key() == TaxKey) {
        ToggleTaxClass();
        event->accept();
        return;
    }
    if (modifiers == Qt::NoModifier && m_column == ColTax) {
        // Only the keys that step the class work here; text has no place in the column.
        if (event->key() == Qt::Key_Space || event->text() == QLatin1String("*"))
            ToggleTaxClass();
        event->accept();
        return;
    }
    if (modifiers == Qt::NoModifier && m_column > ColLine) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Backspace:
            // A control key opens the editor on what the cell holds.
            EditChange();
            event->accept();
            return;
        default:
            break;
        }
        const QString text = event->text();
        if (!text.isEmpty() && text.at(0).unicode() > 32 && text.at(0).unicode() != 127) {
            EditChange(text);
            event->accept();
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

void SlipGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && index.column() > ColLine) {
        setCurrentCell(index.row(), index.column());
        EditChange();
    }
}

void SlipGrid::inputMethodEvent(QInputMethodEvent* event) {
    if (m_column == ColUnit || m_column == ColTax || m_column <= ColLine ||
        (event->commitString().isEmpty() && event->preeditString().isEmpty())) {
        event->ignore();
        return;
    }
    // A composition started on the grid replaces the cell: open an empty editor and let
    // it receive the composition.
    EditChange(QStringLiteral(" "));
    TextGrid->clear();
    QCoreApplication::sendEvent(TextGrid, event);
}
