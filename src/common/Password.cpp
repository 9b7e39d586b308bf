#include "Password.h"

#include "Cp1250.h"

#include <sodium.h>

#include <stdexcept>

namespace trelimor {

namespace {

// Fixed for ever: stored passwords depend on them.
constexpr int kKey[5] = {7, 3, 11, 5, 2};

void initSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("Nie można zainicjować biblioteki kryptograficznej.");
}

QByteArray scrambledBytes(const QString& password)
{
    // Each scrambled character stands for one code of the code page; hashing its UTF-8 form
    // keeps all of them apart.
    return KodujHaslo(password).toUtf8();
}

} // namespace

QString KodujHaslo(const QString& password)
{
    const QString upper = password.toUpper().left(255);
    QString result;
    result.reserve(upper.size());
    for (int i = 1; i <= upper.size(); ++i) {
        int c = cp1250::code(upper.at(i - 1));
        if (c < 0)
            c = '?'; // what the code page did with a character it lacks
        result += cp1250::character(c - i - kKey[i % 5]);
    }
    return result;
}

QString zakodowaneHaslo(const QString& password)
{
    initSodium();
    const QByteArray scrambled = scrambledBytes(password);
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, scrambled.constData(), quint64(scrambled.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("Za mało pamięci, aby zapisać hasło.");
    return QString::fromLatin1(hash);
}

SprawdzenieHasla sprawdzHaslo(const QString& typed, const QString& stored)
{
    if (stored.startsWith(QLatin1String("$argon2"))) {
        initSodium();
        const QByteArray scrambled = scrambledBytes(typed);
        const QByteArray hash = stored.toLatin1();
        return {
            crypto_pwhash_str_verify(hash.constData(), scrambled.constData(), quint64(scrambled.size())) == 0,
            false};
    }
    const bool same = KodujHaslo(typed) == stored;
    return {same, same};
}

} // namespace trelimor
