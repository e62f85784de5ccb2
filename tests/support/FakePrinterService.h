#pragma once
#include "printing/PrinterService.h"
#include "support/TestEnv.h"

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <memory>

// The printer seam for tests: a PDF file instead of a print system, scripted pickers,
// and a preview drawn into a PDF of its own.
class FakePrinterService : public PrinterService {
public:
    // `folder` receives printed.pdf (what the printer printed) and preview.pdf.
    explicit FakePrinterService(const QString& folder) : m_folder(folder) {}

    QPrinter& printer() override {
        if (!m_printer) {
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            m_printer->setOutputFormat(QPrinter::PdfFormat);
            m_printer->setOutputFileName(printedPdf());
            m_printer->setPageSize(QPageSize(QPageSize::A4));
        }
        return *m_printer;
    }
    bool setUp(QWidget*, const QString& title) override {
        ++setUpCalls;
        lastTitle = title;
        return setUpAnswer;
    }
    QString openFileName(QWidget*, const QString& title, const QString& filter) override {
        lastTitle = title;
        openFilters << filter;
        return openAnswer;
    }
    QString saveFileName(QWidget*, const QString& title, const QString& suggested,
                         const QString&) override {
        lastTitle = title;
        saveSuggestions << suggested;
        return saveAnswer;
    }
    void preview(QWidget*, const QString& title, QPrinter& printer,
                 const std::function<void(QPrinter&)>& paint) override {
        ++previewCalls;
        lastTitle = title;
        QPrinter shown(QPrinter::HighResolution);
        shown.setOutputFormat(QPrinter::PdfFormat);
        shown.setOutputFileName(previewPdf());
        shown.setPageLayout(printer.pageLayout());
        paint(shown);
    }

    QString queueProblem(const QPrinter&) override { return queueAnswer; }
    QString jobProblem(const QPrinter&) override { return jobAnswer; }

    QString printedPdf() const { return m_folder + QStringLiteral("/printed.pdf"); }
    QString previewPdf() const { return m_folder + QStringLiteral("/preview.pdf"); }

    // Answers of the next set-up and pickers, and what was asked.
    bool setUpAnswer = true;
    // What the print system says before and after the next job; empty: it takes it.
    QString queueAnswer, jobAnswer;
    QString openAnswer, saveAnswer, lastTitle;
    int setUpCalls = 0, previewCalls = 0;
    QStringList openFilters, saveSuggestions;

private:
    QString m_folder;
    std::unique_ptr<QPrinter> m_printer;
};

// Reads a written PDF back with poppler's tools, as a person would look at it.
namespace PdfProbe {
// Number of pages, or -1 when the file is missing or not a PDF.
int Pages(const QString& path);
// The text of the pages, NFKC-normalised so that full- and half-width forms compare.
QString Text(const QString& path);
} // namespace PdfProbe

// A test installation with known layouts instead of the delivered ones (5 lines a page):
//   1 "見積書 A4(見積書)", 11 "納品書 A4(納品書)", 21 "請求書 A4(請求書)" with copies,
//   12 "納品書 2枚(納品書)" (Block 2), 41 明細請求書, 61 領収証
// with customer 1 (山田商店 様) in the open main database; the printer writes into out/.
struct PrintFixture {
    TestEnv env;
    std::unique_ptr<Database> db;
    FakePrinterService printers{env.path(QStringLiteral("out"))};

    PrintFixture();
    ~PrintFixture();
    // Stores delivery note `number` of customer 1: lines 品物1… with quantity i at 100 i.
    void storeDeliveryNote(const QString& number, int lines);
};
