#include "JetError.h"

#include "platform/PlatformError.h"

#include <sqlite3.h>

#include <QRegularExpression>

namespace trelimor::db {

JetError::JetError(int number, QString description)
    : m_number(number)
    , m_description(std::move(description))
    , m_what(QString::number(number).toUtf8() + ' ' + m_description.toUtf8())
{}

namespace {

QString templateFor(int number)
{
    switch (number) {
    case jet::Overflow:
        return QStringLiteral("Przepełnienie.");
    case jet::UpdateWithoutEdit:
        return QStringLiteral("Wywołano Update lub CancelUpdate bez AddNew lub Edit.");
    case jet::NoCurrentRecord:
        return QStringLiteral("Brak bieżącego rekordu.");
    case jet::DuplicateKey:
        return QStringLiteral("Zmiany, których zażądano w tabeli, nie powiodły się, ponieważ utworzyłyby "
                              "zduplikowane wartości w indeksie lub kluczu podstawowym.");
    case jet::FileNotFound:
        return QStringLiteral("Nie można odnaleźć pliku '%1'.");
    case jet::DiskFull:
        return diskFullText();
    case jet::ReadOnly:
        return QStringLiteral("Nie można zaktualizować. Baza danych lub obiekt jest tylko do odczytu.");
    case jet::DiskOrNetworkError:
        return QStringLiteral("Błąd dysku lub sieci.");
    case jet::InvalidPath:
        return QStringLiteral(
            "'%1' nie jest prawidłową ścieżką. Upewnij się, że nazwa ścieżki jest "
            "wpisana poprawnie i że masz połączenie z serwerem, na którym znajduje się plik.");
    case jet::CannotOpen:
        return QStringLiteral("Nie można otworzyć bazy danych '%1'. Plik może być uszkodzony.");
    case jet::TooFewParameters:
        return QStringLiteral("Za mało parametrów. Oczekiwano 1. (%1)");
    case jet::SyntaxError:
        return QStringLiteral("Błąd składniowy w wyrażeniu kwerendy '%1'.");
    case jet::TableNotFound:
        return QStringLiteral("Aparat bazy danych nie może odnaleźć tabeli lub kwerendy wejściowej '%1'. "
                              "Upewnij się, że istnieje i że jej nazwa jest wpisana poprawnie.");
    case jet::FieldTooSmall:
        return QStringLiteral("Pole jest za małe, aby przyjąć ilość danych, które próbujesz dodać. "
                              "Spróbuj wstawić lub wkleić mniej danych.");
    case jet::RecordDeleted:
        return QStringLiteral("Rekord został usunięty.");
    case jet::FieldDefinedTwice:
        return QStringLiteral("Nie można zdefiniować pola '%1' więcej niż raz.");
    case jet::DatabaseExists:
        return QStringLiteral("Baza danych '%1' już istnieje.");
    case jet::RecordLocked:
        return QStringLiteral("Nie można zaktualizować; baza danych jest obecnie zablokowana przez innego "
                              "użytkownika.");
    case jet::ItemNotFound:
        return QStringLiteral("Nie znaleziono elementu '%1' w tej kolekcji.");
    case jet::TableExists:
        return QStringLiteral("Tabela '%1' już istnieje.");
    case jet::UnrecognizedFormat:
        return QStringLiteral("Nierozpoznany format bazy danych '%1'.");
    case jet::NumericOverflow:
        return QStringLiteral("Przepełnienie pola liczbowego.");
    case jet::NoSuchField:
        return QStringLiteral("W tabeli '%1' nie ma pola o nazwie '%2'.");
    case jet::ObjectInvalid:
        return QStringLiteral("Obiekt jest nieprawidłowy lub nie jest już ustawiony.");
    case jet::ConversionError:
        return QStringLiteral("Błąd konwersji typu danych.");
    default:
        return QStringLiteral("Błąd bazy danych: %1");
    }
}

QString fill(QString text, const QString& arg1, const QString& arg2)
{
    if (text.contains(QLatin1String("%1")))
        text = text.arg(arg1);
    if (text.contains(QLatin1String("%1")) || text.contains(QLatin1String("%2")))
        text = text.arg(arg2);
    return text;
}

} // namespace

JetError JetError::fromNumber(int number, const QString& arg1, const QString& arg2)
{
    return JetError(number, fill(templateFor(number), arg1, arg2));
}

JetError JetError::fromSqlite(sqlite3* handle, int resultCode, const QString& context)
{
    const QString message = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QString();
    static const QRegularExpression noTable(QStringLiteral("^no such table: (?:\\w+\\.)?(.+)$"));
    static const QRegularExpression noColumn(QStringLiteral("^no such column: (.+)$"));

    switch (resultCode & 0xff) {
    case SQLITE_ERROR: {
        if (auto m = noTable.match(message); m.hasMatch())
            return fromNumber(jet::TableNotFound, m.captured(1));
        if (auto m = noColumn.match(message); m.hasMatch())
            return fromNumber(jet::TooFewParameters, m.captured(1));
        if (message.contains(QLatin1String("syntax error")) ||
            message.contains(QLatin1String("incomplete input")))
            return fromNumber(jet::SyntaxError, context.isEmpty() ? message : context);
        if (message.startsWith(QLatin1String("table ")) && message.endsWith(QLatin1String("already exists")))
            return fromNumber(jet::TableExists, message.section(QLatin1Char(' '), 1, 1));
        if (message.startsWith(QLatin1String("duplicate column name")))
            return fromNumber(jet::FieldDefinedTwice, message.section(QLatin1String(": "), 1));
        break;
    }
    case SQLITE_CONSTRAINT:
        if ((resultCode == SQLITE_CONSTRAINT_UNIQUE) || (resultCode == SQLITE_CONSTRAINT_PRIMARYKEY))
            return fromNumber(jet::DuplicateKey);
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return fromNumber(jet::RecordLocked);
    case SQLITE_READONLY:
        return fromNumber(jet::ReadOnly);
    case SQLITE_FULL:
        return fromNumber(jet::DiskFull);
    case SQLITE_IOERR:
        return fromNumber(jet::DiskOrNetworkError);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return fromNumber(jet::UnrecognizedFormat, context);
    case SQLITE_CANTOPEN:
        return fromNumber(jet::CannotOpen, context);
    case SQLITE_TOOBIG:
    case SQLITE_RANGE:
        return fromNumber(jet::NumericOverflow);
    default:
        break;
    }
    return fromNumber(jet::GenericFailure,
                      message.isEmpty() ? QString::fromUtf8(sqlite3_errstr(resultCode)) : message);
}

} // namespace trelimor::db
