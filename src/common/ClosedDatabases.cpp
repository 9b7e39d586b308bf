#include "ClosedDatabases.h"

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
    const auto openInto = [&failure](db::Database& handle, const QString& path) {
        if (path.isEmpty() || handle.isOpen())
            return;
        try {
            handle = db::Database::open(path);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    };
    openInto(ModLabor().BazaStale, m_dictionaryPath);
    openInto(ModLabor().BazaRok, m_yearlyPath);
    if (failure)
        std::rethrow_exception(failure);
}

bool sameFile(const QString& a, const QString& b)
{
    const QString first = QFileInfo(a).canonicalFilePath();
    return !first.isEmpty() && first == QFileInfo(b).canonicalFilePath();
}

} // namespace trelimor
