#pragma once
#include "printing/LabelPrint.h"
#include "printing/PrintCodes.h"

#include <QDialog>
#include <QList>
#include <array>
#include <memory>
#include <vector>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class Database;
class PrinterService;
struct AppState;

// FramePrintA: the frames of the label dialog.
namespace LabelFrame {
enum : int { Font = 0, Adjust = 1, Contact = 2, Start = 3, Count = 4 };
}

// CheckPrintA: the switches.
namespace LabelCheck {
enum : int { SameCustomer = 0, Code = 1, Phone = 2, Count = 3 };
}

// LabelTitle: the captions of the adjustment rows and of the sheet list.
namespace LabelTitleIndex {
enum : int { Left = 0, Top = 1, Paper = 2, Count = 3 };
}

// ScrollPrintA, LabelPrintA and Label1: the adjustment rows, in millimetres.
namespace LabelAdjust {
enum : int { Left = 0, Top = 1, Count = 2 };
}

// Address labels for the customers of the label list (RsWork, list kind 99) whose
// output mark is set in the list display: the sheet, the label to start on, the
// contact, the switches, the font and the adjustment, kept in the settings store ("A" +
// name). 開始 prints at once, one label after the other; キャンセル stops a running
// print (the job is then dropped) or closes the dialog. プレビュー and PDFに保存 draw the
// same labels without the printer.
class KivoraPrintA : public QDialog {
    Q_OBJECT
public:
    // `marks`: one per row of RsWork, in its order; a row without a mark prints.
    KivoraPrintA(AppState& state, PrinterService& service, QList<bool> marks,
                 QWidget* parent = nullptr);
    ~KivoraPrintA() override;

    QListWidget* ListPrintA = nullptr;
    std::array<QGroupBox*, LabelFrame::Count> FramePrintA{};
    std::array<QFrame*, 2> Shape1{}; // the sheet and its label area
    std::vector<QRadioButton*> OptionPosition;
    std::array<QCheckBox*, LabelCheck::Count> CheckPrintA{};
    std::array<QRadioButton*, ContactChoice::Count> OptionCharge{};
    std::array<QRadioButton*, FontChoice::Count> OptionFont{};
    std::array<QLabel*, LabelTitleIndex::Count> LabelTitle{};
    std::array<QScrollBar*, LabelAdjust::Count> ScrollPrintA{};
    std::array<QLabel*, LabelAdjust::Count> LabelPrintA{};
    std::array<QLabel*, LabelAdjust::Count> Label1{};
    QPushButton* BtnPrinter = nullptr;
    QPushButton* BtnPreview = nullptr;
    QPushButton* BtnPdf = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnStart = nullptr;

    // True while labels are being printed.
    bool printing() const { return m_printing; }
    // The options as the controls stand.
    LabelOptions options() const;

public slots:
    void Start();        // 開始
    void Cancel();       // キャンセル
    void SetUpPrinter(); // プリンタ設定
    void Preview();      // プレビュー
    void SaveAsPdf();    // PDFに保存

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void layOut();
    void restoreSettings();
    void loadSheets();
    void sheetSelected();
    void EnableControls(bool on);
    // The layout of the selected sheet from `layoutDb`; nothing (the user has been told)
    // when no sheet is selected, its row is gone or no label is marked.
    std::optional<LabelLayout> takeSheet(const Database& layoutDb);

    AppState& m_state;
    PrinterService& m_service;
    QList<bool> m_marks;
    QList<LabelSheet> m_sheets; // as listed, read when the dialog opens
    bool m_printing = false;
    bool m_cancelFlag = false;
    QList<bool> m_enabledBefore;
};
