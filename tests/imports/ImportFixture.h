#pragma once

#include "batch/SampleFixture.h"

#include <QList>
#include <QString>
#include <QVariantMap>

namespace trelimor::test {

// The batch window of a running program with its imports put in, as the program puts them.
class ImportFixture : public SampleFixture
{
protected:
    void SetUp() override;

    // A file of tests/data.
    static QString daneTestowe(const QString& name);

    // Logs in and opens the window.
    void otworzOknoPartii();
    // "&Wczytaj partię próbek z pliku" with the file chosen in its Open dialog.
    void wczytajNaglowek(const QString& path);
    // The batch frame's "&Zapisz".
    void zapiszPartie();

    // The samples of the batch, in sample-number order, field by field.
    QList<QVariantMap> probkiPartii(int partia);
    // The batch numbers of the year.
    QList<int> partie();
};

} // namespace trelimor::test
