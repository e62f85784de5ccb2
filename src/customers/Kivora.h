#pragma once
#include "widgets/SeatGuard.h"
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolBar;
class QToolButton;
class CustomerStore;
class Database;
struct AppState;
struct CustomerRow;

// Positions in the main window's control arrays. The tool bar and the menus keep their
// separators in the arrays, so some positions have no name.

// ToolButton: the tool bar, captioned by strings 201 + position.
namespace ToolBarButton {
enum : int {
    NewCustomer = 1,
    Save = 2,
    Find = 4,
    First = 6, // First to Last step through the customers in this order
    Previous = 7,
    Next = 8,
    Last = 9,
    Exit = 11,
    Count = 12
};
}

// ImageWorkBar: the pictures down the left, with the tool tips 101 + position.
namespace WorkBarImage {
enum : int {
    Estimate = 0, // the first four open the document type of the same number
    Order = 1,
    DeliveryNote = 2,
    Invoice = 3,
    Receipt = 4,
    Receivables = 5,
    Count = 6
};
}

// TextSlip and LabelSlip: the customer's fields and their captions.
namespace CustomerField {
enum : int {
    Code = 0,
    Name = 1,
    Kana = 2,
    Prefix1 = 3, // the customer's honorific
    Zip1 = 4,    // the postal code in two parts
    Zip2 = 5,
    Address1 = 6,
    Address2 = 7,
    Tel = 8,
    Fax = 9,
    Portable = 10,
    Position1 = 11, // department and name of the first contact
    Charge1 = 12,
    Position2 = 13,
    Charge2 = 14,
    Prefix2 = 15, // the contacts' honorific
    Remark = 16,
    Class = 17,
    Count = 18
};
}

// ComboSlip: the registration date, then the terms of the customer.
namespace CustomerCombo {
enum : int {
    Year = 0,
    Month = 1,
    Day = 2,
    Excise = 3,
    Fraction = 4,
    ClosingDay = 5,
    Payment = 6,
    Mail = 7,
    Count = 8
};
}

// OptionSlip: the month whose closing a sale falls into; the customer's ClosingType is
// stored as the position of the chosen option.
namespace CustomerClosing {
enum : int { ThisMonth = 0, NextMonth = 1, Count = 2 };
}

// FrameSlip and the tabs of TabStripSlip.
namespace CustomerPage {
enum : int { Address = 0, Terms = 1, Count = 2 };
}

// MenuBusiness: 取引.
namespace BusinessMenu {
enum : int {
    NewCustomer = 0,
    Save = 1,
    Delete = 2,
    Find = 4,
    First = 6, // First to Last step through the customers in this order
    Previous = 7,
    Next = 8,
    Last = 9,
    Receivables = 11,
    Exit = 13,
    Count = 14
};
}

// MenuSlip: 伝票; the bills have a submenu of their own (MenuBill).
namespace DocumentMenu {
enum : int {
    Estimate = 0, // the first three open the document type of the same number
    Order = 1,
    DeliveryNote = 2,
    Bills = 3,
    Receipt = 4,
    Count = 5
};
}

// MenuBill: the bills submenu.
namespace BillMenu {
enum : int { Invoice = 0, DetailedBill = 1, TotalBill = 2, Count = 3 };
}

// MenuList: 作表.
namespace ListMenu {
enum : int { Customers = 0, Staff = 1, Goods = 2, Sales = 4, Receipts = 5, Count = 6 };
}

// MenuRegist: 登録.
namespace RegistMenu {
enum : int { Company = 0, Staff = 1, Units = 2, Goods = 3, Classes = 4, Count = 5 };
}

// MenuTool: ツール.
namespace ToolMenu {
enum : int { Address = 0, CoverLetter = 1, Options = 3, Password = 4, Seal = 6, Count = 7 };
}

// MenuHelp: ヘルプ.
namespace HelpMenu {
enum : int { Topics = 0, Separator = 1, About = 2, Count = 3 };
}

// Where Kivora::DataRead takes the customer from.
namespace CustomerRead {
enum : int {
    Typed = 0, // the code typed in the code field
    Row = 1,   // a row already read
    Search = 2 // the customer search
};
}

// The main window: it shows one customer, opens every other window for that customer,
// and closing it ends the program. It owns the open main and postal databases.
class Kivora : public QMainWindow {
    Q_OBJECT
public:
    explicit Kivora(AppState& state, QWidget* parent = nullptr);
    ~Kivora() override;

    // Opens the main and postal databases, fills the lists that need them and starts a
    // new customer. Throws DatabaseError when a database cannot be opened; nothing is
    // left open then.
    void Load();

    // Customer record routines.
    void DataNew();
    // Reads the customer named by `mode` (CustomerRead; the row is `row`). Returns false
    // when the code was refused for a forbidden character.
    bool DataRead(int mode, const CustomerRow* row = nullptr);
    void DataSave();
    void DataDelete();
    void DataMove(int direction);
    void FindClass();

    // The checks before a document window opens for the current customer; true when
    // the window may open (and was opened, when a window for the type is registered).
    bool OpenDocument(int docType, const QString& caption);
    // What opens the document windows (type -1: the receivables window); the program's
    // own windows by default, replaceable for tests. Document menus and work-bar
    // pictures are enabled for the types that have a window.
    void SetDocumentOpener(std::function<void(int docType)> opener);
    // True for the document types whose window is part of the program.
    static bool HasDocumentWindow(int docType);

    // Postal-code lookup and taking an entry of its list.
    void PostLookup();
    void TakeZipEntry(const QString& entry);
    // Puts a looked-up address into 住所１, going on in an empty 住所２ when it is too
    // long; false (the user told) when it fits neither way.
    bool PlaceAddress(const QString& address);

    // Controls, named and numbered as the rest of the program refers to them.
    QToolBar* ToolbarMain = nullptr;
    std::array<QAction*, ToolBarButton::Count> ToolButton{};
    QFrame* LabelWorkBar = nullptr;
    std::array<QToolButton*, WorkBarImage::Count> ImageWorkBar{};
    QFrame* LineWorkBar = nullptr;
    std::array<QLineEdit*, CustomerField::Count> TextSlip{};
    std::array<QLabel*, CustomerField::Count> LabelSlip{};
    std::array<QComboBox*, CustomerCombo::Count> ComboSlip{};
    std::array<QRadioButton*, CustomerClosing::Count> OptionSlip{};
    QLabel* LabelClass = nullptr;
    QPushButton* BtnClass = nullptr;
    QTabWidget* TabStripSlip = nullptr;
    std::array<QWidget*, CustomerPage::Count> FrameSlip{};
    QPushButton* cmd_Post = nullptr;
    QListWidget* List_Zip = nullptr;

    std::array<QAction*, BusinessMenu::Count> MenuBusiness{};
    std::array<QAction*, DocumentMenu::Count> MenuSlip{};
    std::array<QAction*, BillMenu::Count> MenuBill{};
    std::array<QAction*, ListMenu::Count> MenuList{};
    std::array<QAction*, RegistMenu::Count> MenuRegist{};
    std::array<QAction*, ToolMenu::Count> MenuTool{};
    std::array<QAction*, HelpMenu::Count> MenuHelp{};

    int UserNum = 0;

public slots:
    void openPassword();
    // The options window; afterwards the rate list is read again.
    void openOptions();
    // Opens the list window of a 作表 item (ListMenu).
    void OpenListWindow(int item);
    void openHelp();
    void openAbout();
    void openClassSearch();
    void openCompany();
    void openRegistration(int index);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (KivoraLayout.cpp).
    void buildToolBar();
    QWidget* buildWorkBar();
    QWidget* buildCustomerForm();
    QWidget* buildPage1();
    QWidget* buildPage2();
    void buildMenus();
    void prepareFields();
    void MoveFrame(QToolButton* image);
    void DrawFrame();

    // Behaviour (Kivora.cpp).
    bool enterPressed(QObject* watched);
    void showRow(const CustomerRow& row);
    void release();
    void openDocumentWindow(int docType);
    // The document type a work-bar picture opens (DocType::Receivables for the last).
    static int WorkBarDocType(int image);

    AppState& m_state;
    std::unique_ptr<Database> m_dbMain;
    std::unique_ptr<Database> m_dbPost;
    std::unique_ptr<CustomerStore> m_customers;
    ReadMark m_read; // the customer shown, as read: another seat's change is asked about
    std::function<void(int docType)> m_documentOpener;
};
