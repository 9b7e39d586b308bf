#pragma once

#include "common/RecordsetModel.h"

#include "platform/db/Database.h"

#include <QList>
#include <QString>

namespace trelimor {

class DataControl;
class DataGrid;

// The columns of the batch grid DBGridPartia and of the sample grid DBGridPartiaG. A column
// whose field the yearly file lacks (the older layouts' columns) shows empty cells.
const QList<GridColumn>& batchColumns();
const QList<GridColumn>& sampleColumns();

// Binds a grid of the batch window to its data control: whole rows selected, columns fitted to
// the rows in view rather than to every row of a long list.
void prepareGrid(DataGrid& siatka, DataControl& dane, const QList<GridColumn>& kolumny);

// The batches of the yearly database, newest first.
inline const QString kBatchQuery = QStringLiteral("SELECT * FROM Partia ORDER BY Partia DESC");

// Binds the sample data control to the samples of the batch in sample-number order (batch 0,
// which no batch has, gives none).
void bindBatchSamples(DataControl& probki, db::Database& baza, const QVariant& partia);

// The sample grid's caption for the batch and the number of its samples.
QString sampleCaption(const QString& partia, int ilosc);

} // namespace trelimor
