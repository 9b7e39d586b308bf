#include "FormKlient.h"

#include "CommonFields.h"
#include "RegisterFrame.h"

#include "common/DataControl.h"
#include "common/Dates.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/TableHelpers.h"

#include "platform/ui/WindowOpener.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace trelimor {

namespace {

const QString kNumber = QStringLiteral("TextWNI");
const QString kCountyCode = QStringLiteral("TextKodPIW");
const QString kVoivodeshipLabel = QStringLiteral("LabIDWOJ");
const QString kCountyLabel = QStringLiteral("LabIDPIW");
const QString kBySurname = QStringLiteral("SELECT * FROM Klient ORDER BY Nazwisko");
const QString kNameTooltip = QStringLiteral("Wpisz nazwę lub imię i nazwisko");
const QString kHints = QStringLiteral("Frame1");

FieldDef combo(const QString& field, const QString& box, const QString& label, const QStringList& items)
{
    FieldDef f{field, box, BoxKind::Combo, label};
    f.items = items;
    return f;
}

FieldDef nextTo(FieldDef f)
{
    f.sameRow = true;
    return f;
}

FieldDef hint(FieldDef f)
{
    f.group = kHints;
    f.groupCaption = QStringLiteral("Podpowiedzi do protokołu pobrania próbki:");
    return f;
}

std::vector<FieldDef> fields()
{
    FieldDef kind =
        combo(QStringLiteral("TypWNI"), QStringLiteral("ComboTypWNI"), QStringLiteral("Rodzaj klienta"),
              {QStringLiteral("zakład ubojowy"), QStringLiteral("siedziba stada"),
               QStringLiteral("obwód łowiecki")});
    kind.trim = true;
    FieldDef name =
        lineField(QStringLiteral("Nazwa"), QStringLiteral("TextNazwa"), QStringLiteral("Nazwa"), 100);
    FieldDef surname =
        lineField(QStringLiteral("Nazwisko"), QStringLiteral("TextNazwisko"), QStringLiteral("Nazwisko"), 30);
    FieldDef firstName =
        nextTo(lineField(QStringLiteral("Imie"), QStringLiteral("TextImie"), QStringLiteral("Imię"), 30));
    name.tooltip = surname.tooltip = firstName.tooltip = kNameTooltip;
    FieldDef town = lineField(QStringLiteral("Miejscowosc"), QStringLiteral("TextMiejscowosc"),
                              QStringLiteral("Miejscowość"), 30, true);
    town.tooltip = QStringLiteral("Wpisz tylko nazwę miejscowości");
    FieldDef street = lineField(QStringLiteral("NrPosesja"), QStringLiteral("TextNrPosesja"),
                                QStringLiteral("Ulica/Nr posesji"), 50, true);
    street.tooltip =
        QStringLiteral("Wpisz ulicę oraz numer lub tylko numer posesji jeżeli adres nie posiada ulicy");
    FieldDef postOffice = nextTo(lineField(QStringLiteral("Poczta"), QStringLiteral("TextPoczta"),
                                           QStringLiteral("Poczta"), 30, true));
    postOffice.tooltip = QStringLiteral("Wpisz nazwę miejscowości stosowną do kodu pocztowego");
    FieldDef voivodeshipCode{QStringLiteral("KodWoj"), kVoivodeshipLabel, BoxKind::Label};
    voivodeshipCode.sameRow = true;
    voivodeshipCode.nullUnlessNumeric = true;
    FieldDef countyCode =
        nextTo(lineField(QStringLiteral("KodPIW"), kCountyCode, QStringLiteral("Kod PIW"), 4, true));
    countyCode.tooltip = QStringLiteral("4-cyfrowy kod poiwatu");
    countyCode.nullUnlessNumeric = true;
    // Shows the code of the chosen county; the code stored is the box's.
    FieldDef countyLabel{QString(), kCountyLabel, BoxKind::Label};
    countyLabel.sameRow = true;
    FieldDef phone = phoneField();
    phone.label = QStringLiteral("Telefon");
    phone.maxLength = 15;
    FieldDef mail = emailField(0, true);
    mail.label = QStringLiteral("E-mail");
    mail.maxLength = 100;
    FieldDef herdSize =
        hint(lineField(QStringLiteral("LiczebnoscStada"), QStringLiteral("TextLiczebnoscStada"),
                       QStringLiteral("Liczebność stada"), 6));
    herdSize.nullUnlessNumeric = true;
    return {kind,
            lineField(QStringLiteral("WNI"), kNumber, QStringLiteral("WNI"), 16),
            name,
            surname,
            firstName,
            town,
            street,
            postalCodeField(QStringLiteral("Kod pocztowy")),
            postOffice,
            combo(QStringLiteral("Wojewodztwo"), QStringLiteral("ComboWoj"), QStringLiteral("Województwo"),
                  voivodeshipNames()),
            voivodeshipCode,
            combo(QStringLiteral("Powiat"), QStringLiteral("ComboPIW"), QStringLiteral("Powiat"), {}),
            countyCode,
            countyLabel,
            lineField(QStringLiteral("Gmina"), QStringLiteral("TextGmina"), QStringLiteral("Gmina"), 50),
            phone,
            mail,
            hint(combo(QStringLiteral("ObjawyChorobowe"), QStringLiteral("ComboObjawyChorobowe"),
                       QStringLiteral("Objawy chorobowe"),
                       {QStringLiteral("brak"), QStringLiteral("brak danych"), QStringLiteral("gorączka"),
                        QStringLiteral("nie dotyczy"), QStringLiteral("nieswoiste"),
                        QStringLiteral("ronienie"), QStringLiteral("typowe"),
                        QStringLiteral("zapalenie gruczołu mlekowego"), QStringLiteral("zapalenie płuc"),
                        QStringLiteral("zapalenie stawów"), QStringLiteral("zapalenie zatok")})),
            hint(combo(
                QStringLiteral("Uzytkowosc"), QStringLiteral("ComboUzytkowosc"), QStringLiteral("Użytkowość"),
                {QStringLiteral("mięsna"), QStringLiteral("mleczna"), QStringLiteral("nieśna"),
                 QStringLiteral("zwierzęta dzikie i wolnożyjące"), QStringLiteral("zwierzęta egzotyczne"),
                 QStringLiteral("zwierzęta ogólnoużytkowe"), QStringLiteral("zwierzęta towarzyszące")})),
            herdSize,
            remarksField()};
}

FormKlient& klient(RegisterWindow& window)
{
    return static_cast<FormKlient&>(window);
}

// Every showing by an opener starts from all clients by surname, searched by surname.
void firstActivation(RegisterWindow& window)
{
    window.selectOrdering(0);
    try {
        window.bindRecords(kBySurname);
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("KLIENT"), e);
    }
    if (QWidget* search = window.control(QStringLiteral("TextSzuk")))
        search->setFocus();
    if (auto* criterion = qobject_cast<QComboBox*>(window.control(QStringLiteral("ComboSzukajWg"))))
        criterion->setCurrentText(QStringLiteral("Nazwisko"));
}

// A correction shows the counties of the client's voivodeship, with the client's county.
void loaded(RegisterWindow& window, const db::Recordset& client)
{
    RegisterFrame& frame = window.frame();
    const QString voivodeship = frame.text(kVoivodeshipLabel);
    if (isNumeric(voivodeship)) {
        klient(window).wypelnijPowiaty(voivodeship);
        frame.setText(QStringLiteral("ComboPIW"), BezNullText(client.value(QStringLiteral("Powiat"))));
    }
    frame.setText(kCountyLabel, frame.text(kCountyCode));
}

} // namespace

std::vector<Check> FormKlient::checks()
{
    return {blankCheck(kNumber, QStringLiteral("Wpisz WNI!")),
            checkThat(
                [](const FrameValues& v) {
                    const QString code = v.text(kCountyCode);
                    return !code.isEmpty() && !isNumeric(code);
                },
                kCountyCode, QStringLiteral("Popraw kod PIW!")),
            blankCheck(QStringLiteral("TextMiejscowosc"), QStringLiteral("Wpisz miejscowość!"))};
}

RegisterConfig FormKlient::configuration()
{
    RegisterConfig c;
    c.windowName = QStringLiteral("FormKlient");
    c.caption = QStringLiteral("KLIENT");
    c.heading = {QStringLiteral("LabelTytul"), QStringLiteral("KARTOTEKA KLIENTÓW"), {}};
    c.table = QStringLiteral("Klient");
    c.dataControl = QStringLiteral("DataDane");
    c.grid = QStringLiteral("DBGridLekarz");
    c.columns = {{QStringLiteral("WNI"), QStringLiteral("WNI")},
                 {QStringLiteral("Nazwa"), QStringLiteral("Nazwa")},
                 {QStringLiteral("Nazwisko"), QStringLiteral("Nazwisko")},
                 {QStringLiteral("Imię"), QStringLiteral("Imie")},
                 {QStringLiteral("Miejscowość"), QStringLiteral("Miejscowosc")},
                 {QStringLiteral("Ulica/Nr posesji"), QStringLiteral("NrPosesja")},
                 {QStringLiteral("Gmina"), QStringLiteral("Gmina")},
                 {QStringLiteral("Województwo"), QStringLiteral("Wojewodztwo")},
                 {QStringLiteral("Kod PIW"), QStringLiteral("KodPIW")},
                 {QStringLiteral("Liczebność stada"), QStringLiteral("LiczebnoscStada")},
                 {QStringLiteral("Użytkowość"), QStringLiteral("Uzytkowosc")},
                 {QStringLiteral("Uwagi"), QStringLiteral("Uwagi")}};

    c.frame = QStringLiteral("FrameEdycja");
    c.newCaption = QStringLiteral(" NOWY KLIENT ");
    c.correctionCaption = QStringLiteral("KOREKTA KLIENTA");
    c.fields = fields();
    c.save = {QStringLiteral("ComZapisz"), QStringLiteral("Z&apisz"), {}};
    c.cancel = {QStringLiteral("ComAnuluj"), QStringLiteral("&Anuluj"), {}};
    c.focusOnAdd = kNumber;
    c.focusOnCorrection = QStringLiteral("ComAnuluj");

    c.add = {QStringLiteral("ComLaborDod"), QStringLiteral("&Dodaj"), {}};
    c.correct = {QStringLiteral("ComLaborKor"), QStringLiteral("&Popraw"), {}};
    c.remove = {QStringLiteral("ComLaborKas"), QStringLiteral("&Usuń"), {}};
    c.close = {QStringLiteral("ComLaborZamk"), QStringLiteral("&Zamknij"), QStringLiteral("Zamknij okno")};
    c.extraButtons = {{{QStringLiteral("ComUzyj"), QStringLiteral("&Pobierz"),
                        QStringLiteral("Wstawia dane zaznaczonego klienta do zlecenia")},
                       false,
                       [](RegisterWindow& window) { window.pick(); }}};
    c.locked = {QStringLiteral("ComLaborZamk"), QStringLiteral("ComLaborKor"),
                QStringLiteral("ComLaborKas"),  QStringLiteral("ComLaborDod"),
                QStringLiteral("DataDane"),     QStringLiteral("DBGridLekarz")};
    c.orderings = {{{QStringLiteral("OptionN"), QStringLiteral("Nazwisko"), {}}, kBySurname, {}},
                   {{QStringLiteral("OptionP"), QStringLiteral("WNI"), {}},
                    QStringLiteral("SELECT * FROM Klient ORDER BY WNI"),
                    {}}};
    c.orderingFrame = {QStringLiteral("FrameSort"), QStringLiteral("Sortuj według"), {}};
    c.search.kind = SearchKind::Filtering;
    c.search.criterion = {QStringLiteral("ComboSzukajWg"), QStringLiteral("Szukaj wg:"), {}};
    c.search.boxLabel = QStringLiteral("Znajdź:");
    c.search.criteria = {{QStringLiteral("WNI"), QStringLiteral("WNI")},
                         {QStringLiteral("Nazwa"), QStringLiteral("Nazwa")},
                         {QStringLiteral("Nazwisko"), QStringLiteral("Nazwisko")}};

    c.key = {QStringLiteral("WNI"), kNumber, KeyProposal::Typed, {}, true};
    c.checks = checks();
    c.duplicate = alreadyExists(QStringLiteral("WNI"), kNumber, true, QStringLiteral("Klient o numerze: "),
                                kNumber, true);
    c.saveErrorTitle = QStringLiteral("Zapis klienta");
    c.deletion.question = QStringLiteral("Czy na pewno usunąć zaznaczonego klienta?");
    c.deletion.title = kQuestionTitle;

    c.hooks.firstActivation = &firstActivation;
    c.hooks.loaded = &loaded;
    c.hooks.pick = [](RegisterWindow& window) { klient(window).pobierz(); };
    c.hooks.close = [](RegisterWindow& window) {
        klient(window).endPicking();
        return true;
    };
    return c;
}

FormKlient::FormKlient()
    : RegisterWindow(configuration())
    , LabelWPZ(new QLabel(this))
    , ComUzyj(findChild<QPushButton*>(QStringLiteral("ComUzyj")))
{
    LabelWPZ->setObjectName(QStringLiteral("LabelWPZ"));
    LabelWPZ->hide();
    const auto comboBox = [this](const char* name) {
        return qobject_cast<QComboBox*>(frame().box(QLatin1String(name)));
    };
    connect(comboBox("ComboWoj"), &QComboBox::activated, this, &FormKlient::wybranoWojewodztwo);
    connect(comboBox("ComboPIW"), &QComboBox::activated, this, &FormKlient::wybranoPowiat);
    connect(comboBox("ComboTypWNI"), &QComboBox::activated, this, [this] {
        QWidget* number = frame().box(kNumber);
        if (number->isEnabled())
            number->setFocus();
    });
}

QString FormKlient::ZnajdzMaxWNI() const
{
    db::Recordset clients =
        ModLabor().BazaStale.openRecordset(QStringLiteral("SELECT * FROM Klient ORDER BY WNI"));
    if (clients.recordCount() == 0)
        return {};
    clients.moveLast();
    return QString::number(BezNull(clients.value(QStringLiteral("WNI")), 0).toLongLong() + 1);
}

void FormKlient::wybranoWojewodztwo()
{
    const QString code = KodWojewodztwa(frame().text(QStringLiteral("ComboWoj")));
    frame().setText(kVoivodeshipLabel, code);
    wypelnijPowiaty(code);
}

void FormKlient::wypelnijPowiaty(const QString& voivodeshipCode)
{
    auto* counties = qobject_cast<QComboBox*>(frame().box(QStringLiteral("ComboPIW")));
    counties->clear();
    frame().setText(kCountyLabel, QString());
    // substr, not left(): LEFT is a keyword of SQLite.
    WypelnijCombo(
        counties, ModLabor().BazaStale,
        ZrodloTabeli(QStringLiteral("PIW"), QStringLiteral("substr(IDPIW, 1, 2) = ?"), {voivodeshipCode}),
        QStringLiteral("Miasto"));
}

void FormKlient::wybranoPowiat()
{
    auto* code = qobject_cast<QLabel*>(frame().box(kCountyLabel));
    PobierzOpis(code, ModLabor().BazaStale, QStringLiteral("PIW"), frame().text(QStringLiteral("ComboPIW")),
                QStringLiteral("Miasto"), QStringLiteral("IDPIW"));
    frame().setText(kCountyCode, code->text());
}

void FormKlient::startPicking(const ClientTarget& target, const QString& labelWPZ)
{
    m_target = target;
    m_copied = false;
    ComUzyj->show();
    LabelWPZ->setText(labelWPZ);
    ModLabor().TrybSlownika = kPickMode;
}

bool FormKlient::endPicking()
{
    ComUzyj->hide();
    LabelWPZ->clear();
    m_target.reset();
    if (ModLabor().TrybSlownika == kPickMode) {
        ModLabor().TrybSlownika.clear();
        // The flag was raised for this window's filling; left up, the batch window would take
        // it for its own first activation and fill itself again.
        ModLabor().PierwszaAktywacja = false;
    }
    return std::exchange(m_copied, false);
}

void FormKlient::pobierz()
{
    if (ModLabor().TrybSlownika != kPickMode)
        return;
    if (LabelWPZ->text() == u"W" && m_target) {
        if (dataControl().currentRow() < 0) { // no client shown (a search without a match)
            ui::dialogs().beep();
            return;
        }
        try {
            wstawKlienta(PickedClient::fromRecord(dataControl().recordset()), *m_target);
            m_copied = true;
        } catch (const std::exception& e) {
            PokazBlad(QStringLiteral("Pobierz"), e);
            return;
        }
    }
    const bool copied = m_copied;
    endPicking();
    m_copied = copied; // read by the picker once the window is closed
    ModLabor().PierwszaAktywacja = false;
    hide();
}

bool wybierzKlienta(const ClientTarget& target, const QString& labelWPZ)
{
    FormKlient& window = FormKlient::instance();
    ModLabor().PierwszaAktywacja = true;
    window.startPicking(target, labelWPZ);
    ui::openModal(window);
    // Whichever way the window was left, it is no picker any more.
    return window.endPicking();
}

} // namespace trelimor
