#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QVariantMap>

namespace trelimor {

// Whether the code is a county code: four digits and nothing else, as a yearly database's file
// name and the user record take it.
bool isCountyCode(const QString& code);

// What the whole program reads of the session: the working date, the active county code and
// mail addresses, the logged-in operator, the stored user record and the default sampling plan
// and procedure. Only stored values enter it (an edit cancelled in a window never shows here);
// the main window's labels show it.
class ProgramState : public QObject
{
    Q_OBJECT

public:
    static inline const QString kVersion = QStringLiteral("Wersja 22.03.31");

    // Working date (the main window's LabelData) and its month.
    QDate workingDate() const { return m_workingDate; }
    QString workingDateText() const { return m_workingDate.toString(QStringLiteral("dd.MM.yyyy")); }
    int workingYear() const { return m_workingDate.year(); }
    void setWorkingDate(const QDate& date);

    // The active county code (LabelKodPiw), as stored in the user record.
    QString countyCode() const { return m_countyCode; }
    void setCountyCode(const QString& code);

    QString mailWIW() const { return m_mailWIW; }
    QString mailPIW() const { return m_mailPIW; }
    QString mailLab() const { return m_mailLab; }
    void setMails(const QString& wiw, const QString& piw, const QString& lab);

    // The stored user record (PODATNIK), field name -> value; empty before it is read.
    const QVariantMap& userRecord() const { return m_userRecord; }
    QString userField(const QString& name) const;
    void setUserRecord(const QVariantMap& record);

    // The logged-in operator (OP_NUMER, OP_NAZWISKO, OP_RODZAJ).
    QString operatorNumber() const { return m_operatorNumber; }
    QString operatorName() const { return m_operatorName; }
    QString operatorKind() const { return m_operatorKind; }
    bool operatorIsAdministrator() const;
    void setOperator(const QString& number, const QString& name, const QString& kind);
    // The user's own short date format, read before the login set "dd.MM.yyyy".
    QString userDateFormat() const { return m_userDateFormat; }
    void setUserDateFormat(const QString& format) { m_userDateFormat = format; }

    // Names of the default sampling plan and procedure, proposed for a new batch.
    QString defaultPlan() const { return m_defaultPlan; }
    QString defaultProcedure() const { return m_defaultProcedure; }
    void setDefaultPlan(const QString& name);
    void setDefaultProcedure(const QString& name);

    // Forgets the session (a test, or a second start inside one process).
    void reset();

signals:
    void workingDateChanged(const QDate& date);
    void countyCodeChanged(const QString& code);
    void mailsChanged();
    void userRecordChanged();
    void operatorChanged();
    void defaultsChanged();
    // The remark hint lists were edited: the batch window refills its two hint combos.
    void remarkHintsChanged();

private:
    QDate m_workingDate;
    QString m_countyCode;
    QString m_mailWIW, m_mailPIW, m_mailLab;
    QVariantMap m_userRecord;
    QString m_operatorNumber, m_operatorName, m_operatorKind, m_userDateFormat;
    QString m_defaultPlan, m_defaultProcedure;
};

ProgramState& programState();

} // namespace trelimor
