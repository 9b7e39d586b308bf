#pragma once

#include <QString>

#include <functional>

namespace trelimor::install {

// The scrambling an operator's password goes through before it is hashed (the program's
// KodujHaslo). Until the installation is linked with the common library the scrambling is
// the identity; the program wires the real one here, in this one place, with
// setPasswordScrambler(KodujHaslo) before it creates an installation.
using PasswordScrambler = std::function<QString(const QString& plain)>;

void setPasswordScrambler(PasswordScrambler scrambler);
// The scrambled form of a password through the scrambler in force.
QString scrambledPassword(const QString& plain);

// What OP_HASLO stores for a password: the Argon2id hash (libsodium crypto_pwhash_str, the
// interactive limits) of the UTF-8 bytes of its scrambled form. Throws InstallError when
// libsodium cannot hash.
QString storedPasswordFor(const QString& plain);

} // namespace trelimor::install
