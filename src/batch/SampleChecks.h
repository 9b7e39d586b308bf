#pragma once

#include "common/SampleValues.h"

#include "registers/RegisterChecks.h"

#include <QString>

#include <optional>

namespace trelimor {

// The length of an ear tag; a shorter foreign tag is filled up with "x" by the user.
inline constexpr int kEarTagLength = 14;

// The first check the sample refuses, in the order the save runs them: the county code and
// its voivodeship, the sample number and code, the ear tag, the age, the kind of slaughter,
// symptoms, use and herd, the owner of a fallen animal ("P") and the birth date. Nothing
// when every check passes. Only the values are looked at: the uniqueness of the ear tag, the
// number and the code is the store's business.
std::optional<Refusal> firstSampleRefusal(const SampleFrameValues& v);

} // namespace trelimor
