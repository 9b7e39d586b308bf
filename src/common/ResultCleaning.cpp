#include "ResultCleaning.h"

#include "Messages.h"
#include "ModLabor.h"

#include "platform/db/JetError.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"

#include <QRegularExpression>

#include <utility>
#include <vector>

namespace trelimor {

namespace {

const QString kCommandFailureTitle = QStringLiteral("Czyszczenie zbiorów!");

// Names go into the SQL text, so only plain names are taken.
const QString& plainName(const QString& name, int jetNumber)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!plain.match(name).hasMatch())
        throw db::JetError::fromNumber(jetNumber, name);
    return name;
}

// Runs one table's work in a transaction of its own (a savepoint inside the command's), so
// that a failure leaves that table exactly as it was. Empty when it went through, else why not.
QString inTableTransaction(const std::function<void(db::Database&)>& work)
{
    try {
        db::Database& yearly = ModLabor().BazaRok;
        db::Transaction transaction(yearly);
        work(yearly);
        transaction.commit();
        return {};
    } catch (const std::exception& e) {
        return errorDescription(e);
    }
}

QString cleanTable(const QString& table)
{
    return inTableTransaction([&table](db::Database& yearly) {
        const QString name = plainName(table, db::jet::TableNotFound);
        // An empty table is passed over even when Badanie lacks the columns the test needs.
        if (!yearly.scalar(QStringLiteral("SELECT EXISTS (SELECT 1 FROM %1)").arg(name)).toBool())
            return;
        yearly.execute(QStringLiteral("DELETE FROM %1 WHERE Partia IS NOT NULL AND NrProbki IS NOT NULL "
                                      "AND NOT EXISTS (SELECT 1 FROM Badanie WHERE Badanie.PartiaG = "
                                      "%1.Partia AND Badanie.NrProbki = %1.NrProbki)")
                           .arg(name));
    });
}

QString fillEmpty(const QString& table, const QString& source, const QString& target)
{
    return inTableTransaction([&](db::Database& yearly) {
        const QString from = plainName(source, db::jet::ItemNotFound);
        const QString to = plainName(target, db::jet::ItemNotFound);
        db::Recordset rows =
            yearly.openRecordset(QStringLiteral("SELECT * FROM %1 WHERE %2 IS NULL OR length(%2) = 0")
                                     .arg(plainName(table, db::jet::TableNotFound), to));
        // Through the recordset, so the value is converted and checked as an edit in a window is.
        for (; !rows.eof(); rows.moveNext()) {
            rows.edit();
            rows.setValue(to, rows.value(from));
            rows.update();
        }
        rows.close();
    });
}

// The report of a table whose step failed; true when there was nothing to report.
bool reported(const QString& table, const QString& failure)
{
    if (failure.isEmpty())
        return true;
    PokazBlad(QStringLiteral("Powiadom programistę!"), QStringLiteral("Tabela %1: %2").arg(table, failure));
    return false;
}

// The frame and the hourglass for the length of a command, whichever way it ends.
class WaitIndicator
{
public:
    explicit WaitIndicator(const ResultCommandHooks& hooks)
        : m_hooks(hooks)
    {
        show(true);
    }
    ~WaitIndicator() { end(); }
    void end()
    {
        if (!m_shown)
            return;
        show(false);
        m_cursor.restore();
    }

private:
    void show(bool visible)
    {
        m_shown = visible;
        if (m_hooks.showWaitFrame)
            m_hooks.showWaitFrame(visible);
    }

    const ResultCommandHooks& m_hooks;
    ui::OverrideCursorGuard m_cursor;
    bool m_shown = false;
};

// Runs every table's step in one transaction of the whole command, then tells the outcome:
// each failed table's reason and which tables failed, or the success message. No box waits on
// the user while the transaction holds the yearly database's write lock.
void runOverTables(const ResultCommandHooks& hooks, const QStringList& tables,
                   const std::function<QString(const QString&)>& step, const QString& success,
                   const QString& failedIntro)
{
    WaitIndicator wait(hooks);
    std::vector<std::pair<QString, QString>> failures;
    {
        db::Database yearly = ModLabor().BazaRok;
        db::Transaction transaction(yearly, db::Transaction::Mode::Immediate);
        for (const QString& table : tables) {
            if (QString failure = step(table); !failure.isEmpty())
                failures.emplace_back(table, failure);
        }
        transaction.commit();
    }
    wait.end();
    QStringList failed;
    for (const auto& [table, failure] : failures) {
        reported(table, failure);
        failed << table;
    }
    if (failed.isEmpty())
        PokazInfo(success, kInformationTitle);
    else
        PokazUwage(failedIntro + failed.join(QStringLiteral(", ")) + QLatin1Char('.'), kCommandFailureTitle);
}

} // namespace

const QStringList& resultTables()
{
    static const QStringList tables{QStringLiteral("EBB"), QStringLiteral("Br"),     QStringLiteral("NZK"),
                                    QStringLiteral("ZSt"), QStringLiteral("Nos"),    QStringLiteral("Q"),
                                    QStringLiteral("Par"), QStringLiteral("IBRIPV"), QStringLiteral("BrOK")};
    return tables;
}

bool CzyscZbior(const QString& table)
{
    return reported(table, cleanTable(table));
}

bool UzupelnijWynikOgolny(const QString& table, const QString& source, const QString& target)
{
    return reported(table, fillEmpty(table, source, target));
}

void menCzyszc_Click(const ResultCommandHooks& hooks)
{
    if (!ui::askYesNo(QStringLiteral("Czy na pewno wykonać czyszczenie zbiorów?"), kQuestionTitle))
        return;
    try {
        if (hooks.openYearlyDatabase && !hooks.openYearlyDatabase())
            return;
        runOverTables(hooks, resultTables(), cleanTable,
                      QStringLiteral("Czyszczenie zbiorów zakończone powodzeniem!"),
                      QStringLiteral("Czyszczenie zbiorów nie powiodło się dla tabel: "));
    } catch (const std::exception& e) {
        PokazBlad(kCommandFailureTitle, e);
    }
}

void menWynik_Click(const ResultCommandHooks& hooks)
{
    try {
        if (hooks.openYearlyDatabase && !hooks.openYearlyDatabase())
            return;
        if (!ui::askYesNo(
                QStringLiteral("Kliknięcie przycisku TAK spowoduje automatyczne uzupełnienie wyników "
                               "ogólnych na podstawie wyniku ELISA dla EBB oraz na podstawie wyniku "
                               "OKAP dla Br!\rJeżeli w kolumnine 'Wynik ogólny' znajduje się już jakaś "
                               "wartość, pozostanie ona niezmieniona. Uzupełnione zostaną wyłącznie "
                               "puste komórki!\rCzy na pewno wykonać sprawdzenie i uzupełnienie "
                               "wyników ogólnych dla wszystkich danych aktualnie ustawionego "
                               "miesiąca?"),
                kQuestionTitle))
            return;
        // Each table's general result comes from its own test's column.
        const auto fill = [](const QString& table) {
            const QString source =
                table == QLatin1String("EBB") ? QStringLiteral("Elisa") : QStringLiteral("OKAP");
            return fillEmpty(table, source, QStringLiteral("WynikOgolny"));
        };
        runOverTables(
            hooks, {QStringLiteral("EBB"), QStringLiteral("Br")}, fill,
            QStringLiteral("Automatyczne uzupełnianie wyniku ogólnego dla EBB i Br zakończone powodzeniem!"),
            QStringLiteral("Automatyczne uzupełnianie wyniku ogólnego nie powiodło się dla tabel: "));
    } catch (const std::exception& e) {
        PokazBlad(kCommandFailureTitle, e);
    }
}

} // namespace trelimor
