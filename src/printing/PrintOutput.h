#pragma once
#include <QString>
#include <functional>

class Canvas;
class MessageService;
class PrinterService;
class QWidget;

// プレビュー and PDFに保存 of the print dialogs: the pages are drawn by the dialog's own
// routine, exactly as they would go to the printer, onto a canvas that keeps them for the
// preview or writes them into a PDF on the printer's paper.
namespace PrintOutput {
// Draws the pages and ends the job on a canvas; false when nothing was drawn (the user
// has been told why).
using Render = std::function<bool(Canvas& canvas)>;

// Draws the pages once and shows them; nothing is shown when `render` drew nothing.
void Preview(PrinterService& service, QWidget* parent, const QString& title, const Render& render);
// Asks for a file (suggesting `pdfName` in the documents folder) and draws the pages
// into it; tells the user when the file could not be written. `pickerTitle` titles the
// file picker, `title` the messages.
void SaveAsPdf(PrinterService& service, MessageService& messages, QWidget* parent,
               const QString& pickerTitle, const QString& pdfName, const QString& title,
               const Render& render);
} // namespace PrintOutput
