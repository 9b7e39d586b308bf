#include "InspectorateRegister.h"

#include "CommonFields.h"
#include "EstablishmentImport.h"
#include "HiddenCommands.h"
#include "RegisterWindow.h"

#include "common/MaskedEdit.h"

namespace trelimor {

namespace {

const QString kCode = QStringLiteral("MEBKod");

std::vector<FieldSpec> fields(const InspectorateKind& kind)
{
    FieldSpec code{kind.keyField, kCode, BoxKind::Masked, QStringLiteral("Kod")};
    code.maxLength = 8;
    code.suffix = kind.keySuffix;
    code.save = SaveRule::NewRowOnly;
    code.trim = true;
    FieldSpec name{QStringLiteral("Nazwa"), QStringLiteral("TextNazwa"), BoxKind::Line,
                   QStringLiteral("Nazwa")};
    std::vector<FieldSpec> list{code,
                                name,
                                postalCodeField(kind.postalLabel),
                                townField(QStringLiteral("TextMiejsc")),
                                streetField(),
                                phoneField(),
                                emailField(0, true),
                                remarksField()};
    if (kind.locativeTown) {
        FieldSpec town{QStringLiteral("W"), QStringLiteral("TextW"), BoxKind::Line,
                       QStringLiteral("Powiatowy Lekarz Weterynarii w:")};
        town.tooltip = QStringLiteral(
            "Wpisz miejscowość w formie odmienionej występującej na sprawozdaniu np. Krakowie");
        town.trim = true;
        list.push_back(town);
    }
    return list;
}

} // namespace

RegisterConfig inspectorateConfiguration(const InspectorateKind& kind)
{
    RegisterConfig c;
    c.windowName = kind.windowName;
    c.caption = QStringLiteral("PIW");
    c.heading = {QStringLiteral("LabelTytul"), kind.heading, {}};
    c.table = kind.table;
    c.dataControl = QStringLiteral("DataZlew");
    c.grid = QStringLiteral("DBGridZlew");
    c.columns = {{kind.keyCaption, kind.keyField},
                 {QStringLiteral("Nazwa"), QStringLiteral("Nazwa")},
                 {QStringLiteral("Kod"), QStringLiteral("KodPocztowy")},
                 {QStringLiteral("Miasto"), QStringLiteral("Miasto")},
                 {QStringLiteral("Ulica"), QStringLiteral("Ulica")},
                 {QStringLiteral("Telefon"), QStringLiteral("Telefon")},
                 {QStringLiteral("Email"), QStringLiteral("Email")},
                 {QStringLiteral("Uwagi"), QStringLiteral("Uwagi")}};

    c.frame = QStringLiteral("FramZlewnia");
    c.newCaption = kind.newCaption;
    c.correctionCaption = kind.correctionCaption;
    c.fields = fields(kind);
    c.save = {QStringLiteral("ComZlewZap"), QStringLiteral("Z&apisz"), {}};
    c.cancel = {QStringLiteral("ComZlewRez"), QStringLiteral("&Anuluj"), {}};
    c.focusOnAdd = kCode;
    c.focusOnCorrection = QStringLiteral("TextNazwa");

    c.add = {QStringLiteral("ComZlewDod"), QStringLiteral("&Dodaj"),
             QStringLiteral("Dodaj nową zlewnię do zakładu")};
    c.correct = {QStringLiteral("ComZlewKor"), QStringLiteral("&Popraw"),
                 QStringLiteral("Popraw dane o zlewni")};
    c.remove = {QStringLiteral("ComZlewKas"), QStringLiteral("&Usuń"),
                QStringLiteral("Skasuj dane o zlewni")};
    c.close = {QStringLiteral("ComZlewZamk"), QStringLiteral("&Zamknij"), QStringLiteral("Zamknij okno ")};
    c.search.kind = SearchKind::Positioning;
    c.search.button = {QStringLiteral("ComZlewSzuk"), QStringLiteral("&Szukaj"),
                       QStringLiteral("Szukaj nazwy")};
    c.search.keyField = kind.keyField;
    c.extraButtons = {
        {{QStringLiteral("ComZlewProd"), QStringLiteral("&Wczytaj"),
          QStringLiteral("Lista producentów mleka")},
         false,
         [](RegisterWindow& window) { wczytajListeZakladow(window); }},
        {{QStringLiteral("Command1"), QStringLiteral("Command1"), {}},
         false,
         [](RegisterWindow&) { sprawdzPolaczenie(); }},
    };
    c.locked = {QStringLiteral("ComZlewZamk"), QStringLiteral("ComZlewKor"),  QStringLiteral("ComZlewKas"),
                QStringLiteral("ComZlewDod"),  QStringLiteral("ComZlewSzuk"), QStringLiteral("DataZlew"),
                QStringLiteral("DBGridZlew")};
    const QString byCode = QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(kind.table, kind.keyField);
    const QString byName =
        QStringLiteral("SELECT * FROM %1 ORDER BY Nazwa, %2").arg(kind.table, kind.keyField);
    c.orderings = {
        {{QStringLiteral("OptionK"), QStringLiteral("Wg kodów"), {}}, byCode, kind.keyField},
        {{QStringLiteral("OptionN"), QStringLiteral("Wg nazwy"), {}}, byName, QStringLiteral("NAZWA")}};

    c.key = {kind.keyField, kCode, KeyProposal::Typed, {}, false};
    if (kind.numericKey)
        c.checks = {
            notNumericCheck(kCode, QStringLiteral("Kod powiatu powinien być wartością numeryczną! Popraw!"))};
    const QString duplicateText = kind.duplicateText;
    c.duplicate = DuplicateTest{kind.keyField,
                                kCode,
                                false,
                                [duplicateText](const FrameValues&) { return duplicateText; },
                                QStringLiteral("ZAPISYWANIE"),
                                ui::Icon::Warning,
                                kCode};
    c.saveErrorTitle = kind.saveErrorTitle;
    c.deletion.question = kind.deleteQuestion;
    c.deletion.title = QStringLiteral("USUWANIE!");
    return c;
}

void addUnusedCodeBox(RegisterWindow& window)
{
    auto* box = new MaskedEdit(&window);
    box->setObjectName(QStringLiteral("MEBKod1"));
    box->hide();
}

} // namespace trelimor
