#pragma once
#include "printing/PrinterService.h"

#include <memory>

// The desktop's printer, dialogs and preview. One printer serves the whole program, so
// that what プリンタ設定 chose applies to every later print run until the program ends.
class QtPrinterService : public PrinterService {
public:
    QtPrinterService();
    ~QtPrinterService() override;

    QPrinter& printer() override;
    bool setUp(QWidget* parent, const QString& title) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                         const QString& filter) override;
    void preview(QWidget* parent, const QString& title, QPrinter& printer,
                 const std::function<void(QPrinter&)>& paint) override;
    QString queueProblem(const QPrinter& printer) override;
    QString jobProblem(const QPrinter& printer) override;

private:
    std::unique_ptr<QPrinter> m_printer;
};
