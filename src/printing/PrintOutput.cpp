#include "printing/PrintOutput.h"

#include "core/BusyCursor.h"
#include "printing/KivoraPrintS.h"
#include "printing/PrinterCanvas.h"
#include "printing/PrinterService.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

namespace PrintOutput {

void Preview(PrinterService& service, QWidget* parent, const QString& title, const Render& render) {
    // The pages are drawn once, kept, and shown: the preview redraws them as often as it
    // likes without running the printing again, and a missing piece is told once, here,
    // instead of opening an empty preview.
    QPrinter& printer = service.printer();
    PrinterCanvas canvas(printer, PrinterCanvas::Output::Keep);
    {
        BusyCursor busy;
        if (!render(canvas))
            return;
    }
    service.preview(parent, title, printer,
                    [&canvas](QPrinter& target) { canvas.playPages(target); });
}

void SaveAsPdf(PrinterService& service, MessageService& messages, QWidget* parent,
               const QString& pickerTitle, const QString& pdfName, const QString& title,
               const Render& render) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = service.saveFileName(parent, pickerTitle, QDir(folder).filePath(pdfName),
                                        QStringLiteral("PDFファイル (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    // The paper and orientation of the printer, so that the file shows what paper would.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setPageLayout(service.printer().pageLayout());
    pdf.setDocName(QFileInfo(path).completeBaseName());
    PrinterCanvas canvas(pdf);
    if (!render(canvas))
        KivoraPrintS::ReportOutputFailure(messages, canvas, true, title);
}

} // namespace PrintOutput
