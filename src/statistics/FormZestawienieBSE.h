#pragma once

#include "Counts.h"
#include "Selection.h"

#include "platform/ui/DefaultInstance.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <functional>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace Ui {
class FormZestawienieBSE;
}

namespace trelimor {

namespace db {
class Database;
}
class AttachedYear;
class MaskedEdit;

// The BSE summaries: the period, the batch date that places a batch in it, the species and one
// of thirteen summaries; "Drukuj" fills a work table of the report work database and shows its
// report. Several controls are created hidden, or lie below the visible edge of the summaries'
// frame, and still take part in the logic (their values are read as they stand).
class FormZestawienieBSE : public QDialog
{
    Q_OBJECT

public:
    static FormZestawienieBSE& instance() { return ui::DefaultInstance<FormZestawienieBSE>::get(); }
    // The window to open: a window closed by its close box is loaded anew.
    static FormZestawienieBSE& opened();
    ~FormZestawienieBSE() override;

    // At the first activation after an opening: the four combos back to "wszystkie", the two
    // code labels emptied.
    void Form_Activate();
    void ComboWoj_Click();
    void ComboPIW_Click();
    void ComDatOd_Click();
    void ComDatDo_Click();
    void ComDrukuj_Click();
    void ComAnuluj_Click();

    // Lays out the month table of the monthly summary (see MonthlySummary.h).
    void PrzygotujBSEmce(db::Database& BazaZ, const QString& NazTabZ);

    // The window-level values of the last printout: PoleDaty, FiltrPartii, FiltrProbki.
    const Selection& wybor() const { return m_wybor; }
    const LicznikiUboju& licznikiUboju() const { return m_licznikiUboju; }
    // What CRdzien held for the last report: its file and title.
    const QString& plikRaportu() const { return m_plikRaportu; }
    const QString& tytulRaportu() const { return m_tytulRaportu; }

    QLabel* Label1;
    QGroupBox* Frame1;
    QLabel* LabelOd;
    MaskedEdit* MebOd;
    QPushButton* ComDatOd;
    QLabel* LabeDo;
    MaskedEdit* MebDo;
    QPushButton* ComDatDo;
    QRadioButton* OptionDataUboju;
    QRadioButton* OptionDataPobr;
    QRadioButton* OptionDataDoLab;
    QRadioButton* OptionDataRozpBad;
    QRadioButton* OptionDataZakBad;
    QGroupBox* Frame2;
    QRadioButton* OptIloscRodzajUboju;
    QRadioButton* OptBseMceWgDatyPobrania;
    QRadioButton* OptIloscWoj;
    QRadioButton* OptIloscZak;
    QRadioButton* OptIloscPow;
    QRadioButton* OptIloscWiek;
    QLineEdit* TextWiekOd;
    QLabel* Label3;
    QLineEdit* TextWiekDo;
    QLabel* Label4;
    QRadioButton* OptIloscGatunek;
    QRadioButton* OptNrKolczykaWiek;
    QPushButton* ComXlsOptNrKolczykaWiek;
    QRadioButton* OptNrKolczykaWNI;
    QPushButton* ComXlsOptNrKolczykaWNI;
    QRadioButton* OptGIW1;
    QPushButton* ComXlsOptGIW1;
    QRadioButton* OptIloscAnalizPowtorzonych;
    QRadioButton* OptIloscAnalizWykonanych;
    QRadioButton* OptIloscAnalizRodzajUboju;
    QLabel* LabGatunek;
    QComboBox* ComboGatunek;
    QLabel* Label2;
    QComboBox* ComboWoj;
    QLabel* LabKodWIW;
    QLabel* LabPIW;
    QComboBox* ComboPIW;
    QLabel* LabIDPIW;
    QLabel* LabKodZakladu;
    QLineEdit* TextKodZakladu;
    QLabel* Label5;
    QComboBox* ComboWynik;
    QPushButton* ComDrukuj;
    QPushButton* ComAnuluj;
    QFrame* FrameCzekaj;
    QLabel* Label17;
    QFrame* FrameDoWIW;
    QLabel* Label15;
    QLabel* LabTab;
    QLabel* LabTabIl;
    QLabel* Label16;
    QLabel* LabIl;
    QProgressBar* ProgressBar1;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class ui::DefaultInstance<FormZestawienieBSE>;
    explicit FormZestawienieBSE(QWidget* parent = nullptr);

    void Form_Load();
    void bindControls();
    void wybierzDate(MaskedEdit* pole, QPushButton* przycisk);

    // The dispatcher's steps (FormZestawienieBSEPrint.cpp).
    bool przygotujIWykonaj();
    bool ustawKolumneDaty(QString& podtytul);
    void ustawFiltry(QString& podtytul);
    bool wykonajZestawienie(const QString& podtytul);
    bool zestawienieMiesieczne(const QString& tytul);
    void ustawRaport(const QString& plik, const QString& tytul);
    void pokazRaport();

    // The fillers as the dispatcher calls them, each over the year attached for it.
    void naRoku(const std::function<void(const AttachedYear&)>& filler);
    void ZestRodzUboju();
    void ZliczWojPowZak(const QString& rodzaj);
    void ZliczWiek();
    void ZliczGatunek();
    void ZliczBSEmce();
    void ListaAnalizPowt();
    void ListaNrKolczykaWiek();
    void ListaNrKolczykaWNI();
    void ListaGIW1();
    bool SprBrakDatyPobr(db::Database& database);
    void CzyscRodzUboju();

    Ui::FormZestawienieBSE* m_ui;
    Selection m_wybor;
    LicznikiUboju m_licznikiUboju{};
    QString m_plikRaportu;
    QString m_tytulRaportu;
    bool m_closedByCloseBox = false;
    QPointer<QWidget> m_fokusNaKoniec;
};

// "Zestawienia" of the main window: the window with the working date as its period, shown
// modally. The main window has opened the yearly database and set PierwszaAktywacja.
void otworzZestawienia();

} // namespace trelimor
