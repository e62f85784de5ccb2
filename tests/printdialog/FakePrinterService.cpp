#include "printdialog/FakePrinterService.h"

#include <QPrinter>

FakePrinterService::FakePrinterService(const QString& folder) : m_folder(folder) {}

FakePrinterService::~FakePrinterService() = default;

QString FakePrinterService::printedPdf() const {
    return m_folder + QStringLiteral("/printed.pdf");
}
QString FakePrinterService::previewPdf() const {
    return m_folder + QStringLiteral("/preview.pdf");
}

QPrinter& FakePrinterService::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(printedPdf());
        m_printer->setPageSize(QPageSize(QPageSize::A4));
    }
    return *m_printer;
}

bool FakePrinterService::setUp(QWidget*, const QString& title) {
    ++setUpCalls;
    lastTitle = title;
    return setUpAnswer;
}

QString FakePrinterService::openFileName(QWidget*, const QString& title, const QString& filter) {
    lastTitle = title;
    openFilters << filter;
    return openAnswer;
}

QString FakePrinterService::saveFileName(QWidget*, const QString& title, const QString& suggested,
                                         const QString&) {
    lastTitle = title;
    saveSuggestions << suggested;
    return saveAnswer;
}

void FakePrinterService::preview(QWidget*, const QString& title, QPrinter& printer,
                                 const std::function<void(QPrinter&)>& paint) {
    ++previewCalls;
    lastTitle = title;
    QPrinter shown(QPrinter::HighResolution);
    shown.setOutputFormat(QPrinter::PdfFormat);
    shown.setOutputFileName(previewPdf());
    shown.setPageLayout(printer.pageLayout());
    paint(shown);
}
