#pragma once
#include <array>
#include <optional>

class Database;

// The tax rates offered in the rate lists (税率): eight numbered rows, each a rate in
// percent or unused. Row r is stored with Code r + 1, the number its caption shows
// ("税率 1" ...), which is also the list order.
namespace TaxRate {
constexpr int Rows = 8;
// The scroll bar of a row runs from Unused (the row holds no rate) through 0 % (10) in
// steps of 0.1 % up to 20 % (Highest).
constexpr int Unused = 9;
constexpr int Highest = 210;

// The rate a scroll position stands for; none at the unused position.
std::optional<double> FromScroll(int value);
// The scroll position of a rate; unused for none.
int ToScroll(std::optional<double> rate);
} // namespace TaxRate

using TaxRateRows = std::array<std::optional<double>, TaxRate::Rows>;

class TaxRateStore {
public:
    explicit TaxRateStore(Database& db) : m_db(db) {}

    // Every row; a row without a stored rate is unused.
    TaxRateRows Read() const;
    // Stores every row, removing the unused ones, and with it the reduced rate of
    // reduced-rate lines when one is given (kept with the company's data), all in one
    // transaction.
    void Write(const TaxRateRows& rows, std::optional<double> reducedPercent = std::nullopt);

private:
    Database& m_db;
};
