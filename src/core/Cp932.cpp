#include "core/Cp932.h"

#include <QList>
#include <cerrno>
#include <iconv.h>

namespace Cp932 {
namespace {

// Runs iconv over the whole input; on an unconvertible sequence returns the byte offset
// in `in` where conversion stopped through `failedAt`.
QByteArray convert(const char* to, const char* from, const QByteArray& in, qsizetype* failedAt) {
    *failedAt = -1;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        *failedAt = 0;
        return {};
    }
    QByteArray out(in.size() * 2 + 8, Qt::Uninitialized);
    char* inPtr = const_cast<char*>(in.constData());
    size_t inLeft = static_cast<size_t>(in.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    while (inLeft > 0) {
        size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        if (r != static_cast<size_t>(-1))
            break;
        if (errno == E2BIG) {
            qsizetype used = outPtr - out.data();
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = static_cast<size_t>(out.size() - used);
            continue;
        }
        *failedAt = inPtr - in.constData();
        break;
    }
    // Flush any shift state (CP932 has none, but the call is cheap and correct).
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    out.truncate(outPtr - out.data());
    iconv_close(cd);
    return out;
}

// Index of the first surrogate that is not half of a pair, or -1. UTF-8 has no form for
// one, and the conversion would quietly write "?" in its place.
qsizetype firstLoneSurrogate(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return i;
    }
    return -1;
}

} // namespace

Encoded encode(const QString& text) {
    Encoded result;
    if (const qsizetype lone = firstLoneSurrogate(text); lone >= 0) {
        result.bytes = encode(text.left(lone)).bytes;
        result.badIndex = lone;
        return result;
    }
    const QByteArray utf8 = text.toUtf8();
    qsizetype failedAt = -1;
    result.bytes = convert("CP932", "UTF-8", utf8, &failedAt);
    if (failedAt >= 0)
        result.badIndex = QString::fromUtf8(utf8.left(failedAt)).size();
    return result;
}

QString decode(const QByteArray& bytes, bool* ok) {
    qsizetype failedAt = -1;
    const QByteArray utf8 = convert("UTF-8", "CP932", bytes, &failedAt);
    if (ok)
        *ok = failedAt < 0;
    return QString::fromUtf8(utf8);
}

int byteLengthOf(char32_t cp) {
    if (cp < 0x80)
        return 1;
    if (cp >= 0xFF61 && cp <= 0xFF9F) // half-width katakana and marks
        return 1;
    return 2;
}

int byteLength(const QString& text) {
    int total = 0;
    for (char32_t cp : text.toUcs4())
        total += byteLengthOf(cp);
    return total;
}

std::pair<QString, QString> splitAtBytes(const QString& text, int maxBytes) {
    int used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const char32_t cp = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                 : char32_t(text.at(i).unicode());
        const int length = byteLengthOf(cp);
        if (used + length > maxBytes)
            break;
        used += length;
        i += pair ? 2 : 1;
    }
    return {text.left(i), text.mid(i)};
}

} // namespace Cp932
