#pragma once

#include "common/DataControl.h"
#include "documents/BatchDocumentsHost.h"
#include "documents/ReportControl.h"

#include <QGuiApplication>
#include <QString>
#include <QVariantMap>

#include <utility>
#include <vector>

namespace trelimor::test {

// The batch window as the documents see it, over real data controls: it records what the
// documents drive (Klawisze, the print frame, the print button, the hourglass).
class TestBatchWindow : public BatchDocumentsHost
{
public:
    // Binds the batch list to the yearly batches and selects the batch with that number, with
    // its samples; the sample at sampleRow (from 0) is the selected one.
    void select(qlonglong batch, int sampleRow = 0);

    QString LabPartia() const override { return labPartia; }
    DataControl& DataPartia() override { return partie; }
    DataControl& DataProbka() override { return probki; }
    void Klawisze(bool Funk, bool Funk1) override { klawisze.emplace_back(Funk, Funk1); }
    bool isFrameWynikVisible() const override { return frameVisible; }
    void setFrameWynikVisible(bool visible) override { frameVisible = visible; }
    void setComDrukujEnabled(bool enabled) override { drukujEnabled = enabled; }
    ReportControl& CRdzien() override { return raport; }
    // The hourglass, which the documents put over the whole program while they work.
    static bool waiting() { return QGuiApplication::overrideCursor() != nullptr; }

    QString labPartia;
    DataControl partie;
    DataControl probki;
    ReportControl raport;
    bool frameVisible = false;
    bool drukujEnabled = true;
    std::vector<std::pair<bool, bool>> klawisze;
};

// Installs the program into the program folder (paths::programFolder()), opens its dictionary
// and report work databases and a new yearly database for county 1465 and 2022, and sets the
// session: working date 31.03.2022, the user record of a district inspectorate in Warsaw, its
// mail addresses and the operator "Kowalski Jan". Registers the report window.
void prepareDocuments();

// A batch row (12, order 12, establishment 14650001 with its register entry) and a sample row
// of it (number nr, a cow), each overridden by the given fields.
void addBatch(const QVariantMap& fields = {});
void addSample(int nr, const QVariantMap& fields = {});

} // namespace trelimor::test
