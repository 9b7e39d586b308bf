#pragma once

#include <functional>

namespace trelimor {

// The batch window's commands that the batch documents and the batch imports supply when the
// program is put together: each is what the window's button (or, for WczytajPlikZakladu, the
// sample save) runs. Until a part supplies its command, the button tells the user that the
// function is not available in this version yet.
struct BatchWindowCommands
{
    BatchWindowCommands();

    // Documents: "D&rukuj" opens and closes the print frame FrameWynik; its three printouts;
    // "&Plik/Mail" writes and mails the protocol file.
    std::function<void()> ComDrukuj_Click;
    std::function<void()> ComProtokol_Click;
    std::function<void()> ComProtokolSaria1_Click;
    std::function<void()> ComPismoPrzewodnie_Click;
    std::function<void()> ComMail_Click;

    // Imports: a batch header from the protocol spreadsheet; the samples of the protocol
    // spreadsheet (also run by the batch save after such a header); an establishment's sample
    // file; a header from a data-collector file; laboratory results.
    std::function<void()> ComWczytPart_Click;
    std::function<void()> ComWczyt_Click;
    std::function<void()> ComWczytaj_Click;
    std::function<void()> ComWczytKolektor_Click;
    std::function<void()> ComWczytWynik_Click;
    // The rest of an establishment-file import, once the sample save has checked its first sample.
    std::function<void()> WczytajPlikZakladu;
};

BatchWindowCommands& batchWindowCommands();
// Puts every command back to its default (the end of a test).
void resetBatchWindowCommands();

} // namespace trelimor
