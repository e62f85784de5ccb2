#pragma once
#include "widgets/SeatGuard.h"
#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QToolButton;
class ReceiptStore;
struct AppState;
struct ReceiptPrintHeader;

// Positions in the receipt window's control arrays. The menus keep their separators in
// the arrays, as the commands count them, so some positions have no name.

// TextReceipt: the fields, in the order Enter walks them.
namespace ReceiptField {
enum : int {
    Number = 0,
    Staff = 1, // the staff member's code
    Cash = 2,  // the amounts by payment kind, Cash to Other
    Cheque = 3,
    Transfer = 4,
    Bill = 5,
    SetOff = 6,
    Other = 7,
    For = 8,        // 但し
    BillNumber = 9, // 手形No
    Summary = 10,   // 適用
    Count = 11
};
}

// LabelTitle: the captions; Cash to Other stand beside the amounts of the same kind.
namespace ReceiptTitle {
enum : int {
    Number = 0,
    Cash = 1,
    Cheque = 2,
    Transfer = 3,
    Bill = 4,
    SetOff = 5,
    Other = 6,
    Staff = 7,
    For = 8,
    DueDate = 9,
    BillNumber = 10,
    Summary = 11,
    Total = 12,
    Amounts = 13, // heads the amounts
    Date = 14,
    Count = 15
};
}

// ComboReceipt: the issue date, then the bill's due date.
namespace ReceiptCombo {
enum : int { Year = 0, Month = 1, Day = 2, DueYear = 3, DueMonth = 4, DueDay = 5, Count = 6 };
}

// LabelCharge: what the staff code was found to stand for.
namespace ReceiptStaff {
enum : int { Name = 0, Position = 1, Count = 2 };
}

// LabelTotal: the total as "#,#0" and in the yen form.
namespace ReceiptTotal {
enum : int { Plain = 0, Yen = 1, Count = 2 };
}

// ImageReceiptBar: the pictures down the left.
namespace ReceiptImage {
enum : int { Save = 0, Print = 1, Close = 2, Count = 3 };
}

// MenuMain: the menu bar.
namespace ReceiptMainMenu {
enum : int { Slip = 0, Regist = 1, Help = 2, Count = 3 };
}

// MenuSlip: 伝票.
namespace ReceiptMenu {
enum : int {
    New = 0,
    Save = 1,
    Delete = 2,
    Print = 4,
    LastSlip = 6,
    History = 7,
    Number = 8,
    Copy = 10, // the submenu MenuCopy, whose items are indexed by document type
    Close = 12,
    Count = 13
};
}

// The window in which receipts (領収証, document type 6) are written, stored, read back
// and printed for the customer of the main window (gUserCode, gUserName). It starts as
// an empty new receipt and keeps no unsaved-changes flag.
class KivoraReceipt : public QDialog {
    Q_OBJECT
public:
    KivoraReceipt(AppState& state, QWidget* parent = nullptr);
    ~KivoraReceipt() override;

    std::array<QLineEdit*, ReceiptField::Count> TextReceipt{};
    std::array<QLabel*, ReceiptTitle::Count> LabelTitle{};
    std::array<QLabel*, 6> Label1{}; // 年, 月, 日 after the parts of the two dates
    std::array<QLabel*, ReceiptStaff::Count> LabelCharge{};
    std::array<QComboBox*, ReceiptCombo::Count> ComboReceipt{};
    std::array<QLabel*, ReceiptTotal::Count> LabelTotal{};
    QPushButton* BtnSlipNo = nullptr;
    QPushButton* BtnCharge = nullptr;

    QFrame* LabelReceiptBar = nullptr;
    std::array<QToolButton*, ReceiptImage::Count> ImageReceiptBar{};
    QFrame* LineReceiptBar = nullptr;

    QMenuBar* MenuBar = nullptr;
    std::array<QAction*, ReceiptMainMenu::Count> MenuMain{};
    std::array<QAction*, ReceiptMenu::Count> MenuSlip{};
    std::array<QAction*, 4> MenuCopy{}; // by the document type the amount comes from
    QAction* MenuRegist = nullptr;      // 担当者

    // Document routines.
    void DataNew();
    void DataRead(); // the receipt whose number is in gHandOff
    void DataSave();
    void DataDelete();
    void CalcTotal();

    // Commands.
    void LastSlip();           // 前回伝票
    void History();            // 伝票履歴
    void SlipNumber();         // 伝票番号
    void CopyAmount(int type); // 金額コピー
    void FindStaff();          // the staff button
    void OpenHelp();
    void OpenRegistration(); // 担当者
    // 印刷: checks that the receipt is named and saved, opens the print dialog and prints
    // with the layout chosen there.
    void PrintCommand();
    // Prints the stored receipt with layout gHandOff on the printer.
    void PrintSlip();

    // The text field that had the focus last (an amount copy fills it when it is one of
    // the amounts).
    int lastField() const { return m_lastField; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Building the window (KivoraReceipt.cpp).
    void buildFields();
    void buildMenus();
    QWidget* buildImageBar();
    void layOut();

    // Commands and keys (KivoraReceiptCommands.cpp).
    void runCommand(QAction* item, const std::function<void()>& command);
    void runImageCommand(int index);
    bool fieldEnter(int index);
    void amountEntered(int index);
    void amountLeft(int index);
    QString numberWord(const QString& number) const;
    ReceiptPrintHeader printHeader() const;

    AppState& m_state;
    QString m_docName; // 領収証: the caption the main window opened the window with
    int m_lastField = ReceiptField::Number;
    std::unique_ptr<ReceiptStore> m_store;
    ReadMark m_read; // the document shown, as read: another seat's change is asked about
};
