#pragma once

#include <QByteArray>
#include <QString>

namespace trelimor::test {

// Writes bytes to a file, creating its folder; fails the test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
// The text of a PDF file as pdftotext extracts it (UTF-8, pages separated by form feeds).
QString pdfText(const QString& pdfPath);

} // namespace trelimor::test
