// Draws the establishments register with a few rows into a PNG, to look at the window as a
// user sees it: registers_screenshot <file.png> [frame]. With "frame" the correction frame of
// the current row is open. Run it on a display (e.g. under xvfb-run).

#include "RegisterTables.h"

#include "common/ModLabor.h"
#include "platform/db/Recordset.h"
#include "platform/ui/DefaultInstance.h"
#include "platform/ui/Desktop.h"
#include "registers/FormZlew.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace trelimor;

namespace {

void addEstablishment(db::Database& stale, const QStringList& values)
{
    static const QStringList fields{
        QStringLiteral("WNI"),     QStringLiteral("TypWNI"),      QStringLiteral("Nazwa"),
        QStringLiteral("Miasto"),  QStringLiteral("KodPocztowy"), QStringLiteral("Ulica"),
        QStringLiteral("Telefon"), QStringLiteral("Wojewodztwo"), QStringLiteral("KodPIW"),
        QStringLiteral("Powiat"),  QStringLiteral("Domyslny")};
    db::Recordset rs = stale.openRecordset(QStringLiteral("SELECT * FROM ZAKLAD"));
    rs.addNew();
    for (int i = 0; i < fields.size(); ++i)
        rs.setValue(fields[i], values.value(i).isEmpty() ? QVariant() : QVariant(values.value(i)));
    rs.update();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    trelimor::ui::useDesktopLook(); // as the program looks
    if (argc < 2) {
        std::fputs("usage: registers_screenshot <file.png> [frame]\n", stderr);
        return 2;
    }
    QTemporaryDir dir;
    ModLabor().BazaStale = db::Database::create(dir.filePath(QStringLiteral("Stale.sqlite")));
    db::Database& stale = ModLabor().BazaStale;
    test::createRegisterTables(stale);
    addEstablishment(stale, {"14650011", "zakładu ubojowego", "Zakład Mięsny „Łowicz”", "Łowicz", "99-400",
                             "ul. Przemysłowa 3", "46 837 11 22", "Łódzkie", "1004", "łowicki", "T"});
    addEstablishment(stale, {"14650002", "zbiornicy padliny", "Zbiornica Padliny Sochaczew", "Sochaczew",
                             "96-500", "ul. Polna 12", "", "Mazowieckie", "1428", "sochaczewski", ""});
    addEstablishment(stale, {"12610003", "gospodarstwa*", "Gospodarstwo Rolne Żak", "Wieliczka", "",
                             "Grabówki 7", "", "Małopolskie", "1219", "wielicki", ""});
    addEstablishment(stale, {"30640004", "zakładu utylizacyjnego", "Utylizacja Ślęża", "Sobótka", "55-050",
                             "ul. Świdnicka 40", "71 316 20 00", "Dolnośląskie", "0223", "wrocławski", ""});

    FormZlew& window = FormZlew::instance();
    window.selectOrdering(0);
    window.bindRecords(QStringLiteral("SELECT * FROM ZAKLAD ORDER BY WNI"));
    window.show();
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == u"frame")
        window.findChild<QPushButton*>(QStringLiteral("ComZlewKor"))->click();
    QTest::qWait(300);
    const bool saved = window.grab().save(QString::fromLocal8Bit(argv[1]));
    ui::resetAllInstances();
    resetModLabor();
    return saved ? 0 : 1;
}
