#pragma once

#include <QString>

#include <exception>

namespace trelimor {

// An error's number run together with its description, as the summaries' boxes show it
// ("3078Aparat bazy danych ..."); an error without a number gives its description alone.
QString numberAndDescription(const std::exception& error);

// "Błąd eksportu! " followed by the error's number and description, under "EKSPORT DO PLIKU"
// with the information icon: the report of the listings and of SprBrakDatyPobr.
void showListingError(const std::exception& error);

} // namespace trelimor
