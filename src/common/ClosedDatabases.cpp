#include "ClosedDatabases.h"

#include "DatabaseIndexes.h"
#include "ModLabor.h"

#include <QFileInfo>

#include <exception>

namespace trelimor {

namespace {

QString pathOfOpen(const db::Database& database)
{
    return database.isOpen() ? database.name() : QString();
}

} // namespace

ClosedDatabases::ClosedDatabases()
    : m_dictionaryPath(pathOfOpen(ModLabor().BazaStale))
    , m_yearlyPath(pathOfOpen(ModLabor().BazaRok))
{
    ModLabor().BazaStale.close();
    ModLabor().BazaRok.close();
}

ClosedDatabases::~ClosedDatabases()
{
    if (m_reopened)
        return;
    try {
        reopen();
    } catch (const std::exception&) {
        // The caller is already reporting the failure that got it here.
    }
}

void ClosedDatabases::reopen()
{
    m_reopened = true;
    std::exception_ptr failure;
    // Each opening makes the indexes the file lacks: a file restored from an archive made before
    // them has none.
    const auto openInto = [&failure](db::Database& handle, const QString& path,
                                     void (*createIndexes)(db::Database&)) {
        if (path.isEmpty() || handle.isOpen())
            return;
        try {
            handle = db::Database::open(path);
            createIndexes(handle);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    };
    openInto(ModLabor().BazaStale, m_dictionaryPath, &createDictionaryIndexes);
    openInto(ModLabor().BazaRok, m_yearlyPath, &createYearlyIndexes);
    if (failure)
        std::rethrow_exception(failure);
}

bool sameFile(const QString& a, const QString& b)
{
    const QString first = QFileInfo(a).canonicalFilePath();
    return !first.isEmpty() && first == QFileInfo(b).canonicalFilePath();
}

} // namespace trelimor
