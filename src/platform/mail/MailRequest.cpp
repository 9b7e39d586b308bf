#include "MailRequest.h"

#include <QRegularExpression>

namespace trelimor::mail {

namespace {

// Characters an address may keep as they are inside a mailto: link; "," separates addresses and
// "%", "?", "#", "&" would end or break the address part, so those are encoded.
const QByteArray addressSafe = QByteArrayLiteral("@!$'()*+;=:");

QString withCrLf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

} // namespace

QStringList splitRecipients(const QString& addresses)
{
    static const QRegularExpression separator(QStringLiteral("[;,]"));
    QStringList result;
    for (const QString& part : addresses.split(separator)) {
        const QString address = part.trimmed();
        if (!address.isEmpty())
            result.append(address);
    }
    return result;
}

QUrl buildMailtoUrl(const MailRequest& request)
{
    QByteArray link = QByteArrayLiteral("mailto:");
    for (qsizetype i = 0; i < request.recipients.size(); ++i) {
        if (i > 0)
            link += ',';
        link += QUrl::toPercentEncoding(request.recipients.at(i).trimmed(), addressSafe);
    }
    QByteArrayList fields;
    if (!request.subject.isEmpty())
        fields.append("subject=" + QUrl::toPercentEncoding(request.subject));
    if (!request.body.isEmpty())
        fields.append("body=" + QUrl::toPercentEncoding(withCrLf(request.body)));
    if (!fields.isEmpty())
        link += '?' + fields.join('&');
    return QUrl::fromEncoded(link, QUrl::StrictMode);
}

} // namespace trelimor::mail
