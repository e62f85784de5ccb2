#pragma once
#include <QString>

// The password file holds one record of two texts, each a 16-bit little-endian byte
// length followed by that many bytes of Shift_JIS text. Text 1 empty means that no
// password is set.
//
// Reads (`read` true) or writes the record. A missing or empty file reads as two empty
// texts. Returns false when the file cannot be read or written, or is damaged (then both
// texts come back empty); a write replaces the file whole or not at all.
bool PassFile(const QString& path, bool read, QString& first, QString& second);

// Text 1 and text 2 of a stored password: a salted Argon2id hash of the digits and its
// salt, so that the file does not give the password away to whoever reads it.
struct StoredPassword {
    QString hash; // text 1
    QString salt; // text 2
};

// A new record for `digits` with a fresh random salt; an empty password gives an empty
// hash (no password).
StoredPassword MakeStoredPassword(const QString& digits);

// True when `digits` is the password recorded in `first`/`second`. Records in the
// scrambled form (a scrambled text and a ten-letter table) are recognised too, so that a
// password file in that form keeps working until the password is next changed.
bool VerifyPassword(const QString& digits, const QString& first, const QString& second);

// The scrambled form: each digit d picks letter d + 1 of the table and
// contributes that letter's character code in decimal.
QString MakeCipher(const QString& digits, const QString& table);
