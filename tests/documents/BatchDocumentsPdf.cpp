// Renders the three printouts of a batch window (protocol, combined protocol, covering letter)
// for a sample batch (30 samples unless a count is given) into PDF files, to look at their layout:
//     batch_documents_pdf <output folder> [samples]
// then, for instance: pdftoppm -png -r 60 <output folder>/Protokol.pdf Protokol

#include "BatchSetup.h"

#include "documents/BatchDocuments.h"
#include "documents/FormDrukRap.h"

#include "common/ModLabor.h"

#include "platform/db/Transaction.h"
#include "platform/report/Report.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/WindowOpener.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace trelimor;

// Writes each report shown in the report window into <folder>/<report name>.pdf.
class PdfOpener : public ui::WindowOpener
{
public:
    explicit PdfOpener(QString folder)
        : m_folder(std::move(folder))
    {}
    int open(QDialog& window) override
    {
        const auto& form = static_cast<FormDrukRap&>(window);
        const QString path = QDir(m_folder).filePath(form.report()->name() + QStringLiteral(".pdf"));
        form.CRViewer->document()->exportPdf(path); // as laid out for the window
        std::printf("%s\n", qPrintable(path));
        return QDialog::Rejected;
    }

private:
    QString m_folder;
};

// Nothing should be asked: every box is printed and answered No.
class PrintedDialogs : public ui::DialogService
{
public:
    void message(const QString& text, const QString& title, ui::Icon) override { print(title, text); }
    bool askYesNo(const QString& text, const QString& title, ui::Icon, bool) override
    {
        print(title, text);
        return false;
    }
    ui::Answer askYesNoCancel(const QString& text, const QString& title, ui::Icon) override
    {
        print(title, text);
        return ui::Answer::Cancel;
    }
    bool askOkCancel(const QString& text, const QString& title, ui::Icon) override
    {
        print(title, text);
        return false;
    }
    QString askText(const QString& prompt, const QString& title, bool) override
    {
        print(title, prompt);
        return {};
    }
    QString openFile(const QString& title, const QString&, const QString&, int) override
    {
        print(title, {});
        return {};
    }
    QString saveFile(const QString& title, const QString&, const QString&, int) override
    {
        print(title, {});
        return {};
    }
    bool printerSetup(QPrinter&) override { return false; }
    void beep() override {}

private:
    static void print(const QString& title, const QString& text)
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(ui::displayText(text)));
    }
};

// Owners of every length, so that some rows of a long protocol take two or three lines.
QVariantMap owner(int nr)
{
    static const QStringList surnames = {QStringLiteral("Wiśniewski"),
                                         QStringLiteral("Kowalczyk-Brzęczyszczykiewicz"),
                                         QStringLiteral("Nowak"), QStringLiteral("Zawadzka-Łęczycka")};
    static const QStringList towns = {QStringLiteral("Łomianki"), QStringLiteral("Grodzisk Mazowiecki"),
                                      QStringLiteral("Nowa Wieś Królewska Kolonia"),
                                      QStringLiteral("Ożarów")};
    return {{QStringLiteral("WlascicielNazwisko"), surnames.at(nr % surnames.size())},
            {QStringLiteral("WlascicielMiejscowosc"), towns.at((nr / 3) % towns.size())}};
}

void addSampleBatch(int samples)
{
    using test::addSample;
    db::Transaction transaction(ModLabor().BazaRok);
    test::addBatch(
        {{QStringLiteral("IlProbek"), samples},
         {QStringLiteral("NumerSprawy"), QStringLiteral("PIW.WZ.5250.12.2022")},
         {QStringLiteral("Miejscowosc"), QStringLiteral("Warszawa")},
         {QStringLiteral("Dnia"), QStringLiteral("31.03.2022")},
         {QStringLiteral("PobranoOd"), QStringLiteral("Zakład Mięsny „Grochów”")},
         {QStringLiteral("WywiadLekarski"), QStringLiteral("Bez objawów klinicznych przed ubojem.")},
         {QStringLiteral("RodzajBadania"), QStringLiteral("urzędowe")}});
    for (int nr = 1; nr <= samples; ++nr) {
        QVariantMap fields = owner(nr);
        if (nr % 7 == 3) {
            fields.insert(QStringLiteral("RodzajUboju"), QStringLiteral("P"));
            fields.insert(QStringLiteral("Uwagi"),
                          QStringLiteral("Sztuka padła w gospodarstwie, przywieziona "
                                         "do zakładu utylizacyjnego"));
        }
        if (nr % 5 == 0)
            fields.insert(QStringLiteral("Plec"), QStringLiteral("XY"));
        addSample(nr, fields);
    }
    transaction.commit();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int samples = argc == 3 ? std::atoi(argv[2]) : 30;
    if (argc < 2 || argc > 3 || samples < 1) {
        std::fputs("usage: batch_documents_pdf <output folder> [samples]\n", stderr);
        return 2;
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(output);

    QTemporaryDir home;
    qputenv("TRELIMOR_HOME", home.filePath(QStringLiteral("Trelimor")).toLocal8Bit());
    qputenv("TRELIMOR_NETWORK", home.filePath(QStringLiteral("network")).toLocal8Bit());
    QDir().mkpath(home.filePath(QStringLiteral("Trelimor")));
    ui::setDialogs(std::make_unique<PrintedDialogs>());
    ui::setOpener(std::make_unique<PdfOpener>(output));

    test::prepareDocuments();
    addSampleBatch(samples);
    test::TestBatchWindow okno;
    okno.select(12);
    ComProtokol_Click(okno);
    ComProtokolSaria1_Click(okno);
    ComPismoPrzewodnie_Click(okno);
    return 0;
}
