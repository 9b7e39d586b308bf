#include "BatchSetup.h"

#include "documents/FormDrukRap.h"

#include "common/ColumnUpgrade.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/YearlyTables.h"
#include "install/Installer.h"

#include "platform/db/Recordset.h"
#include "platform/paths/Folders.h"

#include <QDateTime>
#include <QStringList>

namespace trelimor::test {

namespace {

void insert(db::Database& database, const QString& table, const QVariantMap& row)
{
    QStringList names, marks;
    QVariantList values;
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
        names << it.key();
        marks << QStringLiteral("?");
        values << it.value();
    }
    database.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                     values);
}

QVariantMap merged(QVariantMap base, const QVariantMap& fields)
{
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        base.insert(it.key(), it.value());
    return base;
}

QDateTime day(int y, int m, int d)
{
    return QDateTime(QDate(y, m, d), QTime(0, 0));
}

} // namespace

void TestBatchWindow::select(qlonglong batch, int sampleRow)
{
    db::Database& rok = ModLabor().BazaRok;
    partie.bind(rok, QStringLiteral("SELECT * FROM Partia ORDER BY Partia DESC"));
    partie.recordset().findFirst(QStringLiteral("Partia = ?"), {batch});
    labPartia = QString::number(batch);
    probki.bind(rok, QStringLiteral("SELECT * FROM Badanie WHERE Partia = ? ORDER BY NrProbki"), {batch});
    probki.moveToRow(sampleRow);
}

void prepareDocuments()
{
    const install::Installation installation =
        install::createInstallation(paths::programFolder(), QStringLiteral(TRELIMOR_REPORTS_DIR));
    ModLaborValues& m = ModLabor();
    m.KatalogProgramu = installation.programFolder;
    m.KatalogRaportow = installation.reportsFolder;
    m.BazaStale = db::Database::open(installation.dictionaryFile);
    m.BazaRobot = db::Database::open(installation.reportWorkFile);

    const QString yearly = paths::join(paths::dataFolder(), QStringLiteral("Trelimor1465PIW2022.sqlite"));
    CreateDB(yearly);
    CreateTablePartia(yearly, QStringLiteral("Partia"));
    CreateTableBadanie(yearly, QStringLiteral("Badanie"));
    m.BazaRok = db::Database::open(yearly);
    runColumnChecks(m.BazaRok, &m.BazaStale);

    const QVariantMap user = {{QStringLiteral("KodPIW"), QStringLiteral("1465")},
                              {QStringLiteral("Miejsc"), QStringLiteral("Warszawa")},
                              {QStringLiteral("TX2"), QStringLiteral("Powiatowy Inspektorat Weterynarii")},
                              {QStringLiteral("TX3"), QStringLiteral("w m. st. Warszawie")},
                              {QStringLiteral("TX4"), QStringLiteral("ul. Grochowska 272")},
                              {QStringLiteral("TX5"), QStringLiteral("03-849 Warszawa")},
                              {QStringLiteral("TX6"), QStringLiteral("tel. 22 810 00 00")},
                              {QStringLiteral("MailPIW"), QStringLiteral("piw@piw.example.pl")},
                              {QStringLiteral("MailLab"), QStringLiteral("lab@zhw.example.pl")}};
    m.BazaStale.execute(QStringLiteral("DELETE FROM PODATNIK")); // the user record is its one row
    insert(m.BazaStale, QStringLiteral("PODATNIK"), user);
    ProgramState& state = programState();
    state.setWorkingDate(QDate(2022, 3, 31));
    state.setCountyCode(QStringLiteral("1465"));
    state.setUserRecord(user);
    state.setMails(QString(), user.value(QStringLiteral("MailPIW")).toString(),
                   user.value(QStringLiteral("MailLab")).toString());
    state.setOperator(QStringLiteral("002"), QStringLiteral("Kowalski Jan"), QStringLiteral("Operator"));

    insert(m.BazaStale, QStringLiteral("ZAKLAD"),
           {{QStringLiteral("WNI"), QStringLiteral("14650001")},
            {QStringLiteral("TypWNI"), QStringLiteral("rzeźnie")},
            {QStringLiteral("Nazwa"), QStringLiteral("Zakład Mięsny „Grochów” Sp. z o.o.")},
            {QStringLiteral("Ulica"), QStringLiteral("ul. Rzeźnicza 5")},
            {QStringLiteral("KodPocztowy"), QStringLiteral("04-123")},
            {QStringLiteral("Miasto"), QStringLiteral("Warszawa")}});
    registerFormDrukRap();
}

void addBatch(const QVariantMap& fields)
{
    insert(ModLabor().BazaRok, QStringLiteral("Partia"),
           merged({{QStringLiteral("Partia"), 12},
                   {QStringLiteral("NrZlecenia"), QStringLiteral("12")},
                   {QStringLiteral("Powiat"), QStringLiteral("1465")},
                   {QStringLiteral("WNI"), QStringLiteral("rzeźni")},
                   {QStringLiteral("KodZakladu"), QStringLiteral("14650001")},
                   {QStringLiteral("DataUboju"), day(2022, 3, 29)},
                   {QStringLiteral("GodzUboju"), QStringLiteral("06:30")},
                   {QStringLiteral("DataPobr"), day(2022, 3, 30)},
                   {QStringLiteral("GodzPobr"), QStringLiteral("08:15")},
                   {QStringLiteral("DataWysylki"), day(2022, 3, 31)},
                   {QStringLiteral("DataWyslaniaDoLab"), day(2022, 3, 31)},
                   {QStringLiteral("GodzWyslaniaDoLab"), QStringLiteral("12:00")},
                   {QStringLiteral("Pobral"), QStringLiteral("lek. wet. Anna Nowak")},
                   {QStringLiteral("Laboratorium"), QStringLiteral("ZHW Warszawa")},
                   {QStringLiteral("KierunekBadania"), QStringLiteral("BSE")},
                   {QStringLiteral("PlanPobierania"), QStringLiteral("Obszar regulowany prawnie")},
                   {QStringLiteral("ProceduraPobierania"), QStringLiteral("PN-ISO 17604")}},
                  fields));
}

void addSample(int nr, const QVariantMap& fields)
{
    insert(ModLabor().BazaRok, QStringLiteral("Badanie"),
           merged({{QStringLiteral("Partia"), 12},
                   {QStringLiteral("NrProbki"), nr},
                   {QStringLiteral("IDProbkiWNI"), QStringLiteral("14650001")},
                   {QStringLiteral("IDProbkiNr"), QString::number(nr)},
                   {QStringLiteral("IDProbkiData"), QStringLiteral("30032022")},
                   {QStringLiteral("NrKolczyka"),
                    QStringLiteral("PL%1").arg(5467389120LL + nr, 12, 10, QLatin1Char('0'))},
                   {QStringLiteral("Wiek"), 62},
                   {QStringLiteral("Plec"), QStringLiteral("XX")},
                   {QStringLiteral("RodzajUboju"), QStringLiteral("N")},
                   {QStringLiteral("Gatunek"), QStringLiteral("Bydło")},
                   {QStringLiteral("Gatunek2"), QStringLiteral("bydło domowe")},
                   {QStringLiteral("NrGospod"), QStringLiteral("PL054673891-001")},
                   {QStringLiteral("LiczebnoscStada"), 40},
                   {QStringLiteral("ObjawyChorobowe"), QStringLiteral("brak")},
                   {QStringLiteral("Uzytkowosc"), QStringLiteral("mleczna")},
                   {QStringLiteral("WlascicielNazwisko"), QStringLiteral("Wiśniewski")},
                   {QStringLiteral("WlascicielImie"), QStringLiteral("Józef")},
                   {QStringLiteral("WlascicielMiejscowosc"), QStringLiteral("Łomianki")},
                   {QStringLiteral("WlascicielNrPosesja"), QStringLiteral("Polna 7")},
                   {QStringLiteral("Wojewodztwo"), QStringLiteral("mazowieckie")},
                   {QStringLiteral("KodWoj"), QStringLiteral("14")},
                   {QStringLiteral("Powiat"), QStringLiteral("warszawski zachodni")},
                   {QStringLiteral("KodPIW"), QStringLiteral("1432")},
                   {QStringLiteral("Gmina"), QStringLiteral("Łomianki")},
                   {QStringLiteral("RodzajMaterialu"), QStringLiteral("pień mózgu")},
                   {QStringLiteral("WarunkiPrzechowywania"), QStringLiteral("chłodnia 4°C")},
                   {QStringLiteral("DataUrodzenia"), QStringLiteral("12.01.2017")}},
                  fields));
}

} // namespace trelimor::test
