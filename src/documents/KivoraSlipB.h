#pragma once
#include "documents/BillGathering.h"
#include "widgets/SeatGuard.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class BillStore;
struct BillPrintHeader;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTableWidget;
class QToolButton;
struct AppState;

// Positions in the bill window's control arrays. The menus keep their separators in the
// arrays, as the commands count them, so some positions have no name.

// ScrollSlipB: the months of this bill and of the previous one.
namespace BillScroll {
enum : int { Year = 0, Month = 1, PrevYear = 2, PrevMonth = 3, Count = 4 };
}

// LabelSlipB: the scrolls' values, the closing day, then the sums.
namespace BillLabel {
enum : int {
    Year = 0,
    Month = 1,
    PrevYear = 2,
    PrevMonth = 3,
    ClosingDay = 4,
    Papers = 5,      // 伝票枚数
    PrvPrice = 6,    // 前回請求額
    Receive = 7,     // 入金額
    CarryOver = 8,   // 繰越金額
    Total = 9,       // 税抜金額
    Excise = 10,     // 税額
    Price = 11,      // 税込金額
    TotalPrice = 12, // 請求額
    Count = 13
};
}

// LabelTitle: the captions. ThisBill to TotalPrice head the labels of the same sums.
namespace BillTitle {
enum : int {
    Number = 0,
    Staff = 1,
    Remark = 2,
    ThisBill = 3, // 今回請求
    PrevBill = 4, // 前回請求
    Papers = 5,
    PrvPrice = 6,
    Receive = 7,
    CarryOver = 8,
    Total = 9,
    Excise = 10,
    Price = 11,
    TotalPrice = 12,
    ClosingDay = 13, // 締め日
    Source = 14,     // 集計伝票
    Date = 15,       // 作成日
    Count = 16
};
}

// TextSlipB: the fields, in the order Enter walks them.
namespace BillField {
enum : int { Number = 0, Staff = 1, Remark = 2, Count = 3 };
}

// OptionSlipB: where the lines come from.
namespace BillSource {
enum : int { DeliveryNotes = 0, Invoices = 1, Count = 2 };
}

// ComboSlipB: the issue date.
namespace BillCombo {
enum : int { Year = 0, Month = 1, Day = 2, Count = 3 };
}

namespace BillStaff {
enum : int { Name = 0, Position = 1, Count = 2 };
}

// ImageSlipBBar: the pictures down the left.
namespace BillImage {
enum : int { Gather = 0, Save = 1, Print = 2, Close = 3, Count = 4 };
}

// MenuSlip: 伝票.
namespace SlipBMenu {
enum : int {
    Gather = 0,
    DeleteRows = 1,
    New = 3,
    Save = 4,
    Delete = 5,
    Print = 7,
    LastSlip = 9,
    History = 10,
    Number = 11,
    Close = 13,
    Count = 14
};
}

// The window in which detailed (明細請求書, type 4) and summary (合計請求書, type 5) bills
// are gathered from the ledger, stored, read back and printed for the customer of the
// main window. The type is gDocType when it opens. A change of the period or the source
// clears what was gathered, so a bill is always saved as gathered for what it shows.
class KivoraSlipB : public QDialog {
    Q_OBJECT
public:
    KivoraSlipB(AppState& state, QWidget* parent = nullptr);
    ~KivoraSlipB() override;

    std::array<QScrollBar*, BillScroll::Count> ScrollSlipB{};
    std::array<QLabel*, BillLabel::Count> LabelSlipB{};
    // Amount and tax per rate under the sums, shown only while the lines mix rates.
    QLabel* LabelRate = nullptr;
    std::array<QLabel*, BillTitle::Count> LabelTitle{};
    std::array<QLineEdit*, BillField::Count> TextSlipB{};
    std::array<QRadioButton*, BillSource::Count> OptionSlipB{};
    std::array<QComboBox*, BillCombo::Count> ComboSlipB{};
    std::array<QLabel*, BillStaff::Count> LabelCharge{};
    std::array<QLabel*, 3> Label1{}; // 年, 月, 日 after the issue date's parts
    QTableWidget* FxGridSlipB = nullptr;
    QPushButton* BtnSlipNo = nullptr;
    QPushButton* BtnCharge = nullptr;

    QFrame* LabelSlipBBar = nullptr;
    std::array<QToolButton*, BillImage::Count> ImageSlipBBar{};

    QMenuBar* MenuBar = nullptr;
    std::array<QAction*, SlipBMenu::Count> MenuSlip{};
    QAction* MenuRegist = nullptr; // 担当者
    QAction* MenuHelp = nullptr;

    int docType() const { return m_docType; }

    // Document routines.
    void DataNew(bool full);
    void DataDetail(); // 伝票集計
    void CalcTotal();
    void DataRead(); // the bill whose number is in gHandOff
    void DataSave();
    void DataDelete();
    void DeleteRows(); // 行削除

    // Commands.
    void LastSlip();
    void History();
    void SlipNumber();
    void FindStaff();
    void OpenHelp();
    void OpenRegistration();
    void PrintCommand();
    void PrintSlip();

    // The grid's data rows as their 8 cell texts.
    QList<QStringList> gridRows() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Building the window (KivoraSlipB.cpp).
    void buildFields();
    void buildMenus();
    QWidget* buildImageBar();
    void layOut();
    void setRows(const QList<QStringList>& rows);

    // Commands and keys (KivoraSlipBCommands.cpp).
    void runCommand(QAction* item, const std::function<void()>& command);
    void runImageCommand(int index);
    bool fieldEnter(int index);
    QString numberWord(const QString& number) const;
    BillPrintHeader printHeader() const;
    void scrollChanged(int index);

    AppState& m_state;
    int m_docType = 4;
    QString m_docName;
    std::unique_ptr<BillStore> m_store;
    ReadMark m_read; // the bill shown, as read: another seat's change is asked about
    // What the last gathering or read left: the closing dates for the header, and the
    // carried-over amount as a number, so that the totals do not parse it back.
    BillPeriod m_period;
    double m_carryOver = 0;
    bool m_loading = false; // scroll changes while reading do not clear the bill
};
