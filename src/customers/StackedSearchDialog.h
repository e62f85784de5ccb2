#pragma once
#include "customers/RecordSearch.h"

#include <QDialog>
#include <QList>
#include <QSize>
#include <QStringList>
#include <array>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;
class QVBoxLayout;
struct AppState;

// What the search dialogs have in common: a frame of options choosing the column to
// search, a text, a result grid and Find/Reset/OK/Cancel. Every Find adds one condition
// on top of the earlier ones (through RecordSearch, up to five); an empty first search
// asks before listing everything, an empty later one asks for a condition; a value not
// found leaves the list as it was. Enter in the text searches, Enter in the grid takes
// the current row, Enter elsewhere does nothing. Cancel, Escape and the close button
// leave gResult -1.
//
// A subclass describes its controls in a Look, hands back the chosen row in handBack()
// and may override the other hooks; it keeps the public control names of its window.
class StackedSearchDialog : public QDialog {
    Q_OBJECT
public:
    // How a dialog looks: its names, captions and sizes.
    struct Look {
        // Names the controls: "Kivora" + stem for the dialog, "Opt" + stem + index for the
        // options, "Text" + stem and "FxGrid" + stem.
        QString stem;
        QString title;
        QStringList options; // in the order of the source's search columns
        int optionsPerRow = 2;
        int maxLength = 41; // as AttachLimitLength takes it
        QStringList headers;
        QSize gridSize;
        QString everything; // the question before an empty first search lists all rows
    };

    QPushButton* BtnFind = nullptr;
    QPushButton* BtnReset = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;

    // Number of conditions applied so far (0-5).
    int conditionCount() const { return m_search.count(); }
    // The table searched now.
    RecordSearch::Source source() const { return m_search.source(); }

public slots:
    void onFind();
    void onReset();
    void onOK();
    void onCancel();

protected:
    StackedSearchDialog(AppState& state, RecordSearch::Source source, const Look& look,
                        QWidget* parent);

    // Hands the chosen row (whose first column is not empty) back to the caller; the
    // dialog then closes with gResult 0.
    virtual void handBack(int row) = 0;
    // OK without a chosen row: by default the dialog stays open.
    virtual void handBackNothing() {}
    // Runs one search step; the default orders by the column searched.
    virtual QList<QStringList> runSearch(const QString& column, const QString& pattern);
    // One cell of a result row.
    virtual QTableWidgetItem* makeCell(int column, const QString& value) const;
    // What a confirmed Reset does: by default it forgets the conditions, the list and
    // the text.
    virtual void resetSearch();

    // Starts again from no condition on `source`, with an empty list; the text stays.
    void startOver(RecordSearch::Source source);
    // The option chosen, as an index of the source's search columns.
    int searchItem() const;
    // Chooses `option` (out of range: the first), sets gResult -1 and centres the dialog
    // over `over`. Subclasses call it last in their constructor.
    void finishSetUp(int option, const QWidget* over);
    // The window that left itself in gCaller, else `parent`.
    const QWidget* callerOr(const QWidget* parent) const;

    RecordSearch& recordSearch() { return m_search; }
    QGroupBox* optionFrame() const { return m_frame; }
    // The options as the fixed-size array a window names them by.
    template <std::size_t N> std::array<QRadioButton*, N> optionArray() const {
        std::array<QRadioButton*, N> out{};
        for (std::size_t i = 0; i < N && i < std::size_t(m_options.size()); ++i)
            out[i] = m_options[qsizetype(i)];
        return out;
    }
    QLabel* textLabel() const { return m_label; }
    QLineEdit* searchText() const { return m_text; }
    QTableWidget* grid() const { return m_grid; }
    QVBoxLayout* mainLayout() const { return m_layout; }
    QHBoxLayout* buttonRow() const { return m_buttons; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

    AppState& m_state;

private:
    void buildControls(const Look& look);
    void layOut();
    void clearGrid();
    void fillGrid(const QList<QStringList>& rows);

    RecordSearch m_search;
    QString m_everything;
    QGroupBox* m_frame = nullptr;
    QList<QRadioButton*> m_options;
    QLabel* m_label = nullptr;
    QLineEdit* m_text = nullptr;
    QTableWidget* m_grid = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QHBoxLayout* m_buttons = nullptr;
};
