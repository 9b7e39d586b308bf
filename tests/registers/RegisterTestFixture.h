#pragma once

#include "registers/RegisterWindow.h"

#include "support/Installed.h"
#include "support/ScriptedDialogs.h"
#include "support/TempProgramFolder.h"

#include "platform/db/Database.h"

#include <QVariantList>

#include <iosfwd>

// Stored values readably in failure messages.
void PrintTo(const QVariant& value, std::ostream* out);

namespace trelimor::test {

// A dictionary database with the register tables, laid out as the installation lays them out,
// opened as the program-wide BazaStale; every window instance is dropped after each test.
class RegisterTest : public TempProgramFolder
{
protected:
    void SetUp() override;
    void TearDown() override;

    db::Database& stale();
    // Appends a row with the named fields set.
    void insert(const QString& table, const QVariantMap& values);
    // The values of one column of a query, in its order (null as an invisible QVariant).
    QVariantList column(const QString& sql, const QVariantList& params = {});
    QVariant scalar(const QString& sql, const QVariantList& params = {});

    // Shows the window as its opener would (without a modal loop).
    static void show(RegisterWindow& window);
    static void click(RegisterWindow& window, const QString& button);
    // Replaces the text of a box (a masked box from its first position) by typing.
    static void type(RegisterWindow& window, const QString& box, const QString& text);
    static QString text(RegisterWindow& window, const QString& box);
    static bool enabled(RegisterWindow& window, const QString& name);
    static bool frameOpen(RegisterWindow& window);
    // The grid's current row, as its cells show it.
    static QStringList currentRow(RegisterWindow& window);

    // From now on every box shown fails the test when another workstation cannot take the
    // dictionary database's write lock while the box is open.
    void expectNoWriteLockWhileBoxesShow();

    // The dialogs shown since the test began, as "title|text".
    QStringList boxes() const;

    Installed<ScriptedDialogs> dialogs;
};

} // namespace trelimor::test
