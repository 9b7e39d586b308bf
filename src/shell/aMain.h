#pragma once

#include "common/PresenceFile.h"
#include "platform/ui/DefaultInstance.h"
#include "platform/ui/SingleInstance.h"

#include <QMainWindow>

#include <optional>

class QAction;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

namespace Ui {
class aMain;
}

namespace trelimor {

// The main window: the working date and its month, the active county code, the status bar,
// the menus and buttons from which every other window is opened. Its labels show the program
// state; other windows read the state, never these labels.
class aMain : public QMainWindow
{
    Q_OBJECT

public:
    static aMain& instance() { return ui::DefaultInstance<aMain>::get(); }
    ~aMain() override;

    // --- Start-up and the end of the program ---

    // The start of the program: one instance, the installation file and databases, the login,
    // the user record, the working date and the yearly database, the status bar and the
    // defaults; then the window is shown. Nothing when the program runs on; otherwise the exit
    // code of a program that ended during its start (the end has been asked for already).
    std::optional<int> Form_Load();
    // False when another instance runs: it has been asked to come to the front and this
    // process is to end.
    bool ActivatePrevInstance();
    // Closes the dictionary, yearly and report work databases.
    void Form_Unload();
    // "Koniec": the user's own short date format back, the program folder current, the end.
    void ComEnd_Click();
    // "Zakończenie pracy": the end, nothing restored.
    void Men1Exit_Click();
    // Brings the program's front window up (a second start asked for it).
    void przywrocNaWierzch();
    ui::SingleInstance& jednaInstancja() { return m_jednaInstancja; }

    // --- Working date, county code, layout ---

    // Opens or creates the yearly database of the working year and the county code; refuses,
    // and sends the user to the user record, while the county code is not four digits.
    bool ComTworzBazy_Click();
    // Double-click on the date or the month: the date picker; a cancelled pick keeps the date.
    void LabelData_DblClick();
    // Double-click on the county code: the user record window.
    void LabelKodPiw_DblClick();
    // Places the buttons, labels, picture and frames for the window's size ("AutoResize").
    void Command5_Click();
    // The text of a status bar panel, counted from 1.
    QString panelText(int panel) const;

    // --- Commands of the menus and buttons ---

    void Command1_Click();       // "Ewidencja danych"
    void menKlient_Click();      // "Klient"
    void Operatorzy_Click();     // "Operator"
    void menPIW_Click();         // "PIW"
    void menLekarz_Click();      // "Pobrał"
    void menUwagiP_Click();      // "Uwagi do Partii"
    void MenUwagiB_Click();      // "Uwagi do próbek"
    void Men2Uzytkownik_Click(); // "Użytkownik", "&Użytkownik"
    void menZaklad_Click();      // "Zakłady"
    void menProceduraPobierania_Click();
    void menPlanPobierania_Click();
    void Archiwizacja_Click(); // "Archiwizacja"
    void Zestawienie_Click();  // "Zestawienia"
    void MenZwiazek_Click();   // "Związek"
    void menPracuja_Click();   // "Pracują"
    void menCzyszc_Click();    // "Czyszczenie zbiorów"
    void menWynik_Click();     // "Automatyczne uzupełnianie wyników"
    void Opcje_Click();        // "Opcje programu", administrators only
    void menOdzysk_Click();    // "Przywrócenie bazy z archiwum"
    void Men1Tech_Click();     // "Funkcje techniczne"
    void OAutorze_Click();     // "O autorze"
    void ComCLab_Click();      // "Export do CLab"
    void ComDodKol_Click();    // "Dodaj pole w robot"
    void ComDoExcelNewMethod_Click();
    void Command4_Click();  // "Roboczy": every Br result negative
    void ComZakWIW_Click(); // "Export do WIW"

    // Operations that no menu item or button reaches.
    void DrukujZlewnie();
    void DrukujProducentow();
    void OpcjeBezKontroli();
    void OknoRobocze();
    void Zaklady();
    void Podpowiedzi();
    void JednostkiMiary();
    void Laboratoria();
    void OknoPierwszejAktywacji();

    // --- Controls that long operations of other windows use ---

    QLabel* LabelData;
    QLabel* LabMonth;
    QLabel* LabelKodPiw;
    QLabel* LabelMailWIW;
    QLabel* LabelMailPIW;
    QLabel* LabelMailLab;
    QLabel* LabelVer;
    QFrame* FrameCzekaj;
    QLabel* LabelPrCz;
    QFrame* FrameDoWIW;
    QLabel* LabTab;
    QLabel* LabIl;
    QProgressBar* ProgressBar1;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ui::DefaultInstance<aMain>;
    explicit aMain(QWidget* parent = nullptr);

    void zbudujPasekStanu();
    void polaczPolecenia();
    void pokazDateRobocza();
    void pokazKodPowiatu();
    void pokazAdresy();
    void wczytajUzytkownika();
    void zakoncz(bool przywrocFormatDaty);

    Ui::aMain* m_ui;
    QList<QLabel*> m_panele;
    ui::SingleInstance m_jednaInstancja;
    PresenceFile m_obecnosc;
    bool m_zamkniete = false;
};

} // namespace trelimor
