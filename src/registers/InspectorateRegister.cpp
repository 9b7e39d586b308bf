#include "InspectorateRegister.h"

#include "CommonFields.h"
#include "EstablishmentImport.h"
#include "HiddenCommands.h"
#include "RegisterWindow.h"

#include "common/MaskedEdit.h"
#include "common/Messages.h"

namespace trelimor {

namespace {

const QString kCode = QStringLiteral("MEBKod");

std::vector<FieldDef> fields(const InspectorateKind& kind)
{
    FieldDef code{kind.keyField, kCode, BoxKind::Masked, QStringLiteral("Kod")};
    code.maxLength = 8;
    code.suffix = kind.keySuffix;
    code.save = SaveRule::NewRowOnly;
    code.trim = true;
    FieldDef name{QStringLiteral("Nazwa"), QStringLiteral("TextNazwa"), BoxKind::Line,
                  QStringLiteral("Nazwa")};
    std::vector<FieldDef> list{code,
                               name,
                               postalCodeField(kind.postalLabel),
                               townField(QStringLiteral("TextMiejsc")),
                               streetField(),
                               phoneField(),
                               emailField(0, true),
                               remarksField()};
    if (kind.locativeTown) {
        FieldDef town{QStringLiteral("W"), QStringLiteral("TextW"), BoxKind::Line,
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
    useEstablishmentLayout(c, kind.keyField);
    c.add.tooltip = QStringLiteral("Dodaj nową zlewnię do zakładu");
    c.correct.tooltip = QStringLiteral("Popraw dane o zlewni");
    c.remove.tooltip = QStringLiteral("Skasuj dane o zlewni");
    c.search.button.tooltip = QStringLiteral("Szukaj nazwy");
    c.columns = {{kind.keyCaption, kind.keyField},
                 {QStringLiteral("Nazwa"), QStringLiteral("Nazwa")},
                 {QStringLiteral("Kod"), QStringLiteral("KodPocztowy")},
                 {QStringLiteral("Miasto"), QStringLiteral("Miasto")},
                 {QStringLiteral("Ulica"), QStringLiteral("Ulica")},
                 {QStringLiteral("Telefon"), QStringLiteral("Telefon")},
                 {QStringLiteral("Email"), QStringLiteral("Email")},
                 {QStringLiteral("Uwagi"), QStringLiteral("Uwagi")}};

    c.newCaption = kind.newCaption;
    c.correctionCaption = kind.correctionCaption;
    c.fields = fields(kind);
    c.extraButtons = {
        {{QStringLiteral("ComZlewProd"), QStringLiteral("&Wczytaj"),
          QStringLiteral("Lista producentów mleka")},
         false,
         [](RegisterWindow& window) { wczytajListeZakladow(window); }},
        {{QStringLiteral("Command1"), QStringLiteral("Command1"), {}},
         false,
         [](RegisterWindow&) { sprawdzPolaczenie(); }},
    };
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
    c.deletion.title = kDeletionTitle;
    return c;
}

void addUnusedCodeBox(RegisterWindow& window)
{
    auto* box = new MaskedEdit(&window);
    box->setObjectName(QStringLiteral("MEBKod1"));
    box->hide();
}

} // namespace trelimor
