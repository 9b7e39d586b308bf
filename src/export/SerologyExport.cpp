#include "SerologyExport.h"

#include "ExportFile.h"
#include "SerologyExportHost.h"

#include "common/Dates.h"
#include "common/InstallationFile.h"
#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "documents/ExportErrors.h"
#include "documents/ExportFolder.h"
#include "documents/SendMail.h"

#include "platform/paths/Folders.h"
#include "platform/ui/Clock.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/OverrideCursorGuard.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace trelimor {

namespace {

const QString kWysylanie = QStringLiteral("Wysyłanie!");
const QString kFilter = QStringLiteral("All Files (*.*)|*.*|Plik tekstowy (*.txt)|*.txt");
constexpr int kFilterText = 2;
// The progress display is brought up to date at most this often (and at each table's first and
// last row): a repaint per row would cost more than writing the row.
constexpr qint64 kRepaintMilliseconds = 50;

int progressValue(qint64 value)
{
    return int(std::min<qint64>(value, std::numeric_limits<int>::max()));
}

// The progress of the writing on the main window's FrameDoWIW.
class HostProgress final : public ExportProgress
{
public:
    explicit HostProgress(SerologyExportHost& host)
        : m_host(host)
    {}

    void tableStarted(const QString& table) override
    {
        m_rows = 0;
        // The first table's name is on show since the wait display came up.
        if (m_tables++ == 0)
            return;
        m_host.setLabTab(table);
        m_host.setLabIl(QStringLiteral("0"));
        letWindowRepaint();
    }

    void rowsCounted(qint64 rows) override
    {
        m_rows = rows;
        m_host.setLabTab(m_host.LabTab() + QStringLiteral(" (") + QString::number(rows) + QLatin1Char(')'));
        m_host.setProgressBar1Range(0, progressValue(rows));
    }

    void rowStarted(qint64 row) override
    {
        const qint64 now = ui::steadyMilliseconds();
        if (row != 1 && row != m_rows && now - m_lastRepaint < kRepaintMilliseconds)
            return;
        m_lastRepaint = now;
        m_host.setLabIl(QString::number(row));
        m_host.setProgressBar1Value(progressValue(row));
        letWindowRepaint();
    }

private:
    SerologyExportHost& m_host;
    int m_tables = 0;
    qint64 m_rows = 0;
    qint64 m_lastRepaint = 0;
};

void showWait(SerologyExportHost& host)
{
    host.setFrameCzekajVisible(true);
    host.setFrameDoWIWVisible(true);
    letWindowRepaint();
    host.setLabTab(QStringLiteral("Partia"));
    host.setLabIl(QStringLiteral("0"));
    letWindowRepaint();
}

void hideWait(SerologyExportHost& host)
{
    host.setFrameCzekajVisible(false);
    host.setFrameDoWIWVisible(false);
}

// The place of the user record, which names the file; nothing without a record or a place.
QString place()
{
    return BezNullText(
        ModLabor().BazaStale.scalar(QStringLiteral("SELECT Miejsc FROM PODATNIK ORDER BY rowid LIMIT 1")));
}

// The regional inspectorate's mailbox: the installation file's MAILWIW line, else the address of
// the user record.
QString recipient()
{
    const QString configured = installationValue(QStringLiteral("MAILWIW")).trimmed();
    return configured.isEmpty() ? programState().mailWIW().trimmed() : configured;
}

void mailArchive(const QString& archive, const QDate& workingDate)
{
    const QString to = recipient();
    if (to.isEmpty()) {
        ui::dialogs().message(
            QStringLiteral("Nie ustawiono adresu poczty WIW!\rWpisz go w wierszu MAILWIW= pliku ") +
                paths::iniFile() + QStringLiteral(" i wyślij archiwum samodzielnie:\r") + archive,
            kWysylanie, ui::Icon::Information);
        return;
    }
    Send_Mail(to,
              QStringLiteral("Serologia - Dane za okres ") + workingDate.toString(QStringLiteral("yyyy-MM")),
              QStringLiteral(" "), archive);
}

} // namespace

void letWindowRepaint()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ComZakWIW_Click(SerologyExportHost& host)
{
    const QDate workingDate = programState().workingDate();
    const QString month = NazwaMiesiaca(QString::number(workingDate.month())).toUpper();
    if (!ui::dialogs().askYesNo(QStringLiteral("Czy wysłać dane (BSE ") + month + QLatin1Char(' ') +
                                    workingDate.toString(QStringLiteral("yyyy")) +
                                    QStringLiteral(") do WIW?"),
                                kWysylanie, ui::Icon::Question, false))
        return;

    try {
        if (!SprPusteProbki(host, QString()))
            return;
        const QString proposed =
            paths::join(datedExportFolder(ui::today()), proposedExportName(place(), workingDate));
        const QString path = ui::saveFile(QStringLiteral("Zapisz jako"), proposed, kFilter, kFilterText);
        if (path.isEmpty())
            return;

        ui::OverrideCursorGuard cursor;
        showWait(host);
        HostProgress progress(host);
        PlikEksportuWIW(ModLabor().BazaRok, path, progress);
        const QString archive = SpakujPlik(path);
        cursor.restore();
        hideWait(host);
        if (archive.isEmpty())
            return;

        if (ui::dialogs().askYesNo(QStringLiteral("Plik spakowano w katalogu: ") + archive +
                                       QStringLiteral("!\rCzy wysłać teraz?"),
                                   kWysylanie, ui::Icon::Question, false))
            mailArchive(archive, workingDate);
    } catch (const std::exception& e) {
        hideWait(host);
        showExportError(e);
    }
}

} // namespace trelimor
