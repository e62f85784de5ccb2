#include "PostalConverter.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <iconv.h>

using namespace kivora::postconv;
using namespace Qt::StringLiterals;
using Status = ConvertResult::Status;

namespace {

const QString kSample = QStringLiteral(KIVORA_POSTCONV_SAMPLE);

// Encoded by iconv the opposite way, so a decoding fault cannot hide behind an encoding one.
QByteArray euc(const QString& text) {
    iconv_t cd = iconv_open("EUC-JISX0213", "UTF-8");
    QByteArray in = text.toUtf8(), out(in.size() * 2 + 16, '\0');
    char *inPtr = in.data(), *outPtr = out.data();
    size_t inLeft = size_t(in.size()), outLeft = size_t(out.size());
    if (cd == reinterpret_cast<iconv_t>(-1) ||
        iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) ||
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == size_t(-1))
        qFatal("cannot encode the test text");
    iconv_close(cd);
    return out.left(outPtr - out.data());
}

QString write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString scalar(const QString& path, const QString& sql) {
    QString value = u"SQL FAILED: "_s + sql;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"tst_postconv"_s);
        db.setDatabaseName(path);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        QSqlQuery q(db);
        if (db.open() && q.exec(sql))
            value = q.next() ? q.value(0).toString() : QString();
    }
    QSqlDatabase::removeDatabase(u"tst_postconv"_s);
    return value;
}

// A prefecture table's rows in insertion order: "New Old Prefecture; ...".
QString table(const QString& path, const QString& name) {
    return scalar(path, u"SELECT group_concat(NewPostCode || ' ' || OldPostCode || ' ' || "
                        "Prefecture, '; ') FROM (SELECT * FROM \"%1\" ORDER BY rowid)"_s.arg(name));
}

QList<int> counts(const ConvertResult& r) {
    return {r.lines,          r.entries,           r.rows,
            r.regionRows,     r.sharedPrefixes,    r.multiAddressCodes,
            r.malformedLines, r.unknownPrefecture, r.duplicates};
}

} // namespace

class TestPostConv : public QObject {
    Q_OBJECT

private slots:
    void parseLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>(
            "expected"); // "-" ignored, "error: why", or "code pref|rest ... ?unknown"
        const QList<std::pair<QString, QString>> cases = {
            {";1000001 /東京都千代田区千代田/", "-"},
            {"0010000 /北海道札幌市北区/\r", "0010000 北海道|札幌市北区"},
            {"4980000 /愛知県弥富市/三重県桑名郡/", "4980000 愛知県|弥富市 三重県|桑名郡"},
            {"1000002 /東京都外苑;注/東京都北の丸;公園/", "1000002 東京都|外苑 東京都|北の丸"},
            {"1000003 /(concat \"東京都\" \"a\\073\\\"b\\\"\\0571\");注/",
             "1000003 東京都|a;\"b\"/1"},
            {"9999998 /架空県どこか/沖縄県/", "9999998 沖縄県| ?架空県どこか"},
            {"１０００００１ /東京都/",
             "error: \"１０００００１\" is not a seven-digit postal code"},
            {"1000004 東京都大手町", "error: the addresses are not enclosed in slashes"},
            {"1000003 /(concat \"東京都)/", "error: unterminated string in \"(concat \"東京都)\""},
            {"1000003 /(concat \"\\377\")/",
             "error: unsupported escape \\377 in \"(concat \"\\377\")\""},
        };
        for (const auto& [line, expected] : cases)
            QTest::newRow(qPrintable(line)) << line << expected;
    }

    void parseLine() {
        QFETCH(QString, line);
        const ParsedLine p = kivora::postconv::parseLine(line);
        QString got = p.kind == ParsedLine::Kind::Ignored ? u"-"_s : u"error: "_s + p.error;
        if (p.kind == ParsedLine::Kind::Entry) {
            QStringList parts{p.code};
            for (const Address& a : p.addresses)
                parts << a.prefecture + u'|' + a.rest;
            for (const QString& u : p.unknown)
                parts << u'?' + u;
            got = parts.join(u' ');
        }
        QTEST(got, "expected");
    }

    void decode() {
        const QList<std::pair<QByteArray, QString>> cases = {
            {"1000001 /\xc5\xec\xb5\xfe\xc5\xd4/\n", u"1000001 /東京都/\n"_s},
            {"\x8f\xfd\xcc", u"𩸽"_s},   // plane 2, outside EUC-JP and the BMP
            {"\xa4\xf7", u"か\u309a"_s}, // one code, two code points: the worst expansion
        };
        QString text, error;
        for (const auto& [bytes, expected] : cases) {
            // Long runs fill the output buffer to its worst case and must still come out whole.
            QVERIFY2(decodeEucJis2004(bytes.repeated(5000), &text, &error), qPrintable(error));
            QCOMPARE(text, expected.repeated(5000));
        }
        QVERIFY(!decodeEucJis2004("\xc5\xec\xb5", &text, &error));
        QCOMPARE(error, u"line 1: the file ends in the middle of a character"_s);
    }

    // The sample has one line per rule; the expectations follow it line by line.
    void convertSampleNeverOverwriting() {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"PostCode.mdb"_s);
        const ConvertResult r = convertFile(kSample, out);
        QVERIFY2(r.status == Status::Written, qPrintable(r.error));
        QCOMPARE(counts(r), (QList<int>{23, 15, 16, 12, 3, 3, 2, 1, 1}));
        QVERIFY(r.warnings.value(2).startsWith("line 21: \"架空県どこか\""));
        // Every prefecture gets its table, so the program can look any of them up unchecked.
        QCOMPARE(scalar(out, "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table'"), "48");
        // By prefix, then first appearance: 長野県 line 7, 群馬県 line 12, 新潟県 line 23.
        QCOMPARE(scalar(out, u"SELECT group_concat(Code || Prefecture, ' ') FROM "
                             "(SELECT * FROM \"郵便区分\" ORDER BY rowid)"_s),
                 u"00北海道 10東京都 23神奈川県 38長野県 38群馬県 38新潟県 49愛知県 49三重県 "
                 "60京都府 64和歌山県 64奈良県 89鹿児島県"_s);
        // The repeated 1000001 adds nothing, the annotation is gone, the concat is decoded.
        QCOMPARE(table(out, u"東京都"_s),
                 u"1000001 100 千代田区千代田; 1000002 100 千代田区皇居外苑; "
                 "1000003 100 千代田区一ツ橋/1丁目"_s);
        // An existing file is kept byte for byte, before the input is even looked at; a forced
        // run that fails leaves it too.
        const QByteArray userData("a user's own PostCode.mdb\n");
        write(out, userData);
        const QString badBytes = write(dir.filePath(u"bad.txt"_s), "1000002 /\xff\xff/\n");
        QCOMPARE(convertFile(dir.filePath(u"missing.txt"_s), out).status, Status::Kept);
        QCOMPARE(convertFile(badBytes, out, ConvertOptions{true}).error,
                 badBytes + u": line 1: byte 0xff is not valid EUC-JIS-2004 text"_s);
        QCOMPARE(read(out), userData);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary file left
    }

    void toleratesOnlyAFewBadLinesAndBindsData() {
        // The sample holds three bad lines or addresses.
        QTemporaryDir dir;
        QCOMPARE(convertFile(kSample, dir.filePath(u"3.mdb"_s), ConvertOptions{false, 3}).status,
                 Status::Written);
        QVERIFY(convertFile(kSample, dir.filePath(u"2.mdb"_s), ConvertOptions{false, 2})
                    .error.startsWith(u"3 lines or addresses"_s));
        QVERIFY(!QFile::exists(dir.filePath(u"2.mdb"_s)));
        // Data travels as bound values: quotes and SQL in an address are just text.
        const QString quotes = write(dir.filePath(u"quotes.txt"_s),
                                     euc(u"1000001 /(concat \"東京都O'Brien\\\"町') \\073 DROP "
                                         "TABLE \\\"東京都\\\" --\")/\n"_s));
        QCOMPARE(convertFile(quotes, dir.filePath(u"q.mdb"_s)).status, Status::Written);
        QCOMPARE(table(dir.filePath(u"q.mdb"_s), u"東京都"_s),
                 u"1000001 100 O'Brien\"町') ; DROP TABLE \"東京都\" --"_s);
    }
};

KIVORA_TEST(TestPostConv)
#include "tst_postconv.moc"
