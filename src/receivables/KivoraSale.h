#pragma once
#include "receivables/Ledger.h"

#include <QDialog>
#include <array>
#include <functional>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenuBar;
class QPushButton;
class QTableWidget;
class QToolButton;
struct AppState;

// LabelTitle: the captions above the month, the customer and the totals.
namespace SaleTitle {
enum : int { Month = 0, Code = 1, Name = 2, Sales = 3, Receipts = 4, Last = 5, Count = 6 };
}

// LabelSale: the customer of the ledger and the totals; the last is the carry-over in a
// customer's ledger and the balance total in the list.
namespace SaleLabel {
enum : int { Code = 0, Name = 1, Sales = 2, Receipts = 3, Last = 4, Count = 5 };
}

// ImageSaleBar: the pictures down the left.
namespace SaleImage {
enum : int { Receive = 0, Correct = 1, Delete = 2, Print = 3, Close = 4, Count = 5 };
}

// MenuJob: 処理; the missing indexes are separators.
namespace SaleMenu {
enum : int {
    List = 0,
    Find = 1,
    Receive = 3,
    Correct = 4,
    Delete = 5,
    Print = 7,
    Close = 9,
    Count = 10
};
}

// The columns of FxGridSale. In the list: code, name, carry-over, sales, payments,
// balance; in a customer's ledger: date, number, payment kind, sale, payment, balance.
namespace SaleColumn {
enum : int { Key = 0, Text = 1, Kind = 2, Sales = 3, Receipts = 4, Balance = 5, Count = 6 };
}

// The receivables ledger: every customer's figures of a processing month, or one
// customer's rows of it with a running balance, where payments are entered, corrected
// and deleted. Opened with the main window's customer in gUserCode and gUserName; it
// changes them while the user picks customers and puts them back when it closes.
class KivoraSale : public QDialog {
    Q_OBJECT
public:
    KivoraSale(AppState& state, QWidget* parent = nullptr);
    ~KivoraSale() override;

    QComboBox* ComboSale = nullptr;
    QTableWidget* FxGridSale = nullptr;
    std::array<QLabel*, SaleTitle::Count> LabelTitle{};
    std::array<QLabel*, SaleLabel::Count> LabelSale{};
    QPushButton* BtnFind = nullptr;
    QPushButton* BtnLast = nullptr;
    QFrame* LabelSaleBar = nullptr;
    std::array<QToolButton*, SaleImage::Count> ImageSaleBar{};
    QMenuBar* MenuBar = nullptr;
    std::array<QAction*, SaleMenu::Count> MenuJob{};
    QAction* MenuHelp = nullptr;

    int mode() const { return m_mode; }
    // The list printing's hand-off of the last 印刷 (its caption, kind, rows and range).
    const LedgerPrintSource& printSource() const { return m_printSource; }

    // Empties the grid to its header and one empty row in the current mode's columns and
    // clears the customer and total labels.
    void GridClear();
    // Reads the chosen month again in the current mode and shows it.
    void Refresh();
    // Sums the sales and payments (and in the list the balances) into the labels.
    void CalcTotal();
    // Stores the payment of the last entry dialog for the current customer; with
    // `confirm`, asks before replacing a payment of the same date.
    void DataAppend(bool confirm);
    // Deletes the payment of the selected row after asking.
    void DataDelete();

    // The commands of the image bar and the menu.
    void ShowList();
    void FindCustomer();
    void ReceiveNew();
    void ReceiveCorrect();
    void PrintList();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    void buildControls();
    void buildMenus();
    QWidget* buildImageBar();
    void layOut();
    void showList(const LedgerList& list);
    void showCustomer(const CustomerLedger& ledger);
    // The grid row (0-based) last clicked or moved to when it holds something, else -1.
    int selectedRow() const;
    // The ledger entry shown in grid row `row`, or nothing for an empty row or a sale.
    const LedgerEntry* paymentAt(int row) const;
    void openRow(int row);
    // True in a customer's ledger; in the list it says that a customer must be chosen.
    bool customerChosen();
    void restoreCustomer();

    AppState& m_state;
    Ledger m_ledger;
    int m_mode = LedgerMode::List;
    int m_row = -1; // the grid row clicked last
    LedgerPeriod m_period;
    QList<LedgerEntry> m_entries;
    QList<LedgerListRow> m_rows;
    RecordSet m_records; // the rows of the last query, for the list printing
    LedgerPrintSource m_printSource;
    ReceiveParam m_receive;
    QString m_savedCode;
    QString m_savedName;
    bool m_restored = false;
};
