#include "FormLekarz.h"

#include "CommonFields.h"
#include "RegisterFrame.h"

#include "common/DataControl.h"
#include "common/Messages.h"
#include "common/ModLabor.h"

namespace trelimor {

namespace {

const QString kKeyOrder = QStringLiteral("SELECT * FROM Lekarz ORDER BY IDLekarz");

} // namespace

RegisterConfig FormLekarz::configuration()
{
    RegisterConfig c;
    c.windowName = QStringLiteral("FormLekarz");
    c.caption = QStringLiteral("Lekarz");
    c.heading = {QStringLiteral("LabelTytul"), QStringLiteral("INFORMACJE O LEKARZACH"), {}};
    c.table = QStringLiteral("Lekarz");
    c.dataControl = QStringLiteral("DataLekarz");
    c.grid = QStringLiteral("DBGridLekarz");
    for (const char* field : {"IDLekarz", "Nazwa", "Imie", "Nazwisko", "KodPocztowy", "Miasto", "Ulica",
                              "Telefon", "Email", "Uwagi"})
        c.columns.append({QString::fromLatin1(field), QString::fromLatin1(field)});

    c.frame = QStringLiteral("FrameLabor");
    c.newCaption = QStringLiteral("NOWY LEKARZ");
    c.correctionCaption = QStringLiteral("KOREKTA LEKARZA");
    FieldDef id = lineField(QStringLiteral("IDLekarz"), QStringLiteral("TextID"), QStringLiteral("Kod"), 10);
    id.readOnly = true;
    id.save = SaveRule::NewRowOnly;
    FieldDef county =
        lineField(QStringLiteral("KodPIW"), QStringLiteral("TextKodPIW"), QStringLiteral("Kod PIW"), 4);
    county.tooltip = QStringLiteral("4 cyfrowy kod powiatu");
    c.fields = {
        id,
        county,
        lineField(QStringLiteral("Nazwa"), QStringLiteral("TextNazwa"), QStringLiteral("Nazwa")),
        lineField(QStringLiteral("Imie"), QStringLiteral("TextImie"), QStringLiteral("Imię")),
        lineField(QStringLiteral("Nazwisko"), QStringLiteral("TextNazwisko"), QStringLiteral("Nazwisko")),
        postalCodeField(QStringLiteral("Poczta")),
        townField(QStringLiteral("TextMiasto")),
        streetField(),
        phoneField(),
        emailField(30, false),
        remarksField()};
    c.save = {QStringLiteral("ComLaborZap"), QStringLiteral("Z&apisz"), {}};
    c.cancel = {QStringLiteral("ComLaborRez"), QStringLiteral("&Anuluj"), {}};
    c.focusOnAdd = c.focusOnCorrection = QStringLiteral("TextKodPIW");

    c.add = {QStringLiteral("ComLaborDod"), QStringLiteral("&Dodaj"), {}};
    c.correct = {QStringLiteral("ComLaborKor"), QStringLiteral("&Popraw"), {}};
    c.remove = {QStringLiteral("ComLaborKas"), QStringLiteral("&Usuń"), {}};
    c.close = {QStringLiteral("ComLaborZamk"), QStringLiteral("&Zamknij"), QStringLiteral("Zamknij okno ")};
    c.extraButtons = {{{QStringLiteral("ComKopiuj"), QStringLiteral("&Kopiuj"),
                        QStringLiteral("Nowy lekarz na podstawie istniejących danych")},
                       true,
                       [](RegisterWindow& window) { static_cast<FormLekarz&>(window).kopiuj(); }}};
    c.locked = {QStringLiteral("ComLaborZamk"), QStringLiteral("ComLaborKor"),
                QStringLiteral("ComLaborKas"),  QStringLiteral("ComLaborDod"),
                QStringLiteral("DataLekarz"),   QStringLiteral("DBGridLekarz")};

    c.key = {QStringLiteral("IDLekarz"), QStringLiteral("TextID"), KeyProposal::LastPlusOne, kKeyOrder,
             false};
    c.saveErrorTitle = QStringLiteral("Zapis lekarza");
    c.deletion.question = QStringLiteral("Czy na pewno usunąć zaznaczone Lekarz?");
    c.deletion.title = kQuestionTitle;
    // The batch window never asks for a veterinarian through this window: nothing stores
    // "PartiaLekarz", and its pick action does nothing.
    c.hooks.close = pickInsteadOfClosingIn(QStringLiteral("PartiaLekarz"));
    return c;
}

FormLekarz::FormLekarz()
    : RegisterWindow(configuration())
{}

void FormLekarz::kopiuj()
{
    if (dataControl().recordCount() == 0) {
        ui::dialogs().beep();
        return;
    }
    try {
        frame().load(dataControl().recordset());
        frame().setText(QStringLiteral("TextImie"), {});
        frame().setText(QStringLiteral("TextNazwisko"), {});
        // The number comes from a recordset of its own: the grid keeps its order.
        db::Recordset keys = ModLabor().BazaStale.openRecordset(kKeyOrder);
        frame().setText(QStringLiteral("TextID"), keyAfterLast(keys, QStringLiteral("IDLekarz")));
        openFrame(true, QStringLiteral(" NOWY LEKARZ NA PODSTAWIE KOPII "), QStringLiteral("TextImie"));
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Kopiuj"), e);
    }
}

} // namespace trelimor
