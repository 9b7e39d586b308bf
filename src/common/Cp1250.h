#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace trelimor::cp1250 {

// Characters as codes of the Windows-1250 code page the stored texts were made in. The five
// codes the page leaves unassigned map to the control characters of the same number, so every
// code 0..255 has one character and a round trip loses nothing.
int code(QChar ch);        // -1 for a character the page lacks
QChar character(int code); // code taken modulo 256

// Appends the text's bytes in the code page to out; a character the page lacks becomes "?".
void appendEncoded(QStringView text, QByteArray& out);
// Lines as a text file of the code page writes them: each followed by CR LF, no byte-order mark.
QByteArray encodeLines(const QStringList& lines);

} // namespace trelimor::cp1250
