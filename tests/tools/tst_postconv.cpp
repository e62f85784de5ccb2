#include "support/TestMain.h"
#include "PostalConverter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

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

QStringList files(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The first column of the first row of one statement on a converted file.
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

// A prefecture table's rows (or one code's) in insertion order: "New Old Prefecture; ...".
QString table(const QString& path, const QString& name, const QString& code = u"%"_s) {
    return scalar(path, u"SELECT group_concat(NewPostCode || ' ' || OldPostCode || ' ' || "
                        "Prefecture, '; ') FROM (SELECT * FROM \"%1\" WHERE NewPostCode LIKE "
                        "'%2' ORDER BY rowid)"_s.arg(name, code));
}

QList<int> counts(const ConvertResult& r) {
    return {r.lines, r.entries, r.rows, r.regionRows, r.sharedPrefixes, r.multiAddressCodes,
            r.malformedLines, r.unknownPrefecture, r.duplicates};
}

// "-" for an ignored line, "error: why", or "code pref|rest ... ?unknown".
QString describe(const ParsedLine& p) {
    if (p.kind != ParsedLine::Kind::Entry)
        return p.kind == ParsedLine::Kind::Ignored ? u"-"_s : u"error: "_s + p.error;
    QStringList parts{p.code};
    for (const Address& a : p.addresses)
        parts << a.prefecture + u'|' + a.rest;
    for (const QString& u : p.unknown)
        parts << u'?' + u;
    return parts.join(u' ');
}

} // namespace

class TestPostConv : public QObject {
    Q_OBJECT

private slots:
    void noPrefectureBeginsAnother() {
        // The first match decides the split of an address, which is only safe this way.
        for (const QString& name : prefectureNames()) {
            for (const QString& other : prefectureNames())
                QVERIFY2(other == name || !other.startsWith(name), qPrintable(other));
        }
    }

    void parseLine_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        const QList<std::pair<QString, QString>> cases = {
            {";1000001 /東京都千代田区千代田/", "-"},
            {"0010000 /北海道札幌市北区/\r", "0010000 北海道|札幌市北区"},
            {"2310023 /神奈川県横浜市中区/", "2310023 神奈川県|横浜市中区"},
            {"4980000 /愛知県弥富市/三重県桑名郡/", "4980000 愛知県|弥富市 三重県|桑名郡"},
            {"1000002 /東京都外苑;注/東京都北の丸;公園/", "1000002 東京都|外苑 東京都|北の丸"},
            {"1000004 /東京都大手町/東京都大手町;別表記/", "1000004 東京都|大手町"},
            {"1000003 /(concat \"東京都一ツ橋\\0571丁目\")/", "1000003 東京都|一ツ橋/1丁目"},
            {"1000003 /(concat \"東京都\" \"a\\073\\\"b\\\"\");注/", "1000003 東京都|a;\"b\""},
            {"9999998 /架空県どこか/沖縄県/", "9999998 沖縄県| ?架空県どこか"},
            {"123456 /東京都/", "error: \"123456\" is not a seven-digit postal code"},
            {"１０００００１ /東京都/", "error: \"１０００００１\" is not a seven-digit postal code"},
            {"1000001/東京都/", "error: no space between the postal code and the addresses"},
            {"1000004 東京都大手町", "error: the addresses are not enclosed in slashes"},
            {"1000004 /東京都//東京都港区/", "error: empty address"},
            {"1000003 /(concat \"東京都)/", "error: unterminated string in \"(concat \"東京都)\""},
            {"1000003 /(car x)/", "error: unsupported Lisp form \"(car x)\""},
            {"1000003 /(concat \"\\377\")/",
             "error: unsupported escape \\377 in \"(concat \"\\377\")\""},
        };
        for (const auto& [line, expected] : cases)
            QTest::newRow(qPrintable(line)) << line << expected;
    }

    void parseLine() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(describe(kivora::postconv::parseLine(line)), expected);
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
        QVERIFY(!decodeEucJis2004(";; one\n;; two\nab\xff\xfe\n", &text, &error));
        QCOMPARE(error, u"line 3: byte 0xff is not valid EUC-JIS-2004 text"_s);
        QVERIFY(!decodeEucJis2004("\xc5\xec\xb5", &text, &error));
        QCOMPARE(error, u"line 1: the file ends in the middle of a character"_s);
    }

    // The sample has one line per rule; the expectations follow it line by line.
    void convertSample() {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"PostCode.mdb"_s);
        const ConvertResult r = convertFile(kSample, out);
        QVERIFY2(r.status == Status::Written, qPrintable(r.error));
        QCOMPARE(files(dir.path()), QStringList{u"PostCode.mdb"_s});
        QVERIFY(!QSqlDatabase::connectionNames().join(u' ').contains(u"kivora_postconv"_s));
        QCOMPARE(counts(r), (QList<int>{23, 15, 16, 12, 3, 3, 2, 1, 1}));
        QCOMPARE(r.warnings.join('\n'),
                 "line 19: \"123456\" is not a seven-digit postal code; skipped\n"
                 "line 20: the addresses are not enclosed in slashes; skipped\n"
                 "line 21: \"架空県どこか\" does not begin with a prefecture; skipped");

        QCOMPARE(scalar(out, u"PRAGMA journal_mode"_s), u"delete"_s);
        // Every prefecture gets its table, so the program can look any of them up unchecked.
        QCOMPARE(scalar(out, "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table'"), "48");
        QCOMPARE(table(out, u"沖縄県"_s), QString());
        QCOMPARE(scalar(out, "SELECT group_concat(x, ' ') FROM (SELECT m.name || '.' || ii.name "
                             "AS x FROM sqlite_master m, pragma_index_list(m.name) il, "
                             "pragma_index_info(il.name) ii WHERE m.name IN ('郵便区分', '神奈川県') "
                             "ORDER BY x)"),
                 u"神奈川県.NewPostCode 神奈川県.OldPostCode 神奈川県.Prefecture 郵便区分.Code"_s);

        // By prefix, then first appearance: 長野県 line 7, 群馬県 line 12, 新潟県 line 23.
        QCOMPARE(scalar(out, u"SELECT group_concat(Code || Prefecture, ' ') FROM "
                             "(SELECT * FROM \"郵便区分\" ORDER BY rowid)"_s),
                 u"00北海道 10東京都 23神奈川県 38長野県 38群馬県 38新潟県 49愛知県 49三重県 "
                 "60京都府 64和歌山県 64奈良県 89鹿児島県"_s);
        // The repeated 1000001 adds nothing, the annotation is gone, the concat is decoded.
        QCOMPARE(table(out, u"東京都"_s), u"1000001 100 千代田区千代田; 1000002 100 千代田区皇居外苑; "
                                          "1000003 100 千代田区一ツ橋/1丁目"_s);
        QCOMPARE(table(out, u"北海道"_s),
                 u"0028089 002 石狩郡当別町ビトエ; 0028089 002 石狩郡当別町ビトエ中島"_s);
        QCOMPARE(table(out, u"神奈川県"_s), u"2310023 231 横浜市中区山下町"_s);
        QCOMPARE(table(out, u"三重県"_s), u"4980000 498 桑名郡木曽岬町"_s);

        // Data travels as bound values: quotes and SQL in an address are just text.
        const QString quotes = write(dir.filePath(u"quotes.txt"_s),
                                     euc(u"1000001 /(concat \"東京都O'Brien\\\"町') \\073 DROP "
                                         "TABLE \\\"東京都\\\" --\")/\n"_s));
        QCOMPARE(convertFile(quotes, dir.filePath(u"quotes.mdb"_s)).status, Status::Written);
        QCOMPARE(table(dir.filePath(u"quotes.mdb"_s), u"東京都"_s),
                 u"1000001 100 O'Brien\"町') ; DROP TABLE \"東京都\" --"_s);
    }

    void neverOverwritesOrHalfWrites() {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"PostCode.mdb"_s);
        const QString missing = dir.filePath(u"missing.txt"_s);
        const QString badBytes = write(dir.filePath(u"bad.txt"_s),
                                       euc(u"1000001 /東京都千代田区/\n"_s) + "1000002 /\xff\xff/\n");
        const ConvertOptions force{true};

        QVERIFY(convertFile(missing, out).error.startsWith(u"cannot read "_s + missing));
        QVERIFY(convertFile(badBytes, out)
                    .error.endsWith(u"line 2: byte 0xff is not valid EUC-JIS-2004 text"_s));
        QVERIFY(convertFile(write(dir.filePath(u"empty.txt"_s), ";; okuri-nasi entries.\n"), out)
                    .error.endsWith(u"contains no postal codes"_s));
        QVERIFY(!QFile::exists(out));

        // An existing file is kept byte for byte, before the input is even looked at.
        const QByteArray userData("a user's own PostCode.mdb\n");
        write(out, userData);
        QCOMPARE(convertFile(kSample, out).status, Status::Kept);
        QCOMPARE(convertFile(missing, out).status, Status::Kept);
        QCOMPARE(convertFile(badBytes, out, force).status, Status::Failed);
        QCOMPARE(read(out), userData);
        QCOMPARE(files(dir.path()), (QStringList{u"PostCode.mdb"_s, u"bad.txt"_s, u"empty.txt"_s}));

        QCOMPARE(convertFile(kSample, out, force).status, Status::Written);
        QVERIFY(read(out).startsWith(QByteArray("SQLite format 3\0", 16)));
        QCOMPARE(files(dir.path()).size(), 3);
        QVERIFY(QDir(dir.path()).mkdir(u"folder.mdb"_s));
        QVERIFY(convertFile(kSample, dir.filePath("folder.mdb")).error.endsWith(" is a folder"));
    }

    void toleratesOnlyAHandfulOfBadLines() {
        QTemporaryDir dir;
        auto convert = [&](int badLines, int limit) {
            QString text = u"1000001 /東京都千代田区千代田/\n"_s;
            for (int i = 0; i < badLines; ++i)
                text += i % 2 ? u"12345 /東京都/\n"_s : u"9999999 /架空県どこか/\n"_s;
            const QString name = dir.filePath(QStringLiteral("%1-%2").arg(badLines).arg(limit));
            return convertFile(write(name + u".txt"_s, euc(text)), name + u".mdb"_s,
                               ConvertOptions{false, limit});
        };
        ConvertResult r = convert(10, 10);
        QCOMPARE(r.status, Status::Written);
        QCOMPARE(r.warnings.size(), 10);
        r = convert(11, 10);
        QVERIFY2(r.error.startsWith(u"11 lines or addresses"_s), qPrintable(r.error));
        QVERIFY(!QFile::exists(dir.filePath(u"11-10.mdb"_s)));
        QCOMPARE(convert(1, 0).status, Status::Failed);
    }

    void commandLine() {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"sub/PostCode.mdb"_s);
        QString outText, errText;
        auto run = [&](const QStringList& args) {
            outText.clear();
            errText.clear();
            QTextStream o(&outText), e(&errText);
            return runCommandLine(args, o, e);
        };
        QCOMPARE(run({kSample}), 2);
        QVERIFY(errText.startsWith(u"usage: kivora_postconv [--force] INPUT OUTPUT"_s));
        QCOMPARE(run({u"--overwrite"_s, kSample, out}), 2);
        QVERIFY(errText.startsWith(u"kivora_postconv: unknown option --overwrite"_s));
        QCOMPARE(run({dir.filePath(u"missing.txt"_s), out}), 1);
        QVERIFY(errText.startsWith(u"kivora_postconv: error: cannot read"_s));

        // The folder is created on demand; skipped lines go to stderr.
        QCOMPARE(run({kSample, out}), 0);
        QCOMPARE(outText,
                 u"kivora_postconv: wrote %1: 16 addresses, 12 郵便区分 rows (3 prefixes "
                 "shared by several prefectures), 3 codes with several addresses\n"_s.arg(out));
        QCOMPARE(errText.count(u"kivora_postconv: warning: line "_s), 3);
        QCOMPARE(run({u"--force"_s, kSample, out}), 0);
        QVERIFY(outText.startsWith(u"kivora_postconv: wrote"_s));

        // The built program keeps an existing file byte for byte.
        const QByteArray before = read(out);
        QProcess p;
        p.start(QStringLiteral(KIVORA_POSTCONV_EXE), {kSample, out});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().contains("already exists; left unchanged"));
        QCOMPARE(read(out), before);
    }

    // Facts measured on the skkdic-extra copy of the dictionary (time stamp 04 May 2022).
    void realDictionary() {
        const QString dictionary = u"/usr/share/skk/SKK-JISYO.zipcode"_s;
        if (!QFile::exists(dictionary))
            QSKIP("SKK-JISYO.zipcode is not installed (package skkdic-extra)");
        QTemporaryDir dir;
        const QString out = dir.filePath(u"PostCode.mdb"_s);
        const ConvertResult r = convertFile(dictionary, out);
        QVERIFY2(r.status == Status::Written, qPrintable(r.error));
        // Every line decodes and parses; nothing is skipped or repeated.
        QCOMPARE(counts(r), (QList<int>{120404, 120394, 126869, 122, 20, 2791, 0, 0, 0}));

        QStringList sizes;
        for (const QString& name : {u"北海道"_s, u"東京都"_s, u"京都府"_s, u"神奈川県"_s, u"和歌山県"_s,
                                    u"鹿児島県"_s, u"沖縄県"_s})
            sizes << scalar(out, u"SELECT COUNT(*) FROM \"%1\""_s.arg(name));
        QCOMPARE(sizes.join(u' '), u"8354 4106 7337 2305 1605 1482 803"_s);
        const QString badRows = u"SELECT COUNT(*) FROM \"%1\" WHERE length(NewPostCode) <> 7 OR "
                                "substr(NewPostCode, 1, 3) <> OldPostCode OR Prefecture = ''"_s;
        for (const QString& name : prefectureNames())
            QCOMPARE(scalar(out, badRows.arg(name)), "0");

        QCOMPARE(scalar(out, u"SELECT group_concat(Code, ' ') FROM (SELECT Code FROM \"郵便区分\" "
                             "GROUP BY Code HAVING COUNT(*) > 1 ORDER BY Code)"_s),
                 u"01 31 34 37 38 43 49 52 56 61 63 64 68 81 83 84 87 92 93 94"_s);
        QCOMPARE(scalar(out, u"SELECT COUNT(DISTINCT Code) FROM \"郵便区分\""_s), u"100"_s);
        QCOMPARE(scalar(out, u"SELECT group_concat(Prefecture) FROM (SELECT * FROM \"郵便区分\" "
                             "WHERE Code IN ('38', '64') ORDER BY rowid)"_s),
                 u"長野県,群馬県,新潟県,和歌山県,奈良県,三重県"_s);

        QCOMPARE(table(out, u"愛知県"_s, u"4980000"_s), u"4980000 498 弥富市"_s);
        QCOMPARE(scalar(out, "SELECT COUNT(*) FROM \"東京都\" WHERE OldPostCode = '100'"), "477");
    }
};

KIVORA_TEST(TestPostConv)
#include "tst_postconv.moc"
