#include "ImportErrors.h"

#include "common/Messages.h"

#include "platform/PlatformError.h"
#include "platform/db/JetError.h"
#include "platform/ui/DialogService.h"

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

const QString kImportZPliku = QStringLiteral("IMPORT Z PLIKU");

QString numberAndDescription(const ImportError& e, const QString& separator)
{
    return e.number ? QString::number(e.number) + separator + e.description : e.description;
}

} // namespace

ImportError importErrorOf(const std::exception& error)
{
    if (const auto* jet = dynamic_cast<const db::JetError*>(&error))
        return {jet->number(), jet->description(), 0, {}};
    if (const auto* platform = dynamic_cast<const PlatformError*>(&error))
        return {0, platform->message(), 0, {}};
    return {0, QString::fromUtf8(error.what()), 0, {}};
}

QString rowSuffix(int row)
{
    return row > 0 ? QStringLiteral(" (wiersz %1)").arg(row) : QString();
}

void showImportError(const ImportError& e, ConversionText conversion)
{
    const QString row = rowSuffix(e.row);
    switch (e.number) {
    case ImportError::PathNotFound:
        PokazUwage(QStringLiteral("Nie odnaleziono ścieżki do pliku!\r") + numberAndDescription(e, u"-"_s),
                   kImportZPliku);
        return;
    case db::jet::DuplicateKey:
        PokazUwage(QStringLiteral("Wczytywany numer próbki już istnieje! ") + e.sampleCode + row,
                   kImportZPliku);
        return;
    case db::jet::FieldTooSmall:
        PokazUwage(QStringLiteral("Jedna z wartości wczytywanego pliku jest nieprawidłowa.\r"
                                  "Dane nie zostały wczytane prawidłowo.\r"
                                  "Popraw plik i wczytaj ponownie lub wprowadź dane manualnie.\r"
                                  "Przeslij plik programiście w celu weryfikacji.\r") +
                       numberAndDescription(e, u"-"_s) + row,
                   kImportZPliku);
        return;
    case db::jet::ConversionError:
        PokazUwage(
            (conversion == ConversionText::ProgramOption
                 ? QStringLiteral("Błąd wczytania! Sprawdź opcję programu: 'Wczytuj szyfrowane pliki'!")
                 : QStringLiteral("Błąd wczytania!\rSprawdź plik i wczytaj ponownie!")) +
                row,
            kImportZPliku);
        return;
    default:
        PokazInfo(QStringLiteral("Błąd wczytania! Poinformuj programistę!\r") + numberAndDescription(e, {}) +
                      row,
                  QStringLiteral("IMPORT"));
        return;
    }
}

} // namespace trelimor
