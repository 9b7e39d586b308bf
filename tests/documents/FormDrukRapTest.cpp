#include "DocumentsFixture.h"

#include "common/ModLabor.h"
#include "common/ReportWindow.h"
#include "common/ReportWork.h"
#include "documents/FormDrukRap.h"

#include "platform/report/Report.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/OverrideCursorGuard.h"

#include "support/FullDisk.h"
#include "support/RecordingMailCommand.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace trelimor;
using namespace trelimor::test;

namespace {

class FormDrukRapTest : public DocumentsFixture
{
protected:
    void SetUp() override
    {
        DocumentsFixture::SetUp();
        UstawNaglowki(QStringLiteral("Powiatowy Inspektorat Weterynarii w Łodzi"),
                      QStringLiteral("ul. Źródłowa 5"), QString());
        addEstablishment({QStringLiteral("10610001"), QStringLiteral("Rzeźnia"),
                          QStringLiteral("Zakład Mięsny „Żubrówka” Sp. z o.o."),
                          QStringLiteral("ul. Świętojańska 12"), QStringLiteral("93-008"),
                          QStringLiteral("Łódź"), QStringLiteral("łódzki")});
        addEstablishment({QStringLiteral("10610002"), QStringLiteral("Zakład utylizacyjny"),
                          QStringLiteral("Utylizacja Gęsiówka"), QStringLiteral("Polna 3"),
                          QStringLiteral("95-200"), QStringLiteral("Pabianice"),
                          QStringLiteral("pabianicki")});
    }

    // Shows the establishments' list under a title; the handler acts on the shown window.
    void showList(const QString& title, std::function<void(FormDrukRap&)> handler)
    {
        opener->onOpen(QStringLiteral("FormDrukRap"),
                       [handler](QDialog& window) { handler(static_cast<FormDrukRap&>(window)); });
        PokazRaport(ModLabor().KatalogRaportow + QStringLiteral("zlewnia.rpt"), reportWindow(),
                    QStringLiteral("Drukowanie"), QString(), title, QString());
    }

    QString exportFolder() const { return folders.programFolder() + QStringLiteral("/Eksport/20220331"); }
};

TEST_F(FormDrukRapTest, ShowsTheReportFillingTheWindowAtZoom87AndZamknijHidesIt)
{
    bool handled = false;
    showList(QString(), [&handled](FormDrukRap& form) {
        handled = true;
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Drukowanie"));
        EXPECT_EQ(form.CRViewer->zoomPercent(), 87);
        EXPECT_EQ(form.CRViewer->pageCount(), 1);
        EXPECT_EQ(form.CRViewer->geometry(), form.rect());
        form.resize(640, 480);
        EXPECT_EQ(form.CRViewer->geometry(), QRect(0, 0, 640, 480));
        EXPECT_TRUE(form.rect().contains(form.Frame1->geometry())) << "the buttons stay in the window";
        EXPECT_EQ(form.report(), ModLabor().RaportBiezacy);
        QTest::mouseClick(form.CmdAnuluj, Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_TRUE(handled);
    EXPECT_EQ(opener->opened(), QStringList{QStringLiteral("FormDrukRap")});
}

TEST_F(FormDrukRapTest, WyslijWynikWritesThePdfInTheDatedExportFolder)
{
    const QString proposed = exportFolder() + QStringLiteral("/Wykaz zakładów 20220331.pdf");
    dialogs->answerFile(proposed).answerNo();
    showList(QStringLiteral("Zakłady powiatu łódzkiego"), [](FormDrukRap& form) {
        QTest::mouseClick(form.ComWyslij, Qt::LeftButton);
        QTest::mouseClick(form.CmdAnuluj, Qt::LeftButton);
    });
    ASSERT_EQ(dialogs->calls().size(), 2u);
    const DialogCall& save = dialogs->calls()[0];
    EXPECT_EQ(save.kind, DialogCall::Kind::SaveFile);
    EXPECT_EQ(save.path, proposed);
    EXPECT_EQ(save.filter, QStringLiteral("Plik PDF (*.pdf)|*.pdf"));
    EXPECT_EQ(save.filterIndex, 1);
    EXPECT_EQ(dialogs->last().text,
              QStringLiteral("Przygotowanie pliku zakończone powodzeniem!\rCzy wysłać teraz?"));
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Wysyłanie!"));
    EXPECT_FALSE(dialogs->last().yesIsDefault);

    // The whole report, Polish letters and titles included, is in the file the user kept.
    ASSERT_TRUE(QFileInfo::exists(proposed));
    const QString text = pdfText(proposed);
    for (const QString& expected :
         {QStringLiteral("Powiatowy Inspektorat Weterynarii w Łodzi"), QStringLiteral("ul. Źródłowa 5"),
          QStringLiteral("Wykaz zakładów"), QStringLiteral("Zakłady powiatu łódzkiego"),
          QStringLiteral("Zakład Mięsny „Żubrówka”"), QStringLiteral("Utylizacja Gęsiówka"),
          QStringLiteral("Liczba zakładów: 2"), QStringLiteral("Strona 1 z 1")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " not in:\n" << text.toStdString();
}

TEST_F(FormDrukRapTest, WyslijWynikMailsThePdfWhenAsked)
{
    RecordingMailCommand command(0);
    setMailProgram({command.path(), {}});
    const QString chosen = exportFolder() + QStringLiteral("/wykaz"); // the extension is added
    dialogs->answerFile(chosen).answerYes();
    showList(QString(), [](FormDrukRap& form) { QTest::mouseClick(form.ComWyslij, Qt::LeftButton); });
    ASSERT_TRUE(QTest::qWaitFor([&command] { return command.ran(); }, 10000));
    EXPECT_EQ(command.arguments(),
              (QStringList{QStringLiteral("--subject"), QStringLiteral("Wykaz zakładów"),
                           QStringLiteral("--body"), QStringLiteral(" "), QStringLiteral("--attach"),
                           chosen + QStringLiteral(".pdf"), QStringLiteral("adresat@example.com")}));
    EXPECT_TRUE(QFileInfo::exists(chosen + QStringLiteral(".pdf")));
}

TEST_F(FormDrukRapTest, ProposesTheReportsOwnNameWithItsScopeAndShowsThePointerWhileShown)
{
    // The caller's hourglass (a summary that ends in its report) is lifted while the report is read.
    ui::OverrideCursorGuard wait;
    QStringList proposed;
    opener->onOpen(QStringLiteral("FormDrukRap"), [this, &proposed](QDialog& window) {
        auto& form = static_cast<FormDrukRap&>(window);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        dialogs->answerCancel();
        QTest::mouseClick(form.ComDrukarka, Qt::LeftButton);
        EXPECT_EQ(form.printer().docName(), form.defaultPdfName()) << "the print dialog proposes it too";
        proposed << form.defaultPdfName();
    });
    auto show = [](const QString& file, const QString& scope = {}) {
        PokazRaport(ModLabor().KatalogRaportow + file, reportWindow(), QStringLiteral("Drukowanie"),
                    QString(), QStringLiteral(" - badania w kierunku BSE"), QString(), scope);
    };
    show(QStringLiteral("zlewnia.rpt"));
    writeTemplate(QStringLiteral("Dziwny.html"), "<title> - /Wykaz\\\r\nprób </title>{{#Partia}}{{/Partia}}");
    show(QStringLiteral("Dziwny.rpt"));
    show(QStringLiteral("Dziwny.rpt"), QStringLiteral("partia 5"));
    writeTemplate(QStringLiteral("Bez.html"), "<p>bez tytułu</p>");
    show(QStringLiteral("Bez.rpt"));

    EXPECT_EQ(proposed,
              (QStringList{QStringLiteral("Wykaz zakładów 20220331"), QStringLiteral("Wykaz prób 20220331"),
                           QStringLiteral("Wykaz prób partia 5 20220331"), QStringLiteral("Bez 20220331")}));
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor) << "and put back afterwards";
}

TEST_F(FormDrukRapTest, CancellingTheSaveDialogEndsQuietly)
{
    dialogs->answerCancel();
    showList(QString(), [](FormDrukRap& form) { QTest::mouseClick(form.ComWyslij, Qt::LeftButton); });
    ASSERT_EQ(dialogs->calls().size(), 1u);
    EXPECT_TRUE(QDir(exportFolder()).isEmpty()) << "the folder is made, no file is written";
}

TEST_F(FormDrukRapTest, AnExportThatCannotBeWrittenIsReported)
{
    writeFile(folders.path(QStringLiteral("plik")), "nie folder");
    dialogs->answerFile(folders.path(QStringLiteral("plik/wykaz.pdf")));
    showList(QString(), [](FormDrukRap& form) { QTest::mouseClick(form.ComWyslij, Qt::LeftButton); });
    ASSERT_EQ(dialogs->calls().size(), 2u);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("EKSPORT DO PLIKU"));
    EXPECT_EQ(dialogs->last().icon, ui::Icon::Information);
    EXPECT_TRUE(dialogs->last().text.startsWith(
        QStringLiteral("Błąd dostępu do ścieżki/pliku!\rSpróbuj ponownie!\r75")))
        << dialogs->last().text.toStdString();
}

TEST_F(FormDrukRapTest, APdfThatCannotBeWrittenWholeIsReportedAndTheFileBeforeItStays)
{
    const QString kept = exportFolder() + QStringLiteral("/wykaz.pdf");
    const QByteArray before = "%PDF-1.4 wykaz z wczoraj %%EOF";
    writeFile(kept, before);
    dialogs->answerFile(kept).answerPrinterAccepted();
    showList(QString(), [&kept](FormDrukRap& form) {
        FullDisk disk(2048); // the report's PDF is larger
        QTest::mouseClick(form.ComWyslij, Qt::LeftButton);
        // A PDF printed through the printer dialog is written the same way.
        form.printer().setOutputFormat(QPrinter::PdfFormat);
        form.printer().setOutputFileName(kept);
        QTest::mouseClick(form.ComDrukarka, Qt::LeftButton);
    });
    // Neither the success question nor the mail follows; each failure is said in Polish.
    ASSERT_EQ(dialogs->calls().size(), 4u);
    EXPECT_EQ(dialogs->calls()[1].title, QStringLiteral("EKSPORT DO PLIKU"));
    EXPECT_TRUE(dialogs->calls()[1].text.startsWith(QStringLiteral("Błąd dostępu do ścieżki/pliku!")))
        << dialogs->calls()[1].text.toStdString();
    EXPECT_EQ(dialogs->calls()[3].kind, DialogCall::Kind::Message);
    EXPECT_TRUE(dialogs->calls()[3].text.contains(kept)) << dialogs->calls()[3].text.toStdString();
    EXPECT_EQ(readFile(kept), before);
    EXPECT_EQ(QDir(exportFolder()).entryList(QDir::Files), QStringList{QStringLiteral("wykaz.pdf")})
        << "no temporary file is left beside it";
}

TEST_F(FormDrukRapTest, DrukarkaPrintsTheReportOnTheChosenPrinter)
{
    const QString printed = folders.path(QStringLiteral("wydruk.pdf"));
    dialogs->answerCancel().answerPrinterAccepted();
    showList(QString(), [&printed](FormDrukRap& form) {
        form.printer().setOutputFormat(QPrinter::PdfFormat);
        form.printer().setOutputFileName(printed);
        QTest::mouseClick(form.ComDrukarka, Qt::LeftButton);
        EXPECT_FALSE(QFileInfo::exists(printed)) << "cancelled: nothing printed";
        QTest::mouseClick(form.ComDrukarka, Qt::LeftButton);
    });
    ASSERT_TRUE(QFileInfo::exists(printed));
    EXPECT_TRUE(pdfText(printed).contains(QStringLiteral("Utylizacja Gęsiówka")));
}

TEST_F(FormDrukRapTest, ProducersTemplateListsItsTableAndSaysWhenEmpty)
{
    ModLabor().BazaRobot.execute(
        QStringLiteral("CREATE TABLE Klient (WNI VARCHAR(15), Nazwisko VARCHAR(50), "
                       "Imie VARCHAR(30), Miejscowosc VARCHAR(50), Gmina VARCHAR(50))"));
    QString html;
    opener->onOpen(QStringLiteral("FormDrukRap"),
                   [&html](QDialog& window) { html = static_cast<FormDrukRap&>(window).report()->html(); });
    const QString path = ModLabor().KatalogRaportow + QStringLiteral("producen.rpt");
    PokazRaport(path, reportWindow(), QStringLiteral("Drukowanie"), QString(), QString(), QString());
    EXPECT_TRUE(html.contains(QStringLiteral("Brak producentów do wydruku."))) << html.toStdString();

    ModLabor().BazaRobot.execute(QStringLiteral(
        "INSERT INTO Klient VALUES ('PL012345678-001', 'Wójcik', 'Józef', 'Łęczyca', 'Łęczyca')"));
    PokazRaport(path, reportWindow(), QStringLiteral("Drukowanie"), QString(),
                QStringLiteral("Gmina Łęczyca"), QString());
    EXPECT_TRUE(html.contains(QStringLiteral("Wójcik Józef"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("Gmina Łęczyca")));
    EXPECT_TRUE(html.contains(QStringLiteral("Liczba producentów: 1")));
}

} // namespace
