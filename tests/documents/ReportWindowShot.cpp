// Shows the report window with the establishments' list over a few rows and saves a picture of
// it, to look at the layout on a real screen (run under xvfb-run): report_window_shot out.png

#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/ReportWindow.h"
#include "common/ReportWork.h"
#include "documents/FormDrukRap.h"

#include "platform/ui/Desktop.h"
#include "platform/ui/WindowOpener.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

using namespace trelimor;

// Shows the window, lets it settle, saves its picture and closes it.
class GrabbingOpener : public ui::WindowOpener
{
public:
    explicit GrabbingOpener(QString path)
        : m_path(std::move(path))
    {}
    int open(QDialog& window) override
    {
        window.show();
        window.activateWindow();
        if (QTest::qWaitForWindowExposed(&window)) {
            QTest::qWait(500);
            m_saved = window.grab().save(m_path);
        }
        window.hide();
        return QDialog::Rejected;
    }
    bool saved() const { return m_saved; }

private:
    QString m_path;
    bool m_saved = false;
};

void fillWorkDatabase(db::Database& robot)
{
    robot.execute(QStringLiteral(
        "CREATE TABLE OGOLNE (Naglowek1 VARCHAR(255), Naglowek2 VARCHAR(255), Naglowek3 VARCHAR(255))"));
    robot.execute(
        QStringLiteral("CREATE TABLE ZAKLAD (WNI VARCHAR(30), TypWNI VARCHAR(50), Nazwa VARCHAR(255), "
                       "Ulica VARCHAR(100), KodPocztowy VARCHAR(6), Miasto VARCHAR(50), Powiat VARCHAR(50), "
                       "Telefon VARCHAR(30))"));
    const char16_t* rows[][8] = {
        {u"10610001", u"Rzeźnia", u"Zakład Mięsny „Żubrówka” Sp. z o.o.", u"ul. Świętojańska 12", u"93-008",
         u"Łódź", u"łódzki", u"42 640 11 22"},
        {u"10610002", u"Zakład utylizacyjny", u"Utylizacja Gęsiówka", u"Polna 3", u"95-200", u"Pabianice",
         u"pabianicki", u""},
        {u"10620015", u"Punkt skupu", u"Skup Żywca Wiśniewski", u"Długa 44", u"95-100", u"Zgierz",
         u"zgierski", u"42 716 00 01"},
    };
    for (const auto& row : rows) {
        QVariantList values;
        for (const char16_t* value : row)
            values << QString::fromUtf16(value);
        robot.execute(QStringLiteral("INSERT INTO ZAKLAD VALUES (?, ?, ?, ?, ?, ?, ?, ?)"), values);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    trelimor::ui::useDesktopLook(); // as the program looks
    if (argc != 2) {
        std::fputs("usage: report_window_shot <picture.png>\n", stderr);
        return 2;
    }
    QTemporaryDir folder;
    ModLaborValues& m = ModLabor();
    m.BazaRobot = db::Database::create(folder.filePath(QStringLiteral("Robot.sqlite")));
    fillWorkDatabase(m.BazaRobot);
    m.KatalogRaportow = folder.path() + QLatin1Char('/');
    QFile::copy(QStringLiteral(TRELIMOR_REPORTS_DIR "/zlewnia.html"),
                m.KatalogRaportow + QStringLiteral("zlewnia.html"));
    programState().setWorkingDate(QDate(2022, 3, 31));
    UstawNaglowki(QStringLiteral("Powiatowy Inspektorat Weterynarii w Łodzi"),
                  QStringLiteral("ul. Źródłowa 5"), QString());

    auto grabber = std::make_unique<GrabbingOpener>(QString::fromLocal8Bit(argv[1]));
    GrabbingOpener* opener = grabber.get();
    ui::setOpener(std::move(grabber));
    registerFormDrukRap();
    PokazRaport(m.KatalogRaportow + QStringLiteral("zlewnia.rpt"), reportWindow(),
                QStringLiteral("Drukowanie"), QString(), QStringLiteral("Zakłady powiatu łódzkiego"),
                QString());
    const bool saved = opener->saved();
    resetModLabor();
    return saved ? 0 : 1;
}
