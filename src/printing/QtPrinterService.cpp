#include "printing/QtPrinterService.h"
#include "printing/PrintQueue.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

QtPrinterService::QtPrinterService() = default;
QtPrinterService::~QtPrinterService() = default;

QPrinter& QtPrinterService::printer() {
    if (!m_printer) {
        // High resolution so that point sizes survive the conversion to device units; the
        // full page so that the layouts' millimetres start at the paper's corner.
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setFullPage(true);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setPageOrientation(QPageLayout::Portrait);
    }
    return *m_printer;
}

bool QtPrinterService::setUp(QWidget* parent, const QString& title) {
    QPrintDialog dialog(&printer(), parent);
    dialog.setWindowTitle(title);
    // Set-up only: which printer, paper and orientation. Pages are chosen by the
    // document, and writing to a file is the print dialog's own PDF choice.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // The platform dialog names its accept button "印刷"; here it only confirms the choice.
    for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    return dialog.exec() == QDialog::Accepted;
}

QString QtPrinterService::openFileName(QWidget* parent, const QString& title,
                                       const QString& filter) {
    // The picker's own mode refuses a name that does not exist.
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString QtPrinterService::saveFileName(QWidget* parent, const QString& title,
                                       const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

void QtPrinterService::preview(QWidget* parent, const QString& title, QPrinter& printer,
                               const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

QString QtPrinterService::queueProblem(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty())
        return {};
    return PrintQueue::Problem(printer.printerName());
}

QString QtPrinterService::jobProblem(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty())
        return {};
    return PrintQueue::JobProblem();
}
