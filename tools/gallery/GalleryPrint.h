#pragma once
#include "printing/DocumentItems.h"
#include "printing/LayoutTables.h"

#include <QList>
#include <QString>

class Canvas;

// Receipts and bills have no print routine of their own yet; the gallery draws their
// layouts the way one will: every block through PrintEngine::DrawBlock with the item
// values of DocumentItems, copy sets and block copy marks included. Both end the job and
// return what Canvas::endJob() answered.
namespace GalleryPrint {

struct Options {
    QString numFormat;
    int fontChoice = 0;
    int duplicate = 2; // 0 with its copy set, 1 the copy set only, 2 the document only
};

bool PrintReceipt(Canvas& canvas, const DocumentLayout& layout, DocumentItemContext ctx,
                  const ReceiptPrintHeader& header, const Options& options);

bool PrintBill(Canvas& canvas, const DocumentLayout& layout, DocumentItemContext ctx,
               const BillPrintHeader& header, const QList<BillPrintLine>& lines,
               const Options& options);

} // namespace GalleryPrint
