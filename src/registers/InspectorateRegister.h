#pragma once

#include "RegisterConfig.h"

namespace trelimor {

class RegisterWindow;

// The district (PIW) and regional (WIW) inspectorates are kept by one editor over two tables
// of one layout; these are its differences.
struct InspectorateKind
{
    QString windowName;
    QString table;
    QString keyField;
    QString heading;
    QString keyCaption;  // the grid's caption of the key column
    QString keySuffix;   // caption after the code box
    QString postalLabel; // label of the postal code box
    QString newCaption;
    QString correctionCaption;
    QString duplicateText;
    QString deleteQuestion;
    QString saveErrorTitle;
    bool numericKey = false;   // the code must be a number
    bool locativeTown = false; // the town in the form printed on reports ("W")
};

RegisterConfig inspectorateConfiguration(const InspectorateKind& kind);

// The hidden masked box without a mask that both windows carry and no code uses.
void addUnusedCodeBox(RegisterWindow& window);

} // namespace trelimor
