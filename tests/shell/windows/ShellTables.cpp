#include "ShellTables.h"

#include <QStringList>

namespace trelimor::test {

void createShellTables(db::Database& stale)
{
    using db::Field;
    const auto texts = [](std::initializer_list<std::pair<const char*, int>> fields) {
        QList<Field> list;
        for (const auto& [name, size] : fields)
            list << Field::text(QString::fromLatin1(name), size);
        return list;
    };
    stale.createTable({QStringLiteral("OPERATORZY"), texts({{"OP_NUMER", 3},
                                                            {"OP_NAZWISKO", 50},
                                                            {"OP_KLUCZ", 255},
                                                            {"OP_RODZAJ", 20},
                                                            {"OP_LOGIN", 50},
                                                            {"OP_HASLO", 255}})});
    stale.createTable({QStringLiteral("PODATNIK"), texts({{"TX2", 255},
                                                          {"TX3", 255},
                                                          {"TX4", 255},
                                                          {"TX5", 255},
                                                          {"TX6", 255},
                                                          {"KodPIW1", 4},
                                                          {"KodPIW2", 4},
                                                          {"KodPIW", 4},
                                                          {"MailWIW", 50},
                                                          {"MailPIW", 50},
                                                          {"MailLab", 50},
                                                          {"Miejsc", 30},
                                                          {"Uzytkownik", 6},
                                                          {"PodpisLewy", 50},
                                                          {"PodpisPrawy", 50}})});
    QList<Field> parametry = texts({{"KLUCZ", 50}, {"PARAM1", 255}, {"PARAM2", 255}});
    parametry << Field::of(QStringLiteral("PARAM3"), db::DataType::Boolean)
              << Field::text(QStringLiteral("KOMENT"), 255);
    stale.createTable({QStringLiteral("PARAMETRY"), parametry});
    stale.createTable({QStringLiteral("PIW"), texts({{"IDPIW", 8},
                                                     {"Nazwa", 255},
                                                     {"Ulica", 50},
                                                     {"KodPocztowy", 6},
                                                     {"Miasto", 50},
                                                     {"Powiat", 50},
                                                     {"Telefon", 50},
                                                     {"Email", 50},
                                                     {"W", 100}})});
}

void addRow(db::Database& stale, const QString& table, const QVariantMap& values)
{
    QStringList marks;
    for (qsizetype i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    stale.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(table, values.keys().join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                  values.values());
}

} // namespace trelimor::test
