#include "Listings.h"

namespace trelimor {

// Stand-ins until the listings are written: the listing is printed empty.
void ListaAnalizPowt(const AttachedYear&, const Selection&, bool) {}
void ListaNrKolczykaWiek(const AttachedYear&, const Selection&) {}
void ListaNrKolczykaWNI(const AttachedYear&, const Selection&) {}
void ListaGIW1(const AttachedYear&, const Selection&) {}

} // namespace trelimor
