#pragma once
#include "core/RecordSet.h"

#include <QDateTime>
#include <QString>
#include <functional>

class Canvas;
class Database;
class MessageService;
class SettingsStore;

// The list print dialog's choices ("L" + name in the settings store).
struct ListPrintOptions {
    int Left = 0; // millimetres
    int Top = 0;
    int Font = 0;         // FontChoice
    bool Company = true;  // print the own company's name
    bool DateTime = true; // print the date and time of the run
};

// What a list window or the ledger hands to the list printing.
struct ListPrintInput {
    int Kind = 0; // ListType: also the code of the list's layout
    RecordSet Rows;
    QString Subtitle;
    QString UserCode; // the current customer
    QString UserName;
    // One customer's transactions: the range of the balance carried into the rows.
    qint64 CarryFrom = 0;
    qint64 CarryTo = 0;
    QString PrintedAt; // the run's date and time as printed
};

// How a list print run ended.
enum class ListPrintResult {
    Printed,      // the job was ended and taken by the output
    Missing,      // layout, company or rows missing; the user was told, nothing drawn
    Cancelled,    // the user stopped the run; the job was discarded
    OutputFailed, // the pages were drawn but the output refused them
};

// Prints a list with the list layout of its kind: header items on every block of every
// page, exactly Rows rows a page, a total line after the last row, page numbers on lists
// of more than one page.
namespace ListPrint {
ListPrintOptions ReadOptions(const SettingsStore& settings);
void SaveOptions(SettingsStore& settings, const ListPrintOptions& options);
// The run's date and time as printed: "2024/03/15 09:05".
QString PrintedAt(const QDateTime& when);
// The subject of the "…が見つかりませんでした｡" message for what a run misses (the layout,
// the company when it is to print, rows); empty when everything is there. The last
// missing piece names it.
QString MissingSubject(bool layout, bool companyMissing, bool rows);

// Draws every page on `canvas` and ends the job. `stopRequested` is asked before every
// page (it may let waiting events run); when it answers true the job is discarded and
// nothing reaches the output.
ListPrintResult PrintList(Canvas& canvas, const Database& mainDb, const Database& layoutDb,
                          MessageService& messages, const QString& title, const QString& numFormat,
                          const ListPrintInput& input, const ListPrintOptions& options,
                          const std::function<bool()>& stopRequested = {});
} // namespace ListPrint
