#include "MaskedEdit.h"

namespace trelimor {

namespace {

// The mask in Qt's input-mask language: "#" becomes an optional digit, every other character
// a literal (escaped where Qt would read it as a mask character), "_" the blank.
QString qtInputMask(const QString& mask)
{
    if (mask.isEmpty())
        return {};
    static const QString special = QStringLiteral("AaNnXx90Dd#HhBb><!\\[]{}");
    QString result;
    for (const QChar c : mask) {
        if (c == u'#') {
            result += u'0';
            continue;
        }
        if (special.contains(c))
            result += u'\\';
        result += c;
    }
    return result + u';' + MaskedEdit::PromptChar;
}

} // namespace

MaskedEdit::MaskedEdit(QWidget* parent)
    : QLineEdit(parent)
{}

void MaskedEdit::setMask(const QString& mask)
{
    m_mask = mask;
    setInputMask(qtInputMask(mask));
    if (mask.isEmpty())
        setMaxLength(m_plainMaxLength); // removing Qt's input mask resets the limit
}

QString MaskedEdit::maskedText() const
{
    return m_mask.isEmpty() ? text() : displayText();
}

void MaskedEdit::setPlainMaxLength(int length)
{
    m_plainMaxLength = length > 0 ? length : 32767;
    if (m_mask.isEmpty())
        setMaxLength(m_plainMaxLength);
}

void MaskedEdit::clearWithMask(const QString& mask)
{
    setMask(QString());
    clear();
    setMask(mask);
    setCursorPosition(0);
}

void MaskedEdit::showUnmasked(const QString& text)
{
    setMask(QString());
    setText(text);
}

} // namespace trelimor
