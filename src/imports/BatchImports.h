#pragma once

namespace trelimor {

class BatchImportHost;

// The batch window's imports of batch headers and samples, each working on the window as the
// user left it: its current batch, its frames and its form state.

// "&Wczytaj probki" (hidden), and the batch save's automatic load after a header from the
// protocol spreadsheet: the sample rows of the protocol spreadsheet into the current batch.
void ComWczyt_Click(BatchImportHost& okno);
// "&Wczytaj partię próbek z pliku": a new batch's frame filled from the protocol spreadsheet's
// header, its samples loaded from the same file when the batch is saved.
void ComWczytPart_Click(BatchImportHost& okno);
// "&Wczytaj nagłówek partii z pliku kolektora" (hidden): a new batch's frame filled from the
// header line of a data collector's file.
void ComWczytKolektor_Click(BatchImportHost& okno);

// "&Wczytaj" of the sample list: an establishment's own sample file into the current, empty
// batch, in the layout of the batch's establishment (formats A to E). Formats A and B open the
// sample frame for their first sample and wait for its save.
void ComWczytaj_Click(BatchImportHost& okno);
// The establishment file's import proper, run by ComWczytaj_Click or, for formats A and B, by the
// save of the first sample: the samples stored, the sample list's caption counting them.
void WczytajPlikZakladu(BatchImportHost& okno);

} // namespace trelimor
