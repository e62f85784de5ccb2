#pragma once
#include <QByteArray>
#include <QString>
#include <utility>

// Shift_JIS (code page 932) through glibc iconv. Qt's own encoder silently writes a
// substitute for characters that have no CP932 form; export files and input limits
// need to know where that happens instead.
namespace Cp932 {

struct Encoded {
    QByteArray bytes;
    // Index (in UTF-16 units of the source) of the first character that has no CP932
    // form, or -1 when the whole text was encoded.
    qsizetype badIndex = -1;
    bool ok() const { return badIndex < 0; }
};

Encoded encode(const QString& text);
// Decodes CP932 bytes; `ok` is false when the bytes are not valid CP932.
QString decode(const QByteArray& bytes, bool* ok = nullptr);

// Length of one code point in Shift_JIS bytes as the input limits count it: ASCII and
// half-width katakana take one byte, every other character two.
int byteLengthOf(char32_t codePoint);
// Sum of byteLengthOf over the text's code points (a surrogate pair is one character).
int byteLength(const QString& text);
// The text cut after the last whole character that keeps it within `maxBytes`, and the
// rest; a surrogate pair is never split.
std::pair<QString, QString> splitAtBytes(const QString& text, int maxBytes);

} // namespace Cp932
