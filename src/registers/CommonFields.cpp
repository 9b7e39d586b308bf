#include "CommonFields.h"

namespace trelimor {

FieldSpec postalCodeField(const QString& label)
{
    FieldSpec f{QStringLiteral("KodPocztowy"), QStringLiteral("MEBKodPoczt"), BoxKind::Masked, label};
    f.mask = QStringLiteral("##-###");
    f.maskOnLoad = MaskOnLoad::DropWhenStored;
    f.maxLength = 6;
    f.save = SaveRule::WhenComplete;
    return f;
}

FieldSpec townField(const QString& box)
{
    FieldSpec f{QStringLiteral("Miasto"), box, BoxKind::Line, QStringLiteral("Miejscowość")};
    f.trim = true;
    f.cut = 50;
    return f;
}

FieldSpec streetField()
{
    FieldSpec f{QStringLiteral("Ulica"), QStringLiteral("TextAdres"), BoxKind::Line, QStringLiteral("Adres")};
    f.cut = 50;
    return f;
}

FieldSpec phoneField()
{
    FieldSpec f{QStringLiteral("Telefon"), QStringLiteral("TextTelefon"), BoxKind::Line,
                QStringLiteral("Telefon/e-mail")};
    f.trim = true;
    return f;
}

FieldSpec emailField(int cut, bool trim)
{
    FieldSpec f{QStringLiteral("Email"), QStringLiteral("TextMail"), BoxKind::Line, QStringLiteral("/")};
    f.sameRow = true;
    f.cut = cut;
    f.trim = trim;
    return f;
}

FieldSpec remarksField(const QString& field)
{
    FieldSpec f{field, QStringLiteral("TextUwagi"), BoxKind::MultiLine, QStringLiteral("Uwagi")};
    f.trim = true;
    return f;
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
