#include "PostalConverter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringTokenizer>
#include <QTextStream>
#include <QUuid>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

namespace kivora::postconv {

namespace {

const QString kRegionTable = QStringLiteral("郵便区分");

// Table and index names are built only from the fixed prefecture list and our own column
// names, never from input text; quoting keeps the non-ASCII names valid identifiers.
QString quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

bool isAsciiDigits(QStringView s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Decodes SKK's (concat "...") form, which the dictionary uses when a candidate has to
// contain "/" or ";" (written as the octal escapes \057 and \073). Only string literals
// are accepted: anything else would be a Lisp expression we cannot evaluate.
bool decodeConcat(QStringView form, QString* out, QString* error) {
    const QStringView head = u"(concat";
    if (!form.startsWith(head) || !form.endsWith(u')')) {
        *error = QStringLiteral("unsupported Lisp form \"%1\"").arg(form);
        return false;
    }
    QString result;
    qsizetype i = head.size();
    const qsizetype end = form.size() - 1; // index of the closing parenthesis
    while (true) {
        while (i < end && form[i].isSpace())
            ++i;
        if (i == end)
            break;
        if (form[i] != u'"') {
            *error = QStringLiteral("unsupported Lisp form \"%1\"").arg(form);
            return false;
        }
        ++i;
        bool closed = false;
        while (i < end) {
            const QChar c = form[i++];
            if (c == u'"') {
                closed = true;
                break;
            }
            if (c != u'\\') {
                result += c;
                continue;
            }
            if (i >= end)
                break;
            if (form[i] >= u'0' && form[i] <= u'7') {
                int value = 0;
                for (int digits = 0; digits < 3 && i < end && form[i] >= u'0' && form[i] <= u'7';
                     ++digits)
                    value = value * 8 + (form[i++].unicode() - u'0');
                // Escapes above 0x7f would be raw bytes of the file's own encoding; the
                // dictionaries only escape ASCII punctuation this way, so refuse to guess.
                if (value == 0 || value > 0x7f) {
                    *error = QStringLiteral("unsupported escape \\%1 in \"%2\"")
                                 .arg(value, 3, 8, QChar(u'0'))
                                 .arg(form);
                    return false;
                }
                result += QChar(value);
            } else {
                result += form[i++]; // \" and \\ stand for themselves
            }
        }
        if (!closed) {
            *error = QStringLiteral("unterminated string in \"%1\"").arg(form);
            return false;
        }
    }
    *out = result;
    return true;
}

struct Row {
    QString code;
    QString rest;
};

struct Region {
    QString code; // first two digits
    int prefecture;
};

// Everything the database needs, gathered before the file is created so that a bad input
// is rejected without touching the disk.
struct Collected {
    QList<QList<Row>> rows; // indexed like prefectureNames()
    QList<Region> regions;  // sorted by code, first appearance within a code
};

// Removes the half-built database unless the run got as far as renaming it into place.
struct TempFileGuard {
    QString path;
    ~TempFileGuard() {
        if (!path.isEmpty()) {
            QFile::remove(path);
            QFile::remove(path + QStringLiteral("-journal"));
        }
    }
};

bool exec(QSqlQuery& query, const QString& sql, QString* error) {
    if (query.exec(sql))
        return true;
    *error = QStringLiteral("SQL error: %1 (in: %2)").arg(query.lastError().text(), sql);
    return false;
}

bool writeTables(QSqlDatabase& db, const Collected& data, QString* error) {
    const QStringList& names = prefectureNames();
    QSqlQuery q(db);
    // The file is private until it is renamed into place and is thrown away on any error,
    // so a rollback journal would only slow the build down.
    if (!exec(q, QStringLiteral("PRAGMA journal_mode=OFF"), error) ||
        !exec(q, QStringLiteral("PRAGMA synchronous=OFF"), error))
        return false;
    if (!db.transaction()) {
        *error =
            QStringLiteral("SQL error: cannot start a transaction: %1").arg(db.lastError().text());
        return false;
    }
    auto fail = [&]() {
        q.finish();
        db.rollback();
        return false;
    };

    if (!exec(
            q,
            QStringLiteral("CREATE TABLE %1 (\"Code\" TEXT NOT NULL, \"Prefecture\" TEXT NOT NULL)")
                .arg(quoted(kRegionTable)),
            error))
        return fail();
    for (const QString& name : names) {
        if (!exec(q,
                  QStringLiteral("CREATE TABLE %1 (\"NewPostCode\" TEXT NOT NULL, "
                                 "\"OldPostCode\" TEXT NOT NULL, \"Prefecture\" TEXT NOT NULL)")
                      .arg(quoted(name)),
                  error))
            return fail();
    }

    QSqlQuery insert(db);
    const QString regionSql =
        QStringLiteral("INSERT INTO %1 (\"Code\", \"Prefecture\") VALUES (?, ?)")
            .arg(quoted(kRegionTable));
    if (!insert.prepare(regionSql)) {
        *error = QStringLiteral("SQL error: %1 (in: %2)").arg(insert.lastError().text(), regionSql);
        return fail();
    }
    for (const Region& region : data.regions) {
        insert.bindValue(0, region.code);
        insert.bindValue(1, names[region.prefecture]);
        if (!insert.exec()) {
            *error =
                QStringLiteral("SQL error: %1 (in: %2)").arg(insert.lastError().text(), regionSql);
            return fail();
        }
    }

    for (qsizetype p = 0; p < names.size(); ++p) {
        const QString sql = QStringLiteral("INSERT INTO %1 (\"NewPostCode\", \"OldPostCode\", "
                                           "\"Prefecture\") VALUES (?, ?, ?)")
                                .arg(quoted(names[p]));
        if (!insert.prepare(sql)) {
            *error = QStringLiteral("SQL error: %1 (in: %2)").arg(insert.lastError().text(), sql);
            return fail();
        }
        for (const Row& row : data.rows[p]) {
            insert.bindValue(0, row.code);
            insert.bindValue(1, row.code.left(3));
            insert.bindValue(2, row.rest);
            if (!insert.exec()) {
                *error =
                    QStringLiteral("SQL error: %1 (in: %2)").arg(insert.lastError().text(), sql);
                return fail();
            }
        }
    }
    insert.finish();

    // Indexes go in after the data: building them once is much faster than keeping them
    // up to date row by row.
    if (!exec(q,
              QStringLiteral("CREATE INDEX %1 ON %2 (\"Code\")")
                  .arg(quoted(kRegionTable + QStringLiteral("_Code")), quoted(kRegionTable)),
              error))
        return fail();
    for (const QString& name : names) {
        for (const QString& column : {QStringLiteral("NewPostCode"), QStringLiteral("OldPostCode"),
                                      QStringLiteral("Prefecture")}) {
            if (!exec(q,
                      QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                          .arg(quoted(name + u'_' + column), quoted(name), quoted(column)),
                      error))
                return fail();
        }
    }

    if (!db.commit()) {
        *error = QStringLiteral("SQL error: cannot commit: %1").arg(db.lastError().text());
        return fail();
    }
    // Leave an ordinary database behind: the program opens it with default settings.
    if (!exec(q, QStringLiteral("PRAGMA journal_mode=DELETE"), error))
        return false;
    if (!q.next() || q.value(0).toString().compare(u"delete", Qt::CaseInsensitive) != 0) {
        *error = QStringLiteral("SQL error: could not switch the journal back to DELETE mode");
        return false;
    }
    q.finish();
    return true;
}

bool writeDatabase(const QString& path, const Collected& data, QString* error) {
    const QString connection =
        QStringLiteral("kivora_postconv_%1").arg(QUuid::createUuid().toString(QUuid::Id128));
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        if (!db.isValid()) {
            *error = QStringLiteral("the Qt SQLite driver (QSQLITE) is not available");
        } else {
            db.setDatabaseName(path);
            if (!db.open())
                *error = QStringLiteral("cannot create %1: %2").arg(path, db.lastError().text());
            else
                ok = writeTables(db, data, error);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

// SQLite ran with synchronous=OFF, so make sure the data is on disk before the rename
// publishes it; otherwise a power cut could leave a complete name over incomplete data.
bool syncFile(const QString& path, QString* error) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        *error = QStringLiteral("cannot flush %1 to disk: %2")
                     .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    ::close(fd);
    return true;
}

// A fresh name beside the target, so the final rename stays within one file system.
QString createTempFile(const QString& target, QString* error) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString candidate =
            QStringLiteral("%1.%2.part")
                .arg(target)
                .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
        QFile file(candidate);
        // NewOnly refuses to reuse an existing file; the mode follows the user's umask.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return candidate;
        if (file.exists())
            continue;
        *error = QStringLiteral("cannot create a temporary file beside %1: %2")
                     .arg(target, file.errorString());
        return {};
    }
    *error = QStringLiteral("cannot find a free temporary file name beside %1").arg(target);
    return {};
}

ConvertResult failed(ConvertResult result, const QString& error) {
    result.status = ConvertResult::Status::Failed;
    result.error = error;
    return result;
}

} // namespace

const QStringList& prefectureNames() {
    static const QStringList names = {
        QStringLiteral("北海道"),   QStringLiteral("青森県"),   QStringLiteral("岩手県"),
        QStringLiteral("宮城県"),   QStringLiteral("秋田県"),   QStringLiteral("山形県"),
        QStringLiteral("福島県"),   QStringLiteral("茨城県"),   QStringLiteral("栃木県"),
        QStringLiteral("群馬県"),   QStringLiteral("埼玉県"),   QStringLiteral("千葉県"),
        QStringLiteral("東京都"),   QStringLiteral("神奈川県"), QStringLiteral("新潟県"),
        QStringLiteral("富山県"),   QStringLiteral("石川県"),   QStringLiteral("福井県"),
        QStringLiteral("山梨県"),   QStringLiteral("長野県"),   QStringLiteral("岐阜県"),
        QStringLiteral("静岡県"),   QStringLiteral("愛知県"),   QStringLiteral("三重県"),
        QStringLiteral("滋賀県"),   QStringLiteral("京都府"),   QStringLiteral("大阪府"),
        QStringLiteral("兵庫県"),   QStringLiteral("奈良県"),   QStringLiteral("和歌山県"),
        QStringLiteral("鳥取県"),   QStringLiteral("島根県"),   QStringLiteral("岡山県"),
        QStringLiteral("広島県"),   QStringLiteral("山口県"),   QStringLiteral("徳島県"),
        QStringLiteral("香川県"),   QStringLiteral("愛媛県"),   QStringLiteral("高知県"),
        QStringLiteral("福岡県"),   QStringLiteral("佐賀県"),   QStringLiteral("長崎県"),
        QStringLiteral("熊本県"),   QStringLiteral("大分県"),   QStringLiteral("宮崎県"),
        QStringLiteral("鹿児島県"), QStringLiteral("沖縄県"),
    };
    return names;
}

namespace {

int prefectureIndex(QStringView address) {
    // No name is a prefix of another, so the first match is the only one.
    const QStringList& names = prefectureNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (address.startsWith(names[i]))
            return int(i);
    }
    return -1;
}

} // namespace

bool splitPrefecture(QStringView address, QString* prefecture, QString* rest) {
    const int index = prefectureIndex(address);
    if (index < 0)
        return false;
    const QString& name = prefectureNames()[index];
    *prefecture = name;
    *rest = address.mid(name.size()).toString();
    return true;
}

ParsedLine parseLine(QStringView line) {
    ParsedLine result;
    if (line.endsWith(u'\r'))
        line.chop(1);
    if (line.startsWith(u';') || line.trimmed().isEmpty())
        return result;

    auto reject = [&](const QString& why) {
        result = ParsedLine{};
        result.kind = ParsedLine::Kind::Error;
        result.error = why;
        return result;
    };

    const qsizetype space = line.indexOf(u' ');
    if (space < 0)
        return reject(QStringLiteral("no space between the postal code and the addresses"));
    const QStringView key = line.left(space);
    if (key.size() != 7 || !isAsciiDigits(key))
        return reject(QStringLiteral("\"%1\" is not a seven-digit postal code").arg(key));
    const QStringView body = line.mid(space + 1).trimmed();
    if (body.size() < 2 || !body.startsWith(u'/') || !body.endsWith(u'/'))
        return reject(QStringLiteral("the addresses are not enclosed in slashes"));

    result.kind = ParsedLine::Kind::Entry;
    result.code = key.toString();
    for (QStringView candidate : body.mid(1, body.size() - 2).tokenize(u'/')) {
        // SKK appends annotations after ";"; they are notes for the input method, not
        // part of the address.
        const qsizetype semicolon = candidate.indexOf(u';');
        if (semicolon >= 0)
            candidate = candidate.left(semicolon);
        if (candidate.isEmpty())
            return reject(QStringLiteral("empty address"));

        QString address;
        if (candidate.startsWith(u'(')) {
            QString why;
            if (!decodeConcat(candidate, &address, &why))
                return reject(why);
            if (address.isEmpty())
                return reject(QStringLiteral("empty address"));
        } else {
            address = candidate.toString();
        }

        Address split;
        if (!splitPrefecture(address, &split.prefecture, &split.rest)) {
            if (!result.unknown.contains(address))
                result.unknown.append(address);
            continue;
        }
        if (!result.addresses.contains(split))
            result.addresses.append(split);
    }
    if (result.addresses.isEmpty() && result.unknown.isEmpty())
        return reject(QStringLiteral("no addresses"));
    return result;
}

bool decodeEucJis2004(const QByteArray& bytes, QString* text, QString* error) {
    // glibc knows EUC-JIS-2004 under the name of its character set, EUC-JISX0213.
    iconv_t cd = iconv_open("UTF-8", "EUC-JISX0213");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        *error = QStringLiteral("iconv cannot convert from EUC-JISX0213: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct Closer {
        iconv_t cd;
        ~Closer() { iconv_close(cd); }
    } closer{cd};

    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    // No input byte yields more than three bytes of UTF-8 (the worst case is a two-byte
    // code for a kana plus combining mark, six bytes), so the output is sized once and
    // iconv never runs out of room. That matters: glibc's EUC-JISX0213 decoder, stopped
    // for room between the two code points of such a character, repeats the second one
    // on every later call without consuming input, so growing and retrying never ends.
    QByteArray out(bytes.size() * 3 + 16, Qt::Uninitialized);
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == size_t(-1) ||
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == size_t(-1)) {
        const int code = errno;
        const qsizetype offset = in - bytes.constData();
        const qsizetype lineNo = bytes.left(offset).count('\n') + 1;
        if (code == EINVAL)
            *error =
                QStringLiteral("line %1: the file ends in the middle of a character").arg(lineNo);
        else if (code == EILSEQ && offset < bytes.size())
            *error = QStringLiteral("line %1: byte 0x%2 is not valid EUC-JIS-2004 text")
                         .arg(lineNo)
                         .arg(uchar(bytes[offset]), 2, 16, QChar(u'0'));
        else
            *error = QStringLiteral("line %1: iconv failed: %2")
                         .arg(lineNo)
                         .arg(QString::fromLocal8Bit(std::strerror(code)));
        return false;
    }
    const qsizetype used = outPtr - out.constData();
    *text = QString::fromUtf8(out.constData(), used);
    return true;
}

ConvertResult convertFile(const QString& inputPath, const QString& outputPath,
                          const ConvertOptions& options) {
    ConvertResult result;
    const QFileInfo target(outputPath);
    if (target.isDir())
        return failed(result, QStringLiteral("%1 is a folder").arg(outputPath));
    // A user's data file is never replaced behind their back.
    if (target.exists() && !options.force) {
        result.status = ConvertResult::Status::Kept;
        return result;
    }

    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly))
        return failed(result,
                      QStringLiteral("cannot read %1: %2").arg(inputPath, input.errorString()));
    const QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError)
        return failed(result,
                      QStringLiteral("cannot read %1: %2").arg(inputPath, input.errorString()));
    input.close();

    QString text;
    QString why;
    if (!decodeEucJis2004(bytes, &text, &why))
        return failed(result, QStringLiteral("%1: %2").arg(inputPath, why));

    const QStringList& names = prefectureNames();
    Collected data;
    data.rows.resize(names.size());
    QSet<QString> seenAddresses; // code + full address
    QHash<QString, int> addressesPerCode;
    QSet<QString> seenRegions; // two digits + prefecture index

    const QStringView all(text);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf(u'\n', start);
        if (end < 0)
            end = all.size();
        const QStringView line = all.mid(start, end - start);
        start = end + 1;
        ++result.lines;

        const ParsedLine parsed = parseLine(line);
        if (parsed.kind == ParsedLine::Kind::Ignored)
            continue;
        if (parsed.kind == ParsedLine::Kind::Error) {
            ++result.malformedLines;
            result.warnings.append(
                QStringLiteral("line %1: %2; skipped").arg(result.lines).arg(parsed.error));
            continue;
        }
        ++result.entries;
        for (const QString& address : parsed.unknown) {
            ++result.unknownPrefecture;
            result.warnings.append(
                QStringLiteral("line %1: \"%2\" does not begin with a prefecture; skipped")
                    .arg(result.lines)
                    .arg(address));
        }
        for (const Address& address : parsed.addresses) {
            const QString key = parsed.code + u'/' + address.prefecture + address.rest;
            if (seenAddresses.contains(key)) {
                ++result.duplicates;
                continue;
            }
            seenAddresses.insert(key);
            ++addressesPerCode[parsed.code];

            const int p = int(names.indexOf(address.prefecture));
            data.rows[p].append(Row{parsed.code, address.rest});
            ++result.rows;
            const QString region = parsed.code.left(2);
            if (!seenRegions.contains(region + QString::number(p))) {
                seenRegions.insert(region + QString::number(p));
                data.regions.append(Region{region, p});
            }
        }
    }

    const int skipped = result.malformedLines + result.unknownPrefecture;
    if (skipped > options.maxSkipped)
        return failed(result,
                      QStringLiteral("%1 lines or addresses of %2 could not be read; this does "
                                     "not look like the SKK postal-code dictionary")
                          .arg(skipped)
                          .arg(inputPath));
    if (result.rows == 0)
        return failed(result, QStringLiteral("%1 contains no postal codes").arg(inputPath));

    std::stable_sort(data.regions.begin(), data.regions.end(),
                     [](const Region& a, const Region& b) { return a.code < b.code; });
    result.regionRows = int(data.regions.size());
    for (qsizetype i = 0; i < data.regions.size();) {
        qsizetype j = i;
        while (j < data.regions.size() && data.regions[j].code == data.regions[i].code)
            ++j;
        if (j - i > 1)
            ++result.sharedPrefixes;
        i = j;
    }
    result.multiAddressCodes = int(std::count_if(addressesPerCode.cbegin(), addressesPerCode.cend(),
                                                 [](int n) { return n > 1; }));

    const QString targetPath = target.absoluteFilePath();
    if (!QDir().mkpath(target.absolutePath()))
        return failed(result,
                      QStringLiteral("cannot create the folder %1").arg(target.absolutePath()));
    TempFileGuard temp;
    temp.path = createTempFile(targetPath, &why);
    if (temp.path.isEmpty())
        return failed(result, why);
    if (!writeDatabase(temp.path, data, &why) || !syncFile(temp.path, &why))
        return failed(result, why);

    // Someone may have created the file while we were converting; theirs wins.
    if (!options.force && QFileInfo::exists(targetPath)) {
        result.status = ConvertResult::Status::Kept;
        return result;
    }
    if (std::rename(QFile::encodeName(temp.path).constData(),
                    QFile::encodeName(targetPath).constData()) != 0)
        return failed(
            result, QStringLiteral("cannot move %1 to %2: %3")
                        .arg(temp.path, targetPath, QString::fromLocal8Bit(std::strerror(errno))));
    temp.path.clear();
    result.status = ConvertResult::Status::Written;
    return result;
}

int runCommandLine(const QStringList& args, QTextStream& out, QTextStream& err) {
    const QString usage = QStringLiteral(
        "usage: kivora_postconv [--force] INPUT OUTPUT\n"
        "Converts SKK-JISYO.zipcode (EUC-JIS-2004) into the postal-code database OUTPUT.\n"
        "An existing OUTPUT is left unchanged unless --force is given.\n");

    bool force = false;
    bool optionsEnded = false;
    QStringList files;
    for (const QString& arg : args) {
        if (!optionsEnded && arg == u"--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == u"--force") {
            force = true;
        } else if (!optionsEnded && (arg == u"--help" || arg == u"-h")) {
            out << usage;
            out.flush();
            return 0;
        } else if (!optionsEnded && arg.size() > 1 && arg.startsWith(u'-')) {
            err << "kivora_postconv: unknown option " << arg << "\n" << usage;
            err.flush();
            return 2;
        } else {
            files.append(arg);
        }
    }
    if (files.size() != 2) {
        err << usage;
        err.flush();
        return 2;
    }

    ConvertOptions options;
    options.force = force;
    const ConvertResult result = convertFile(files[0], files[1], options);

    // When a wrong file is given, nearly every line is skipped; printing them all would
    // flood the terminal, and the first few are enough to see what is wrong.
    const qsizetype shown = std::min<qsizetype>(result.warnings.size(), 20);
    for (qsizetype i = 0; i < shown; ++i)
        err << "kivora_postconv: warning: " << result.warnings[i] << "\n";
    if (result.warnings.size() > shown)
        err << "kivora_postconv: warning: " << (result.warnings.size() - shown)
            << " more warnings not shown\n";

    int code = 0;
    switch (result.status) {
    case ConvertResult::Status::Written:
        out << "kivora_postconv: wrote " << files[1] << ": " << result.rows << " addresses, "
            << result.regionRows << " 郵便区分 rows (" << result.sharedPrefixes
            << " prefixes shared by several prefectures), " << result.multiAddressCodes
            << " codes with several addresses\n";
        break;
    case ConvertResult::Status::Kept:
        out << "kivora_postconv: " << files[1]
            << " already exists; left unchanged (use --force to replace it)\n";
        break;
    case ConvertResult::Status::Failed:
        err << "kivora_postconv: error: " << result.error << "\n";
        code = 1;
        break;
    }
    out.flush();
    err.flush();
    return code;
}

} // namespace kivora::postconv
