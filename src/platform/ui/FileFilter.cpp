#include "platform/ui/FileFilter.h"

#include <QRegularExpression>

namespace trelimor::ui {

namespace {

QStringList patternsOf(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    QStringList patterns;
    const auto add = [&patterns](const QString& p) {
        if (!patterns.contains(p))
            patterns.append(p);
    };
    for (const QString& raw : text.split(separators, Qt::SkipEmptyParts)) {
        if (raw == QLatin1String("*.*")) {
            add(QStringLiteral("*"));
            continue;
        }
        add(raw);
        add(raw.toLower());
        add(raw.toUpper());
    }
    return patterns;
}

// Drops a trailing "(...)" that repeats the patterns, as the description usually does.
QString bareDescription(const QString& description)
{
    static const QRegularExpression trailingGroup(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    return description.trimmed().remove(trailingGroup);
}

} // namespace

QtFileFilters toQtFileFilters(const QString& filter, int filterIndex)
{
    QtFileFilters result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i);
        QStringList patterns = i + 1 < parts.size() ? patternsOf(parts.at(i + 1)) : QStringList{};
        if (description.trimmed().isEmpty() && patterns.isEmpty())
            continue;
        if (patterns.isEmpty())
            patterns.append(QStringLiteral("*"));
        const QString name = bareDescription(description);
        const QString joined = patterns.join(QLatin1Char(' '));
        result.filters.append(name.isEmpty() ? QStringLiteral("(%1)").arg(joined)
                                             : QStringLiteral("%1 (%2)").arg(name, joined));
    }
    if (!result.filters.isEmpty()) {
        const bool inRange = filterIndex >= 1 && filterIndex <= result.filters.size();
        result.selected = result.filters.at(inRange ? filterIndex - 1 : 0);
    }
    return result;
}

} // namespace trelimor::ui
