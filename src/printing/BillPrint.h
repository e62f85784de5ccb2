#pragma once
#include "printing/DocumentItems.h"

#include <QList>
#include <QString>

class Canvas;
class Database;
class MessageService;
class SettingsStore;

// Prints one stored detailed or summary bill with the layout the print dialog chose: the
// header values as the bill window shows them, the lines as stored. A summary layout has
// no line area and prints on one page. Returns false, after telling the user why, when
// nothing was printed.
namespace BillPrint {
// The stored lines of a bill, in their order.
QList<BillPrintLine> Lines(const Database& mainDb, const QString& userCode, int docType,
                           const QString& number);
// Amount and tax per rate of stored bill lines, taxed per date group as the window does.
SlipTotals::RateTotals RateTotals(const QList<BillPrintLine>& lines, double excisePercent,
                                  double reducedPercent, int taxFraction);

bool PrintBill(Canvas& canvas, const Database& mainDb, const Database& layoutDb,
               const SettingsStore& settings, MessageService& messages, const QString& title,
               const QString& numFormat, int layoutCode, int docType, const QString& userCode,
               const QString& userName, const BillPrintHeader& header);
} // namespace BillPrint
