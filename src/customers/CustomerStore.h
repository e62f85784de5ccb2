#pragma once
#include "core/RecordSet.h"
#include "core/RowStamp.h"

#include <QString>
#include <optional>

class Database;

// One row of 顧客 as the main window shows and stores it.
struct CustomerRow {
    QString Code, Name, Kana, Prefix1, ZipCode, Address1, Address2, TEL, FAX, Portable;
    QString Position1, Charge1, Position2, Charge2, Prefix2, Remark, Class;
    qint64 BusinessYMD = 0;
    double Excise = 0;
    int Fraction = 0;
    int ClosingDay = 0;
    int Payment = 0;
    int Mail = 0;
    int ClosingType = 0;
    QString ClassName; // name of the class, read with the row; empty when none
    qint64 Stamp = 0;  // as read: what a save of this row expects to find
};

// Reads and writes customers. Stepping asks the database for the neighbouring code
// instead of reading every customer, so that it stays instant with 30,000 of them.
class CustomerStore {
public:
    static constexpr int MaxCustomers = 30000;
    enum class Step { First = 0, Previous = 1, Next = 2, Last = 3 };

    explicit CustomerStore(Database& db) : m_db(db) {}

    std::optional<CustomerRow> Read(const QString& code) const;
    bool Exists(const QString& code) const;
    // The stamp of the stored customer; nothing when there is none.
    std::optional<qint64> Stamp(const QString& code) const;
    // The customer's row as it stands in 顧客, for the windows that read it by column.
    RecordSet ReadRecord(const QString& code) const;
    int Count() const;

    // The customer a step leads to from `fromCode`, in text order of the code. Previous
    // and next start from `fromCode` when it names a customer, else from the first
    // customer; previous stops at the first and next at the last. Empty when there is
    // no customer at all.
    std::optional<CustomerRow> Move(Step step, const QString& fromCode) const;

    // Stores the row (adding or replacing it) and makes sure the customer has its row of
    // last document numbers, in one transaction. The stored customer must be as `expect`
    // says, or ChangedElsewhere is thrown and nothing is written; a customer another seat
    // adds at the same moment fails on the key (DatabaseError::Kind::Conflict). Returns
    // the stamp the customer now carries.
    qint64 Save(const CustomerRow& row, const Expect& expect = Expect::Anything());
    // Deletes the customer (when it exists) and its row of last document numbers, in one
    // transaction. Documents and ledger rows stay.
    void Delete(const QString& code);

    // What stays of a customer when it is deleted: its documents and ledger rows.
    struct Records {
        int documents = 0;
        int ledgerRows = 0;
    };
    Records RecordsOf(const QString& code) const;

    // Name of the customer class `code`, if the class exists.
    std::optional<QString> ClassName(const QString& code) const;

private:
    std::optional<CustomerRow> readOne(const QString& where, const QVariantList& values,
                                       const QString& order) const;
    Database& m_db;
};
