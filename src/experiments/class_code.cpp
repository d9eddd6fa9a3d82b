#include "experiments/class_code.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <cstring>

namespace cls {

namespace {

using Bits = unsigned __int128;
constexpr int kDataSymbols = 15;   // 75 bits: kind 2, seed 14, class 11, tag 48
constexpr quint64 kTagMask = (quint64(1) << 48) - 1;

int symbolValue(QChar c)
{
    const char* at = std::strchr(kCodeSymbols, c.toUpper().toLatin1());
    return c.unicode() < 128 && c.unicode() != 0 && at ? static_cast<int>(at - kCodeSymbols) : -1;
}

// Luhn's check over base 32: any one symbol changed, or two neighbours
// swapped, changes it.
int checkSymbol(const int* values, int count)
{
    int sum = 0;
    bool doubled = true;   // from the right, the symbol next to the check is doubled
    for (int i = count - 1; i >= 0; --i) {
        int v = values[i];
        if (doubled) {
            v *= 2;
            v = v / 32 + v % 32;
        }
        sum += v;
        doubled = !doubled;
    }
    return (32 - sum % 32) % 32;
}

QByteArray fieldsText(sim::ChallengeKind kind, int seed)
{
    return QByteArray("join:") + sim::challengeKindName(kind) + ':' + QByteArray::number(seed);
}

}   // namespace

QString formatCode(const CodeFields& f)
{
    Bits bits = static_cast<Bits>(static_cast<int>(f.kind) & 3);
    bits = bits << 14 | static_cast<Bits>(f.seed & 0x3fff);
    bits = bits << kClassIdBits | static_cast<Bits>(f.classId & 0x7ff);
    bits = bits << 48 | static_cast<Bits>(f.tag & kTagMask);
    int values[kDataSymbols + 1];
    for (int i = kDataSymbols - 1; i >= 0; --i) {
        values[i] = static_cast<int>(bits & 31);
        bits >>= 5;
    }
    values[kDataSymbols] = checkSymbol(values, kDataSymbols);
    QString out;
    for (int i = 0; i <= kDataSymbols; ++i) {
        if (i > 0 && i % 4 == 0)
            out += QLatin1Char('-');
        out += QLatin1Char(kCodeSymbols[values[i]]);
    }
    return out;
}

std::optional<CodeFields> readCode(const QString& typed)
{
    int values[kDataSymbols + 1];
    int count = 0;
    for (QChar c : typed) {
        if (c.isSpace() || c == QLatin1Char('-'))
            continue;
        const int v = symbolValue(c);
        if (v < 0 || count > kDataSymbols)
            return std::nullopt;
        values[count++] = v;
    }
    if (count != kDataSymbols + 1 || checkSymbol(values, kDataSymbols) != values[kDataSymbols])
        return std::nullopt;
    Bits bits = 0;
    for (int i = 0; i < kDataSymbols; ++i)
        bits = bits << 5 | static_cast<Bits>(values[i]);
    CodeFields f;
    f.tag = static_cast<quint64>(bits & kTagMask);
    bits >>= 48;
    f.classId = static_cast<int>(bits & 0x7ff);
    bits >>= kClassIdBits;
    f.seed = static_cast<int>(bits & 0x3fff);
    bits >>= 14;
    f.kind = static_cast<sim::ChallengeKind>(static_cast<int>(bits & 3));
    if (f.seed < sim::kFirstSeed || f.seed > sim::kLastSeed)
        return std::nullopt;
    return f;
}

int classIdOf(const QByteArray& secret)
{
    const QByteArray h = QCryptographicHash::hash("slidora class:" + secret, QCryptographicHash::Sha256);
    return (static_cast<unsigned char>(h[0]) << 8 | static_cast<unsigned char>(h[1])) & 0x7ff;
}

quint64 joinTag(const QByteArray& secret, sim::ChallengeKind kind, int seed)
{
    const QByteArray mac = QMessageAuthenticationCode::hash(fieldsText(kind, seed), secret, QCryptographicHash::Sha256);
    quint64 tag = 0;
    for (int i = 0; i < 6; ++i)
        tag = tag << 8 | static_cast<unsigned char>(mac[i]);
    return tag;
}

QByteArray handInKey(const CodeFields& f)
{
    return QCryptographicHash::hash("slidora hand-in:" + formatCode(f).toLatin1(), QCryptographicHash::Sha256);
}

}   // namespace cls
