#include "common/Messages.h"

#include "platform/PlatformError.h"
#include "platform/db/JetError.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

using namespace trelimor;

TEST(Messages, AnErrorIsToldInPolishEvenWhenMemoryRanOutAndOnlyThenAsLackOfMemory)
{
    const QString outOfMemory = QStringLiteral("Za mało pamięci operacyjnej, aby dokończyć tę pracę.");
    EXPECT_EQ(errorDescription(std::bad_alloc()), outOfMemory);
    // A container asked to grow past what it can hold is a fault of the program: its own text.
    EXPECT_EQ(errorDescription(std::length_error("vector::reserve")), QStringLiteral("vector::reserve"));
    EXPECT_EQ(errorDescription(PlatformError(QStringLiteral("Plik nie został wczytany."))),
              QStringLiteral("Plik nie został wczytany."));
    EXPECT_EQ(errorDescription(db::JetError::fromNumber(db::jet::DuplicateKey, QString())),
              db::JetError::fromNumber(db::jet::DuplicateKey, QString()).description());
}
