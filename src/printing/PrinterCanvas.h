#pragma once
#include "printing/Canvas.h"
#include "printing/RecordedPage.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QPen>
#include <QPicture>
#include <memory>

class QPrinter;
class PrinterService;

// The canvas of the program: pages for a QPrinter, which writes to a printer or, with
// QPrinter::PdfFormat and a file name, to a PDF. Nothing reaches the printer while the
// pages are drawn: each page is recorded (RecordedPage) and the pages are played onto the
// printer only in endJob(), so that a stopped run prints nothing (a job handed to the
// print system cannot be taken back) and a preview shows exactly the printed pages. A PDF
// is written beside its name first and takes that name only once it is complete, so that
// a failed run leaves neither a half-written file nor destroys an older one.
//
// Pages are recorded in units of 1/7200 inch from the paper's top-left corner
// (PrintFont) and scaled to the printer's resolution when played, so the same pages
// serve a printer, a PDF and a preview. Pen widths are dots of 1/600 inch, the
// resolution the layouts' widths were chosen for; colours are stored layout values
// (0x00BBGGRR).
class PrinterCanvas : public Canvas {
public:
    // What endJob() does with the recorded pages.
    enum class Output {
        Send, // play them onto the printer
        Keep, // keep them only, for a preview or a later playPages()
    };
    // Why endJob() answered false.
    enum class Failure {
        None,
        NoPrinter,    // no print system: QPrinter fell back to a PDF without a file
        CannotStart,  // the printer, the file or the print system refused the job
        NothingDrawn, // endJob() without a page
    };

    // The printer should be made with QPrinter::HighResolution; it is switched to full
    // page so that millimetres count from the paper's corner. It must outlive the canvas.
    explicit PrinterCanvas(QPrinter& printer, Output output = Output::Send);
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

    QPageSize::PageSizeId paperSize() const override;
    int orientation() const override;
    void setOrientation(int orientation) override;
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    QString fontName() const override { return m_fontName; }
    double fontSize() const override { return m_fontSize; }
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    void drawText(double x, double y, const QString& text) override;
    void setPen(int widthDots, int style) override;
    void drawLine(double x1, double y1, double x2, double y2, quint32 color) override;
    void drawRect(double x1, double y1, double x2, double y2, quint32 color) override;
    void drawCircle(double cx, double cy, double radius, quint32 color) override;
    void drawPicture(double x, double y, double width, double height,
                     const QImage& picture) override;
    void newPage() override;
    bool endJob() override;
    void discardJob() override;

    // The finished pages (the page being drawn is added when the next page starts or
    // the job ends). Empty after discardJob().
    const QList<RecordedPage>& recordedPages() const { return m_pages; }
    qsizetype pageCount() const { return m_pages.size(); }
    // The finished pages as pictures, made when first asked for.
    const QList<QPicture>& pages() const;
    // Plays the finished pages onto `target` (a preview's printer, a PDF), each on its
    // own sheet, scaled to its resolution. No check of the print system is made here.
    bool playPages(QPrinter& target) const;
    Failure failure() const { return m_failure; }
    // The print system's reason for CannotStart, when it gave one.
    QString failureReason() const { return m_reason; }
    // Before the pages are sent, ask `service` whether the queue takes jobs, and after,
    // whether it took this one.
    void checkQueueWith(PrinterService* service) { m_service = service; }
    // Draws one recorded page with `painter` at `dotsPerInch` dots per inch of paper
    // (a preview, an image of the page).
    static void PaintPage(QPainter& painter, const QPicture& page, double dotsPerInch);
    static void PaintPage(QPainter& painter, const RecordedPage& page, double dotsPerInch);

    // Pen of a stored style code: 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 none,
    // anything else solid.
    static Qt::PenStyle PenStyleOf(int style);
    // A stored colour value (0x00BBGGRR) as a colour.
    static QColor ColorOf(quint32 color);

private:
    RecordedPage& page();
    void finishPage();
    // The rectangle between two corners in page units, whatever their order; for the
    // inside-solid style drawn within the outline rather than centred on it.
    QRectF pageRect(double x1, double y1, double x2, double y2) const;
    QPen linePen(quint32 color) const;
    void updateFont();
    // Plays the pages into a file beside the printer's PDF and gives it the PDF's name.
    bool writePdf();

    QPrinter& m_printer;
    Output m_output;
    QList<RecordedPage> m_pages;
    mutable QList<QPicture> m_pictures;
    RecordedPage m_current;
    bool m_drawing = false; // a page is open in m_current
    QString m_fontName;
    double m_fontSize = 10;
    QFont m_font;
    QFontMetricsF m_metrics;
    // Advances of single characters in m_font, in page units (textWidth()).
    mutable QHash<char16_t, double> m_advances;
    int m_penWidth = 1;
    int m_penStyle = 0;
    Failure m_failure = Failure::None;
    QString m_reason;
    PrinterService* m_service = nullptr;
};
