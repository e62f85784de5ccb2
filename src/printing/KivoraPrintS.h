#pragma once
#include "printing/PrintCodes.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollBar;
class Canvas;
class Database;
class MessageService;
class PrinterCanvas;
class PrinterService;
struct AppState;

// FramePrintS: the frames of the options.
namespace PrintFrame {
enum : int { Font = 0, Adjust = 1, Contact = 2, Copies = 3, Bank = 4, Count = 5 };
}

// LabelTitle: the captions of the adjustment rows and of the layout list.
namespace PrintTitle {
enum : int { Left = 0, Top = 1, Paper = 2, Count = 3 };
}

// ScrollPrintS, LabelPrintS and Label1: the adjustment rows, in millimetres.
namespace PrintAdjust {
enum : int { Left = 0, Top = 1, Count = 2 };
}

// The print dialog of documents: the paper layout of the type (gDocType) and the options
// the document printing reads back from the settings store ("S" + type + name). Opened
// modally with gMode = the type (for the title). 開始 leaves gResult 0 and the layout code
// in gHandOff; キャンセル leaves gResult -1.
//
// プレビュー and PDFに保存 draw the pages through the renderer the opening window gives,
// with the options as they stand (they are stored first, as 開始 stores them, because the
// printing reads them from there); both leave the dialog open and gResult untouched, so
// that the user can look, save and then print.
class KivoraPrintS : public QDialog {
    Q_OBJECT
public:
    // Draws the document with a layout on a canvas and ends the job, exactly as the
    // opening window prints it after 開始; false when nothing was drawn (the user has been
    // told why).
    using PageRenderer =
        std::function<bool(Canvas& canvas, const Database& layoutDb, int layoutCode)>;

    KivoraPrintS(AppState& state, PrinterService& service, QWidget* parent = nullptr);
    ~KivoraPrintS() override;

    // Offers プレビュー and PDFに保存; `pdfName` is the file name the PDF picker suggests.
    void setRenderer(PageRenderer renderer, const QString& pdfName);

    QListWidget* ListPrintS = nullptr;
    std::array<QGroupBox*, PrintFrame::Count> FramePrintS{};
    // The options stand at the positions of the choices they store.
    std::array<QRadioButton*, FontChoice::Count> OptionFont{};
    std::array<QRadioButton*, ContactChoice::Count> OptionCharge{};
    std::array<QRadioButton*, CopyChoice::Count> OptionCopy{};
    std::array<QRadioButton*, BankChoice::Count> OptionBank{};
    std::array<QLabel*, PrintTitle::Count> LabelTitle{};
    std::array<QScrollBar*, PrintAdjust::Count> ScrollPrintS{};
    std::array<QLabel*, PrintAdjust::Count> LabelPrintS{};
    std::array<QLabel*, PrintAdjust::Count> Label1{};
    QCheckBox* CheckPrintS = nullptr;
    QPushButton* BtnPrinter = nullptr;
    QPushButton* BtnPreview = nullptr;
    QPushButton* BtnPdf = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnStart = nullptr;

    // Whether the document numbered `number` may be printed: a number is given, holds no
    // forbidden character, and `saved` finds it stored (printing reads the stored lines,
    // so a document never saved has none). Each refusal is told once.
    static bool CanPrintNumber(AppState& state, const QString& number,
                               const std::function<bool()>& saved);

    // The print run after 開始: with the layout code the dialog handed back, opens the
    // layout database, names the job `jobName` (so that the queue and a PDF printer show
    // which document it is, "納品書 000001"), runs `print` on a canvas that asks the print
    // queue before and after sending, and tells an output failure. Does nothing without a
    // handed-back code.
    using PrintJob = std::function<bool(PrinterCanvas& canvas, Database& layoutDb, int code)>;
    static void RunPrintJob(AppState& state, const QString& jobName, const PrintJob& print);
    // The same run for a layout the caller names itself (the list printing prints the
    // layout of its list kind).
    static void RunPrintJob(AppState& state, const QString& jobName, int code,
                            const PrintJob& print);

    // Tells the user why `canvas` produced nothing when the printer or the file refused
    // the finished pages (the printing itself tells its own failures).
    static void ReportOutputFailure(MessageService& messages, const PrinterCanvas& canvas,
                                    bool toFile, const QString& title);

    // The settings key of `name` for this dialog's type ("S2Left" …).
    QString key(const QString& name) const;

public slots:
    void Start();        // 開始
    void Cancel();       // キャンセル
    void SetUpPrinter(); // プリンタ設定
    void Preview();      // プレビュー
    void SaveAsPdf();    // PDFに保存

protected:
    void reject() override;
    void done(int result) override;

private:
    void buildControls();
    void layOut();
    void restoreSettings();
    // Fills the list; the message for the user when the layout database failed.
    QString loadLayouts();
    void layoutSelected();
    void saveSettings();
    // The chosen layout code, after storing the options; nothing (the user has been
    // told) when no layout is selected.
    std::optional<int> takeLayout();

    AppState& m_state;
    PrinterService& m_service;
    int m_docType = 0;
    std::unique_ptr<Database> m_layoutDb;
    PageRenderer m_renderer;
    QString m_pdfName;
};
