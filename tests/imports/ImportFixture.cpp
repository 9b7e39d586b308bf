#include "ImportFixture.h"

#include "batch/BatchWindowImports.h"

#include "platform/db/Recordset.h"

#include <QPushButton>
#include <QTest>

namespace trelimor::test {

void ImportFixture::SetUp()
{
    SampleFixture::SetUp();
    connectBatchWindowImports();
}

QString ImportFixture::daneTestowe(const QString& name)
{
    return QStringLiteral(TRELIMOR_TEST_DATA_DIR "/") + name;
}

void ImportFixture::otworzOknoPartii()
{
    zaloguj();
    otworzOkno();
}

void ImportFixture::wczytajNaglowek(const QString& path)
{
    dialogs->answerFile(path);
    QTest::mouseClick(okno().ComWczytPart, Qt::LeftButton);
}

void ImportFixture::zapiszPartie()
{
    QTest::mouseClick(okno().ComZapiszFr, Qt::LeftButton);
}

QList<QVariantMap> ImportFixture::probkiPartii(int partia)
{
    return wiersze(QStringLiteral("SELECT * FROM Badanie WHERE Partia = ? ORDER BY NrProbki, rowid"),
                   {partia});
}

QList<int> ImportFixture::partie()
{
    QList<int> numbers;
    for (db::Recordset rs = rok().openRecordset(QStringLiteral("SELECT Partia FROM Partia ORDER BY Partia"));
         !rs.eof(); rs.moveNext())
        numbers << rs.value(0).toInt();
    return numbers;
}

} // namespace trelimor::test
