#include "experiments/class_collect.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <algorithm>

#include "experiments/class_results.h"

namespace cls {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ClassCollect)
};

QByteArray digestOf(const QByteArray& body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256);
}

CollectAnswer answer(Taken taken, int status, const QString& line)
{
    CollectAnswer a;
    a.taken = taken;
    a.status = status;
    a.line = line;
    return a;
}

}   // namespace

QString collectedFileName(const QString& name, const QByteArray& body)
{
    QString plain;
    for (const QChar ch : name.left(40))
        plain += ch.isLetterOrNumber() || ch == QLatin1Char('-') ? ch : QLatin1Char('_');
    const QString hex = QString::fromLatin1(digestOf(body).toHex().left(12));
    return QStringLiteral("%1-%2.slidora-result").arg(plain, hex);
}

CollectDesk::CollectDesk(ClassFile c, CollectLimits limits) : class_(std::move(c)), limits_(limits) {}

bool CollectDesk::allow(const QString& address, qint64 nowMs)
{
    auto at = addresses_.find(address);
    if (at == addresses_.end()) {
        if (int(addresses_.size()) >= limits_.addresses) {
            // forget the addresses that have stored nothing; the others keep their cap
            std::erase_if(addresses_, [](const auto& a) { return a.second.bytes == 0; });
            if (int(addresses_.size()) >= limits_.addresses)
                return false;
        }
        at = addresses_.emplace(address, Address{limits_.burst, nowMs, 0}).first;
    }
    Address& a = at->second;
    const double gained = double(std::max<qint64>(0, nowMs - a.lastMs)) * limits_.perSecond / 1000.0;
    a.tokens = std::min(limits_.burst, a.tokens + gained);
    a.lastMs = nowMs;
    if (a.tokens < 1.0)
        return false;
    a.tokens -= 1.0;
    return true;
}

CollectAnswer CollectDesk::take(const QString& address, const QByteArray& body, qint64 nowMs)
{
    if (!allow(address, nowMs))
        return answer(Taken::TooMany, 429, Text::tr("refused: too many requests, wait a moment"));
    if (body.size() > kHandInLimit)
        return answer(Taken::TooLarge, 413, Text::tr("refused: larger than a result file can be"));
    HandInRead read;
    if (const QString why = refusalOf(class_, body, &read); !why.isEmpty())
        return answer(Taken::Refused, 400, Text::tr("refused: %1").arg(why));
    const QString name = class_.bySeed(read.handIn.seed)->name;
    if (digests_.contains(digestOf(body)))
        return answer(Taken::AlreadyHere, 200, Text::tr("already received: %1's hand-in").arg(name));
    const Address& a = addresses_.at(address);
    if (a.bytes + body.size() > limits_.addressBytes)
        return answer(Taken::Full, 507, Text::tr("refused: %1 has handed in as much as one machine may").arg(address));
    if (files_ + 1 > limits_.totalFiles || bytes_ + body.size() > limits_.totalBytes)
        return answer(Taken::Full, 507, Text::tr("refused: the teacher's folder is full"));
    CollectAnswer stored = answer(Taken::Stored, 201, Text::tr("received: %1's hand-in").arg(name));
    stored.file = collectedFileName(name, body);
    return stored;
}

void CollectDesk::stored(const QString& address, const QByteArray& body)
{
    digests_.insert(digestOf(body));
    ++files_;
    bytes_ += body.size();
    addresses_[address].bytes += body.size();
}

}   // namespace cls
