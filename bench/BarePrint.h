#pragma once
// The bare side of the print benchmarks: texts a recording canvas saw, drawn straight
// onto a QPrinter with a QPainter in the same fonts at the same places.
#include "printing/PrintFont.h"
#include "printing/RecordingCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

inline void BarePdfPrinter(QPrinter& printer, const QString& file) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
}

inline bool PrintBare(const QList<QList<RecordedOp>>& pages, const QString& file) {
    QPrinter printer(QPrinter::HighResolution);
    BarePdfPrinter(printer, file);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double dotsPerMm = printer.logicalDpiX() / 25.4;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        QString name;
        double size = 0, ascent = 0;
        for (const RecordedOp& op : pages[i]) {
            if (op.kind != RecordedOp::Text)
                continue;
            if (op.fontName != name || op.fontSize != size) {
                name = op.fontName;
                size = op.fontSize;
                QFont font(PrintFont::Family(name));
                font.setPointSizeF(size);
                painter.setFont(font);
                ascent = QFontMetricsF(painter.font(), &printer).ascent();
            }
            painter.drawText(QPointF(op.x * dotsPerMm, op.y * dotsPerMm + ascent), op.text);
        }
    }
    return painter.end();
}
