#pragma once
#include "core/RowStamp.h"
#include "documents/Slip.h"

#include <optional>

class Database;

// Stores estimates, purchase orders, delivery notes and invoices: the header in 伝票管理,
// the lines in the type's line table, the posted sale in 売掛 and the last number per
// customer in 前回伝票. Each operation that writes is one transaction.
class DocumentStore {
public:
    explicit DocumentStore(Database& db) : m_db(db) {}

    // Line table of types 0-3 (見積, 注文, 納品, 請求); throws std::invalid_argument else.
    static QString LineTable(int docType);
    // Column of 前回伝票 for a type (DocNumE, DocNumO, DocNumD, DocNumB, DocNumBD,
    // DocNumBT, DocNumR for types 0-6); throws std::invalid_argument else.
    static QString LastNumberColumn(int docType);

    bool Exists(const QString& userCode, int docType, const QString& number) const;
    // The stamp of the stored document (any type 0-6); nothing when there is none.
    std::optional<qint64> Stamp(const QString& userCode, int docType, const QString& number) const;
    // The document's header row, for a save that checks and claims it (RowStamp::Claim).
    static StampedRow HeaderRow(const QString& userCode, int docType, const QString& number);
    // The header joined with its staff member; nothing when the document does not exist.
    // ChargeCode is the code the join finds, so a staff member deleted since reads back
    // as no staff at all (code, name and position empty), as the window shows it.
    std::optional<SlipHeader> ReadHeader(const QString& userCode, int docType,
                                         const QString& number) const;
    // The stored lines in their order.
    QList<SlipLine> ReadLines(const QString& userCode, int docType, const QString& number) const;

    // Saves the document: adds or replaces the header, replaces every line with the
    // lines of `gridLines` that have a name (numbered 1, 2, 3 … in their order), posts
    // the sale when the type is 2 or 3, AddUpSale is set and `total` > 0 (an earlier
    // posting stays untouched otherwise), and remembers the number in 前回伝票 — all in
    // one transaction: on any failure nothing of it is written. The stored document must
    // be as `expect` says (ChangedElsewhere otherwise); a number another seat takes at the
    // same moment fails on the key (DatabaseError::Kind::Conflict).
    void Save(const SlipHeader& header, const QList<SlipLine>& gridLines, double total,
              const Expect& expect = Expect::Anything());

    // Deletes header and lines in one transaction. Returns the deleted document's
    // AddUpSale, or nothing when there was no such document. 前回伝票 is left alone.
    std::optional<bool> Delete(const QString& userCode, int docType, const QString& number);
    // Deletes the sale posted for a document.
    void DeleteSale(const QString& userCode, int docType, const QString& number);

    // The number of the customer's last saved document of a type ("" when none).
    QString LastNumber(const QString& userCode, int docType) const;

private:
    Database& m_db;
};
