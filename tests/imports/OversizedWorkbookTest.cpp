#include "ImportFixture.h"

#include "support/XlsBuilder.h"

#include <QTemporaryDir>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class OversizedWorkbookTest : public ImportFixture
{
};

} // namespace

TEST_F(OversizedWorkbookTest, TheProtocolImportRefusesItNamingTheFile)
{
    // One long string shown in 64,000 cells: a small file, and far more text than a protocol.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("protokół.xls"));
    sameStringInRows(QString(16384, u'x'), 64000).save(path);

    otworzOknoPartii();
    wczytajNaglowek(path);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("IMPORT"));
    EXPECT_EQ(
        dialogs->last().text,
        QStringLiteral("Błąd wczytania! Poinformuj dostawcę programu!\rSkoroszyt %1 zawiera więcej danych, "
                       "niż program może wczytać z jednego pliku; plik nie został wczytany.")
            .arg(path));
    EXPECT_TRUE(okno().FramePartia->isHidden());
    EXPECT_TRUE(okno().ComDodajPr->isEnabled());
    EXPECT_TRUE(partie().isEmpty());
}
