#include "platform/locale/ShortDateFormat.h"

#include "platform/locale/DatePattern.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace trelimor::locale {

namespace {

const QString Key = QStringLiteral("sShortDate");

} // namespace

QString regionalSettingsFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Trelimor/regional.ini"));
}

QString shortDateFormat()
{
    QSettings settings(regionalSettingsFile(), QSettings::IniFormat);
    if (settings.contains(Key))
        return settings.value(Key).toString();
    const QString initial = systemShortDateFormat();
    settings.setValue(Key, initial);
    settings.sync();
    return initial;
}

bool setShortDateFormat(const QString& pattern)
{
    QSettings settings(regionalSettingsFile(), QSettings::IniFormat);
    settings.setValue(Key, pattern);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString systemShortDateFormat()
{
    return windowsPatternFromQt(QLocale::system().dateFormat(QLocale::ShortFormat));
}

QString formatShortDate(const QDate& date)
{
    return formatDate(date, shortDateFormat());
}

} // namespace trelimor::locale
