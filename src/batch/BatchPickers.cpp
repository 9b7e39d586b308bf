#include "BatchPickers.h"

#include "BatchFields.h"

#include "common/Dates.h"
#include "common/FormKalendarz1.h"
#include "common/FormZegar.h"
#include "common/Messages.h"
#include "common/Pickers.h"
#include "common/TableHelpers.h"

#include "platform/ui/Clock.h"

#include <QLineEdit>

namespace trelimor {

namespace {

QString yearOf(const QString& tekst)
{
    const std::optional<QDate> data = dateFromText(tekst);
    return data ? QString::number(data->year()) : tekst.trimmed();
}

// Where a control lies in its window.
QPoint inWindow(const QWidget& okno, const QWidget* kontrolka)
{
    return kontrolka->mapTo(&okno, QPoint(0, 0));
}

} // namespace

std::optional<QString> dateYearRefusal(const QString& data, const QString& dataRobocza)
{
    if (yearOf(data) == yearOf(dataRobocza))
        return std::nullopt;
    return QStringLiteral("Wybrany rok: ") + data +
           QStringLiteral(" jest niezgodny z datą ustawioną w programie!\rWybierz datę ponownie!");
}

void pickFieldDate(QWidget& okno, QLineEdit* pole, const QWidget* przycisk,
                   const std::optional<QString>& dataRobocza)
{
    // Under the button, two button heights down, from the field's left edge.
    const QPoint miejsce(inWindow(okno, pole).x(), inWindow(okno, przycisk).y() + 2 * przycisk->height());
    FormKalendarz1::instance().move(okno.mapToGlobal(miejsce));
    QString tekst = pole->text();
    pole->setText(dateText(WybierzDate1(tekst, QString())));
    if (dataRobocza) {
        if (const std::optional<QString> odmowa = dateYearRefusal(pole->text(), *dataRobocza)) {
            PokazInfo(*odmowa, kInformationTitle);
            pole->clear();
        }
    }
    NastepnePole();
}

void pickFieldHour(QWidget& okno, QLineEdit* pole, const QWidget* przycisk)
{
    FormZegar& zegar = FormZegar::instance();
    const int lewa = okno.mapToGlobal(inWindow(okno, przycisk)).x() - zegar.width() / 2;
    zegar.move(lewa, zegar.y());
    pole->setText(ui::currentTime().toString(QStringLiteral("hh:mm")));
    QString tekst = pole->text();
    pole->setText(WybierzGodzine(tekst));
    NastepnePole();
}

} // namespace trelimor
