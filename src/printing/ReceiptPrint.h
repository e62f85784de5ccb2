#pragma once
#include "printing/DocumentItems.h"

#include <QString>

class Canvas;
class Database;
class MessageService;
class SettingsStore;

// Prints one stored receipt with the layout the print dialog chose. A receipt has no
// lines: one sheet, whose blocks are the receipt and its stubs; a block whose copy mark
// in the layout's Layout column is negative is titled 控え. Reads the receipt settings
// ("S6" …), the customer and, when it is to print, the company; the header values come
// as the window shows them. Returns false, after telling the user why, when nothing was
// printed.
namespace ReceiptPrint {
bool PrintReceipt(Canvas& canvas, const Database& mainDb, const Database& layoutDb,
                  const SettingsStore& settings, MessageService& messages, const QString& title,
                  const QString& numFormat, int layoutCode, const QString& userCode,
                  const QString& userName, const ReceiptPrintHeader& header);
} // namespace ReceiptPrint
