#pragma once

// The sample files some establishments send of their own, one layout per establishment (its
// veterinary number): formats A and B are workbooks whose first sample the user completes by
// hand in the sample frame, every other sample copying it; C and E are workbooks imported at
// once; D is a text file of ";" fields. Each reader gives the samples its file describes, or
// stops at the first row or line that cannot be taken.

#include "ImportSheet.h"
#include "SampleImport.h"

#include "common/SampleValues.h"

#include "platform/db/Database.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace trelimor {

class TextLineReader;

inline const QString kZakladFormatuA = QStringLiteral("20023804");
inline const QString kZakladFormatuB = QStringLiteral("14180103");
inline const QString kZakladFormatuC = QStringLiteral("20137701");
inline const QString kZakladFormatuD = QStringLiteral("06140205");
inline const QString kZakladFormatuE = QStringLiteral("14383804");

// Format A: a date in column 1 marks a sample row from row 1 on; its ear tag (column 3) and age
// (column 5), every other field from the first sample in the pane, whose own row is row 1.
ImportRead readPlantFormatA(const ImportSheet& sheet, const SampleFrameValues& pane);
// Format B: a number in column 1 marks a sample row from row 5 on; ear tag (3), birth date (11),
// sex code (13), species (14) and age (19) of each animal, the rest from the pane (row 5's own).
ImportRead readPlantFormatB(const ImportSheet& sheet, const SampleFrameValues& pane);
// Formats C and E take the code of every sample from the current batch (partia): its
// establishment and its sampling date.
// Format C: a number in column 2 marks a sample row; owner, district town, herd and animal of
// each; the district's code looked up by its town in the dictionary database's PIW.
ImportRead readPlantFormatC(const ImportSheet& sheet, const SampleCodeParts& partia, db::Database& stale);
// Format E: a number in column 1 marks a sample row; herd and animal of each, the district's
// town looked up by its code; the owner and herd size from the pane.
ImportRead readPlantFormatE(const ImportSheet& sheet, const SampleCodeParts& partia,
                            const SampleFrameValues& pane, db::Database& stale);
// Format D: a header line, then one line of ";" fields per sample while the lines begin with a
// digit; each line carries its sample's whole code.
ImportRead readPlantFormatD(TextLineReader& lines);

// The fields of a format D line: cut at every ";" outside double quotes, the quotes removed.
QStringList splitPlantLine(const QString& line);

// The sex and species codes of format B ("XX", "XY"; "bydło", "koza", ... in any letter case,
// blanks around them allowed); nothing for an unknown one.
std::optional<QString> plecFormatuB(const QString& kod);
std::optional<QString> gatunekFormatuB(const QString& nazwa);

// The species of formats C, D and E: "Bydło" for an empty value, else by what the value holds
// (byd, owc, koz in any letter case), else the value as it stands.
QString plantSpecies(const QString& value);
// The sex of formats C and E: "męska" for a value beginning with m or M, "żeńska" otherwise.
QString plantSex(const QString& value);

} // namespace trelimor
