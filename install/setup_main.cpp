// trelimor-setup: lays out a new program folder of TRELIMOR.
//
//   trelimor-setup [FOLDER] [--reports DIR]
//
// FOLDER defaults to $TRELIMOR_HOME, else ~/Trelimor; DIR to the report templates shipped with
// the program (installed beside it, or the source tree's for a tool run from its build tree).

#include "install/Installer.h"
#include "install/SeedData.h"
#include "install/ShippedReports.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <optional>

namespace {

using namespace trelimor::install;

struct Arguments
{
    QString programFolder;
    QString reportsSource;
    bool reportsGiven = false;
};

QString usage()
{
    return QStringLiteral("Użycie: trelimor-setup [FOLDER] [--reports FOLDER_SZABLONÓW]\n"
                          "Tworzy folder programu TRELIMOR (domyślnie $TRELIMOR_HOME, a gdy nie jest "
                          "ustawiony: ~/Trelimor).\n");
}

// The arguments, or nothing when they are not understood.
std::optional<Arguments> parseArguments(const QStringList& args)
{
    Arguments parsed;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == u"--reports" && i + 1 < args.size()) {
            parsed.reportsSource = args[++i];
            parsed.reportsGiven = true;
        } else if (a.startsWith(QStringLiteral("--reports="))) {
            parsed.reportsSource = a.mid(10);
            parsed.reportsGiven = true;
        } else if (a.startsWith(QLatin1Char('-')) || !parsed.programFolder.isEmpty()) {
            return std::nullopt;
        } else {
            parsed.programFolder = a;
        }
    }
    if (parsed.programFolder.isEmpty()) {
        const QString home = qEnvironmentVariable("TRELIMOR_HOME");
        parsed.programFolder = home.isEmpty() ? QDir::homePath() + QStringLiteral("/Trelimor") : home;
    }
    if (!parsed.reportsGiven)
        parsed.reportsSource = shippedReportsFolder();
    return parsed;
}

void printSummary(QTextStream& out, const Installation& made)
{
    out << "Utworzono instalację programu TRELIMOR w folderze " << made.programFolder << ":\n"
        << "  " << made.iniFile << "\n"
        << "  " << made.dictionaryFile << " (baza słownikowa)\n"
        << "  " << made.reportWorkFile << " (baza robocza raportów)\n"
        << "  " << made.reportsFolder << " (szablony raportów: " << made.reportFiles.size() << ")\n"
        << "  " << made.programFolder << "/Eksport/ i " << made.programFolder << "/Archiwum/\n"
        << "Pierwsze logowanie: login \"" << administratorLogin() << "\", hasło \""
        << administratorFirstPassword() << "\" (" << administratorName() << ").\n"
        << "Zmień to hasło zaraz po pierwszym zalogowaniu (Definicje -> Operator).\n";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    const std::optional<Arguments> args = parseArguments(QCoreApplication::arguments());
    if (!args) {
        err << usage();
        return 2;
    }
    try {
        printSummary(out, createInstallation(args->programFolder, args->reportsSource));
    } catch (const InstallError& e) {
        err << e.message() << "\n";
        return 1;
    }
    return 0;
}
