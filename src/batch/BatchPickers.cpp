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

QString rok(const QString& tekst)
{
    const std::optional<QDate> data = dateFromText(tekst);
    return data ? QString::number(data->year()) : tekst.trimmed();
}

// Where a control lies in its window.
QPoint wOknie(const QWidget& okno, const QWidget* kontrolka)
{
    return kontrolka->mapTo(&okno, QPoint(0, 0));
}

} // namespace

std::optional<QString> odmowaRokuDaty(const QString& data, const QString& dataRobocza)
{
    if (rok(data) == rok(dataRobocza))
        return std::nullopt;
    return QStringLiteral("Wybrany rok: ") + data +
           QStringLiteral(" jest niezgodny z datą ustawioną w programie!\rWybierz datę ponownie!");
}

void wybierzDatePola(QWidget& okno, QLineEdit* pole, const QWidget* przycisk,
                     const std::optional<QString>& dataRobocza)
{
    // Under the button, two button heights down, from the field's left edge.
    const QPoint miejsce(wOknie(okno, pole).x(), wOknie(okno, przycisk).y() + 2 * przycisk->height());
    FormKalendarz1::instance().move(okno.mapToGlobal(miejsce));
    QString tekst = pole->text();
    pole->setText(dateText(WybierzDate1(tekst, QString())));
    if (dataRobocza) {
        if (const std::optional<QString> odmowa = odmowaRokuDaty(pole->text(), *dataRobocza)) {
            PokazInfo(*odmowa, kInformationTitle);
            pole->clear();
        }
    }
    NastepnePole();
}

void wybierzGodzinePola(QWidget& okno, QLineEdit* pole, const QWidget* przycisk)
{
    FormZegar& zegar = FormZegar::instance();
    const int lewa = okno.mapToGlobal(wOknie(okno, przycisk)).x() - zegar.width() / 2;
    zegar.move(lewa, zegar.y());
    pole->setText(ui::currentTime().toString(QStringLiteral("hh:mm")));
    QString tekst = pole->text();
    pole->setText(WybierzGodzine(tekst));
    NastepnePole();
}

} // namespace trelimor
