#pragma once
#include <QString>
#include <optional>
#include <utility>

class Database;

// The one row of 自社情報: what documents print about the company and the business rules
// every document follows. A program that never saw a row starts from these values.
struct CompanyRow {
    QString Name, Represent, ZipCode, Address1, Address2, TEL, FAX, Bank1, Bank2;
    double Excise = 0;
    int ExciseFraction = 0; // 0 切り捨て, 1 四捨五入, 2 切り上げ
    int PriceFraction = 0;  // same codes, for quantity × unit price
    int ClosingDay = 31;
    int Payment = 31;
    int ClosingType = 0; // 0 当月, 1 次月
    // The registration number of a registered issuer of qualified invoices ("T" and 13
    // digits); empty while the company is not registered.
    QString RegistNumber;
    // The reduced consumption-tax rate in percent, for lines of the reduced class.
    double ReducedExcise = 8;
};

// Reads and writes the own company's row. Columns are named, never taken by position,
// so the row reads the same whatever order the table was created in.
class CompanyStore {
public:
    explicit CompanyStore(Database& db) : m_db(db) {}

    // The stored row; empty when the table holds none.
    std::optional<CompanyRow> Read() const;
    // Replaces the row, adding it when the table is empty, in one transaction.
    void Write(const CompanyRow& row);

    // The reduced rate alone, for the options window's tax page: read falls back to 8
    // when the table holds no row; write changes nothing else of the row.
    double ReducedExcise() const;
    void WriteReducedExcise(double percent);

    // Whether a registration number may be stored: empty (not registered) or "T" and 13
    // digits whose first digit is the check digit of the other twelve, as every
    // corporate number has it; a sole proprietor's number is built the same way.
    static bool RegistNumberValid(const QString& number);

private:
    Database& m_db;
};
