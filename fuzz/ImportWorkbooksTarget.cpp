// The workbooks the imports read, each as its reader takes it: a protocol spreadsheet's header
// and sample rows, and an establishment's formats A, B, C and E. The reading of the file itself is
// the xls target's: here the input is the sheet's cells, one a line, so that the fuzzer spends
// its time on the readers and a seed reads like the sheet it stands for:
//
//   <row>,<column> <kind> <value>
//
// with the kinds as the workbook reader gives them: t text (UTF-8), i whole number, f fraction
// ("nan", "inf" and "-inf" too), d date (yyyy-MM-dd), s date and time (yyyy-MM-dd HH:mm:ss) and
// h time (HH:mm:ss); a date or time that is no date stays in its cell as the reader would leave
// it. "p <number>" gives the number of the first sample in the sample frame (1 to 999, as its
// save allows). Lines of any other shape are passed over.

#include "FuzzSupport.h"

#include "imports/PlantFiles.h"
#include "imports/ProtocolHeader.h"
#include "imports/ProtocolSamples.h"

#include "common/TextHelpers.h"

#include "platform/db/Database.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QTime>

#include <cstdlib>
#include <limits>

#include <unistd.h>

namespace {

using namespace trelimor;

// Sheets larger than these add nothing the readers do not meet in a smaller one, only time.
constexpr int kMaxRows = 256;
constexpr int kMaxColumns = 32;
constexpr int kMaxCells = 2048;

QVariant fraction(const QByteArray& text)
{
    if (text == "nan")
        return std::numeric_limits<double>::quiet_NaN();
    if (text == "inf")
        return std::numeric_limits<double>::infinity();
    if (text == "-inf")
        return -std::numeric_limits<double>::infinity();
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? QVariant(value) : QVariant();
}

QVariant valueOf(char kind, const QByteArray& text)
{
    switch (kind) {
    case 't':
        return QString::fromUtf8(text);
    case 'i': {
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        return ok ? QVariant::fromValue<qint64>(value) : QVariant();
    }
    case 'f':
        return fraction(text);
    case 'd':
        return QDate::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd"));
    case 's':
        return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case 'h':
        return QTime::fromString(QString::fromLatin1(text), QStringLiteral("HH:mm:ss"));
    default:
        return {};
    }
}

struct Input
{
    QList<sheet::CellValue> cells;
    QString firstSampleNumber = QStringLiteral("1");
};

Input decode(const QByteArray& bytes)
{
    Input input;
    for (const QByteArray& line : bytes.split('\n')) {
        if (input.cells.size() >= kMaxCells)
            break;
        if (line.startsWith("p ")) {
            const int number = line.mid(2).trimmed().toInt();
            if (number >= 1 && number <= 999)
                input.firstSampleNumber = QString::number(number);
            continue;
        }
        // "<row>,<column> <kind> <value>"
        const qsizetype comma = line.indexOf(',');
        const qsizetype space = line.indexOf(' ', comma + 1);
        if (comma < 0 || space < 0 || space + 2 > line.size())
            continue;
        bool rowOk = false;
        bool columnOk = false;
        const int row = line.left(comma).toInt(&rowOk);
        const int column = line.mid(comma + 1, space - comma - 1).toInt(&columnOk);
        if (!rowOk || !columnOk || row < 1 || row > kMaxRows || column < 1 || column > kMaxColumns)
            continue;
        const char kind = line.at(space + 1);
        const QByteArray text = line.mid(space + 3);
        input.cells.append({row, column, valueOf(kind, text)});
    }
    return input;
}

// The first sample of formats A, B and E as a user completes it in the sample frame.
SampleFrameValues pane(const QString& number)
{
    SampleFrameValues p;
    p.TextNrProbki = number;
    p.TextIDProbkiWNI = QStringLiteral("14650011");
    p.TextIDProbkiNr = UzupelnijZerami(number, true, 3);
    p.TextIDProbkiData = QStringLiteral("30032022");
    p.TextNrKolczyka = QStringLiteral("PL005467389121");
    p.ComboWiek = QStringLiteral("30");
    p.ComboGatunek = QStringLiteral("Bydło");
    p.ComboPlec = QStringLiteral("żeńska");
    p.ComboRodzajUboju = QStringLiteral("N");
    p.ComboObjawyChorobowe = QStringLiteral("brak");
    p.ComboUzytkowosc = QStringLiteral("mleczna");
    p.TextLiczebnoscStada = QStringLiteral("40");
    p.TextNrGospod = QStringLiteral("PL054673891001");
    p.TextWlascicielNazwisko = QStringLiteral("Wiśniewski");
    p.TextWlascicielImie = QStringLiteral("Józef");
    p.TextWlascicielMiejscowosc = QStringLiteral("Łomianki");
    p.TextWlascicielNrPosesja = QStringLiteral("Polna 7");
    p.ComboWoj = QStringLiteral("mazowieckie");
    p.LabIDWOJ = QStringLiteral("14");
    p.ComboPIW = QStringLiteral("warszawski zachodni");
    p.TextKodPIW = QStringLiteral("1432");
    p.TextGmina = QStringLiteral("Łomianki");
    p.ComboRodzajMaterialu = QStringLiteral("pień mózgu");
    p.ComboWarunkiPrzechowywania = QStringLiteral("schłodzone");
    p.TextDataUrodzenia = QStringLiteral("12.01.2017");
    return p;
}

QString dictionaryPath()
{
    return QStringLiteral("/dev/shm/trelimor-fuzz-%1-stale.sqlite").arg(::getpid());
}

void removeDictionary()
{
    QFile::remove(dictionaryPath());
}

// Formats C and E look up the district inspectorates (PIW) of the dictionary database: a few of
// them, in a file made for the run and removed at its end.
db::Database& dictionary()
{
    static db::Database stale = [] {
        removeDictionary();
        db::Database db = db::Database::create(dictionaryPath());
        std::atexit(removeDictionary);
        db.execute(QStringLiteral("CREATE TABLE PIW (IDPIW TEXT, Miasto TEXT)"));
        for (const auto& [kod, miasto] : {std::pair{"1002", "Kutno"}, std::pair{"1432", "Łomianki"},
                                          std::pair{"1465", "Warszawa"}, std::pair{"0215", "Oława"}})
            db.execute(QStringLiteral("INSERT INTO PIW (IDPIW, Miasto) VALUES (?, ?)"),
                       {QString::fromLatin1(kod), QString::fromUtf8(miasto)});
        return db;
    }();
    return stale;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::installSilentDialogs(); // formats B and E tell the user of odd values as they go
    (void)dictionary();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Input input = decode(fuzz::bytesOf(data, size));
    const ImportSheet sheet(sheet::Workbook(QStringLiteral("arkusz.xls"), input.cells));
    const SampleFrameValues first = pane(input.firstSampleNumber);
    const SampleCodeParts partia{QStringLiteral("14650011"), QStringLiteral("30032022")};

    (void)readProtocolHeader(sheet);
    (void)readProtocolSamples(sheet);
    (void)readPlantFormatA(sheet, first);
    (void)readPlantFormatB(sheet, first);
    (void)readPlantFormatC(sheet, partia, dictionary());
    (void)readPlantFormatE(sheet, partia, first, dictionary());
    return 0;
}
