#pragma once

namespace trelimor {

class FormPartia;

// The batch window's imports of batch headers and samples, each working on the window as the
// user left it: its current batch, its frames and its form state.

// "&Wczytaj probki" (hidden), and the batch save's automatic load after a header from the
// protocol spreadsheet: the sample rows of the protocol spreadsheet into the current batch.
void ComWczyt_Click(FormPartia& okno);
// "&Wczytaj partię próbek z pliku": a new batch's frame filled from the protocol spreadsheet's
// header, its samples loaded from the same file when the batch is saved.
void ComWczytPart_Click(FormPartia& okno);
// "&Wczytaj nagłówek partii z pliku kolektora" (hidden): a new batch's frame filled from the
// header line of a data collector's file.
void ComWczytKolektor_Click(FormPartia& okno);

// "&Wczytaj" of the sample list: an establishment's own sample file into the current, empty
// batch, in the layout of the batch's establishment (formats A to E). Formats A and B open the
// sample frame for their first sample and wait for its save.
void ComWczytaj_Click(FormPartia& okno);
// The establishment file's import proper, run by ComWczytaj_Click or, for formats A and B, by the
// save of the first sample: the samples stored, the sample list's caption counting them.
void WczytajPlikZakladu(FormPartia& okno);

// Gives the batch window's import buttons, and its batch save, their imports.
void polaczImportyOknaPartii();

} // namespace trelimor
