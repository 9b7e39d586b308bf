#pragma once

#include <QVariant>

namespace trelimor {

// Whether a value holds a whole number of any C++ integer type (bool not included).
inline bool isWholeNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

// Whether a value holds a number of any C++ arithmetic type (bool not included).
inline bool isNumber(const QVariant& value)
{
    return isWholeNumber(value) || value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float;
}

} // namespace trelimor
