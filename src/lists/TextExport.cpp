#include "lists/TextExport.h"

#include "core/Cp932.h"
#include "core/SettingsStore.h"
#include "lists/ListQueries.h"
#include "lists/ListTable.h"

#include <QSaveFile>
#include <algorithm>

ExportFormat ExportFormat::fromSettings(const SettingsStore& settings) {
    ExportFormat format;
    format.Title = settings.getByte(QStringLiteral("TextTitle"), 1) == 1;
    format.Quoted = settings.getByte(QStringLiteral("TextDouble"), 1) != 0;
    const int separator = settings.getByte(QStringLiteral("TextSeparator"), 0);
    format.Separator = separator <= 3 ? separator : 0;
    return format;
}

QString ExportFormat::separatorText() const {
    switch (Separator) {
    case 1:
        return QStringLiteral("\t");
    case 2:
        return QStringLiteral(" ");
    case 3:
        return QStringLiteral(";");
    default:
        return QStringLiteral(",");
    }
}

QString ExportFileName(int kind) {
    static const char* const names[] = {"URIKAKE",  "RIREKI",  "KOKYAKU",  nullptr,  "TANTOU",
                                        "TANTOURI", "SYOUHIN", "SETSHOHN", "URIAGE", "NYUUKIN"};
    if (kind < 0 || kind > 9 || !names[kind])
        return QString();
    return QString::fromLatin1(names[kind]) + QStringLiteral(".TXT");
}

namespace {

int firstRow(const ListTable& table, const ExportFormat& format) {
    return format.Title ? 0 : table.HeaderRows;
}

QString field(const QString& cell, bool quoted) {
    if (!quoted)
        return cell;
    QString out = cell;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QString line(const QStringList& cells, const ExportFormat& format, const QString& separator) {
    QString out;
    for (int c = 0; c < cells.size(); ++c) {
        if (c > 0)
            out += separator;
        out += field(cells[c], format.Quoted);
    }
    return out;
}

} // namespace

QStringList ExportLines(const ListTable& table, const ExportFormat& format) {
    const QString separator = format.separatorText();
    QStringList lines;
    lines.reserve(table.rowCount());
    for (int r = firstRow(table, format); r < table.rowCount(); ++r)
        lines << line(table.Cells[r], format, separator);
    return lines;
}

QString ClipboardText(const QStringList& lines) {
    QString text;
    for (const QString& l : lines)
        text += l + QLatin1Char('\r');
    return text;
}

ExportOutcome WriteExportFile(const QString& path, const ListTable& table,
                              const ExportFormat& format) {
    ExportOutcome outcome;
    const QString separator = format.separatorText();
    // One conversion for the whole file: converting line by line costs more than the
    // query that read the rows.
    QString text;
    QList<qsizetype> lineEnds;
    for (int r = firstRow(table, format); r < table.rowCount(); ++r) {
        text += line(table.Cells[r], format, separator);
        lineEnds << text.size();
        text += QStringLiteral("\r\n");
    }
    const Cp932::Encoded encoded = Cp932::encode(text);
    if (!encoded.ok()) {
        // Find the row and the cell, so that the user can correct that record.
        const qsizetype lineIndex =
            std::lower_bound(lineEnds.begin(), lineEnds.end(), encoded.badIndex) - lineEnds.begin();
        const int r = firstRow(table, format) + static_cast<int>(lineIndex);
        const QStringList& cells = table.Cells[r];
        for (int c = 0; c < cells.size(); ++c) {
            const Cp932::Encoded cell = Cp932::encode(cells[c]);
            if (cell.ok())
                continue;
            outcome.status = ExportOutcome::Unencodable;
            outcome.Row = r + 1;
            outcome.Column = c + 1;
            const QChar first = cells[c][cell.badIndex];
            outcome.Character =
                first.isHighSurrogate() ? cells[c].mid(cell.badIndex, 2) : QString(first);
            return outcome;
        }
    }
    const QByteArray& bytes = encoded.bytes;
    // The bytes go to a temporary file that replaces the target only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        outcome.status = ExportOutcome::WriteFailed;
        outcome.Detail = file.errorString();
    }
    return outcome;
}

QString ExportFailureText(const ExportOutcome& outcome) {
    if (outcome.status == ExportOutcome::Unencodable)
        return QStringLiteral("%1行目%2列目の文字｢%3｣はテキストファイルに出力できません｡\n"
                              "データを修正してから出力して下さい｡")
            .arg(outcome.Row)
            .arg(outcome.Column)
            .arg(outcome.Character);
    if (outcome.status == ExportOutcome::WriteFailed)
        return QStringLiteral("ファイルに書き込めませんでした｡\n") + outcome.Detail;
    return QString();
}
