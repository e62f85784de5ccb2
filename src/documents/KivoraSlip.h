#pragma once
#include "documents/SlipTotals.h"

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

// The window in which an estimate, purchase order, delivery note or invoice (gDocType
// 0-3) is written, stored, read back and copied, for the customer of the main window
// (gUserCode, gUserName). It starts as an empty new document and keeps no unsaved-changes
// flag: a new document, a read or a copy discards what was typed.
class KivoraSlip : public QDialog {
    Q_OBJECT
public:
    KivoraSlip(AppState& state, QWidget* parent = nullptr);
    ~KivoraSlip() override;

    // Header: 0 number, 1 staff code, 2 subject, 3-5 delivery date, 6 place of delivery,
    // 7-9 validity date, 10 terms of trade (3-10 for estimates only).
    std::array<QLineEdit*, 11> TextSlip{};
    // Captions: 0 number, 1 staff, 2 date, 3-5 totals, 6 subject, 7-10 estimate fields.
    std::array<QLabel*, 11> LabelTitle{};
    // Separators of the dates: 0-2 the issue date, 3-5 and 6-8 the estimate dates.
    std::array<QLabel*, 9> Label1{};
    std::array<QLabel*, 2> LabelCharge{};
    std::array<QComboBox*, 3> ComboSlip{};
    QCheckBox* CheckSlip = nullptr;
    std::array<QLabel*, 3> LabelTotal{};
    QPushButton* BtnSlipNo = nullptr;
    QPushButton* BtnCharge = nullptr;

    // Lines and their editors (owned by the grid).
    SlipGrid* FxGridSlip = nullptr;
    QLineEdit* TextGrid = nullptr;
    QComboBox* ComboGrid = nullptr;
    QToolButton* BtnGrid = nullptr;

    // Image bar: 0 save, 1 print, 2 close.
    QFrame* LabelSlipBar = nullptr;
    std::array<QToolButton*, 3> ImageSlipBar{};
    QFrame* LineSlipBar = nullptr;

    // Menus; separators hold their place in the arrays, as the commands count them.
    QMenuBar* MenuBar = nullptr;
    std::array<QAction*, 4> MenuMain{};
    std::array<QAction*, 13> MenuSlip{};
    std::array<QAction*, 4> MenuCopy{};
    std::array<QAction*, 3> MenuEdit{};
    std::array<QAction*, 2> MenuPaste{};
    std::array<QAction*, 3> MenuRegist{};

    // The document type the window was opened for.
    int docType() const { return m_docType; }

    // Document routines.
    void DataNew();
    // 0: header and lines of document gHandOff; 1: header only; 2 and above: an empty
    // document with the lines of document gHandOff of type gDocType (the copy).
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
    void OpenRegistration(int kind); // 登録: 0 staff, 1 units, 2 goods
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
};
