#pragma once
#include "documents/Slip.h"

#include <QList>
#include <QString>
#include <array>

class Canvas;
class Database;
class MessageService;
class SettingsStore;

// What the slip window shows when a document is printed: the header values come from
// the window's controls, so printing takes them as they are, not re-read.
struct SlipPrintHeader {
    int DocType = 0;
    QString UserCode;
    QString UserName;
    std::array<QString, 3> Date;    // year, month, day as the date lists show them
    QString Number;                 // document number
    QString ChargeName;             // staff name shown
    QString ChargePosition;         // staff department shown
    QString Remark;                 // 適用
    std::array<QString, 3> FixDate; // 納入期日 parts (estimates)
    QString Deliver;                // 納入場所
    std::array<QString, 3> Term;    // 有効期限 parts
    QString Business;               // 取引方法
    std::array<QString, 3> Totals; // 税抜金額, 税額, 税込金額 labels as shown ("¥1,000")
};

// The print dialog's choices for one document type ("S" + type + name) and the seal.
struct SlipOptions {
    int Top = 0;
    int Left = 0;
    int Charge = 0; // ContactChoice
    bool Company = false;
    int Font = 0;      // FontChoice
    int Duplicate = 0; // CopyChoice
    int Bank = 0;      // BankChoice
    QString Inkan;
    double InkanT = 1.0;
    double InkanY = 1.0;
};

// Prints one stored estimate, order, delivery note or invoice with the layout the print
// dialog chose. Reads the settings of the type, the customer, the company and the
// stored lines; draws every page of every copy set on `canvas` and ends the job.
// Returns false, after telling the user why, when nothing was printed.
namespace SlipPrint {
// The choices the print dialog stored for a document type, and the seal.
SlipOptions ReadOptions(const SettingsStore& settings, int docType);
// The subject of the "… が見つかりませんでした｡" message for what a print run misses
// (layout, customer, the company when it is to print); the last missing piece names it.
// Empty when everything is there.
QString MissingSubject(bool layout, bool customer, bool companyMissing);

bool PrintSlip(Canvas& canvas, const Database& mainDb, const Database& layoutDb,
               const SettingsStore& settings, MessageService& messages, const QString& title,
               const QString& numFormat, int layoutCode, const SlipPrintHeader& header);
} // namespace SlipPrint
