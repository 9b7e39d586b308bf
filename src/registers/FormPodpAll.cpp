#include "FormPodpAll.h"

#include "RegisterFrame.h"

#include "common/Messages.h"
#include "common/TextHelpers.h"

#include "platform/ui/WindowOpener.h"

#include <QLabel>
#include <QLineEdit>

namespace trelimor {

namespace {

const QString kKindValue = QStringLiteral("LabelTyp");

bool isNumericKind(const QString& kind)
{
    return kind == u"byte" || kind == u"integer" || kind == u"single";
}

} // namespace

RegisterConfig FormPodpAll::configuration()
{
    RegisterConfig c;
    c.windowName = QStringLiteral("FormPodpAll");
    c.caption = QStringLiteral("Definicje");
    c.heading = {QStringLiteral("LabelOpis"), QStringLiteral("PODPOWIEDZI DO "), {}};
    c.dataControl = QStringLiteral("DataPodp");
    c.grid = QStringLiteral("DBGridPodp");
    c.columns = {{QStringLiteral("Nr"), QStringLiteral("ID")},
                 {QStringLiteral("Wartość"), QStringLiteral("Wartosc")}};

    c.frame = QStringLiteral("FrmEdycja");
    c.newCaption = QStringLiteral("Nowa pozycja");
    c.correctionCaption = QStringLiteral("Edycja");
    FieldDef number{QStringLiteral("ID"), QStringLiteral("TxtNr"), BoxKind::Line, QStringLiteral("Numer:")};
    number.maxLength = 10;
    number.trim = true;
    FieldDef value{QStringLiteral("Wartosc"), QStringLiteral("TextWartosc"), BoxKind::Line,
                   QStringLiteral("Wartość:")};
    value.trim = true;
    c.fields = {number, value};
    c.save = {QStringLiteral("ComZapisz"), QStringLiteral("&Zapisz"), QStringLiteral("Zapisz zmiany")};
    c.cancel = {QStringLiteral("ComAnuluj"), QStringLiteral("&Anuluj"), QStringLiteral("Anuluj zmiany")};
    c.focusOnAdd = QStringLiteral("TextWartosc");
    c.focusOnCorrection = QStringLiteral("TxtNr");

    c.add = {QStringLiteral("ComDodaj"), QStringLiteral("&Dodaj"), {}};
    c.correct = {QStringLiteral("ComPopraw"), QStringLiteral("&Popraw"), {}};
    c.remove = {QStringLiteral("ComUsun"), QStringLiteral("&Usuń"), {}};
    c.close = {QStringLiteral("ComZamk"), QStringLiteral("&Zamknij"), QStringLiteral("Zamknij okno")};
    // Only the four buttons: the grid stays usable, and a correction still writes the row it
    // was opened on.
    c.locked = {QStringLiteral("ComDodaj"), QStringLiteral("ComUsun"), QStringLiteral("ComPopraw"),
                QStringLiteral("ComZamk")};

    c.key = {QStringLiteral("ID"), QStringLiteral("TxtNr"), KeyProposal::CountPlusOne, {}, true};
    c.correctBeepsWhenEmpty = false;
    c.checks = {blankCheck(QStringLiteral("TxtNr"), QStringLiteral("Wpisz kolejny nr!")),
                notNumericCheck(QStringLiteral("TxtNr"),
                                QStringLiteral("Wartość w polu Numer nie jest cyfrą. Popraw!")),
                checkThat(
                    [](const FrameValues& v) {
                        const QString typed = v.text(QStringLiteral("TextWartosc"));
                        return isNumericKind(v.text(kKindValue)) && !typed.isEmpty() && !isNumeric(typed);
                    },
                    QStringLiteral("TextWartosc"),
                    QStringLiteral("Wartość w polu wartość nie jest cyfrą. Popraw!"))};
    c.hooks.windowValues = [](const RegisterWindow& window, FrameValues& values) {
        values.setText(kKindValue, static_cast<const FormPodpAll&>(window).LabelTyp->text());
    };
    c.saveErrorTitle = QStringLiteral("Zapisz");
    c.deletion.question = QStringLiteral("Czy na pewno usunąć zaznaczoną pozycję?");
    c.deletion.title = kQuestionTitle;
    return c;
}

FormPodpAll::FormPodpAll()
    : RegisterWindow(configuration())
    , LabelOpis(findChild<QLabel*>(QStringLiteral("LabelOpis")))
    , LabelTyp(new QLabel(this))
    , TextWartosc(qobject_cast<QLineEdit*>(frame().box(QStringLiteral("TextWartosc"))))
{
    LabelTyp->setObjectName(kKindValue);
    LabelTyp->hide();
}

void otworzJednostkiMiary()
{
    FormPodpAll& window = FormPodpAll::instance();
    window.LabelOpis->setText(QStringLiteral("JEDNOSTKA MIARY"));
    window.LabelTyp->setText(QStringLiteral("string"));
    window.TextWartosc->setMaxLength(5);
    window.bindRecords(QStringLiteral("SELECT * FROM Miara ORDER BY ID"));
    ui::openModal(window);
}

} // namespace trelimor
