#pragma once
#include "printing/LayoutTables.h"
#include "printing/PrintCodes.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class Canvas;
class RecordSet;
class SettingsStore;

// Item codes of the label sheets (宛名位置.ItemNo and 宛名項目.PrintItem).
namespace LabelItem {
enum : int {
    Zip = 0,       // the postal code as stored
    ZipDigit1 = 1, // one digit each, full-width, for pre-printed postal-code boxes
    ZipDigit7 = 7,
    Address1 = 8,
    Address2 = 9,
    Name = 10,     // with the honorific when no contact prints
    Position = 11, // the chosen contact's department
    Charge = 12,   // the chosen contact with the honorific
    Code = 13,     // when the customer number is to print
    Phone = 14     // when the telephone is to print
};
}

// The label dialog's choices as the settings store them ("A" + name).
struct LabelOptions {
    int Left = 0; // mm
    int Top = 0;  // mm
    int Font = FontChoice::Mincho;
    int Charge = ContactChoice::Contact1;
    bool SameCustomer = false; // Page: one customer fills the rest of each sheet
    bool PrintCode = true;     // No
    bool PrintPhone = true;    // TEL
    int Start = 0;             // label printing starts on, in reading order

    static LabelOptions Read(const SettingsStore& settings);
    void save(SettingsStore& settings) const;
};

// How a label run ended.
enum class LabelRun {
    Printed,      // the job was ended and the output took it
    Stopped,      // the user stopped the run: the job was discarded
    OutputFailed, // the canvas refused the finished pages (see its failure)
};

// Prints the label list (list kind 99) on a label sheet. The rows come in the order the
// list display shows them, which is descending by default, so the run walks them from
// the last to the first and the labels come out ascending.
namespace LabelPrint {
// The text of an item code for the current row of `rows`; nothing when the code prints
// nothing (an unknown code, a digit beyond the postal code, a switched-off number).
std::optional<QString> ItemText(const RecordSet& rows, int code, const LabelOptions& options);

// Draws a label for every marked row (marks: one per row of `rows`, in their order; a
// row without a mark prints), starting at `options.Start` unless the sheet fixes the
// start, with a new sheet when one is full. A vertical sheet turns the page while it
// draws and turns it back when the job is over. `stop` is asked before each label (the
// window lets pending events run in it, so that its キャンセル can be pressed); true
// discards the job.
LabelRun PrintLabels(Canvas& canvas, const LabelLayout& layout, RecordSet rows,
                     const QList<bool>& marks, const LabelOptions& options,
                     const std::function<bool()>& stop = {});

// Half-width letters, digits and signs in their full-width forms (a space as the
// ideographic space); everything else unchanged.
QString FullWidth(const QString& text);
} // namespace LabelPrint
