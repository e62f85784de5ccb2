#pragma once
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// Everything printing asks of the desktop: the printer that print runs go to, its set-up
// dialog, the file pickers and the print preview. The windows reach the platform only
// through this seam, so that tests can answer from a script instead of a person and
// never block in a platform dialog.
class PrinterService {
public:
    virtual ~PrinterService() = default;

    // The printer every print run goes to; what the set-up chose (printer, paper,
    // orientation) stays with it for the following runs.
    virtual QPrinter& printer() = 0;

    // プリンタ設定: the platform's printer set-up. True when the user confirmed.
    virtual bool setUp(QWidget* parent, const QString& title) = 0;

    // File pickers; an empty text when the user cancelled. The open picker only
    // returns a file that exists.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                                 const QString& filter) = 0;

    // Shows the pages `paint` draws, on paper set up as `printer`. `paint` may be called
    // more than once (the preview redraws when the user changes the page set-up there).
    virtual void preview(QWidget* parent, const QString& title, QPrinter& printer,
                         const std::function<void(QPrinter&)>& paint) = 0;

    // Why the print system would refuse a job for `printer` now (unreachable, queue not
    // accepting jobs); empty when it takes jobs or when `printer` writes a file.
    virtual QString queueProblem(const QPrinter& printer) = 0;
    // Why the print system refused the job just sent to `printer`; empty when it took it.
    virtual QString jobProblem(const QPrinter& printer) = 0;
};
