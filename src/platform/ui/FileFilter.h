#pragma once

#include <QString>
#include <QStringList>

namespace trelimor::ui {

// A file filter as Qt's file dialog takes it.
struct QtFileFilters
{
    QStringList filters; // "Excel (*.xls *.XLS)"
    QString selected;    // one of filters, or empty when there are none
};

// Converts a filter written as "description|patterns|description|patterns" (patterns separated
// by ";") into Qt's form. "*.*" means every file. Names differ in case on Linux only, so each
// extension pattern also matches its upper- and lower-case spelling. filterIndex counts from 1;
// one out of range selects the first filter.
QtFileFilters toQtFileFilters(const QString& filter, int filterIndex);

} // namespace trelimor::ui
