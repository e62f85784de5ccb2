// Postal-code lookup time: PostalLookup::Search_Zip by code and by address, against the
// same lookups written directly on the SQLite C interface (the same statements, each
// prepared per call, the same rows turned into the same entries) on the same copy of
// the directory in the same run. An open Database holds the file
// exclusively, so the two take turns: each round opens one side, warms it and times it,
// then the other; the medians of all timed lookups are compared.
//
//   bench_postal POSTCODE_MDB [ROUNDS]
#include "core/Database.h"
#include "customers/PostalLookup.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sqlite3.h>
#include <vector>

namespace {

struct CodeInput {
    QString part1, part2;
};

// A code found in one prefecture, one found only in the second prefecture of a shared
// prefix, one found in the first of a shared prefix, and one known only by its old code.
const std::vector<CodeInput> CodeInputs = {
    {QStringLiteral("100"), QStringLiteral("0001")},
    {QStringLiteral("922"), QStringLiteral("0679")},
    {QStringLiteral("530"), QStringLiteral("0001")},
    {QStringLiteral("100"), QStringLiteral("9999")},
};

const QStringList AddressInputs = {
    QStringLiteral("東京都千代田区千代田"),
    QStringLiteral("神奈川県横浜市中区山下町"),
    QStringLiteral("北海道札幌市中央区北一条西"),
    QStringLiteral("東京都中央区八重洲"),
};

int codeMode(const CodeInput& in) {
    return in.part2.isEmpty() ? PostalLookup::ModeOldCode : PostalLookup::ModeCode;
}

[[noreturn]] void fail(const char* what, const char* detail = "") {
    std::fprintf(stderr, "bench_postal: %s %s\n", what, detail);
    std::exit(1);
}

// The lookups on the bare C interface.
class RawLookup {
public:
    explicit RawLookup(const QString& path) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) !=
            SQLITE_OK)
            fail("cannot open", sqlite3_errmsg(m_db));
        // The same locking as the program's own connection: held once, never re-checked.
        if (sqlite3_exec(m_db, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT", nullptr,
                         nullptr, nullptr) != SQLITE_OK)
            fail("cannot lock", sqlite3_errmsg(m_db));
    }
    ~RawLookup() { sqlite3_close(m_db); }
    RawLookup(const RawLookup&) = delete;
    RawLookup& operator=(const RawLookup&) = delete;

    QStringList byCode(const QString& part1, const QString& part2) const {
        const QString code = part1 + part2;
        QStringList prefectures;
        query("SELECT Prefecture FROM 郵便区分 WHERE Code = ? ORDER BY rowid", part1.left(2),
              [&](sqlite3_stmt* s) {
                  const QString name = column(s, 0);
                  if (!prefectures.contains(name))
                      prefectures << name;
              });
        QStringList entries;
        auto search = [&](const char* column, const QString& value) {
            for (const QString& name : prefectures) {
                const QByteArray sql = "SELECT Prefecture || ' 〒' || NewPostCode FROM " +
                                       PostalLookup::QuoteIdentifier(name).toUtf8() + " WHERE " +
                                       column + " = ? ORDER BY rowid";
                query(sql.constData(), value,
                      [&](sqlite3_stmt* s) { entries << name + RawLookup::column(s, 0); });
            }
        };
        search("NewPostCode", code);
        if (entries.isEmpty())
            search("OldPostCode", part1.left(3));
        return entries;
    }

    QStringList byAddress(const QString& address) const {
        const int length = PostalLookup::PrefectureLength(address);
        if (length == 0)
            return {};
        const QString name = address.left(length);
        bool listed = false;
        query("SELECT Prefecture FROM 郵便区分 WHERE Prefecture = ?", name,
              [&](sqlite3_stmt*) { listed = true; });
        if (!listed)
            return {};
        QStringList entries;
        const QByteArray sql = "SELECT NewPostCode || ' :' || Prefecture FROM " +
                               PostalLookup::QuoteIdentifier(name).toUtf8() +
                               " WHERE Prefecture = ? ORDER BY rowid";
        query(sql.constData(), address.mid(length),
              [&](sqlite3_stmt* s) { entries << column(s, 0); });
        return entries;
    }

private:
    static QString column(sqlite3_stmt* s, int i) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i)),
                                 sqlite3_column_bytes(s, i));
    }

    template <typename Row> void query(const char* sql, const QString& value, Row&& row) const {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &s, nullptr) != SQLITE_OK)
            fail("cannot prepare", sqlite3_errmsg(m_db));
        const QByteArray bound = value.toUtf8();
        sqlite3_bind_text(s, 1, bound.constData(), static_cast<int>(bound.size()), SQLITE_STATIC);
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            row(s);
        if (rc != SQLITE_DONE)
            fail("cannot read", sqlite3_errmsg(m_db));
        sqlite3_finalize(s);
    }

    sqlite3* m_db = nullptr;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds per lookup for one pass over the inputs.
template <typename Pass> double timePass(Pass&& pass, int lookups) {
    const auto start = std::chrono::steady_clock::now();
    pass();
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / lookups;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_postal POSTCODE_MDB [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc >= 3 ? std::max(1, atoi(argv[2])) : 6;
    constexpr int PassesPerRound = 50, WarmPasses = 5;
    QTemporaryDir dir;
    const QString copy = dir.path() + QStringLiteral("/PostCode.mdb");
    if (!QFile::copy(QString::fromLocal8Bit(argv[1]), copy))
        fail("cannot copy", argv[1]);

    const int codeCount = static_cast<int>(CodeInputs.size());
    const int addressCount = static_cast<int>(AddressInputs.size());
    std::vector<double> oursCode, oursAddress, rawCode, rawAddress;
    std::vector<QStringList> expectCode, expectAddress;
    for (int round = 0; round < rounds; ++round) {
        {
            const Database post(copy, QStringLiteral("郵便区分"));
            std::vector<QStringList> gotCode, gotAddress;
            auto byCode = [&] {
                gotCode.clear();
                for (const CodeInput& in : CodeInputs)
                    gotCode.push_back(PostalLookup::Search_Zip(post, in.part1, in.part2, QString(),
                                                               codeMode(in)));
            };
            auto byAddress = [&] {
                gotAddress.clear();
                for (const QString& address : AddressInputs)
                    gotAddress.push_back(PostalLookup::Search_Zip(
                        post, QString(), QString(), address, PostalLookup::ModeAddress));
            };
            for (int i = 0; i < WarmPasses; ++i) {
                byCode();
                byAddress();
            }
            for (int i = 0; i < PassesPerRound; ++i) {
                oursCode.push_back(timePass(byCode, codeCount));
                oursAddress.push_back(timePass(byAddress, addressCount));
            }
            expectCode = gotCode;
            expectAddress = gotAddress;
        }
        {
            const RawLookup raw(copy);
            std::vector<QStringList> gotCode, gotAddress;
            auto byCode = [&] {
                gotCode.clear();
                for (const CodeInput& in : CodeInputs)
                    gotCode.push_back(raw.byCode(in.part1, in.part2));
            };
            auto byAddress = [&] {
                gotAddress.clear();
                for (const QString& address : AddressInputs)
                    gotAddress.push_back(raw.byAddress(address));
            };
            for (int i = 0; i < WarmPasses; ++i) {
                byCode();
                byAddress();
            }
            for (int i = 0; i < PassesPerRound; ++i) {
                rawCode.push_back(timePass(byCode, codeCount));
                rawAddress.push_back(timePass(byAddress, addressCount));
            }
            // Both sides must have done the same work.
            if (gotCode != expectCode || gotAddress != expectAddress)
                fail("the two lookups listed different entries");
        }
    }
    for (std::size_t i = 0; i < expectCode.size(); ++i) {
        if (expectCode[i].isEmpty())
            std::fprintf(stderr, "bench_postal: note: code %s%s finds nothing in this file\n",
                         qPrintable(CodeInputs[i].part1), qPrintable(CodeInputs[i].part2));
    }
    for (std::size_t i = 0; i < expectAddress.size(); ++i) {
        if (expectAddress[i].isEmpty())
            std::fprintf(stderr, "bench_postal: note: %s finds nothing in this file\n",
                         qPrintable(AddressInputs[static_cast<int>(i)]));
    }
    const double c = median(oursCode), cb = median(rawCode);
    const double a = median(oursAddress), ab = median(rawAddress);
    std::printf("postal_by_code: %.3f ms (baseline %.3f ms, ratio %.2f)\n", c, cb, c / cb);
    std::printf("postal_by_address: %.3f ms (baseline %.3f ms, ratio %.2f)\n", a, ab, a / ab);
    return 0;
}
