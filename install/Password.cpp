#include "Password.h"

#include "InstallError.h"

#include <sodium.h>

namespace trelimor::install {

namespace {

PasswordScrambler& scrambler()
{
    static PasswordScrambler current;
    return current;
}

} // namespace

void setPasswordScrambler(PasswordScrambler s)
{
    scrambler() = std::move(s);
}

QString scrambledPassword(const QString& plain)
{
    return scrambler() ? scrambler()(plain) : plain;
}

QString storedPasswordFor(const QString& plain)
{
    if (sodium_init() < 0)
        throw InstallError(QStringLiteral("Nie można uruchomić biblioteki szyfrującej hasła (libsodium)."));
    const QByteArray scrambled = scrambledPassword(plain).toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, scrambled.constData(), quint64(scrambled.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw InstallError(QStringLiteral("Za mało pamięci, by zaszyfrować hasło administratora."));
    return QString::fromLatin1(hash);
}

} // namespace trelimor::install
