#pragma once
#include <QString>
#include <QStringList>

class SettingsStore;
struct ListTable;

// How a list is written as text: the options window keeps these in the settings store
// (TextTitle, TextDouble, TextSeparator).
struct ExportFormat {
    bool Title = true;  // the header row(s) are written
    bool Quoted = true; // every field is enclosed in double quotes
    int Separator = 0;  // 0 comma, 1 tab, 2 blank, 3 semicolon

    static ExportFormat fromSettings(const SettingsStore& settings);
    QString separatorText() const;
};

// The file name a list kind exports to; empty for a kind that has no export.
QString ExportFileName(int kind);

// The lines of the export, without line ends: from the first row the format keeps to the
// total row. A quote inside a quoted field is doubled, so that a spreadsheet reads the
// field back as it was; without quotes the cells are written as they are.
QStringList ExportLines(const ListTable& table, const ExportFormat& format);

// The clipboard text: every line followed by CR.
QString ClipboardText(const QStringList& lines);

struct ExportOutcome {
    enum Status { Written, Unencodable, WriteFailed };
    Status status = Written;
    // For Unencodable: the grid row and column (from 1) and the character.
    int Row = 0;
    int Column = 0;
    QString Character;
    QString Detail; // for WriteFailed: the system's reason
    bool ok() const { return status == Written; }
};

// Writes the table to `path` in Shift_JIS, each line followed by CR LF. Nothing is
// written when a cell holds a character Shift_JIS lacks; a failed write leaves a file
// that was already there untouched.
ExportOutcome WriteExportFile(const QString& path, const ListTable& table,
                              const ExportFormat& format);

// The message that tells the user why the export stopped.
QString ExportFailureText(const ExportOutcome& outcome);
