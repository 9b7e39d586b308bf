#pragma once

#include "documents/SendMail.h"

#include "support/Installed.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

#include <QString>
#include <QVariantList>

namespace trelimor::test {

// A program folder with a report work database holding the header, establishment and batch
// tables, the shipped report templates in its reports folder, the working date 31.03.2022 and
// the report window registered. The mail program is put back at the end.
class DocumentsFixture : public TempProgramFolder
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds an establishment row (WNI, TypWNI, Nazwa, Ulica, KodPocztowy, Miasto, Powiat).
    void addEstablishment(const QVariantList& values);
    // Writes a template into the reports folder.
    void writeTemplate(const QString& name, const QByteArray& text);

    Installed<ScriptedDialogs> dialogs;
    Installed<RecordingOpener> opener;

private:
    MailProgram m_savedMailProgram;
};

} // namespace trelimor::test
