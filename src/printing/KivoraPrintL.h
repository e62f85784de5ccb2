#pragma once
#include "printing/ListPrint.h"
#include "printing/PrintCodes.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class Canvas;
class Database;
class PrinterService;
struct AppState;

// CheckPrintL: what prints besides the list.
namespace ListCheck {
enum : int { Company = 0, DateTime = 1, Count = 2 };
}

// FramePrintL: the frames of the options.
namespace ListFrame {
enum : int { Font = 0, Adjust = 1, Count = 2 };
}

// LabelTitle, ScrollPrintL, LabelPrintL and Label1: the adjustment rows, in millimetres.
namespace ListAdjust {
enum : int { Left = 0, Top = 1, Count = 2 };
}

// The print dialog of the lists: prints the list a list window or the ledger handed
// over (RsWork, kind gDocType, name gCaption, subtitle gHandOff, customer gUserCode and
// gUserName) with the list layout of its kind. The options are kept as "L" + name. 開始
// prints at once, page by page; キャンセル stops a running print (the pages drawn so far
// are dropped, nothing reaches the printer) or, when idle, closes the window. プレビュー
// and PDFに保存 draw the same pages for the screen or a file.
class KivoraPrintL : public QDialog {
    Q_OBJECT
public:
    KivoraPrintL(AppState& state, PrinterService& service, QWidget* parent = nullptr);
    ~KivoraPrintL() override;

    // One customer's transactions: the range whose balance is carried into the rows.
    void setCarryRange(qint64 from, qint64 to);

    std::array<QCheckBox*, ListCheck::Count> CheckPrintL{};
    std::array<QGroupBox*, ListFrame::Count> FramePrintL{};
    std::array<QRadioButton*, FontChoice::Count> OptionFont{};
    std::array<QLabel*, ListAdjust::Count> LabelTitle{};
    std::array<QScrollBar*, ListAdjust::Count> ScrollPrintL{};
    std::array<QLabel*, ListAdjust::Count> LabelPrintL{};
    std::array<QLabel*, ListAdjust::Count> Label1{};
    QPushButton* BtnSort = nullptr;
    QPushButton* BtnPrinter = nullptr;
    QPushButton* BtnPreview = nullptr;
    QPushButton* BtnPdf = nullptr;
    QPushButton* BtnStart = nullptr;
    QPushButton* BtnCancel = nullptr;
    // Set when the user confirmed stopping a running print.
    bool CancelFlag = false;

    bool printing() const { return m_printing; }
    // How the last run ended.
    ListPrintResult lastResult() const { return m_lastResult; }

    // Every control off but キャンセル (off), or every control on again (on).
    void EnableControls(bool on);

public slots:
    void Start();        // 開始
    void Cancel();       // キャンセル
    void Sort();         // 並べ替え
    void SetUpPrinter(); // プリンタ設定
    void Preview();      // プレビュー
    void SaveAsPdf();    // PDFに保存

protected:
    void reject() override;

private:
    enum class Output { Printer, Preview, Pdf };

    void buildControls();
    void layOut();
    void restoreSettings();
    ListPrintOptions options() const;
    ListPrintInput input() const;
    void run(Output output);
    // Draws the list on `canvas` and ends (or discards) the job.
    ListPrintResult print(Canvas& canvas, const Database& layoutDb, const ListPrintInput& input);

    AppState& m_state;
    PrinterService& m_service;
    int m_kind = 0;
    qint64 m_carryFrom = 0;
    qint64 m_carryTo = 0;
    bool m_printing = false;
    ListPrintResult m_lastResult = ListPrintResult::Missing;
};
