#pragma once

#include "Selection.h"

namespace trelimor {

class AttachedYear;

// The per-animal listings into IloscZak: one row per sample of the selection. Each reports its
// own errors and returns normally; the rows written before an error stay.
void ListaAnalizPowt(const AttachedYear& year, const Selection& selection, bool wykonane);
void ListaNrKolczykaWiek(const AttachedYear& year, const Selection& selection);
void ListaNrKolczykaWNI(const AttachedYear& year, const Selection& selection);
void ListaGIW1(const AttachedYear& year, const Selection& selection);

} // namespace trelimor
