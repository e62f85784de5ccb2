#include "support/FakePrinterService.h"

#include "core/DataPaths.h"
#include "core/Database.h"
#include "documents/DocumentStore.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

int PdfProbe::Pages(const QString& path) {
    if (!QFileInfo(path).isFile())
        return -1;
    const QRegularExpressionMatch match =
        QRegularExpression(u"^Pages:\\s+(\\d+)"_s, QRegularExpression::MultilineOption)
            .match(run(u"pdfinfo"_s, {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PdfProbe::Text(const QString& path) {
    return run(u"pdftotext"_s, {"-enc", "UTF-8", path, "-"})
        .normalized(QString::NormalizationForm_KC);
}

PrintFixture::PrintFixture() {
    QDir().mkpath(env.path(u"out"_s));
    env.state.printers = &printers;
    {
        Database layouts(env.state.DbNames[1], LayoutDbMarkerTable());
        for (const char* table : {"伝票種類", "伝票項目", "伝票位置", "伝票罫線", "伝票固定項目"})
            layouts.exec(u"DELETE FROM "_s + QString::fromUtf8(table));
        // Inserted out of code order: the dialog lists by code.
        layouts.exec(u"INSERT INTO 伝票種類 (Code, DocType, Name, Duplicate, ItemCode, LineCode, "
                     "FixItemCode, "
                     "Block, Rows, RowHeight, FontSize, Layout) VALUES "
                     "(12, 2, '納品書 2枚(納品書)', 0, 100, 100, 100, 2, 5, 7, 10, ''), "
                     "(11, 2, '納品書 A4(納品書)', 1, 100, 100, 100, 1, 5, 7, 10, ''), "
                     "(1, 0, '見積書 A4(見積書)', 1, 100, 100, 100, 1, 5, 7, 10, ''), "
                     "(21, 3, '請求書 A4(請求書)', 1, 100, 100, 100, 1, 5, 7, 10, ''), "
                     "(41, 4, '明細請求書 A4(明細請求書)', 0, 100, 100, 100, 1, 5, 7, 10, ''), "
                     "(61, 6, '領収証 A4(領収証)', 0, 100, 100, 100, 1, 5, 7, 10, '0')"_s);
        const QString items = u"0/5/10/14/21/22/25/27/28/29/30/31"_s;
        layouts.exec(u"INSERT INTO 伝票項目 (Code, Block, PrintItem) "
                     "VALUES (100, 1, ?), (100, 2, ?)"_s,
                     {items, items});
        layouts.exec(u"INSERT INTO 伝票位置 (Code, ItemNo, X1, X2, Y1, Align, DataType) VALUES "
                     "(100, 0, 20, 190, 12, 2, 0), (100, 5, 150, 190, 25, 1, 0), "
                     "(100, 10, 20, 110, 35, 0, 0), (100, 14, 120, 190, 35, 0, 0), "
                     "(100, 21, 20, 100, 60, 0, 0), (100, 22, 100, 130, 60, 1, 3), "
                     "(100, 25, 150, 190, 60, 1, 1), (100, 27, 20, 190, 100, 0, 0), "
                     "(100, 28, 150, 190, 108, 1, 0), (100, 29, 150, 190, 114, 1, 0), "
                     "(100, 30, 150, 190, 120, 1, 0), (100, 31, 170, 190, 130, 1, 0)"_s);
        layouts.exec(u"INSERT INTO 伝票罫線 (Code, X1, Y1, X2, Y2, Color, Width, "
                     "Style, Type) VALUES (100, 15, 50, 195, 96, 0, 2, 0, 1)"_s);
        layouts.exec(u"INSERT INTO 伝票固定項目 (Code, X1, X2, Y1, Character, Align) "
                     "VALUES (100, 20, 100, 52, '品名', 0)"_s);
    }
    db = env.openMain();
    AppState& s = env.state;
    s.DbMain = db.get();
    s.AppTitle = u"Kivora"_s;
    s.gUserCode = u"1"_s;
    s.gUserName = u"山田商店"_s;
    db->exec(u"INSERT INTO 顧客 (Code, Name, Prefix1) VALUES ('1', '山田商店', '様')"_s);
}

PrintFixture::~PrintFixture() = default;

void PrintFixture::storeDeliveryNote(const QString& number, int lines) {
    SlipHeader header;
    header.UserCode = u"1"_s;
    header.DocType = 2;
    header.DocNumber = number;
    header.IssueYMD = 20240315;
    QList<SlipLine> rows;
    for (int i = 1; i <= lines; ++i) {
        SlipLine line;
        line.Goods = u"品物%1"_s.arg(i);
        line.Quantity = i;
        line.Price = 100.0 * i;
        rows << line;
    }
    DocumentStore(*db).Save(header, rows, 0);
}
