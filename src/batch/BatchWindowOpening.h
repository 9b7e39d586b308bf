#pragma once

namespace trelimor {

// "Ewidencja danych": makes sure batches can be entered (the logged-in operator is not the
// built-in administrator; the user record holds the county code and the laboratory's mail; a
// veterinarian and an establishment exist), sending the user to the window that mends what is
// missing; then opens the working year's database and shows the batch window over it.
void EwidencjaDanych();

// The checks alone, each refusal explained and its window shown; true when all pass.
bool batchEntryAllowed();

} // namespace trelimor
