#include "ListingExport.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "documents/ExportErrors.h"
#include "documents/ExportFolder.h"
#include "documents/ProtocolFile.h"

#include "platform/db/Database.h"
#include "platform/db/JetError.h"
#include "platform/db/Statement.h"
#include "platform/locale/DatePattern.h"
#include "platform/locale/ShortDateFormat.h"
#include "platform/paths/DurableFiles.h"
#include "platform/paths/Folders.h"
#include "platform/ui/Clock.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

const QString kFilter = u"All Files (*.*)|*.*|Plik Excel (*.xls)|*.xls"_s;
constexpr int kExcelFilter = 2;

// Dates as the file writes them: the user's short date format, with the time of day when there
// is one. A listing holds a few hundred distinct dates at most, each formatted once.
class DateTexts
{
public:
    QString text(const QString& stored)
    {
        auto known = m_texts.constFind(stored);
        if (known == m_texts.constEnd()) {
            const QDateTime moment = db::dateFromStorage(stored);
            QString written = stored;
            if (moment.isValid()) {
                written = locale::formatDate(moment.date(), m_pattern);
                if (moment.time() != QTime(0, 0))
                    written += u" "_s + moment.time().toString(u"HH:mm:ss"_s);
            }
            known = m_texts.insert(stored, written);
        }
        return known.value();
    }

private:
    QString m_pattern = locale::shortDateFormat();
    QHash<QString, QString> m_texts;
};

// A text as the file holds it: a CR LF pair, a CR, an LF or a TAB in it is one blank.
QString fieldText(const QString& text)
{
    const bool breaks =
        std::any_of(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n' || c == u'\t'; });
    if (!breaks)
        return text;
    QString flat = text;
    return poleWPliku(flat.replace(u"\r\n"_s, u" "_s));
}

} // namespace

const ListingExport& eksportNrKolczykaWiek()
{
    static const ListingExport variant{u"Zestawienie_NrKolczyka_Wiek_"_s,
                                       {{u"KodPIW"_s, u"KodPIW"_s},
                                        {u"Powiat"_s, u"PiwNazwa"_s},
                                        {u"NrKolczyka"_s, u"NrKolczyka"_s},
                                        {u"DataUboju"_s, u"DataUboju"_s},
                                        {u"Wiek_m-c"_s, u"Wiek"_s},
                                        {u"DataZakończeniaBadania"_s, u"DataWyniku"_s},
                                        {u"RodzajUboju"_s, u"RodzajUboju"_s},
                                        {u"Wynik"_s, u"Wynik"_s},
                                        {u"DataPrzyjęcia"_s, u"DataWprow"_s},
                                        {u"Uwagi"_s, u"Uwagi"_s},
                                        {u"Gatunek"_s, u"Gatunek"_s}}};
    return variant;
}

const ListingExport& eksportNrKolczykaWNI()
{
    static const ListingExport variant{u"Zestawienie_NrKolczyka_WNI_"_s,
                                       {{u"Kod PIW"_s, u"KodPIW"_s},
                                        {u"Powiat"_s, u"PiwNazwa"_s},
                                        {u"Nr Kolczyka"_s, u"NrKolczyka"_s},
                                        {u"Wiek [m-c]"_s, u"Wiek"_s},
                                        {u"Data uboju"_s, u"DataUboju"_s},
                                        {u"Rodzaj uboju"_s, u"RodzajUboju"_s},
                                        {u"Opis próbki"_s, u"Opis"_s},
                                        {u"Nr weterynaryjny zleceniodawcy"_s, u"KodZakladu"_s},
                                        {u"Typ zleceniodawcy"_s, u"TypWNI"_s},
                                        {u"Uwagi"_s, u"Uwagi"_s},
                                        {u"Gatunek"_s, u"Gatunek"_s}}};
    return variant;
}

const ListingExport& eksportGIW1()
{
    static const ListingExport variant{
        u"Zestawienie_RaportGIW1_"_s,
        {{u"KOD POWIATU MIEJSCA POBRANIA PRÓBY"_s, u"KodPIW"_s},
         {u"NUMER WETERYNARYJNY ZAKAŁADU (UBOJNIA, ZBIORNICA PADLINY, ZAKŁAD POŚREDNI)"_s, u"KodZakladu"_s},
         {u"NR KOLCZYKA ZWIERZĘCIA"_s, u"NrKolczyka"_s},
         {u"WIEK ZWIERZĘCIA OKRESLONY W PROTOKOLE POBRANIA PRÓBY"_s, u"Wiek"_s},
         {u"NUMER PRÓBY"_s, u"IDProbki"_s},
         {u"DATA POBRANIA PRÓBY"_s, u"DataPobr"_s},
         {u"DATA DOSTARCZENIA PRÓBY"_s, u"DataWprow"_s},
         {u"DATA ZBADANIA PRÓBY "_s, u"DataWyniku"_s},
         {u"RODZAJ UBOJU"_s, u"RodzajUboju"_s},
         {u"Gatunek"_s, u"Gatunek"_s},
         {u"Wynik"_s, u"Wynik"_s}}};
    return variant;
}

QString nazwaEksportuListy(const QString& prefix, const QDateTime& moment)
{
    return prefix + moment.toString(u"yyyyMMdd'g'HHmm"_s);
}

QByteArray tekstEksportuListy(db::Database& work, const ListingExport& variant)
{
    const db::TableDef table = work.tableDef(u"IloscZak"_s);
    QStringList columns;
    QList<bool> dates;
    QString header = u"Lp\t"_s;
    for (const auto& [name, column] : variant.columns) {
        header += name + u'\t';
        const int field = table.indexOf(column);
        if (field < 0)
            throw db::JetError::fromNumber(db::jet::ItemNotFound, column);
        dates << (table.fields[field].type == db::DataType::Date);
        columns << u"CAST("_s + db::quoteIdentifier(column) + u" AS TEXT)"_s;
    }
    QStringList lines{header};
    DateTexts dateTexts;
    // Rows are read straight from the statement, as stored text: dates are written from it.
    db::Statement rows(work.handle(),
                       u"SELECT "_s + columns.join(u", "_s) + u" FROM IloscZak ORDER BY DataUboju, rowid"_s);
    for (int number = 1; rows.step(); ++number) {
        QString line = QString::number(number) + u'\t';
        for (int i = 0; i < columns.size(); ++i) {
            if (!rows.columnIsNull(i)) {
                const QString value = rows.column(i).toString();
                line += dates[i] ? dateTexts.text(value) : fieldText(value);
            }
            line += u'\t';
        }
        lines << line;
    }
    return tekstPlikuProtokolu(lines);
}

void eksportujListe(const ListingExport& variant)
{
    ui::OverrideCursorGuard cursor;
    try {
        const QString name = nazwaEksportuListy(variant.prefix, ui::now());
        const QString path =
            ui::saveFile(u"Zapisz jako"_s, paths::join(datedExportFolder(programState().workingDate()), name),
                         kFilter, kExcelFilter);
        if (path.isEmpty())
            return; // cancelled: nothing to say
        QString error;
        if (!paths::writeFileAtomically(path, tekstEksportuListy(ModLabor().BazaRobot, variant), &error))
            throw PathAccessError(error);
        cursor.restore();
        PokazInfo(u"Zapis do pliku zakończony powodzeniem!"_s, kInformationTitle);
    } catch (const std::exception& e) {
        cursor.restore();
        showExportError(e);
    }
}

} // namespace trelimor
