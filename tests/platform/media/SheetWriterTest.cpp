#include "platform/sheet/SheetWriter.h"
#include "platform/sheet/Workbook.h"

#include <QDate>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trelimor::sheet;

namespace {

QString readCp1250(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QStringDecoder decode("windows-1250");
    return decode(file.readAll());
}

} // namespace

TEST(SheetWriter, WritesTheUsedAreaAsTabSeparatedRowsInTheWindowsCodePage)
{
    QTemporaryDir folder;
    SheetWriter sheet;
    sheet.setCell(1, 1, QStringLiteral("Zażółć\tgęślą"));
    sheet.setCell(2, 3, 12.5);
    sheet.setCell(3, 2, QDate(2022, 3, 31));
    sheet.setCell(4, 4, QStringLiteral("usunięta"));
    sheet.setCell(4, 4, QVariant()); // emptied again: no fourth row or column
    const QString path = folder.filePath(QStringLiteral("Text.txt"));
    sheet.saveAs(path);
    EXPECT_EQ(readCp1250(path), QStringLiteral("Zażółć gęślą\t\t\r\n\t\t12.5\r\n\t31.03.2022\t\r\n"));
}

TEST(SheetWriter, AFileThatCannotBeWrittenIsReportedByName)
{
    QTemporaryDir folder;
    SheetWriter sheet;
    sheet.setCell(1, 1, QStringLiteral("x"));
    const QString path = folder.filePath(QStringLiteral("brak/Text.txt"));
    try {
        sheet.saveAs(path);
        ADD_FAILURE() << "no error";
    } catch (const SheetError& error) {
        EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(path));
}
