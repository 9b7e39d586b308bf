#include "FormZlew.h"

#include "CommonFields.h"
#include "HiddenCommands.h"

#include "common/MaskedEdit.h"
#include "common/Messages.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace trelimor {

namespace {

const QString kCode = QStringLiteral("MEBKod");
const QString kDefault = QStringLiteral("CheckDomyslny");

// The code as typed: the mask's prompts and the blanks around it left out.
QString typedCode(const FrameValues& v)
{
    return QString(v.text(kCode)).remove(MaskedEdit::PromptChar).trimmed();
}

std::vector<FieldDef> fields()
{
    FieldDef code{QStringLiteral("WNI"), kCode, BoxKind::Masked, QStringLiteral("WNI")};
    code.mask = QStringLiteral("########");
    code.maskOnLoad = MaskOnLoad::DropAlways;
    code.maxLength = 8;
    code.trim = true;
    FieldDef type{QStringLiteral("TypWNI"), QStringLiteral("ComboTypWNI"), BoxKind::Combo};
    type.sameRow = true;
    type.items = {QStringLiteral("zakładu ubojowego"), QStringLiteral("zakładu utylizacyjnego"),
                  QStringLiteral("zbiornicy padliny"), QStringLiteral("gospodarstwa*")};
    FieldDef name{QStringLiteral("Nazwa"), QStringLiteral("TextNazwa"), BoxKind::Line,
                  QStringLiteral("Nazwa")};
    FieldDef voivodeship{QStringLiteral("Wojewodztwo"), QStringLiteral("ComboWoj"), BoxKind::Combo,
                         QStringLiteral("Województwo")};
    voivodeship.items = voivodeshipNames();
    voivodeship.cut = 50;
    FieldDef county{QStringLiteral("Powiat"), QStringLiteral("TextPowiat"), BoxKind::Line,
                    QStringLiteral("Powiat")};
    county.tooltip = QStringLiteral("Wpisz nazwę miasta np. Kraków");
    county.cut = 50;
    FieldDef countyCode{QStringLiteral("KodPIW"), QStringLiteral("TextKodPIW"), BoxKind::Line};
    countyCode.sameRow = true;
    countyCode.maxLength = 4;
    countyCode.suffix = QStringLiteral("/4-cyfrowy kod PIW/");
    FieldDef isDefault{QStringLiteral("Domyslny"), kDefault, BoxKind::Check,
                       QStringLiteral("Ustaw jako domyślny")};
    isDefault.tooltip =
        QStringLiteral("Jeśli zaznaczone, WNI będzie wstawiane automatycznie przy każdej nowej partii!");
    isDefault.save = SaveRule::ExclusiveFlag;
    return {code,
            type,
            name,
            postalCodeField(QStringLiteral("Kod pocztowy")),
            townField(QStringLiteral("TextMiejsc")),
            streetField(),
            phoneField(),
            emailField(30, false),
            voivodeship,
            county,
            countyCode,
            remarksField(),
            isDefault};
}

} // namespace

std::vector<Check> FormZlew::checks()
{
    return {
        checkThat([](const FrameValues& v) { return typedCode(v).isEmpty(); }, kCode,
                  QStringLiteral("Wpisz numer WNI zakładu!")),
        // A new code is typed into its eight digit positions; a code with positions left empty
        // would be stored with the prompts in it.
        checkThat(
            [](const FrameValues& v) {
                return v.isNew && v.text(kCode).trimmed().contains(MaskedEdit::PromptChar);
            },
            kCode, QStringLiteral("Numer WNI zakładu musi mieć 8 cyfr!")),
        emptyCheck(QStringLiteral("ComboTypWNI"), QStringLiteral("Wybierz z listy rozwijanej typ WNI!")),
        emptyCheck(QStringLiteral("TextNazwa"), QStringLiteral("Wpisz nazwę zakładu!")),
        emptyCheck(QStringLiteral("ComboWoj"), QStringLiteral("Wybierz z listy rozwijanej województwo!")),
        // The first establishment is always the default one, even when a later check refuses.
        adjustment([](FrameValues& v) {
            if (v.rowCount == 0)
                v.setTicked(kDefault, true);
        }),
        emptyCheck(QStringLiteral("TextKodPIW"), QStringLiteral("Wprowadź 4-cyfrowy kod powiatu!")),
    };
}

RegisterConfig FormZlew::configuration()
{
    RegisterConfig c;
    c.windowName = QStringLiteral("FormZlew");
    c.caption = QStringLiteral("Zakłady");
    c.heading = {QStringLiteral("LabelTytul"), QStringLiteral("OPERACJE NA ZAKŁADACH"), {}};
    c.table = QStringLiteral("ZAKLAD");
    useEstablishmentLayout(c, QStringLiteral("WNI"));
    c.columns = {{QStringLiteral("WNI"), QStringLiteral("WNI")},
                 {QStringLiteral("NAZWA"), QStringLiteral("Nazwa")},
                 {QStringLiteral("Domyślny"), QStringLiteral("Domyslny")},
                 {QStringLiteral("MIASTO"), QStringLiteral("Miasto")},
                 {QStringLiteral("ULICA"), QStringLiteral("Ulica")},
                 {QStringLiteral("TELEFON"), QStringLiteral("Telefon")},
                 {QStringLiteral("WOJEWÓDZTWO"), QStringLiteral("Wojewodztwo")},
                 {QStringLiteral("Kod PIW"), QStringLiteral("KodPIW")},
                 {QStringLiteral("POWIAT"), QStringLiteral("Powiat")}};

    c.newCaption = QStringLiteral("NOWY ZAKŁAD");
    c.correctionCaption = QStringLiteral("KOREKTA ZAKŁADU");
    c.fields = fields();
    c.extraButtons = {
        {{QStringLiteral("ComZlewProd"), QStringLiteral("&Wczytaj"), {}},
         false,
         [](RegisterWindow&) {
             ui::plainMessage(QStringLiteral(
                 "Wczytanie pliku będzie możliwe po uzgodnieniu z programistą struktury pliku!"));
         }},
        {{QStringLiteral("Command1"), QStringLiteral("Command1"), {}},
         false,
         [](RegisterWindow&) { sprawdzPolaczenie(); }},
    };
    c.key = {QStringLiteral("WNI"), kCode, KeyProposal::Typed, {}, true};
    c.checks = checks();
    c.duplicate = DuplicateTest{
        QStringLiteral("WNI"),
        kCode,
        true,
        [](const FrameValues&) { return QStringLiteral("Zakład o podanym kodzie już istnieje!"); },
        QStringLiteral("ZAPISYWANIE"),
        ui::Icon::Warning,
        kCode};
    c.saveErrorTitle = QStringLiteral("Zapis zakładu");
    c.deletion.question = QStringLiteral("Czy na pewno usunąć zakład?");
    c.deletion.title = kDeletionTitle;
    return c;
}

FormZlew::FormZlew()
    : RegisterWindow(configuration())
{
    // The wait notice of a list import; no operation of this window shows it.
    auto* wait = new QFrame(this);
    wait->setObjectName(QStringLiteral("FrameCzekaj"));
    wait->setFrameShape(QFrame::Box);
    auto* layout = new QVBoxLayout(wait);
    layout->addWidget(new QLabel(QStringLiteral("Wczytywanie danych. Proszę czekać ..."), wait));
    wait->hide();
}

} // namespace trelimor
