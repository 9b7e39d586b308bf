#pragma once

// The batch window over a large year, for the benchmarks that work through the window: a
// program folder with an empty dictionary database, the year 2022 of county 1465 holding
// 5,000 batches of 10 samples (50,000), and the window shown off screen over it. Made by the
// first benchmark that asks for it, kept for the program's run.

#include <QString>

namespace trelimor::bench {

inline constexpr int kPartieRoku = 5000;
inline constexpr int kProbekNaPartie = 10;

// Makes the year and the window once; later calls only hand them back.
void przygotujRokPartii();

// The test data folder of the sources, for the benchmarks' input files.
QString daneTestowe(const QString& name);

} // namespace trelimor::bench
