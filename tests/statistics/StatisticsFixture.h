#pragma once

#include "statistics/FormZestawienieBSE.h"

#include "platform/db/Database.h"

#include "support/ProgramFixture.h"

#include <QStringList>
#include <QVariantMap>

#include <functional>

namespace trelimor::test {

// The statistics window reached as the user reaches it: logged in, "Zestawienia" of the main
// window, over a real yearly database of the working date (31.03.2022, county 1465) that the
// program created, and the shipped report templates.
class StatisticsFixture : public ProgramFixture
{
protected:
    void SetUp() override;

    // Logs in; the year's database is open (and empty) afterwards, the opening's boxes forgotten.
    void zaloguj();
    // "Zestawienia": the handler works in the shown, active window.
    void otworz(const std::function<void(FormZestawienieBSE&)>& handler);
    // Clicks "Drukuj" of the window for the period; the report window is recorded, not shown.
    static void drukuj(FormZestawienieBSE& okno, const QString& od, const QString& doDnia);

    static db::Database& rok();
    static db::Database& robot();
    static void partia(int numer, const QVariant& kodZakladu, const QVariantMap& pola = {});
    static void probka(int partia, const QVariantMap& pola);
    // Adds a column that a yearly file from elsewhere holds and the program's files lack.
    static void dodajKolumne(const QString& nazwa, db::DataType typ);
    // The rows of a query, each row's values joined by "|" (null shown as "-").
    static QStringList wiersze(db::Database& baza, const QString& sql);

    // The boxes shown since the last zaloguj(), as "title: text".
    QStringList komunikaty() const;

private:
    std::size_t m_poczatek = 0;
};

} // namespace trelimor::test
