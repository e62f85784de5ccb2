#pragma once
#include "documents/SlipTotals.h"
#include "widgets/SeatGuard.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolButton;
class DocumentStore;
class PrinterService;
class SlipGrid;
struct AppState;
struct SlipPrintHeader;

// Positions in the slip window's control arrays. The menus keep their separators in the
// arrays, as the commands count them, so some positions have no name.

// TextSlip: the header fields; from FixYear on they belong to estimates only.
namespace SlipField {
enum : int {
    Number = 0,
    Staff = 1, // the staff member's code
    Remark = 2,
    FixYear = 3, // 納入期日
    FixMonth = 4,
    FixDay = 5,
    Deliver = 6,  // 納入場所
    TermYear = 7, // 有効期限
    TermMonth = 8,
    TermDay = 9,
    Business = 10, // 取引方法
    Count = 11
};
}

// LabelTitle: the captions.
namespace SlipTitle {
enum : int {
    Number = 0,
    Staff = 1,
    Date = 2,
    Subtotal = 3,
    Tax = 4,
    Total = 5,
    Remark = 6,
    FixDate = 7,
    Deliver = 8,
    Term = 9,
    Business = 10,
    Count = 11
};
}

// Label1: the 年, 月 and 日 after the parts of the three dates.
namespace SlipDateMark {
enum : int {
    IssueYear = 0,
    IssueMonth = 1,
    IssueDay = 2,
    FixYear = 3,
    FixMonth = 4,
    FixDay = 5,
    TermYear = 6,
    TermMonth = 7,
    TermDay = 8,
    Count = 9
};
}

// LabelCharge: what the staff code was found to stand for.
namespace SlipStaff {
enum : int { Name = 0, Position = 1, Count = 2 };
}

// ComboSlip: the issue date.
namespace SlipCombo {
enum : int { Year = 0, Month = 1, Day = 2, Count = 3 };
}

// LabelTotal: the totals under the lines.
namespace SlipTotal {
enum : int { Subtotal = 0, Tax = 1, Total = 2, Count = 3 };
}

// ImageSlipBar: the pictures down the left.
namespace SlipImage {
enum : int { Save = 0, Print = 1, Close = 2, Count = 3 };
}

// MenuMain: the menu bar.
namespace SlipMainMenu {
enum : int { Slip = 0, Edit = 1, Regist = 2, Help = 3, Count = 4 };
}

// MenuSlip: 伝票.
namespace SlipMenu {
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

// MenuEdit: 編集; the line commands.
namespace SlipEditMenu {
enum : int { Copy = 0, Paste = 1, Delete = 2, Count = 3 };
}

// MenuPaste: the paste submenu.
namespace SlipPasteMenu {
enum : int { Overwrite = 0, Insert = 1, Count = 2 };
}

// MenuRegist: 登録, in the order of the master kinds they open.
namespace SlipRegistMenu {
enum : int { Staff = 0, Units = 1, Goods = 2, Count = 3 };
}

// What KivoraSlip::DataRead reads of document gHandOff.
namespace SlipRead {
enum : int {
    Whole = 0,      // header and lines
    HeaderOnly = 1, // the header, with no lines
    Copy = 2        // the lines only, of type gDocType, into an empty document
};
}

// The window in which an estimate, purchase order, delivery note or invoice (gDocType
// 0-3) is written, stored, read back and copied, for the customer of the main window
// (gUserCode, gUserName). It starts as an empty new document and keeps no unsaved-changes
// flag: a new document, a read or a copy discards what was typed.
class KivoraSlip : public QDialog {
    Q_OBJECT
public:
    KivoraSlip(AppState& state, QWidget* parent = nullptr);
    ~KivoraSlip() override;

    std::array<QLineEdit*, SlipField::Count> TextSlip{};
    std::array<QLabel*, SlipTitle::Count> LabelTitle{};
    std::array<QLabel*, SlipDateMark::Count> Label1{};
    std::array<QLabel*, SlipStaff::Count> LabelCharge{};
    std::array<QComboBox*, SlipCombo::Count> ComboSlip{};
    QCheckBox* CheckSlip = nullptr;
    std::array<QLabel*, SlipTotal::Count> LabelTotal{};
    // Amount and tax per rate under the totals, shown only while the lines mix rates.
    QLabel* LabelRate = nullptr;
    QPushButton* BtnSlipNo = nullptr;
    QPushButton* BtnCharge = nullptr;

    // Lines and their editors (owned by the grid).
    SlipGrid* FxGridSlip = nullptr;
    QLineEdit* TextGrid = nullptr;
    QComboBox* ComboGrid = nullptr;
    QToolButton* BtnGrid = nullptr;

    QFrame* LabelSlipBar = nullptr;
    std::array<QToolButton*, SlipImage::Count> ImageSlipBar{};
    QFrame* LineSlipBar = nullptr;

    QMenuBar* MenuBar = nullptr;
    std::array<QAction*, SlipMainMenu::Count> MenuMain{};
    std::array<QAction*, SlipMenu::Count> MenuSlip{};
    std::array<QAction*, 4> MenuCopy{}; // by the document type copied from
    std::array<QAction*, SlipEditMenu::Count> MenuEdit{};
    std::array<QAction*, SlipPasteMenu::Count> MenuPaste{};
    std::array<QAction*, SlipRegistMenu::Count> MenuRegist{};

    // The document type the window was opened for.
    int docType() const { return m_docType; }

    // Document routines.
    void DataNew();
    // Reads document gHandOff as `mode` says (SlipRead; any mode above Copy copies too).
    void DataRead(int mode);
    void DataSave();
    void DataDelete();

    // Line routines, run on the grid.
    void CalcSubTotal();
    void CalcTotal();
    bool EditCommit();
    bool FindGoodsSet(int kind, const QString& code);

    // Commands.
    void LastSlip();         // 前回伝票
    void History();          // 伝票履歴
    void SlipNumber();       // 伝票番号
    void CopyFrom(int type); // 明細コピー
    void FindStaff();        // the staff button
    void OpenHelp();
    void OpenRegistration(int kind); // 登録: the master kind (SlipRegistMenu)
    // 印刷: checks that the document is named and saved, opens the print dialog and
    // prints with the layout chosen there.
    void PrintCommand();
    // Prints the stored document with layout gHandOff on the printer.
    void PrintSlip();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Building the window (KivoraSlip.cpp).
    void buildFields();
    void buildMenus();
    QWidget* buildImageBar();
    void layOut();
    void showForType();
    void showTotals(const SlipTotals::Totals& totals);

    // Commands (KivoraSlipCommands.cpp).
    void runSlipCommand(QAction* item, const std::function<void()>& command);
    void runImageCommand(int index);
    bool openGoodsSearch();
    bool headerEnter(int index);
    QString numberWord(const QString& number) const;
    // The header values as the window shows them, for the printed page.
    SlipPrintHeader printHeader() const;

    AppState& m_state;
    int m_docType = 0;
    std::unique_ptr<DocumentStore> m_store;
    ReadMark m_read; // the document shown, as read: another seat's change is asked about
};
