#pragma once
#include "printing/PrinterService.h"

#include <QString>
#include <QStringList>
#include <memory>

// The printer seam as the tests play it: the printer writes a PDF file instead of
// reaching a print system, the pickers answer with a scripted path, and the preview
// draws its pages into a PDF of its own so that a test can count and read them.
class FakePrinterService : public PrinterService {
public:
    // `folder` receives printed.pdf (what the printer printed) and preview.pdf.
    explicit FakePrinterService(const QString& folder);
    ~FakePrinterService() override;

    QPrinter& printer() override;
    bool setUp(QWidget* parent, const QString& title) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                         const QString& filter) override;
    void preview(QWidget* parent, const QString& title, QPrinter& printer,
                 const std::function<void(QPrinter&)>& paint) override;

    QString printedPdf() const;
    QString previewPdf() const;

    // Answers of the next set-up and pickers.
    bool setUpAnswer = true;
    QString openAnswer;
    QString saveAnswer;

    // What was asked.
    int setUpCalls = 0;
    int previewCalls = 0;
    QStringList openFilters;
    QStringList saveSuggestions;
    QString lastTitle;

private:
    QString m_folder;
    std::unique_ptr<QPrinter> m_printer;
};
