#pragma once
#include <QString>
#include <optional>

// Numbers as the program shows and the user types them: cells, totals labels, master
// prices. Parsing is strict, so that a typo is refused instead of read as a number.

// The number a cell or label shows ("1,234.50", "¥1,000", "-3", " 12 "); nothing for an
// empty text or a text that is not a number.
std::optional<double> ParseNumber(const QString& text);
// True for an empty text or one ParseNumber reads.
bool IsNumberOrEmpty(const QString& text);

// What an editor opened on a numeric cell shows: the number without thousands
// separators and without trailing zeros ("1,234.50" → "1234.5"); "" for an empty cell.
QString EditText(const QString& cell);
