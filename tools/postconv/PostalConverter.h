#pragma once

// Turns the public-domain SKK postal-code dictionary (SKK-JISYO.zipcode, EUC-JIS-2004)
// into PostCode.mdb, the SQLite file the program reads for postal lookups.
//
// Layout of the database it writes:
//   郵便区分(Code, Prefecture)          first two digits of a code -> prefecture; one row per
//                                       distinct pair, ordered by Code then first appearance
//   <prefecture>(NewPostCode, OldPostCode, Prefecture)
//                                       one table for each of the 47 prefectures, one row per
//                                       (code, address); Prefecture holds the address with
//                                       the prefecture name removed.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class QTextStream;

namespace kivora::postconv {

// The 47 prefectures in the usual north-to-south order. These are the only names ever used
// as table names, so no text from the input file can reach an SQL identifier.
const QStringList& prefectureNames();

// Splits "東京都千代田区千代田" into ("東京都", "千代田区千代田"). Returns false when the
// address begins with none of the 47 names.
bool splitPrefecture(QStringView address, QString* prefecture, QString* rest);

struct Address {
    QString prefecture;
    QString rest;
    bool operator==(const Address&) const = default;
};

struct ParsedLine {
    enum class Kind {
        Ignored, // comment or blank line
        Entry,   // a code with at least one candidate (which may all be unknown, see below)
        Error,   // the line is not a dictionary entry we understand
    };
    Kind kind = Kind::Ignored;
    QString code;             // seven ASCII digits
    QList<Address> addresses; // candidates in file order, annotations removed, no duplicates
    QStringList unknown;      // candidates that start with no known prefecture
    QString error;            // why the line was rejected (Kind::Error only)
};

// Parses one line of the dictionary, already decoded to Unicode, without its line break.
ParsedLine parseLine(QStringView line);

// Decodes EUC-JIS-2004 bytes with glibc's iconv. Stops at the first byte sequence that is
// not valid and reports its line number in *error.
bool decodeEucJis2004(const QByteArray& bytes, QString* text, QString* error);

struct ConvertOptions {
    bool force = false; // replace an existing output file
    // A handful of odd lines is tolerated (the dictionary is maintained by hand); more than
    // this many skipped lines or candidates means the input is not what we expect.
    int maxSkipped = 10;
};

struct ConvertResult {
    enum class Status {
        Written, // the output file was created or replaced
        Kept,    // the output file already existed and was left alone
        Failed,  // nothing was written; see error
    };
    Status status = Status::Failed;
    QString error;
    QStringList warnings; // skipped lines and candidates, with line numbers

    int lines = 0;             // physical lines in the input
    int entries = 0;           // lines that carried a code
    int rows = 0;              // rows written to the prefecture tables
    int regionRows = 0;        // rows written to 郵便区分
    int sharedPrefixes = 0;    // two-digit prefixes used by more than one prefecture
    int multiAddressCodes = 0; // codes with more than one address
    int malformedLines = 0;    // lines rejected by parseLine
    int unknownPrefecture = 0; // candidates without a known prefecture
    int duplicates = 0;        // (code, address) pairs seen again and dropped
};

ConvertResult convertFile(const QString& inputPath, const QString& outputPath,
                          const ConvertOptions& options = {});

// The whole command line: kivora_postconv [--force] INPUT OUTPUT. Returns the exit code:
// 0 written or kept, 1 conversion failed, 2 usage error. `args` excludes the program name.
int runCommandLine(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace kivora::postconv
