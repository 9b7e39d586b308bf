#include "Pickers.h"

#include "FormKalendarz.h"
#include "FormKalendarz1.h"
#include "FormZegar.h"

namespace trelimor {

QDate WybierzDate(QString& dateText, const QString& caption)
{
    return FormKalendarz::instance().pick(dateText, caption);
}

QDate WybierzDate1(QString& dateText, const QString& caption)
{
    return FormKalendarz1::instance().pick(dateText, caption);
}

QString WybierzGodzine(QString& timeText)
{
    return FormZegar::instance().pick(timeText);
}

} // namespace trelimor
