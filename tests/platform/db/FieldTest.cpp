#include "platform/db/Field.h"
#include "platform/db/JetError.h"
#include "platform/db/PolishCollation.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace trelimor::db;

namespace {

int refusal(const Field& f, const QVariant& v)
{
    try {
        toStorage(f, v);
    } catch (const JetError& e) {
        return e.number();
    }
    return 0;
}

TEST(FieldRules, WholeNumbersRoundHalfToEvenAndCheckRange)
{
    const Field integer = Field::of(QStringLiteral("I"), DataType::Integer);
    EXPECT_EQ(toStorage(integer, 2.5).toLongLong(), 2);
    EXPECT_EQ(toStorage(integer, 3.5).toLongLong(), 4);
    EXPECT_EQ(toStorage(integer, QStringLiteral("12,4")).toLongLong(), 12);
    EXPECT_EQ(refusal(integer, 32768), jet::NumericOverflow);
    EXPECT_EQ(refusal(Field::of(QStringLiteral("L"), DataType::Long), 3e9), jet::NumericOverflow);
    EXPECT_EQ(refusal(Field::of(QStringLiteral("B"), DataType::Byte), -1), jet::NumericOverflow);
    EXPECT_EQ(refusal(integer, QStringLiteral("2x")), jet::ConversionError);
}

TEST(FieldRules, SingleIsStoredWithFloatPrecision)
{
    const QVariant stored = toStorage(Field::of(QStringLiteral("S"), DataType::Single), 0.1);
    EXPECT_EQ(stored.toDouble(), double(0.1f));
}

TEST(FieldRules, DatesFromTextAndTimeOnlyValues)
{
    const Field date = Field::of(QStringLiteral("D"), DataType::Date);
    EXPECT_EQ(toStorage(date, QStringLiteral("5.3.2021")).toString(), QStringLiteral("2021-03-05 00:00:00"));
    EXPECT_EQ(toStorage(date, QStringLiteral("2021-03-05 10:30")).toString(),
              QStringLiteral("2021-03-05 10:30:00"));
    EXPECT_EQ(toStorage(date, QTime(7, 5)).toString(), QStringLiteral("1899-12-30 07:05:00"));
    EXPECT_EQ(toStorage(date, 2.5).toString(), QStringLiteral("1900-01-01 12:00:00")) << "serial dates";
    EXPECT_EQ(refusal(date, QStringLiteral("jutro")), jet::ConversionError);
    EXPECT_EQ(fromStorage(DataType::Date, QStringLiteral("2021-03-05 00:00:00")).toDateTime(),
              QDateTime(QDate(2021, 3, 5), QTime(0, 0)));
}

TEST(FieldRules, BooleansAcceptTheUsualSpellings)
{
    const Field flag = Field::of(QStringLiteral("F"), DataType::Boolean);
    EXPECT_EQ(toStorage(flag, QStringLiteral("Tak")).toInt(), 1);
    EXPECT_EQ(toStorage(flag, -1).toInt(), 1);
    EXPECT_EQ(toStorage(flag, QStringLiteral("Fałsz")).toInt(), 0);
    EXPECT_EQ(refusal(flag, QStringLiteral("może")), jet::ConversionError);
}

TEST(FieldRules, DeclaredTypesOfOtherToolsAreUnderstood)
{
    EXPECT_EQ(fieldFromDeclaredType(QStringLiteral("a"), QStringLiteral("text(13)")).size, 13);
    EXPECT_EQ(fieldFromDeclaredType(QStringLiteral("a"), QStringLiteral("TEXT")).type, DataType::Memo);
    EXPECT_EQ(fieldFromDeclaredType(QStringLiteral("a"), QStringLiteral("single")).type, DataType::Single);
    for (DataType t : {DataType::Boolean, DataType::Byte, DataType::Integer, DataType::Long, DataType::Single,
                       DataType::Double, DataType::Date, DataType::Memo}) {
        const Field f = Field::of(QStringLiteral("x"), t);
        EXPECT_EQ(fieldFromDeclaredType(f.name, declaredType(f)).type, t);
    }
}

TEST(PolishCollationRules, OrderAndEquality)
{
    EXPECT_LT(comparePolish(u"Lucyna", u"Łukasz"), 0);
    EXPECT_LT(comparePolish(u"Łukasz", u"Marek"), 0);
    EXPECT_LT(comparePolish(u"zz", u"źa"), 0);
    EXPECT_LT(comparePolish(u"źz", u"ża"), 0);
    EXPECT_EQ(comparePolish(u"ŻÓŁĆ", u"żółć"), 0);
    EXPECT_NE(comparePolish(u"e", u"é"), 0);
    EXPECT_LT(comparePolish(u"abc", u"abcd"), 0);
    EXPECT_LT(comparePolish(u"10", u"9"), 0) << "text compares character by character";
    const QByteArray a = QStringLiteral("Śląsk").toUtf8(), b = QStringLiteral("ŚLĄSK").toUtf8();
    EXPECT_EQ(comparePolishUtf8(a.constData(), int(a.size()), b.constData(), int(b.size())), 0);
}

} // namespace
