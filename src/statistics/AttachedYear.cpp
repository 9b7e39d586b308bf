#include "AttachedYear.h"

#include "SqlFunctions.h"

#include "common/ModLabor.h"

#include "platform/db/JetError.h"

#include <sqlite3.h>

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace trelimor {

namespace {

constexpr int kInstructionsBetweenChecks = 50000;
constexpr int kRepaintMilliseconds = 50;

bool isAttached(db::Database& work, const QString& schema)
{
    return work.scalar(u"SELECT count(*) FROM pragma_database_list WHERE name = ?"_s, {schema}).toInt() > 0;
}

void attach(db::Database& work, const QString& path, const QString& schema)
{
    // A summary that could not detach its files (a statement still reading) left them behind.
    if (isAttached(work, schema))
        work.execute(u"DETACH DATABASE "_s + schema);
    if (path.isEmpty())
        throw db::JetError::fromNumber(db::jet::ObjectInvalid);
    work.execute(u"ATTACH DATABASE ? AS "_s + schema, {path});
}

} // namespace

AttachedYear::AttachedYear(db::Database& work, const QString& yearlyPath, const QString& dictionaryPath)
    : m_work(work)
{
    registerSummaryFunctions(m_work.handle());
    attach(m_work, yearlyPath, u"rok"_s);
    m_attached = true;
    try {
        attach(m_work, dictionaryPath, u"stale"_s);
    } catch (...) {
        detach();
        throw;
    }
    m_sinceRepaint.start();
    sqlite3_progress_handler(m_work.handle(), kInstructionsBetweenChecks, &AttachedYear::repaint, this);
}

AttachedYear AttachedYear::program()
{
    ModLaborValues& m = ModLabor();
    if (!m.BazaRok.isOpen() || !m.BazaStale.isOpen() || !m.BazaRobot.isOpen())
        throw db::JetError::fromNumber(db::jet::ObjectInvalid);
    return AttachedYear(m.BazaRobot, m.BazaRok.name(), m.BazaStale.name());
}

AttachedYear::~AttachedYear()
{
    detach();
}

void AttachedYear::detach() noexcept
{
    if (!m_attached)
        return;
    m_attached = false;
    if (!m_work.isOpen())
        return;
    sqlite3_progress_handler(m_work.handle(), 0, nullptr, nullptr);
    for (const QString& schema : {u"stale"_s, u"rok"_s}) {
        try {
            if (isAttached(m_work, schema))
                m_work.execute(u"DETACH DATABASE "_s + schema);
        } catch (const std::exception&) {
            // Still in use: the next summary detaches it before attaching its own files.
        }
    }
}

bool AttachedYear::yearHas(const QString& table, const QString& column) const
{
    return m_work
               .scalar(u"SELECT count(*) FROM pragma_table_info(?, 'rok') WHERE name = ? COLLATE NOCASE"_s,
                       {table, column})
               .toInt() > 0;
}

int AttachedYear::repaint(void* self)
{
    auto* attached = static_cast<AttachedYear*>(self);
    if (attached->m_sinceRepaint.elapsed() >= kRepaintMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        attached->m_sinceRepaint.restart();
    }
    return 0;
}

} // namespace trelimor
