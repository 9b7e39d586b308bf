#include "OperatorChecks.h"

#include "common/Messages.h"
#include "common/TextHelpers.h"

#include <algorithm>

namespace trelimor {

namespace {

FailedCheck alarm(const QString& text, const QString& focus = {})
{
    return {FailedCheck::Box::Alarm, kAlarmTitle, text, focus};
}

// The value of the number's leading digits, as the number was always read; 0 for none.
int leadingNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    int value = 0;
    for (const QChar c : trimmed) {
        if (!c.isDigit() || c.unicode() > '9')
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > 100000)
            break; // far past the three digits a number may have
    }
    return value;
}

int administratorCount(const std::vector<OperatorRow>& rows)
{
    return int(std::count_if(rows.begin(), rows.end(),
                             [](const OperatorRow& row) { return isAdministratorKind(row.rodzaj); }));
}

const OperatorRow* findRow(const std::vector<OperatorRow>& rows, qint64 rowid)
{
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [rowid](const OperatorRow& row) { return row.rowid == rowid; });
    return it == rows.end() ? nullptr : &*it;
}

} // namespace

bool isAdministratorKind(const QString& kind)
{
    return kind.trimmed().toUpper() == QLatin1String("ADMINISTRATOR");
}

QString nextOperatorNumber(const std::vector<OperatorRow>& rows)
{
    if (rows.empty())
        return QStringLiteral("001");
    int highest = 0;
    for (const OperatorRow& row : rows)
        highest = std::max(highest, leadingNumber(row.numer));
    return UzupelnijZerami(QString::number(highest + 1), true, 3);
}

std::optional<FailedCheck> checkLogin(const QString& typed, const std::vector<OperatorRow>& rows,
                                      qint64 editedRowid)
{
    const QString login = typed.trimmed();
    if (login.isEmpty())
        return alarm(QStringLiteral("Wpisz login operatora!"), QStringLiteral("TextLogin"));
    for (const OperatorRow& row : rows) {
        if (row.rowid != editedRowid && row.login.trimmed().compare(login, Qt::CaseInsensitive) == 0)
            return alarm(QStringLiteral("Taki login juz istnieje!"), QStringLiteral("TextLogin"));
    }
    return std::nullopt;
}

std::optional<FailedCheck> checkPasswordAndName(const QString& first, const QString& second,
                                                const QString& name)
{
    const QString lengthTitle = QStringLiteral("Od 3 do 10 znaków");
    if (first.size() < 3)
        return FailedCheck{FailedCheck::Box::Alarm, lengthTitle, QStringLiteral("Hasło za krótkie"),
                           QStringLiteral("TextPass1")};
    if (first.size() > 10)
        return FailedCheck{FailedCheck::Box::Alarm, lengthTitle, QStringLiteral("Hasło za długie"),
                           QStringLiteral("TextPass1")};
    if (first != second)
        return alarm(QStringLiteral("Niezgodność haseł!"), QStringLiteral("TextPass2"));
    return checkName(name);
}

std::optional<FailedCheck> checkName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return alarm(QStringLiteral("Wprowadź nazwisko operatora"), QStringLiteral("TextNazw"));
    return std::nullopt;
}

std::optional<FailedCheck> checkNumber(const QString& number)
{
    if (number.trimmed().isEmpty())
        return alarm(QStringLiteral("Brak wolnego kodu operatora!"));
    return std::nullopt;
}

std::optional<FailedCheck> checkDeletion(const std::vector<OperatorRow>& rows, qint64 rowid,
                                         const QString& loggedInNumber)
{
    const OperatorRow* row = findRow(rows, rowid);
    if (row == nullptr)
        return std::nullopt;
    if (!loggedInNumber.trimmed().isEmpty() && row->numer.trimmed() == loggedInNumber.trimmed())
        return alarm(QStringLiteral("Nie można usunąć zalogowanego operatora!"));
    if (isAdministratorKind(row->rodzaj) && administratorCount(rows) <= 1)
        return alarm(QStringLiteral("Nie można usunąć ostatniego administratora!"));
    return std::nullopt;
}

std::optional<FailedCheck> checkKindChange(const std::vector<OperatorRow>& rows, qint64 rowid,
                                           const QString& newKind)
{
    const OperatorRow* row = findRow(rows, rowid);
    if (row == nullptr || !isAdministratorKind(row->rodzaj) || isAdministratorKind(newKind))
        return std::nullopt;
    if (administratorCount(rows) <= 1)
        return alarm(QStringLiteral("Nie można odebrać uprawnień ostatniemu administratorowi!"),
                     QStringLiteral("ComboOperat"));
    return std::nullopt;
}

} // namespace trelimor
