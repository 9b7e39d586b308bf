#pragma once

#include "batch/FormPartia.h"

#include "platform/db/Database.h"

#include "support/ProgramFixture.h"

#include <QVariantMap>

namespace trelimor::test {

// The batch window reached as the program reaches it, logged in as an ordinary operator of an
// installation with a veterinarian and a default establishment, over a real yearly database.
class SampleFixture : public ProgramFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Logs in (the yearly database is open afterwards for rows put in before the window opens).
    void zaloguj();
    // "Ewidencja danych": the window prepared over the year's batches, then shown and active,
    // so that focus moves as the user sees it.
    void otworzOkno();

    static FormPartia& okno() { return FormPartia::instance(); }
    db::Database& rok();

    // Completes a new sample's proposals into a sample every check accepts.
    void uzupelnijProbke(const QString& kolczyk);
    // The samples of the year with the ear tag, as stored.
    QList<QVariantMap> probki(const QString& kolczyk);
    // The rows of a query on the yearly database, field by field.
    QList<QVariantMap> wiersze(const QString& sql, const QVariantList& params = {});
    int liczbaProbek();

    // The box shown last, for a check's refusal.
    QString ostatniKomunikat() const;
    QString fokus() const;
};

} // namespace trelimor::test
