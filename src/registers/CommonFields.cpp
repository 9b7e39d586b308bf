#include "CommonFields.h"

#include "RegisterWindow.h"

#include "common/Messages.h"
#include "common/ModLabor.h"

namespace trelimor {

FieldDef lineField(const QString& field, const QString& box, const QString& label, int maxLength, bool trim)
{
    FieldDef f{field, box, BoxKind::Line, label};
    f.maxLength = maxLength;
    f.trim = trim;
    return f;
}

FieldDef postalCodeField(const QString& label)
{
    FieldDef f{QStringLiteral("KodPocztowy"), QStringLiteral("MEBKodPoczt"), BoxKind::Masked, label};
    f.mask = QStringLiteral("##-###");
    f.maskOnLoad = MaskOnLoad::DropWhenStored;
    f.maxLength = 6;
    f.save = SaveRule::WhenComplete;
    return f;
}

FieldDef townField(const QString& box)
{
    FieldDef f{QStringLiteral("Miasto"), box, BoxKind::Line, QStringLiteral("Miejscowość")};
    f.trim = true;
    f.cut = 50;
    return f;
}

FieldDef streetField()
{
    FieldDef f{QStringLiteral("Ulica"), QStringLiteral("TextAdres"), BoxKind::Line, QStringLiteral("Adres")};
    f.cut = 50;
    return f;
}

FieldDef phoneField()
{
    FieldDef f{QStringLiteral("Telefon"), QStringLiteral("TextTelefon"), BoxKind::Line,
               QStringLiteral("Telefon/e-mail")};
    f.trim = true;
    return f;
}

FieldDef emailField(int cut, bool trim)
{
    FieldDef f{QStringLiteral("Email"), QStringLiteral("TextMail"), BoxKind::Line, QStringLiteral("/")};
    f.sameRow = true;
    f.cut = cut;
    f.trim = trim;
    return f;
}

FieldDef remarksField(const QString& field)
{
    FieldDef f{field, QStringLiteral("TextUwagi"), BoxKind::MultiLine, QStringLiteral("Uwagi")};
    f.trim = true;
    return f;
}

void useEstablishmentLayout(RegisterConfig& c, const QString& keyField)
{
    c.dataControl = QStringLiteral("DataZlew");
    c.grid = QStringLiteral("DBGridZlew");
    c.frame = QStringLiteral("FramZlewnia");
    c.save = {QStringLiteral("ComZlewZap"), QStringLiteral("Z&apisz"), {}};
    c.cancel = {QStringLiteral("ComZlewRez"), QStringLiteral("&Anuluj"), {}};
    c.focusOnAdd = QStringLiteral("MEBKod");
    c.focusOnCorrection = QStringLiteral("TextNazwa");
    c.add = {QStringLiteral("ComZlewDod"), QStringLiteral("&Dodaj"), {}};
    c.correct = {QStringLiteral("ComZlewKor"), QStringLiteral("&Popraw"), {}};
    c.remove = {QStringLiteral("ComZlewKas"), QStringLiteral("&Usuń"), {}};
    c.close = {QStringLiteral("ComZlewZamk"), QStringLiteral("&Zamknij"), QStringLiteral("Zamknij okno ")};
    c.search.kind = SearchKind::Positioning;
    c.search.button = {QStringLiteral("ComZlewSzuk"), QStringLiteral("&Szukaj"), {}};
    c.search.keyField = keyField;
    c.locked = {QStringLiteral("ComZlewZamk"), QStringLiteral("ComZlewKor"),  QStringLiteral("ComZlewKas"),
                QStringLiteral("ComZlewDod"),  QStringLiteral("ComZlewSzuk"), QStringLiteral("DataZlew"),
                QStringLiteral("DBGridZlew")};
    c.orderings = {{{QStringLiteral("OptionK"), QStringLiteral("Wg kodów"), {}},
                    QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(c.table, keyField),
                    keyField},
                   {{QStringLiteral("OptionN"), QStringLiteral("Wg nazwy"), {}},
                    QStringLiteral("SELECT * FROM %1 ORDER BY Nazwa, %2").arg(c.table, keyField),
                    QStringLiteral("NAZWA")}};
}

void useShortListLayout(RegisterConfig& c)
{
    c.dataControl = QStringLiteral("DataPodp");
    c.grid = QStringLiteral("DBGridPodp");
    c.frame = QStringLiteral("FrmEdycja");
    c.save = {QStringLiteral("ComZapisz"), QStringLiteral("&Zapisz"), QStringLiteral("Zapisz zmiany")};
    c.cancel = {QStringLiteral("ComAnuluj"), QStringLiteral("&Anuluj"), QStringLiteral("Anuluj zmiany")};
    c.add = {QStringLiteral("ComDodaj"), QStringLiteral("&Dodaj"), {}};
    c.correct = {QStringLiteral("ComPopraw"), QStringLiteral("&Popraw"), {}};
    c.remove = {QStringLiteral("ComUsun"), QStringLiteral("&Usuń"), {}};
    c.close = {QStringLiteral("ComZamk"), QStringLiteral("&Zamknij"), QStringLiteral("Zamknij okno")};
    c.locked = {QStringLiteral("ComDodaj"), QStringLiteral("ComUsun"), QStringLiteral("ComPopraw"),
                QStringLiteral("ComZamk")};
    c.correctBeepsWhenEmpty = false;
}

DuplicateTest alreadyExists(const QString& field, const QString& box, bool testsCorrections,
                            const QString& prefix, const QString& shownBox, bool trimShown)
{
    return DuplicateTest{field,
                         box,
                         testsCorrections,
                         [prefix, shownBox, trimShown](const FrameValues& v) {
                             const QString shown = v.text(shownBox);
                             return prefix + (trimShown ? shown.trimmed() : shown) +
                                    QStringLiteral(" już istnieje. Popraw!");
                         },
                         kInformationTitle,
                         ui::Icon::Information,
                         shownBox};
}

std::function<bool(RegisterWindow&)> pickInsteadOfClosingIn(const QString& mode)
{
    return [mode](RegisterWindow& window) {
        if (ModLabor().TrybSlownika == mode) {
            window.pick();
            return false;
        }
        return true;
    };
}

QStringList voivodeshipNames()
{
    return {QStringLiteral("Dolnośląskie"),   QStringLiteral("Kujawsko-pomorskie"),
            QStringLiteral("Lubelskie"),      QStringLiteral("Lubuskie"),
            QStringLiteral("Łódzkie"),        QStringLiteral("Małopolskie"),
            QStringLiteral("Mazowieckie"),    QStringLiteral("Opolskie"),
            QStringLiteral("Podkarpackie"),   QStringLiteral("Podlaskie"),
            QStringLiteral("Pomorskie"),      QStringLiteral("Śląskie"),
            QStringLiteral("Świętokrzyskie"), QStringLiteral("Warmińsko-mazurskie"),
            QStringLiteral("Wielkopolskie"),  QStringLiteral("Zachodniopomorskie")};
}

} // namespace trelimor
