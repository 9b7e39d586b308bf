#pragma once

#include <QLineEdit>

namespace trelimor {

// A text box with a masked-edit box's behaviour: in the mask "#" is a digit position, shown as
// the prompt character "_" until a digit is typed there, and every other character stands as
// it is ("##-###" for a postal code). With no mask it is a plain text box.
class MaskedEdit : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr QChar PromptChar = u'_';

    explicit MaskedEdit(QWidget* parent = nullptr);

    // Setting a mask keeps the digits the new mask takes; removing it empties the box.
    void setMask(const QString& mask);
    const QString& mask() const { return m_mask; }

    // What the box holds as a masked box gives it: with a mask, every digit position not yet
    // typed shows the prompt character ("12-3__"); without one, the plain text.
    QString maskedText() const;

    // The limit of the plain box (without a mask the box takes at most this many characters).
    void setPlainMaxLength(int length);

    // Empties the box and puts the mask on it, so it shows only prompts and literals.
    void clearWithMask(const QString& mask);
    // Shows a stored value as plain text: the mask is removed for the rest of the edit.
    void showUnmasked(const QString& text);

private:
    QString m_mask;
    int m_plainMaxLength = 32767;
};

} // namespace trelimor
