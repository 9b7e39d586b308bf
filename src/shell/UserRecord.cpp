#include "UserRecord.h"

#include "common/Messages.h"
#include "common/ProgramState.h"

#include "platform/db/Recordset.h"

namespace trelimor {

namespace {

const QString kMailsUse = QStringLiteral("Na wskazany e-mail wysyłane będą protokły pobrania próbek!");
const QString kCountyList = QStringLiteral("Lista powiatów znajduje się w menu Definicje->PIW.");

FailedCheck info(const QString& text, const QString& focus)
{
    return {FailedCheck::Box::Information, kInformationTitle, text, focus};
}

QVariantMap currentRecord(const db::Recordset& rs)
{
    QVariantMap record;
    for (int i = 0; i < rs.fieldCount(); ++i)
        record.insert(rs.field(i).name, rs.value(i));
    return record;
}

} // namespace

std::optional<FailedCheck> checkUserRecord(const UserRecordFrame& frame)
{
    // A box counts as empty only when it holds no character at all.
    if (frame.mailPIW.isEmpty())
        return info(QStringLiteral("Wprowadź adres Powiatowego Inspektoratu Weterynarii!\r") + kMailsUse,
                    QStringLiteral("TextMailPIW"));
    if (frame.mailLab.isEmpty())
        return info(QStringLiteral("Wprowadź adres ZHW!\r") + kMailsUse, QStringLiteral("TextMailLab"));
    if (frame.miejsc.isEmpty())
        return info(QStringLiteral("Wprowadź miejscowość pobrania próbek!"), QStringLiteral("TextMiejsc"));
    if (!frame.kod2Aktywny && frame.kodPIW1.isEmpty())
        return info(QStringLiteral("Wprowadź 4 cyfrowy nr powiatu!\r") + kCountyList,
                    QStringLiteral("TextKodPIW1"));
    if (frame.kod2Aktywny && frame.kodPIW1.isEmpty())
        return info(
            QStringLiteral("Aby wprowadzić kod powiatu nr 2, należy wcześńiej uzupełnić podstawowy kod "
                           "powiatu nr 1!\rKod powiatu nr 2 jest alternatywny i może pozostać pusty!\r"
                           "Uzupełnij kod powiatu nr 1!"),
            QStringLiteral("TextKodPIW1"));
    if (frame.kod2Aktywny && frame.kodPIW2.isEmpty())
        return info(QStringLiteral("Jako aktywny został zaznaczony kod powiatu nr 2, który jest pusty.\r"
                                   "Uzupełnij kod powiatu nr 2 lub uaktywnij kod powiatu nr 1"),
                    QStringLiteral("TextKodPIW2"));
    if (!isCountyCode(frame.activeCode()))
        return info(QStringLiteral("Kod powiatu musi składać się z 4 cyfr!\r") + kCountyList,
                    frame.kod2Aktywny ? QStringLiteral("TextKodPIW2") : QStringLiteral("TextKodPIW1"));
    return std::nullopt;
}

UserRecordRows readUserRecord(db::Database& database)
{
    db::Recordset rs = database.openRecordset(QStringLiteral("SELECT * FROM PODATNIK"));
    UserRecordRows rows{rs.recordCount(), {}};
    if (rows.count == 1)
        rows.record = currentRecord(rs);
    return rows;
}

UserRecordRows saveUserRecord(db::Database& database, const UserRecordFrame& frame)
{
    db::Recordset rs = database.openRecordset(QStringLiteral("SELECT * FROM PODATNIK"));
    if (rs.recordCount() != 1)
        return {rs.recordCount(), {}};
    rs.edit();
    for (size_t i = 0; i < frame.adres.size(); ++i)
        rs.setValue(QStringLiteral("TX%1").arg(i + 2), frame.adres[i].trimmed());
    rs.setValue(QStringLiteral("KodPIW1"), frame.kodPIW1);
    rs.setValue(QStringLiteral("KodPIW2"), frame.kodPIW2);
    rs.setValue(QStringLiteral("MailWIW"), frame.mailWIW);
    rs.setValue(QStringLiteral("MailPIW"), frame.mailPIW);
    rs.setValue(QStringLiteral("MailLab"), frame.mailLab);
    rs.setValue(QStringLiteral("Miejsc"), frame.miejsc);
    rs.setValue(QStringLiteral("KodPIW"), frame.activeCode());
    rs.setValue(QStringLiteral("Uzytkownik"),
                frame.uzytkownikPIW ? QStringLiteral("PIW") : QStringLiteral("LEKARZ"));
    rs.update();
    return readUserRecord(database);
}

std::optional<std::array<QString, 5>> inspectorateAddress(db::Database& database, const QString& code)
{
    db::Recordset rs = database.openRecordset(QStringLiteral("SELECT * FROM PIW WHERE IDPIW = ?"), {code});
    if (rs.recordCount() == 0)
        return std::nullopt;
    const auto field = [&rs](const char* name) { return BezNullText(rs.value(QString::fromLatin1(name))); };
    return std::array<QString, 5>{
        QStringLiteral("Powiatowy Lekarz Weterynarii w ") + field("W"),
        field("Ulica"),
        field("KodPocztowy") + QLatin1Char(' ') + field("Miasto"),
        QStringLiteral("tel. ") + field("Telefon"),
        QStringLiteral("e-mail: ") + field("Email"),
    };
}

} // namespace trelimor
