#include "MailRequest.h"

#include <QRegularExpression>

#include <algorithm>

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

// The characters a local part may hold besides letters and digits (RFC 5322's atext, and the
// dots between its words).
const QString localPunctuation = QStringLiteral("!#$%&'*+/=?^_`{|}~.-");

bool isLocalPart(QStringView text)
{
    if (text.isEmpty() || text.startsWith(u'-') || text.startsWith(u'.') || text.endsWith(u'.'))
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.isLetterOrNumber() || localPunctuation.contains(c); });
}

// A host name: labels of letters, digits and "-" (never at a label's ends) joined by dots.
bool isDomain(QStringView text)
{
    const auto labels = text.split(u'.');
    if (labels.size() < 2)
        return false;
    for (QStringView label : labels) {
        if (label.isEmpty() || label.startsWith(u'-') || label.endsWith(u'-'))
            return false;
        if (!std::all_of(label.begin(), label.end(),
                         [](QChar c) { return c.isLetterOrNumber() || c == u'-'; }))
            return false;
    }
    return true;
}

} // namespace

bool isPlainAddress(const QString& recipient)
{
    const qsizetype at = recipient.indexOf(u'@');
    if (at < 0 || recipient.indexOf(u'@', at + 1) >= 0)
        return false;
    return isLocalPart(QStringView(recipient).left(at)) && isDomain(QStringView(recipient).mid(at + 1));
}

QString firstRefusedRecipient(const QStringList& recipients)
{
    for (const QString& recipient : recipients) {
        const QString address = recipient.trimmed();
        if (!address.isEmpty() && !isPlainAddress(address))
            return recipient;
    }
    return {};
}

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
