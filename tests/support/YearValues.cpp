#include "YearValues.h"

#include <QString>

using namespace Qt::StringLiterals;

namespace trelimor::test {

Pool::Pool(std::initializer_list<Weighted> items)
    : m_items(items)
{
    for (const Weighted& item : m_items)
        m_total += item.weight;
}

const QVariant& Pool::take(Random& random, qint64 row) const
{
    if (row >= 0 && row < qint64(m_items.size()))
        return m_items[std::size_t(row)].value;
    int ticket = random.below(m_total);
    for (const Weighted& item : m_items) {
        if (ticket < item.weight)
            return item.value;
        ticket -= item.weight;
    }
    return m_items.back().value;
}

namespace {

const QVariant null;

Weighted text(const QString& value, int weight)
{
    return {value, weight};
}

Weighted number(int value, int weight)
{
    return {value, weight};
}

Weighted yesNo(bool value, int weight)
{
    return {value, weight};
}

} // namespace

// Voivodeships 14, 02, 28, 30, 12 and 24; in 14 the counties 1465, 1412 and 1434, in 02 two.
const Pool kEstablishments = {
    text(u"14650001"_s, 30),
    text(u"14650002"_s, 20),
    text(u"14120003"_s, 10),
    text(u"14340004"_s, 8),
    text(u"02610001"_s, 8),
    text(u"02640002"_s, 5),
    text(u"28620001"_s, 8),
    text(u"30640001"_s, 6),
    text(u"12610002"_s, 5),
    text(u"24660001"_s, 4),
    {null, 1},
    text(u"146"_s, 1),
    text(u" 14650003 "_s, 1),
};

const Pool kEstablishmentKinds = {text(u"zakładu ubojowego"_s, 70), text(u"zakładu utylizacyjnego"_s, 15),
                                  text(u"punktu skupu padłych zwierząt"_s, 10), text(u"gospodarstwa"_s, 5)};

const Pool kDateGaps = {
    number(DateGap::None, 90),   number(DateGap::Slaughter, 2), number(DateGap::Entry, 2),
    number(DateGap::Testing, 2), number(DateGap::Result, 2),    number(DateGap::Sampling, 1),
    number(DateGap::All, 1),
};

const Pool kVets = {text(u"lek. wet. Anna Kowalska"_s, 5),
                    text(u"lek. wet. Jan Wiśniewski"_s, 4),
                    text(u"lek. wet. Łucja Żak"_s, 2),
                    {null, 1}};

// A remark may run over lines and hold the export's field separator.
const Pool kRemarks = {{null, 85},
                       text(u"bez uwag"_s, 9),
                       text(u"pierwsza linia\r\ndruga linia"_s, 3),
                       text(u"znak | w środku"_s, 3)};

// Every code of the batch register, then what the statistics put under "others".
const Pool kKindsOfSlaughter = {
    text(u"N"_s, 25),  text(u"K"_s, 10),    text(u"P"_s, 8),    text(u"U"_s, 10),   text(u"UF"_s, 6),
    text(u"R"_s, 6),   text(u"NNWOK"_s, 4), text(u"NWOK"_s, 4), text(u"BSEZ"_s, 3), text(u"BSEP"_s, 3),
    text(u"Z"_s, 3),   text(u"PJ"_s, 2),    text(u"KJ"_s, 2),   text(u"CHJ"_s, 2),  text(u"UJ"_s, 2),
    text(u"NJ"_s, 2),  text(u""_s, 2),      {null, 2},          text(u" n "_s, 1),  text(u"uf"_s, 1),
    text(u"XYZ"_s, 1),
};

const Pool kSpecies = {
    text(u"Bydło"_s, 60), text(u"Owce"_s, 10), text(u"Kozy"_s, 8),  text(u"Jeleniowate"_s, 4),
    text(u"Inne"_s, 2),   text(u"Konie"_s, 1), text(u"bydło"_s, 2), text(u"OWCE"_s, 1),
    text(u""_s, 1),       {null, 2},
};

const Pool kDeer = {text(u"jeleń szlachetny"_s, 3), text(u"daniel"_s, 2), text(u"sarna"_s, 1)};

const Pool kSexes = {text(u"samica"_s, 6), text(u"samiec"_s, 3), {null, 1}};

const Pool kResults = {
    text(u"ujemny"_s, 70),
    text(u"dodatni"_s, 3),
    text(u"odstąpienie"_s, 3),
    text(u"Ujemny"_s, 2),
    text(u"DODATNI"_s, 1),
    text(u"ODSTĄPIENIE"_s, 1),
    text(u"ujemny "_s, 1),
    text(u"w badaniu"_s, 2),
    text(u"nieokreślony"_s, 1),
    text(u""_s, 2),
    {null, 5},
};

const Pool kAges = {
    number(AgeClass::Whole, 75),
    number(AgeClass::Half, 10),
    number(AgeClass::TwentyThreeAndAHalf, 2),
    number(AgeClass::TwentyFourAndAHalf, 2),
    number(AgeClass::Zero, 2),
    number(AgeClass::Negative, 1),
    number(AgeClass::None, 3),
};

const Pool kForeignTags = {number(Presence::Null, 99), number(Presence::Value, 1)};
const Pool kKeepingSystems = {text(u"A"_s, 5), text(u"B"_s, 3), text(u"C"_s, 1), {null, 1}};
const Pool kProductionTypes = {text(u"mleczna"_s, 5), text(u"mięsna"_s, 4), {null, 1}};
const Pool kFirstNames = {text(u"Łukasz"_s, 1), text(u"Zofia"_s, 1), text(u"Grzegorz"_s, 1),
                          text(u"Małgorzata"_s, 1)};
const Pool kSurnames = {text(u"Wiśniewski"_s, 1), text(u"Żółkowska"_s, 1), text(u"Kowalczyk"_s, 1),
                        text(u"Dąbrowski"_s, 1)};
const Pool kPlaces = {text(u"Łódź"_s, 1), text(u"Zielonka"_s, 1), text(u"Kraśnik"_s, 1),
                      text(u"Ostrołęka"_s, 1)};

const Pool kPresence = {number(Presence::Value, 97), number(Presence::Null, 3)};
const Pool kRepeats = {{null, 85}, number(0, 5), number(1, 6), number(2, 3), number(3, 1)};
const Pool kDescriptions = {{null, 60}, text(u"opis badania"_s, 30), text(u"pień mózgu w całości"_s, 10)};

const Pool kMarks = {text(u"BSE"_s, 3), text(u"EBB"_s, 2), text(u"BRU"_s, 1), {null, 1}};
const Pool kPayments = {text(u"budżet państwa"_s, 3), text(u"zleceniodawca"_s, 1), {null, 1}};
const Pool kClinics = {
    text(u"Lecznica Zwierząt „Pod Lipami”"_s, 2), text(u"Gabinet Weterynaryjny"_s, 1), {null, 1}};
const Pool kCountries = {text(u"PL"_s, 9), {null, 1}};
const Pool kTissues = {text(u"krew"_s, 5), text(u"surowica"_s, 3), text(u"mleko"_s, 1), {null, 1}};
const Pool kMostlyNo = {yesNo(false, 70), yesNo(true, 15), {null, 15}};
const Pool kMostlyYes = {yesNo(true, 60), yesNo(false, 30), {null, 10}};
const Pool kGroupsPerBatch = {number(1, 5), number(2, 3), number(3, 2)};
const Pool kHerdNumberClasses = {number(Presence::Value, 90), number(Presence::Null, 5),
                                 number(Presence::Empty, 5)};
const Pool kBreeds = {text(u"HF"_s, 5), text(u"simentalska"_s, 2), text(u"limousine"_s, 1), {null, 1}};
const Pool kColours = {
    text(u"czarno-biała"_s, 5), text(u"czerwono-biała"_s, 3), text(u"płowa"_s, 1), {null, 1}};
const Pool kAgeKinds = {text(u"M"_s, 6), text(u"L"_s, 3), {null, 1}};
const Pool kTestFlags = {text(u"T"_s, 30), text(u"N"_s, 55), text(u""_s, 15)};
const Pool kSerologyWords = {
    text(u"ujemny"_s, 70), text(u"dodatni"_s, 8), text(u"wątpliwy"_s, 5), text(u""_s, 7), {null, 10}};
const Pool kTitres = {text(u"1:5"_s, 3),  text(u"1:10"_s, 3), text(u"1:20"_s, 2),
                      text(u"1:40"_s, 1), text(u""_s, 1),     {null, 2}};
const Pool kUnits = {text(u"12"_s, 3),  text(u"25"_s, 3), text(u"50"_s, 2),
                     text(u"100"_s, 1), text(u""_s, 1),   {null, 2}};

} // namespace trelimor::test
