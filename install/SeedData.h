#pragma once

#include <QString>
#include <QStringList>

namespace trelimor::db {
class Database;
}

namespace trelimor::install {

// The rows a new installation ships with.

// The built-in administrator: the first login, to be changed at once.
QString administratorName();
QString administratorLogin();
QString administratorFirstPassword();

// The species a district works with, numbered from 1 in this order.
QStringList species();

// The one entry of the sampling plans and procedures, marked default.
QString defaultPlanName();

// Fills a new dictionary database: the administrator, the user record, the option keys, the
// default plan and procedure, the species and the laboratory norm row. One transaction.
void seedDictionary(db::Database& stale);
// Fills a new report work database: the one header row. One transaction.
void seedReportWork(db::Database& robot);

} // namespace trelimor::install
