#include "ProgramState.h"

#include <algorithm>

namespace trelimor {

void ProgramState::setWorkingDate(const QDate& date)
{
    if (date == m_workingDate)
        return;
    m_workingDate = date;
    emit workingDateChanged(date);
}

void ProgramState::setCountyCode(const QString& code)
{
    if (code == m_countyCode)
        return;
    m_countyCode = code;
    emit countyCodeChanged(code);
}

bool isCountyCode(const QString& code)
{
    return code.size() == 4 && std::all_of(code.cbegin(), code.cend(), [](QChar c) {
               return c >= QLatin1Char('0') && c <= QLatin1Char('9');
           });
}

void ProgramState::setMails(const QString& wiw, const QString& piw, const QString& lab)
{
    m_mailWIW = wiw;
    m_mailPIW = piw;
    m_mailLab = lab;
    emit mailsChanged();
}

QString ProgramState::userField(const QString& name) const
{
    for (auto it = m_userRecord.cbegin(); it != m_userRecord.cend(); ++it)
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.value().toString();
    return {};
}

void ProgramState::setUserRecord(const QVariantMap& record)
{
    m_userRecord = record;
    emit userRecordChanged();
}

bool ProgramState::operatorIsAdministrator() const
{
    return m_operatorKind.trimmed().toUpper() == QLatin1String("ADMINISTRATOR");
}

void ProgramState::setOperator(const QString& number, const QString& name, const QString& kind)
{
    m_operatorNumber = number;
    m_operatorName = name;
    m_operatorKind = kind;
    emit operatorChanged();
}

void ProgramState::setDefaultPlan(const QString& name)
{
    m_defaultPlan = name;
    emit defaultsChanged();
}

void ProgramState::setDefaultProcedure(const QString& name)
{
    m_defaultProcedure = name;
    emit defaultsChanged();
}

void ProgramState::reset()
{
    m_workingDate = {};
    m_countyCode.clear();
    m_mailWIW.clear();
    m_mailPIW.clear();
    m_mailLab.clear();
    m_userRecord.clear();
    m_operatorNumber.clear();
    m_operatorName.clear();
    m_operatorKind.clear();
    m_userDateFormat.clear();
    m_defaultPlan.clear();
    m_defaultProcedure.clear();
}

ProgramState& programState()
{
    static ProgramState state;
    return state;
}

} // namespace trelimor
