#pragma once
#include "lists/ListTable.h"

#include <QDialog>
#include <QSet>
#include <array>

class ListModel;
class QAction;
class QMenuBar;
class QTableView;
class QToolBar;
struct AppState;

// MenuWork: 処理; the gaps are separators.
namespace DispWork {
enum : int { Sort = 0, Text = 2, Print = 3, Close = 5, Count = 6 };
}

// MenuText: テキスト出力; the gap is a separator.
namespace DispText {
enum : int { File = 0, Clipboard = 1, Options = 3, Count = 4 };
}

// The list a list window or the ledger put into RsWork (kind gDocType, title gCaption,
// subtitle gHandOff), in a grid with a total row where one makes sense. From here the
// user sorts it, prints it and exports it to a text file or the clipboard. For the address-label
// list a click toggles whether the customer's label is printed. The window changes
// nothing in the database.
class KivoraDisp : public QDialog {
    Q_OBJECT
public:
    KivoraDisp(AppState& state, QWidget* parent = nullptr);
    ~KivoraDisp() override;

    QMenuBar* MenuBar = nullptr;
    std::array<QAction*, DispWork::Count> MenuWork{};
    std::array<QAction*, DispText::Count> MenuText{};
    QAction* MenuHelp = nullptr;
    QToolBar* ToolbarDisp = nullptr;
    QTableView* FxGridDisp = nullptr;

    int kind() const { return m_kind; }
    const ListTable& table() const;
    // The output mark of every record, in the order shown (address labels).
    QList<bool> outputMarks() const;

    // Fills the grid from RsWork in the list's stored order.
    void DataDisp();
    // Exports the grid to `path`, or to the clipboard when `path` is empty.
    void DataExport(bool toFile, const QString& path = QString());

public slots:
    void onExportFile();
    void onExportClipboard();
    void onSort();
    // 印刷: the list printing; for the label list, address labels for the marked customers.
    void onPrint();
    // Selects the record of a grid row; for address labels also toggles its mark.
    void selectRow(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();

    AppState& m_state;
    int m_kind = 0;
    bool m_byDepartment = false;
    ListModel* m_model = nullptr;
    // Address labels: the customers whose mark the user cleared, by code, so that the
    // marks follow their customers through a sort.
    QSet<QString> m_cleared;
};
