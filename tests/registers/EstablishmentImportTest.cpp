#include "RegisterTestFixture.h"

#include "common/ModLabor.h"
#include "registers/EstablishmentImport.h"
#include "registers/FormPIW.h"

#include "platform/PlatformError.h"
#include "platform/db/JetError.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

using namespace trelimor;
using namespace trelimor::test;

namespace {

// A line of the list: the code in field 0 and the given fields, 23 fields in all.
QString listLine(const QString& code, const QMap<int, QString>& fields)
{
    QStringList line(23);
    line[0] = code;
    for (auto it = fields.begin(); it != fields.end(); ++it)
        line[it.key()] = it.value();
    return line.join(u';');
}

class EstablishmentImportTest : public RegisterTest
{
protected:
    QString writeList(const QStringList& lines, const char* encoding = "windows-1250")
    {
        const QString path = folders.path(QStringLiteral("zaklady.txt"));
        QStringEncoder encoder(encoding);
        QByteArray bytes = encoder.encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        EXPECT_FALSE(encoder.hasError());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString fixture()
    {
        return writeList({
            listLine(QStringLiteral("12010001"), {{9, QStringLiteral("Ubojnia Łódź")},
                                                  {10, QStringLiteral("95-100")},
                                                  {11, QStringLiteral("nieczytane")},
                                                  {12, QStringLiteral("Zgierz")},
                                                  {13, QStringLiteral(" Długa 1 ")},
                                                  {21, QStringLiteral("42 111")},
                                                  {22, QStringLiteral("uwagi")}}),
            QStringLiteral("1201;Za krótki numer"),
            listLine(QStringLiteral("14650001"), {{9, QStringLiteral("Inna nazwa")}}),
            listLine(QStringLiteral("12010001"), {{9, QStringLiteral("Powtórzony")}}),
            QStringLiteral(" 12010002 ;x"),
        });
    }
    void storedEstablishment()
    {
        insert(QStringLiteral("ZAKLAD"), {{QStringLiteral("WNI"), QStringLiteral("14650001")},
                                          {QStringLiteral("Nazwa"), QStringLiteral("Stara nazwa")}});
    }
};

TEST_F(EstablishmentImportTest, AddsNewEstablishmentsAndSkipsBadAndKnownCodes)
{
    storedEstablishment();
    const EstablishmentImportResult result = importEstablishmentList(stale(), fixture());
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(result.alreadyStored, 2);
    EXPECT_EQ(result.withoutCode, 1);

    db::Recordset rows = stale().openRecordset(QStringLiteral("SELECT * FROM ZAKLAD ORDER BY WNI"));
    ASSERT_EQ(rows.recordCount(), 3);
    EXPECT_EQ(rows.value(QStringLiteral("WNI")), QStringLiteral("12010001"));
    EXPECT_EQ(rows.value(QStringLiteral("Nazwa")), QStringLiteral("Ubojnia Łódź"));
    EXPECT_EQ(rows.value(QStringLiteral("KodPocztowy")), QStringLiteral("95-100"));
    EXPECT_EQ(rows.value(QStringLiteral("Miasto")), QStringLiteral("Zgierz"));
    EXPECT_EQ(rows.value(QStringLiteral("Ulica")), QStringLiteral(" Długa 1 "));
    EXPECT_EQ(rows.value(QStringLiteral("Telefon")), QStringLiteral("42 111"));
    EXPECT_EQ(rows.value(QStringLiteral("Uwagi")), QStringLiteral("uwagi"));
    EXPECT_TRUE(db::isNull(rows.value(QStringLiteral("TypWNI"))));
    rows.moveNext();
    EXPECT_EQ(rows.value(QStringLiteral("WNI")), QStringLiteral("12010002"));
    EXPECT_TRUE(db::isNull(rows.value(QStringLiteral("Nazwa"))));
    rows.moveNext();
    EXPECT_EQ(rows.value(QStringLiteral("Nazwa")), QStringLiteral("Stara nazwa"));
}

TEST_F(EstablishmentImportTest, NamesInCapitalsAreStoredAsTheyStandInWindows1250AndInUtf8)
{
    // Official lists write names in capitals, in which Windows-1250's "ÓŁ" and "ĘŚ" are also
    // UTF-8 sequences.
    const QStringList lines{
        listLine(QStringLiteral("20010001"),
                 {{9, QStringLiteral("SPÓŁDZIELNIA MLECZARSKA")}, {12, QStringLiteral("GRAJEWO")}}),
        listLine(QStringLiteral("20010002"), {{9, QStringLiteral("AGRO SPÓŁKA JAWNA")}}),
        listLine(QStringLiteral("20010003"),
                 {{9, QStringLiteral("ZAKŁAD MIĘSNY")}, {12, QStringLiteral("SOKÓŁKA")}}),
    };
    const QString alone =
        listLine(QStringLiteral("20010004"), {{9, QStringLiteral("UBOJNIA DROBIU PÓŁNOCNA")}});
    for (const char* encoding : {"windows-1250", "UTF-8"}) {
        SCOPED_TRACE(encoding);
        stale().execute(QStringLiteral("DELETE FROM ZAKLAD"));
        importEstablishmentList(stale(), writeList(lines, encoding));
        importEstablishmentList(stale(), writeList({alone}, encoding));
        QStringList stored;
        db::Recordset rows = stale().openRecordset(QStringLiteral("SELECT * FROM ZAKLAD ORDER BY WNI"));
        for (; !rows.eof(); rows.moveNext())
            stored << rows.value(QStringLiteral("Nazwa")).toString() + u'/' +
                          rows.value(QStringLiteral("Miasto")).toString();
        EXPECT_EQ(stored,
                  (QStringList{QStringLiteral("SPÓŁDZIELNIA MLECZARSKA/GRAJEWO"),
                               QStringLiteral("AGRO SPÓŁKA JAWNA/"), QStringLiteral("ZAKŁAD MIĘSNY/SOKÓŁKA"),
                               QStringLiteral("UBOJNIA DROBIU PÓŁNOCNA/")}));
    }
}

TEST_F(EstablishmentImportTest, NamesWithOtherSignsAndScriptsKeepTheirPolishLettersInEitherEncoding)
{
    const auto storedNames = [this] {
        QStringList names;
        db::Recordset rows = stale().openRecordset(QStringLiteral("SELECT Nazwa FROM ZAKLAD ORDER BY WNI"));
        for (; !rows.eof(); rows.moveNext())
            names << rows.value(QStringLiteral("Nazwa")).toString();
        stale().execute(QStringLiteral("DELETE FROM ZAKLAD"));
        return names;
    };
    const auto numbered = [](const QStringList& names) {
        QStringList lines;
        for (int i = 0; i < names.size(); ++i)
            lines << listLine(QStringLiteral("3001%1").arg(i, 4, 10, QLatin1Char('0')), {{9, names[i]}});
        return lines;
    };

    // UTF-8 with signs, other scripts, an emoji and decomposed accents beside Polish letters.
    const QStringList utf8Names{
        QStringLiteral("Bydło ≤0,12"),
        QStringLiteral("Bydło μg"),
        QStringLiteral("EKO™ Spółka"),
        QStringLiteral("uwaga ✓ Zakład"),
        QStringLiteral("Zakład 🐄"),
        QStringLiteral("Sklep № 7, ul. Ełcka"),
        QStringLiteral("Сергій Коваленко, Łódź"),
        QStringLiteral("Łódź").normalized(QString::NormalizationForm_D),
    };
    importEstablishmentList(stale(), writeList(numbered(utf8Names), "UTF-8"));
    EXPECT_EQ(storedNames(), utf8Names);

    // Windows-1250 with its quotes, dashes, the euro sign and capitals.
    const QStringList cp1250Names{
        QStringLiteral("Ubojnia „Pod Lasem” – Łódź"),
        QStringLiteral("SPÓŁKA — ŻÓŁW…"),
        QStringLiteral("Chłodnia 5 € ŁĄKA"),
    };
    importEstablishmentList(stale(), writeList(numbered(cp1250Names)));
    EXPECT_EQ(storedNames(), cp1250Names);

    // Bytes that are neither (FF, a letter cut short) in a UTF-8 list: its letters are kept.
    QString path =
        writeList(numbered({QStringLiteral("Bydło @@"), QStringLiteral("Kowalski Pawe@")}), "UTF-8");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes.replace("@@", "\xFF\xFF").replace("@", "\xC5");
    file.resize(0);
    file.write(bytes);
    file.close();
    importEstablishmentList(stale(), path);
    EXPECT_EQ(storedNames(),
              (QStringList{QStringLiteral("Bydło \uFFFD\uFFFD"), QStringLiteral("Kowalski Pawe\uFFFD")}));
}

TEST_F(EstablishmentImportTest, AFailingLineOrAnUnreadableFileStoresNothing)
{
    const QString path = writeList({listLine(QStringLiteral("12010001"), {{9, QStringLiteral("Dobry")}}),
                                    listLine(QStringLiteral("12010002"), {{12, QString(60, u'x')}})});
    EXPECT_THROW(importEstablishmentList(stale(), path), db::JetError);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ZAKLAD")), 0);
    EXPECT_THROW(importEstablishmentList(stale(), folders.path(QStringLiteral("brak.txt"))), PlatformError);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ZAKLAD")), 0);
}

TEST_F(EstablishmentImportTest, TheHiddenButtonOfTheDistrictWindowImportsAndUnlocks)
{
    FormPIW& window = FormPIW::instance();
    window.bindRecords(QStringLiteral("SELECT * FROM PIW ORDER BY IDPIW"));
    show(window);

    dialogs->answerCancel();
    click(window, QStringLiteral("ComZlewProd"));
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_EQ(dialogs->last().filter, QStringLiteral("All Files (*.*)|*.*|Pliki Tekstowe (*.txt)|*.txt"));
    EXPECT_EQ(dialogs->last().filterIndex, 2);
    EXPECT_TRUE(enabled(window, QStringLiteral("ComZlewDod")));

    dialogs->answerFile(fixture());
    click(window, QStringLiteral("ComZlewProd"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("IMPORT"));
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Dopisano zakładów: 3.\rPominięto wierszy bez 8-cyfrowego numeru WNI: 1."));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ZAKLAD")), 3);
    EXPECT_TRUE(enabled(window, QStringLiteral("ComZlewDod")));

    dialogs->answerFile(folders.path(QStringLiteral("brak.txt")));
    click(window, QStringLiteral("ComZlewProd"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("IMPORT"));
    EXPECT_TRUE(
        dialogs->last().text.startsWith(QStringLiteral("Błąd wczytania! Poinformuj dostawcę programu!\r")));
    EXPECT_TRUE(enabled(window, QStringLiteral("ComZlewDod")));

    // A folder chosen in place of the list: the reason as it stands, no call to the supplier.
    const QString folder = folders.path(QStringLiteral("lista.txt"));
    ASSERT_TRUE(QDir().mkpath(folder));
    dialogs->answerFile(folder);
    click(window, QStringLiteral("ComZlewProd"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("IMPORT Z PLIKU"));
    EXPECT_TRUE(
        dialogs->last().text.endsWith(QStringLiteral(" nie jest zwykłym plikiem, lecz folderem, urządzeniem "
                                                     "lub potokiem; program wczytuje dane tylko ze zwykłych "
                                                     "plików.")))
        << dialogs->last().text.toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ZAKLAD")), 3);
    EXPECT_TRUE(enabled(window, QStringLiteral("ComZlewDod")));
}

} // namespace
