#include "FormGatunek.h"

#include "CommonFields.h"

#include "common/Messages.h"

namespace trelimor {

RegisterConfig FormGatunek::configuration()
{
    RegisterConfig c;
    c.windowName = QStringLiteral("FormGatunek");
    c.caption = QStringLiteral("Gatunek");
    c.table = QStringLiteral("Gatunek");
    c.dataControl = QStringLiteral("DataGatunek");
    c.grid = QStringLiteral("DBGridGatunek");
    c.columns = {{QStringLiteral("Nr"), QStringLiteral("IDGatunek")},
                 {QStringLiteral("Nazwa"), QStringLiteral("NazGatunek")},
                 {QStringLiteral("Kod cLAB"), QStringLiteral("KodcLab")},
                 {QStringLiteral("Nazwa cLAB"), QStringLiteral("NazcLab")},
                 {QStringLiteral("Uwagi"), QStringLiteral("Uwagi")}};

    c.frame = QStringLiteral("FrameGatunek");
    c.newCaption = QStringLiteral(" NOWY GATUNEK ");
    c.correctionCaption = QStringLiteral(" KOREKTA GATUNKU ");
    FieldDef id{QStringLiteral("IDGatunek"), QStringLiteral("TextID"), BoxKind::Line,
                QStringLiteral("Numer")};
    id.readOnly = true;
    id.maxLength = 10;
    id.save = SaveRule::NewRowOnly;
    FieldDef name{QStringLiteral("NazGatunek"), QStringLiteral("TextNazwa"), BoxKind::Line,
                  QStringLiteral("Nazwa Gatunku")};
    name.maxLength = 50;
    name.trim = true;
    FieldDef code{QStringLiteral("KodcLAB"), QStringLiteral("TextKodcLab"), BoxKind::Line,
                  QStringLiteral("Kod cLAB")};
    code.maxLength = 20;
    code.trim = true;
    FieldDef labName{QStringLiteral("NazcLAB"), QStringLiteral("TextNazcLab"), BoxKind::Line,
                     QStringLiteral("Nazwa cLAB")};
    labName.maxLength = 200;
    labName.trim = true;
    c.fields = {id, name, code, labName, remarksField(QStringLiteral("UWAGI"))};
    c.save = {QStringLiteral("ComZapisz"), QStringLiteral("Z&apisz"), QStringLiteral("Zapisz zmiany")};
    c.cancel = {QStringLiteral("ComAnuluj"), QStringLiteral("&Anuluj"),
                QStringLiteral("Zrezygnuj z zapisania zmian")};
    c.focusOnAdd = c.focusOnCorrection = QStringLiteral("TextNazwa");
    c.enterMovesOn = {QStringLiteral("TextNazwa")};

    c.add = {QStringLiteral("ComDodaj"), QStringLiteral("&Dodaj"), {}};
    c.correct = {QStringLiteral("ComPopraw"), QStringLiteral("&Popraw"), {}};
    c.remove = {QStringLiteral("ComUsun"), QStringLiteral("&Usuń"), {}};
    c.close = {QStringLiteral("ComZamknij"), QStringLiteral("&Zamknij"), {}};
    c.locked = {QStringLiteral("ComDodaj"),   QStringLiteral("ComUsun"),     QStringLiteral("ComPopraw"),
                QStringLiteral("ComZamknij"), QStringLiteral("DataGatunek"), QStringLiteral("DBGridGatunek")};

    c.key = {QStringLiteral("IDGatunek"), QStringLiteral("TextID"), KeyProposal::LastPlusOne,
             QStringLiteral("SELECT * FROM Gatunek ORDER BY IDGatunek"), false};
    c.duplicate = alreadyExists(QStringLiteral("NazGatunek"), QStringLiteral("TextNazwa"), false,
                                QStringLiteral("Pozycja: "), QStringLiteral("TextNazwa"), true);
    c.saveErrorTitle = QStringLiteral("Zapis gatunku");
    c.deletion.question = QStringLiteral("Czy usunąć Gatunek: ");
    c.deletion.questionField = QStringLiteral("NazGatunek");
    c.deletion.title = kQuestionTitle;
    c.deletion.lockWhileAsking = true;
    c.deletion.beepWhenEmpty = true;
    c.deletion.beepAfterDelete = true;
    c.deletion.refreshAfter = false;
    return c;
}

FormGatunek::FormGatunek()
    : RegisterWindow(configuration())
{}

} // namespace trelimor
