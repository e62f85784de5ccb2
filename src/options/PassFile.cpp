#include "options/PassFile.h"

#include "core/Cp932.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <sodium.h>

namespace {

bool ensureSodium() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

bool readText(const QByteArray& data, qsizetype* pos, QString* text) {
    if (*pos + 2 > data.size())
        return false;
    const auto lo = static_cast<unsigned char>(data[*pos]);
    const auto hi = static_cast<unsigned char>(data[*pos + 1]);
    const qsizetype length = lo | (hi << 8);
    *pos += 2;
    if (*pos + length > data.size())
        return false;
    bool ok = false;
    *text = Cp932::decode(data.mid(*pos, length), &ok);
    *pos += length;
    return ok;
}

bool appendText(QByteArray* data, const QString& text) {
    const Cp932::Encoded encoded = Cp932::encode(text);
    if (!encoded.ok() || encoded.bytes.size() > 0xffff)
        return false;
    const auto length = static_cast<quint16>(encoded.bytes.size());
    data->append(static_cast<char>(length & 0xff));
    data->append(static_cast<char>(length >> 8));
    data->append(encoded.bytes);
    return true;
}

constexpr int HashBytes = 32;

QByteArray hashOf(const QString& digits, const QByteArray& salt) {
    if (!ensureSodium() || salt.size() != crypto_pwhash_SALTBYTES)
        return {};
    const QByteArray password = digits.toUtf8();
    QByteArray out(HashBytes, Qt::Uninitialized);
    if (crypto_pwhash(reinterpret_cast<unsigned char*>(out.data()), HashBytes, password.constData(),
                      static_cast<unsigned long long>(password.size()),
                      reinterpret_cast<const unsigned char*>(salt.constData()),
                      crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                      crypto_pwhash_ALG_ARGON2ID13) != 0)
        return {};
    return out;
}

bool isLegacyRecord(const QString& first, const QString& second) {
    static const QRegularExpression table(QStringLiteral("^[A-Z]{10}$"));
    static const QRegularExpression cipher(QStringLiteral("^(?:[6-9][0-9])+$"));
    return table.match(second).hasMatch() && cipher.match(first).hasMatch();
}

} // namespace

bool PassFile(const QString& path, bool read, QString& first, QString& second) {
    if (read) {
        first.clear();
        second.clear();
        QFile file(path);
        if (!file.exists())
            return true;
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QByteArray data = file.readAll();
        if (data.isEmpty())
            return true;
        qsizetype pos = 0;
        QString a, b;
        if (!readText(data, &pos, &a) || !readText(data, &pos, &b))
            return false;
        first = a;
        second = b;
        return true;
    }
    QByteArray data;
    if (!appendText(&data, first) || !appendText(&data, second))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(data);
    return file.commit();
}

StoredPassword MakeStoredPassword(const QString& digits) {
    if (digits.isEmpty() || !ensureSodium())
        return {};
    QByteArray salt(crypto_pwhash_SALTBYTES, Qt::Uninitialized);
    randombytes_buf(salt.data(), static_cast<size_t>(salt.size()));
    const QByteArray hash = hashOf(digits, salt);
    if (hash.isEmpty())
        return {};
    return {QString::fromLatin1(hash.toHex()), QString::fromLatin1(salt.toBase64())};
}

bool VerifyPassword(const QString& digits, const QString& first, const QString& second) {
    if (first.isEmpty())
        return digits.isEmpty();
    if (isLegacyRecord(first, second))
        return MakeCipher(digits, second) == first;
    const QByteArray expected = QByteArray::fromHex(first.toLatin1());
    const QByteArray salt = QByteArray::fromBase64(second.toLatin1());
    const QByteArray actual = hashOf(digits, salt);
    if (expected.size() != HashBytes || actual.size() != HashBytes)
        return false;
    return sodium_memcmp(expected.constData(), actual.constData(), HashBytes) == 0;
}

QString MakeCipher(const QString& digits, const QString& table) {
    QString out;
    for (QChar c : digits) {
        const int d = c.digitValue();
        if (d < 0 || d >= table.size())
            return {};
        out += QString::number(table[d].unicode());
    }
    return out;
}
