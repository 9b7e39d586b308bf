#include "ImportErrors.h"

#include "common/Messages.h"
#include "common/TextLines.h"

#include "platform/db/JetError.h"

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

const QString kImportZPliku = QStringLiteral("IMPORT Z PLIKU");

QString code(const ImportedSample& s)
{
    return s.wni + QLatin1Char('-') + s.nr + QLatin1Char('-') +
           (s.dateAsRead.isEmpty() ? s.data : s.dateAsRead);
}

} // namespace

QString numberAndDescription(const ImportError& e, const QString& separator)
{
    return e.number ? QString::number(e.number) + separator + e.description : e.description;
}

QString sourceSuffix(int source, SourceUnit unit)
{
    if (source <= 0)
        return {};
    return (unit == SourceUnit::Row ? u" (wiersz %1)"_s : u" (linia %1)"_s).arg(source);
}

ImportError importErrorOf(const std::exception& error)
{
    if (const auto* jet = dynamic_cast<const db::JetError*>(&error))
        return ImportError::of(jet->number(), jet->description());
    ImportError failure = ImportError::of(0, errorDescription(error));
    failure.refusedFile = dynamic_cast<const TextFileRefused*>(&error) != nullptr;
    return failure;
}

void showImportError(const ImportError& e, ConversionText conversion)
{
    if (e.refusedFile) {
        PokazUwage(e.description, kImportZPliku);
        return;
    }
    const QString where = sourceSuffix(e.source, e.unit);
    switch (e.number) {
    case ImportError::PathNotFound:
        PokazUwage(u"Nie odnaleziono ścieżki do pliku!\r"_s + numberAndDescription(e, u"-"_s), kImportZPliku);
        return;
    case db::jet::DuplicateKey:
        PokazUwage(u"Wczytywany numer próbki już istnieje! "_s + e.sampleCode + where, kImportZPliku);
        return;
    case db::jet::FieldTooSmall:
        PokazUwage(u"Jedna z wartości wczytywanego pliku jest nieprawidłowa.\r"
                   u"Dane nie zostały wczytane prawidłowo.\r"
                   u"Popraw plik i wczytaj ponownie lub wprowadź dane manualnie.\r"
                   u"Przeslij plik programiście w celu weryfikacji.\r"_s +
                       numberAndDescription(e, u"-"_s) + where,
                   kImportZPliku);
        return;
    case db::jet::ConversionError:
        PokazUwage((conversion == ConversionText::ProgramOption
                        ? u"Błąd wczytania! Sprawdź opcję programu: 'Wczytuj szyfrowane pliki'!"_s
                        : u"Błąd wczytania!\rSprawdź plik i wczytaj ponownie!"_s) +
                       where,
                   kImportZPliku);
        return;
    default:
        PokazInfo(u"Błąd wczytania! Poinformuj programistę!\r"_s + numberAndDescription(e, {}) + where,
                  u"IMPORT"_s);
        return;
    }
}

void showLoadFailure(const ImportError& e)
{
    if (e.refusedFile) {
        PokazUwage(e.description, kLoadingTitle);
        return;
    }
    PokazInfo(u"Błąd wczytania! Poinformuj dostawcę programu!"_s +
                  (e.number ? QString::number(e.number) : u"\r"_s) + e.description +
                  sourceSuffix(e.source, e.unit),
              u"IMPORT"_s);
}

void showStoreRefusal(const StoreResult& refusal, const ImportedSample& s, ConversionText conversion,
                      SourceUnit unit)
{
    const QString where = sourceSuffix(s.source, unit);
    switch (refusal.kind) {
    case StoreResult::Kind::Stored:
        return;
    case StoreResult::Kind::CodeRepeated:
    case StoreResult::Kind::CodeTaken:
        PokazUwage(u"Próbka o numerze: "_s + code(s) + u" już istnieje w bazie danych,\r\npod nr partii: "_s +
                       BezNullText(refusal.batch) +
                       u"\r\nNie może być 2 próbek o takim samym numerze identyfikacyjnym!\r\n"
                       u"Popraw nr próbki w pliku i wczytaj ponownie lub wprowadź dane ręcznie pod innym "
                       u"numerem próbki!"_s +
                       where,
                   kCheckTitle);
        return;
    case StoreResult::Kind::NumberRepeated:
    case StoreResult::Kind::NumberTaken:
        PokazUwage(u"Próbka o numerze: "_s + QString::number(s.nrProbki) +
                       u" już istnieje.\r\nPopraw nr próbki!"_s + where,
                   kCheckTitle);
        return;
    case StoreResult::Kind::WriteFailed:
        showImportError({refusal.error->number(), refusal.error->description(), s.source, code(s), unit},
                        conversion);
        return;
    }
}

} // namespace trelimor
