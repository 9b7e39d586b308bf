#pragma once

#include "install/Installer.h"
#include "platform/db/Database.h"
#include "platform/db/Recordset.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace trelimor::install::test {

// A temporary folder holding a program folder "Trelimor" and a reports source "reports".
class InstallTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString programFolder() const { return dir.filePath(QStringLiteral("Trelimor")); }
    QString reportsSource() const { return dir.filePath(QStringLiteral("reports")); }
    QString programFile(const QString& relative) const
    {
        return programFolder() + QLatin1Char('/') + relative;
    }

    void writeFile(const QString& path, const QByteArray& bytes) const
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    Installation install() { return createInstallation(programFolder(), QString()); }

    // The values of one column of a query, as text.
    static QStringList column(db::Database& database, const QString& sql)
    {
        QStringList values;
        for (db::Recordset rs = database.openRecordset(sql); !rs.eof(); rs.moveNext())
            values << rs.value(0).toString();
        return values;
    }

    QTemporaryDir dir;
};

} // namespace trelimor::install::test
