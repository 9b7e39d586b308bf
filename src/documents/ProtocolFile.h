#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace trelimor {

class BatchDocumentsHost;

// The protocol file of a batch: a tab-separated sampling protocol that other offices open as a
// spreadsheet and the batch imports read back, so every line and column position is fixed.

// A value as it stands in the file: a CR, LF or TAB in it becomes one blank, so a value never
// breaks the file's lines or columns.
QString poleWPliku(const QString& wartosc);
// A sample's remark: a remark holding a CR is written without its CRs (each a blank, the result
// trimmed), or as nothing when it is no longer than 2 characters; any other as stored.
QString uwagiWPliku(const QString& uwagi);

// The lines of the file for the selected batch and its samples, under the test kind K.
QStringList liniePlikuProtokolu(BatchDocumentsHost& okno, const QString& K);
// The file's bytes: Windows-1250, each line ended by CR LF, no byte-order mark; a character
// the code page lacks is written as "?".
QByteArray tekstPlikuProtokolu(const QStringList& linie);

// The name proposed for the file: the establishment's code, "_dn_" and the moment as
// dd-mm-yyyy_g_hh-mm, without an extension.
QString proponowanaNazwaProtokolu(const QString& kodZakladu, const QDateTime& teraz);

} // namespace trelimor
