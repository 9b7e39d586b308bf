// The imports driven through a stand-in of the batch window: what they ask of the window, in
// which order, and what they leave behind, with no window at all.

#include "ImportFixture.h"

#include "batch/BatchRows.h"
#include "imports/BatchImportHost.h"
#include "imports/BatchImports.h"

#include "platform/db/Recordset.h"

#include <QGuiApplication>

#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace trelimor;
using namespace trelimor::test;

namespace {

// The batch window as a record of what was asked of it.
class RecordedWindow : public BatchImportHost
{
public:
    // The current batch, as the window's lists would hold it.
    QString batch;
    SampleCodeParts batchCode;
    int samples = 0;

    std::map<QString, QString> batchFields;
    std::map<QString, QString> sampleFields;
    int newBatches = 0;
    int newSamples = 0;
    bool sampleFrameHidden = false;
    QString focused;
    QString mode;
    QString file;
    bool waitingForFirstSample = false;
    QString collectorFile;
    qint64 selectedRow = -1;
    int captionRefreshes = 0;
    // Every lock and unlock (Funk, Funk1), every change of the wait notice.
    std::vector<std::pair<bool, bool>> locks;
    std::vector<bool> waitNotice;

    bool hasBatch() const override { return !batch.isEmpty(); }
    QString currentBatch() const override { return batch; }
    SampleCodeParts currentBatchCode() const override { return batchCode; }
    int sampleCount() const override { return samples; }
    void selectSample(qint64 row) override { selectedRow = row; }
    void refreshSampleCaption() override { ++captionRefreshes; }

    bool startNewBatch() override
    {
        ++newBatches;
        batchFields.clear();
        return true;
    }
    void cancelBatchFrame() override { batchFields.clear(); }
    QString batchField(const QString& control) const override { return known(batchFields, control); }
    void setBatchField(const QString& control, const QString& text) override
    {
        known(batchFields, control);
        batchFields[control] = text;
    }

    void startNewSample() override
    {
        ++newSamples;
        // The proposals of a batch's first sample.
        sampleFields = {{QStringLiteral("TextNrProbki"), QStringLiteral("1")},
                        {QStringLiteral("TextIDProbkiWNI"), batchCode.zaklad},
                        {QStringLiteral("TextIDProbkiNr"), QStringLiteral("001")},
                        {QStringLiteral("TextIDProbkiData"), batchCode.data},
                        {QStringLiteral("TextNrKolczyka"), QStringLiteral("PL005")},
                        {QStringLiteral("ComboWiek"), QString()},
                        {QStringLiteral("ComboGatunek"), QStringLiteral("Bydło")},
                        {QStringLiteral("ComboPlec"), QStringLiteral("żeńska")},
                        {QStringLiteral("ComboRodzajUboju"), QString()},
                        {QStringLiteral("TextNrGospod"), QString()}};
    }
    SampleFrameValues sampleFrame() const override
    {
        SampleFrameValues v;
        v.TextNrProbki = known(sampleFields, QStringLiteral("TextNrProbki"));
        v.TextIDProbkiWNI = known(sampleFields, QStringLiteral("TextIDProbkiWNI"));
        v.TextIDProbkiNr = known(sampleFields, QStringLiteral("TextIDProbkiNr"));
        v.TextIDProbkiData = known(sampleFields, QStringLiteral("TextIDProbkiData"));
        v.TextNrKolczyka = known(sampleFields, QStringLiteral("TextNrKolczyka"));
        v.ComboWiek = known(sampleFields, QStringLiteral("ComboWiek"));
        v.ComboGatunek = known(sampleFields, QStringLiteral("ComboGatunek"));
        v.ComboPlec = known(sampleFields, QStringLiteral("ComboPlec"));
        v.ComboRodzajUboju = known(sampleFields, QStringLiteral("ComboRodzajUboju"));
        v.TextNrGospod = known(sampleFields, QStringLiteral("TextNrGospod"));
        return v;
    }
    void setSampleField(const QString& control, const QString& text) override
    {
        known(sampleFields, control);
        sampleFields[control] = text;
    }
    void hideSampleFrame() override { sampleFrameHidden = true; }
    void focus(const QString& control) override { focused = control; }

    QString TrybWczytywania() const override { return mode; }
    void setTrybWczytywania(const QString& m) override { mode = m; }
    QString LabelWczytajPlik() const override { return file; }
    void setLabelWczytajPlik(const QString& path) override { file = path; }
    void setCzekaNaPierwszaProbke(bool waiting) override { waitingForFirstSample = waiting; }
    void setCommonDialog1Tag(const QString& path) override { collectorFile = path; }

    void Klawisze(bool Funk, bool Funk1) override { locks.emplace_back(Funk, Funk1); }
    void setWaitNoticeVisible(bool visible) override { waitNotice.push_back(visible); }
    void repaintNow() override {}

private:
    // The frames' controls this stand-in knows; an import that names another one has a typo the
    // real window would refuse as well.
    static QString known(const std::map<QString, QString>& fields, const QString& control)
    {
        static const QStringList controls{QStringLiteral("TextDataUboju"),
                                          QStringLiteral("TextDataPobr"),
                                          QStringLiteral("TextGodzUboju"),
                                          QStringLiteral("TextGodzPobr"),
                                          QStringLiteral("TextZaklad"),
                                          QStringLiteral("TextPowiat"),
                                          QStringLiteral("ComboWNI"),
                                          QStringLiteral("ComboProceduraPobierania"),
                                          QStringLiteral("ComboPlanPobierania"),
                                          QStringLiteral("ComboPobral"),
                                          QStringLiteral("TextIlProbek"),
                                          QStringLiteral("TextNrProbki"),
                                          QStringLiteral("TextIDProbkiWNI"),
                                          QStringLiteral("TextIDProbkiNr"),
                                          QStringLiteral("TextIDProbkiData"),
                                          QStringLiteral("TextNrKolczyka"),
                                          QStringLiteral("ComboWiek"),
                                          QStringLiteral("ComboGatunek"),
                                          QStringLiteral("ComboPlec"),
                                          QStringLiteral("ComboRodzajUboju"),
                                          QStringLiteral("TextNrGospod")};
        if (!controls.contains(control))
            throw std::logic_error("unknown control " + control.toStdString());
        const auto found = fields.find(control);
        return found == fields.end() ? QString() : found->second;
    }
};

class ImportHostTest : public ImportFixture
{
protected:
    void SetUp() override
    {
        ImportFixture::SetUp();
        zaloguj(); // the databases open; the batch window is never made
        m_boxesAtStart = dialogs->calls().size();
    }

    // The boxes and dialogs shown since the program started.
    std::size_t boxes() const { return dialogs->calls().size() - m_boxesAtStart; }

    // A batch stored as the window's save would store it, then current in the stand-in.
    void storeBatch(RecordedWindow& window, int number, const QString& establishment)
    {
        wstaw(rok(), QStringLiteral("Partia"),
              {{QStringLiteral("Partia"), number},
               {QStringLiteral("KodZakladu"), establishment},
               {QStringLiteral("DataPobr"), QDate(2022, 3, 30)}});
        window.batch = QString::number(number);
        window.batchCode = {establishment, QStringLiteral("30032022")};
    }

    qint64 lastRowOf(int batch)
    {
        return rok()
            .scalar(QStringLiteral("SELECT MAX(rowid) FROM Badanie WHERE Partia = ?"), {batch})
            .toLongLong();
    }

private:
    std::size_t m_boxesAtStart = 0;
};

// The protocol spreadsheet: its header fills a new batch's frame and arms the automatic load;
// the load after the batch's save stores the samples of the same file in the current batch.
TEST_F(ImportHostTest, AProtocolHeaderArmsTheLoadOfItsSamplesIntoTheSavedBatch)
{
    RecordedWindow window;
    const QString path = daneTestowe(QStringLiteral("protokol_uklady.xls"));
    dialogs->answerFile(path);
    ComWczytPart_Click(window);

    EXPECT_EQ(window.newBatches, 1);
    const std::map<QString, QString> header{
        {QStringLiteral("TextDataUboju"), QStringLiteral("29.03.2022")},
        {QStringLiteral("TextDataPobr"), QStringLiteral("30.03.2022")},
        {QStringLiteral("TextGodzUboju"), QStringLiteral("06:30")},
        {QStringLiteral("TextGodzPobr"), QStringLiteral("08:15")},
        {QStringLiteral("TextZaklad"), QStringLiteral("14650011")},
        {QStringLiteral("TextPowiat"), QStringLiteral("1465")},
        {QStringLiteral("ComboWNI"), QStringLiteral("zakładu ubojowego")}, // from the register
        {QStringLiteral("TextIlProbek"), QStringLiteral("5")}};
    for (const auto& [control, text] : header)
        EXPECT_EQ(window.batchFields[control], text) << control.toStdString();
    EXPECT_EQ(window.mode, QStringLiteral("WczytAuto"));
    EXPECT_EQ(window.file, path);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is gone";
    EXPECT_TRUE(window.locks.empty()) << "the new batch's frame keeps the window locked";
    ASSERT_EQ(boxes(), 1u); // the Open dialog only

    storeBatch(window, 1, QStringLiteral("14650011"));
    ComWczyt_Click(window);
    EXPECT_EQ(boxes(), 1u) << dialogs->last().text.toStdString();
    EXPECT_EQ(wiersze(QStringLiteral("SELECT NrKolczyka FROM Badanie WHERE Partia = 1")).size(), 5);
    EXPECT_EQ(window.selectedRow, lastRowOf(1));
    EXPECT_EQ(window.captionRefreshes, 1);
    EXPECT_TRUE(window.file.isEmpty()) << "the file is forgotten once loaded";
    EXPECT_EQ(window.locks, (std::vector<std::pair<bool, bool>>{{false, true}, {true, true}}));
    EXPECT_EQ(window.waitNotice, (std::vector<bool>{true, false}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // A second automatic load without a file to read does nothing at all.
    ComWczyt_Click(window);
    EXPECT_EQ(window.locks.size(), 2u);
    EXPECT_EQ(wiersze(QStringLiteral("SELECT NrKolczyka FROM Badanie")).size(), 5);
}

// Format A: the first sample waits in the sample frame for the user; the frame as completed then
// goes to every row of the file when the save hands the import on.
TEST_F(ImportHostTest, FormatAWaitsForItsFirstSampleAndCopiesItToEveryRow)
{
    RecordedWindow window;
    storeBatch(window, 3, QStringLiteral("20023804"));
    const QString path = daneTestowe(QStringLiteral("zaklad_a.xls"));
    dialogs->answerFile(path);
    ComWczytaj_Click(window);

    EXPECT_EQ(window.newSamples, 1);
    EXPECT_EQ(window.sampleFields[QStringLiteral("TextNrKolczyka")], QStringLiteral("PL005467389121"));
    EXPECT_EQ(window.sampleFields[QStringLiteral("ComboWiek")], QStringLiteral("30"));
    EXPECT_TRUE(window.waitingForFirstSample);
    EXPECT_EQ(window.file, path);
    EXPECT_EQ(window.focused, QStringLiteral("ComboRodzajUboju"));
    ASSERT_EQ(boxes(), 2u);
    EXPECT_TRUE(dialogs->last().text.startsWith(QStringLiteral("Ustaw parametry dla pierwszej próbki!")));
    EXPECT_TRUE(wiersze(QStringLiteral("SELECT * FROM Badanie")).isEmpty());

    window.sampleFields[QStringLiteral("ComboRodzajUboju")] = QStringLiteral("K");
    window.sampleFields[QStringLiteral("TextNrGospod")] = QStringLiteral("PL0123456789001");
    window.waitingForFirstSample = false; // as the sample save does before it hands over
    WczytajPlikZakladu(window);

    const QList<QVariantMap> stored =
        wiersze(QStringLiteral("SELECT * FROM Badanie WHERE Partia = 3 ORDER BY NrProbki"));
    ASSERT_EQ(stored.size(), 4);
    for (const QVariantMap& sample : stored) {
        EXPECT_EQ(sample.value(QStringLiteral("RodzajUboju")).toString(), QStringLiteral("K"));
        EXPECT_EQ(sample.value(QStringLiteral("NrGospod")).toString(), QStringLiteral("PL0123456789001"));
        EXPECT_EQ(sample.value(QStringLiteral("IDProbkiWNI")).toString(), QStringLiteral("20023804"));
        EXPECT_EQ(sample.value(QStringLiteral("IDProbkiData")).toString(), QStringLiteral("30032022"));
    }
    EXPECT_EQ(stored.last().value(QStringLiteral("NrKolczyka")).toString(), QStringLiteral("PL005467389124"));
    EXPECT_EQ(window.selectedRow, lastRowOf(3));
    EXPECT_GE(window.captionRefreshes, 1);
    EXPECT_TRUE(window.file.isEmpty());
    EXPECT_EQ(window.locks.back(), (std::pair<bool, bool>{true, true}));
    EXPECT_EQ(boxes(), 2u);
}

} // namespace
