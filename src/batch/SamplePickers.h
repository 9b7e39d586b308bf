#pragma once

#include <QString>

class QComboBox;

namespace trelimor {

// Fills the district combo with the district inspectorates of the voivodeship (those whose
// code begins with the voivodeship's), by town, each item keeping its inspectorate's code as
// its data: town names repeat across voivodeships, the codes do not. The combo's text is left
// empty; a voivodeship without inspectorates leaves the list empty.
void fillDistricts(QComboBox* combo, const QString& kodWojewodztwa);

} // namespace trelimor
