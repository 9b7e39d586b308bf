#pragma once

#include "SampleStore.h"

#include <QString>
#include <QVariant>

namespace trelimor {

// An age as an establishment's file gives it: the number, null for an empty text, the text
// itself otherwise (the store then refuses it as a value of the wrong type).
QVariant numberField(const QString& text);
// A herd size: the number, or null for anything else.
QVariant numberOrNull(const QString& text);

// Appends a field to the sample's fields.
void setField(ImportedSample& sample, const char* field, const QVariant& value);

} // namespace trelimor
