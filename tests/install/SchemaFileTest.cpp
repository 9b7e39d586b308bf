#include "install/SchemaFile.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace trelimor::install;
using trelimor::db::DataType;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

QString errorOf(const QString& text)
{
    try {
        parseSchema(text, QStringLiteral("test.schema"));
    } catch (const SchemaError& e) {
        return e.message();
    }
    return {};
}

TEST(SchemaFile, BuiltInSchemasAreTheSourceFilesAndDescribeEveryTable)
{
    const QString dir = QStringLiteral(TRELIMOR_SCHEMA_DIR);
    EXPECT_EQ(bytesOf(dictionarySchemaPath()), bytesOf(dir + QStringLiteral("/Stale.schema")));
    EXPECT_EQ(bytesOf(reportWorkSchemaPath()), bytesOf(dir + QStringLiteral("/Robot.schema")));
    for (const QString& path : {dictionarySchemaPath(), reportWorkSchemaPath()}) {
        const Schema schema = loadSchema(path);
        EXPECT_GE(schema.tables.size(), 10) << path.toStdString();
        for (const TableSpec& t : schema.tables)
            EXPECT_GT(t.description.size(), 10) << t.name.toStdString();
    }
}

TEST(SchemaFile, ReadsColumnsInOrderWithTypesSizesDefaultsAndTheTableComment)
{
    const Schema schema = parseSchema(QStringLiteral("# Heading of the file, not of a table.\n"
                                                     "\n"
                                                     "# Counts of a\n"
                                                     "#   summary.\n"
                                                     "TABLE IloscZak\n"
                                                     "  Zaklad   TEXT(10)\n"
                                                     "IlProbek LONG DEFAULT 0\n"
                                                     "Wiek SINGLE\n"
                                                     "\n"
                                                     "# Options.\n"
                                                     "TABLE PARAMETRY\n"
                                                     "PARAM3 BOOLEAN\n"
                                                     "Uwagi MEMO\n"),
                                      QStringLiteral("test.schema"));
    ASSERT_EQ(schema.tables.size(), 2);
    const TableSpec& t = schema.tables[0];
    EXPECT_EQ(t.name, QStringLiteral("IloscZak"));
    EXPECT_EQ(t.description, QStringLiteral("Counts of a summary."));
    ASSERT_EQ(t.columns.size(), 3);
    EXPECT_EQ(t.columns[0].field.name, QStringLiteral("Zaklad"));
    EXPECT_EQ(t.columns[0].field.type, DataType::Text);
    EXPECT_EQ(t.columns[0].field.size, 10);
    EXPECT_EQ(t.columns[1].field.type, DataType::Long);
    EXPECT_EQ(t.columns[1].defaultValue, QStringLiteral("0"));
    EXPECT_TRUE(t.columns[2].defaultValue.isEmpty());
    EXPECT_EQ(t.columns[2].field.type, DataType::Single);
    EXPECT_EQ(schema.table(QStringLiteral("parametry")), &schema.tables[1]);
    EXPECT_EQ(schema.tables[1].columns[1].field.type, DataType::Memo);
}

TEST(SchemaFile, MalformedFilesAreRefusedWithTheirLine)
{
    const QString head = QStringLiteral("# A table.\nTABLE T\nA TEXT(5)\n");
    const QList<std::pair<QString, QString>> cases = {
        {head + QStringLiteral("B VARCHAR(5)\n"), QStringLiteral("wiersz 4: nieznany typ")},
        {head + QStringLiteral("B TEXT(0)\n"), QStringLiteral("wiersz 4: nieznany typ")},
        {head + QStringLiteral("B TEXT(256)\n"), QStringLiteral("wiersz 4: nieznany typ")},
        {head + QStringLiteral("B long\n"), QStringLiteral("wiersz 4: nieznany typ")},
        {head + QStringLiteral("a MEMO\n"), QStringLiteral("wiersz 4: pole a występuje")},
        {head + QStringLiteral("B TEXT(5) DEFAULT 0\n"), QStringLiteral("wiersz 4: pole B tego typu")},
        {head + QStringLiteral("B LONG DEFAULT zero\n"), QStringLiteral("wiersz 4: wartość domyślna zero")},
        {head + QStringLiteral("B INTEGER DEFAULT 40000\n"),
         QStringLiteral("wiersz 4: wartość domyślna 40000 nie mieści")},
        {head + QStringLiteral("B LONG DEFOLT 0\n"), QStringLiteral("wiersz 4: oczekiwano słowa DEFAULT")},
        {head + QStringLiteral("B LONG C\n"), QStringLiteral("wiersz 4: oczekiwano")},
        {head + QStringLiteral("1B LONG\n"), QStringLiteral("wiersz 4: oczekiwano")},
        {head + QStringLiteral("B COUNTER\nC COUNTER\n"), QStringLiteral("wiersz 5: tabela T ma więcej")},
        {head + QStringLiteral("# Again.\nTABLE t\nB LONG\n"),
         QStringLiteral("wiersz 5: tabela t jest opisana dwa")},
        {head + QStringLiteral("\nTABLE U\nB LONG\n"), QStringLiteral("wiersz 5: brak komentarza")},
        {head + QStringLiteral("# Empty.\nTABLE U\n"), QStringLiteral("tabela U nie ma żadnego pola")},
        {head + QStringLiteral("# Empty.\nTABLE U\n# Next.\nTABLE V\nB LONG\n"),
         QStringLiteral("wiersz 7: tabela U nie ma")},
        {head + QStringLiteral("TABLE\n"), QStringLiteral("wiersz 4: oczekiwano „TABLE nazwa”")},
        {QStringLiteral("A LONG\n"), QStringLiteral("wiersz 1: pole przed pierwszym")},
        {QStringLiteral("# Nothing.\n"), QStringLiteral("nie opisuje żadnej tabeli")},
    };
    for (const auto& [text, expected] : cases) {
        const QString message = errorOf(text);
        EXPECT_TRUE(message.contains(expected)) << text.toStdString() << " -> " << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("test.schema"))) << message.toStdString();
    }
    EXPECT_TRUE(errorOf(head).isEmpty()) << "the common head alone is valid";
}

TEST(SchemaFile, AMissingFileIsAClearError)
{
    try {
        loadSchema(QStringLiteral("/nie/ma/takiego/pliku.schema"));
        FAIL() << "no error";
    } catch (const SchemaError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("/nie/ma/takiego/pliku.schema")));
    }
}

} // namespace
