// The short date pattern (sShortDate of regional.ini, set by the user or another program) and a
// date typed under it: the first line of the input is the pattern, the rest the typed text.

#include "FuzzSupport.h"

#include "common/Dates.h"

#include "platform/locale/DatePattern.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace trelimor;
    const QString input = QString::fromUtf8(fuzz::bytesOf(data, size));
    const qsizetype lineEnd = input.indexOf(u'\n');
    const QString pattern = lineEnd < 0 ? input : input.left(lineEnd);
    QString typed = lineEnd < 0 ? QString() : input.mid(lineEnd + 1);

    static const QLocale polish(QLocale::Polish, QLocale::Poland);
    (void)locale::formatDate(QDate(2022, 3, 31), pattern, polish);
    (void)locale::windowsPatternFromQt(pattern);
    (void)dateFromTyped(typed, pattern, QDate(2022, 3, 31));
    return 0;
}
