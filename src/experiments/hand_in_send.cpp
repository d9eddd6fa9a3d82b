#include "experiments/hand_in_send.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace cls {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(HandInSend)
};

constexpr int kTimeoutMs = 15'000;
constexpr qint64 kAnswerBytes = 1024;   // the collector answers in one line

}   // namespace

QUrl collectorUrl(const QString& typed, QString* error)
{
    QString t = typed.trimmed();
    if (t.isEmpty()) {
        *error = Text::tr("Type the address the teacher's board shows, for example 192.168.1.20:8765.");
        return {};
    }
    if (!t.contains(QLatin1String("://")))
        t.prepend(QLatin1String("http://"));
    QUrl url(t, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("http") || url.host().isEmpty() || url.port() < 1
        || !(url.path().isEmpty() || url.path() == QLatin1String("/")) || url.hasQuery() || !url.userInfo().isEmpty()) {
        *error = Text::tr("\"%1\" is not a collector's address: type it as the teacher's board shows it, "
                          "for example 192.168.1.20:8765")
                     .arg(typed.trimmed());
        return {};
    }
    url.setPath(QStringLiteral("/"));
    return url;
}

void sendHandIn(const QUrl& url, const QByteArray& bytes, QObject* context,
                std::function<void(bool taken, const QString& line)> done)
{
    auto* network = new QNetworkAccessManager(context);   // made only when a student sends
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(kTimeoutMs);
    QNetworkReply* reply = network->post(request, bytes);
    QObject::connect(reply, &QNetworkReply::finished, context, [reply, network, done = std::move(done)] {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QString line = QString::fromUtf8(reply->read(kAnswerBytes)).section(QLatin1Char('\n'), 0, 0).trimmed();
        if (status == 0)
            done(false,
                 Text::tr("the collector at %1 was not reached: %2")
                     .arg(reply->url().authority(), reply->errorString()));
        else
            done(status == 200 || status == 201,
                 line.isEmpty() ? Text::tr("the collector answered %1").arg(status) : line);
        reply->deleteLater();
        network->deleteLater();
    });
}

}   // namespace cls
