#include "InstalledRegisterTest.h"

#include "common/DataControl.h"
#include "common/DataGrid.h"
#include "common/ModLabor.h"
#include "registers/FormChoroba.h"
#include "registers/MatrixEditor.h"
#include "registers/RegisterFrame.h"

#include "support/RecordingOpener.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>

using namespace trelimor;
using namespace trelimor::test;

namespace {

const QString kUnsaved = QStringLiteral("INFORMACJA|Nie można dodać matrycy do niezapisanego kierunku!\r"
                                        "Kliknij przycisk Zapisz i wykonaj operację dodawania ponownie!");

class FormChorobaTest : public InstalledRegisterTest
{
protected:
    void direction(int id, const QString& code, const QString& name, const QString& type1 = {})
    {
        insert(QStringLiteral("KIERUNEK"), {{QStringLiteral("IDKIERUNEK"), id},
                                            {QStringLiteral("Kierunek"), code},
                                            {QStringLiteral("NazKierunek"), name},
                                            {QStringLiteral("Typ1"), type1}});
    }
    void matrix(const QString& code, const QString& type, const QString& name)
    {
        insert(QStringLiteral("MATRYCA"), {{QStringLiteral("Kierunek"), code},
                                           {QStringLiteral("Typ"), type},
                                           {QStringLiteral("Matryca"), name},
                                           {QStringLiteral("Akredytacja"), QStringLiteral("N")}});
    }
    // The window as its opener shows it.
    FormChoroba& open()
    {
        Installed<RecordingOpener> opener;
        otworzKierunki();
        FormChoroba& window = FormChoroba::instance();
        show(window);
        return window;
    }
    static void selectTab(FormChoroba& window, int index)
    {
        window.findChild<QTabBar*>(QStringLiteral("TabStrip1"))->setCurrentIndex(index);
    }
    static QStringList listedMatrices(FormChoroba& window)
    {
        QStringList names;
        const QAbstractItemModel* model = window.matrices().grid().model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 5).data().toString();
        return names;
    }
    static bool matrixFrameOpen(FormChoroba& window)
    {
        return window.matrices().frame().isVisibleTo(&window);
    }
    QStringList storedDirections()
    {
        QStringList rows;
        for (const QVariant& row : column(
                 QStringLiteral("SELECT Kierunek || '/' || NazKierunek FROM KIERUNEK ORDER BY IDKIERUNEK")))
            rows << row.toString();
        return rows;
    }
};

TEST_F(FormChorobaTest, TheNameIsRequiredAndACodeNewOrChangedMustBeFree)
{
    direction(1, QStringLiteral("BSE"), QStringLiteral("Gąbczasta"));
    direction(2, QStringLiteral("BR"), QStringLiteral("Bruceloza"));
    FormChoroba& window = open();
    click(window, QStringLiteral("ComDodaj"));
    EXPECT_EQ(text(window, QStringLiteral("TextID")), QStringLiteral("3"));
    EXPECT_EQ(window.frame().title(), QStringLiteral(" NOWY KIERUNEK BADANIA "));
    type(window, QStringLiteral("TextKierunek"), QStringLiteral("bse "));
    click(window, QStringLiteral("ComZapiszFr"));
    type(window, QStringLiteral("TextNazKierunek"), QStringLiteral("Nowa"));
    click(window, QStringLiteral("ComZapiszFr"));
    EXPECT_EQ(boxes(), (QStringList{QStringLiteral("INFORMACJA|Wprowadź kierunek badania!"),
                                    QStringLiteral("INFORMACJA|Pozycja: Nowa już istnieje. Popraw!")}));
    EXPECT_EQ(window.focusWidget(), window.control(QStringLiteral("TextNazKierunek")));
    EXPECT_TRUE(frameOpen(window));
    EXPECT_EQ(storedDirections().size(), 2);
    click(window, QStringLiteral("ComAnuluj"));

    // A correction that gives a direction another one's code is refused too; keeping its own
    // code, or taking a free one, is stored.
    window.dataControl().moveToRow(1);
    click(window, QStringLiteral("ComPopraw"));
    EXPECT_EQ(window.frame().title(), QStringLiteral(" KOREKTA KIERUNKU BADANIA "));
    type(window, QStringLiteral("TextKierunek"), QStringLiteral("BSE"));
    click(window, QStringLiteral("ComZapiszFr"));
    EXPECT_EQ(boxes().last(), QStringLiteral("INFORMACJA|Pozycja: Bruceloza już istnieje. Popraw!"));
    type(window, QStringLiteral("TextKierunek"), QStringLiteral("BR"));
    type(window, QStringLiteral("TextNazKierunek"), QStringLiteral("Bruceloza bydła"));
    click(window, QStringLiteral("ComZapiszFr"));
    EXPECT_EQ(boxes().size(), 3);
    EXPECT_EQ(storedDirections(),
              (QStringList{QStringLiteral("BSE/Gąbczasta"), QStringLiteral("BR/Bruceloza bydła")}));
    EXPECT_TRUE(enabled(window, QStringLiteral("DBGridChoroba")));
}

TEST_F(FormChorobaTest, AMatrixWaitsForTheSavedDirectionAndARefusedSaveKeepsWhatWasTyped)
{
    FormChoroba& window = open();
    click(window, QStringLiteral("ComDodaj"));
    type(window, QStringLiteral("TextKierunek"), QStringLiteral("TB"));
    type(window, QStringLiteral("TextTyp1"), QStringLiteral("T1"));
    selectTab(window, 1);
    selectTab(window, 0);
    EXPECT_EQ(window.TypBiezacy(), QStringLiteral("T1"));

    click(window, QStringLiteral("ComDodajMatryca"));
    EXPECT_EQ(boxes(), QStringList{kUnsaved});
    EXPECT_EQ(window.focusWidget(), window.control(QStringLiteral("ComZapiszOnly")));
    EXPECT_FALSE(matrixFrameOpen(window));

    // "Z&apisz" without a name: refused, and the new direction stays as typed.
    click(window, QStringLiteral("ComZapiszOnly"));
    EXPECT_EQ(boxes().last(), QStringLiteral("INFORMACJA|Wprowadź kierunek badania!"));
    EXPECT_EQ(window.frame().title(), QStringLiteral(" NOWY KIERUNEK BADANIA "));
    EXPECT_EQ(text(window, QStringLiteral("TextKierunek")), QStringLiteral("TB"));
    EXPECT_EQ(text(window, QStringLiteral("TextTyp1")), QStringLiteral("T1"));

    type(window, QStringLiteral("TextNazKierunek"), QStringLiteral("Gruźlica"));
    click(window, QStringLiteral("ComZapiszOnly"));
    EXPECT_EQ(storedDirections(), QStringList{QStringLiteral("TB/Gruźlica")});
    EXPECT_EQ(window.frame().title(), QStringLiteral(" KOREKTA KIERUNKU BADANIA "));
    EXPECT_TRUE(frameOpen(window));
    EXPECT_FALSE(enabled(window, QStringLiteral("ComDodaj")));

    click(window, QStringLiteral("ComDodajMatryca"));
    ASSERT_TRUE(matrixFrameOpen(window));
    EXPECT_EQ(window.matrices().frame().title(), QStringLiteral(" NOWA MATRYCA "));
    EXPECT_TRUE(window.findChild<QRadioButton*>(QStringLiteral("OptionAkredytacjaN"))->isChecked());
    for (const char* waiting : {"ComDodajMatryca", "ComZapiszOnly", "ComZapiszFr", "ComAnuluj", "TabStrip1"})
        EXPECT_FALSE(enabled(window, QString::fromLatin1(waiting))) << waiting;
    type(window, QStringLiteral("TextMatryca"), QStringLiteral("Krew"));
    type(window, QStringLiteral("TextWynikMatryca"), QStringLiteral("ujemny"));
    click(window, QStringLiteral("OptionAkredytacjaT"));
    click(window, QStringLiteral("ComZapiszMatryca"));
    EXPECT_FALSE(matrixFrameOpen(window));
    EXPECT_TRUE(enabled(window, QStringLiteral("ComZapiszFr")));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT Kierunek || '|' || Typ || '|' || Matryca || '|' || Akredytacja || "
                              "'|' || WynikMatryca FROM MATRYCA")),
        QStringLiteral("TB|T1|Krew|T|ujemny"));
    EXPECT_EQ(listedMatrices(window), QStringList{QStringLiteral("Krew")});

    // A code changed and not yet saved is no stored direction either.
    type(window, QStringLiteral("TextKierunek"), QStringLiteral("TBC"));
    click(window, QStringLiteral("ComDodajMatryca"));
    EXPECT_EQ(boxes().last(), kUnsaved);
    EXPECT_EQ(boxes().size(), 3);
}

TEST_F(FormChorobaTest, TheFourSlotsAreStoredAsTypedAndEachTabListsItsOwnMatrices)
{
    FormChoroba& window = open();
    click(window, QStringLiteral("ComDodaj"));
    type(window, QStringLiteral("TextKierunek"), QStringLiteral(" BR "));
    type(window, QStringLiteral("TextNazKierunek"), QStringLiteral("Bruceloza"));
    for (int slot = 1; slot <= FormChoroba::SlotCount; ++slot) {
        const QString n = QString::number(slot);
        selectTab(window, slot - 1);
        type(window, QStringLiteral("TextTyp") + n, QStringLiteral("T") + n);
        type(window, QStringLiteral("TextNazTyp") + n, QStringLiteral("Typ ") + n);
        type(window, QStringLiteral("TextMetoda") + n, QStringLiteral("M") + n);
        type(window, QStringLiteral("TextNazMetoda") + n, QStringLiteral("Metoda ") + n);
        type(window, QStringLiteral("TextProcedura") + n, QStringLiteral("Procedura ") + n + u' ');
    }
    click(window, QStringLiteral("ComZapiszFr"));
    EXPECT_FALSE(frameOpen(window));
    EXPECT_EQ(
        scalar(QStringLiteral("SELECT Kierunek || '|' || Typ2 || '|' || NazTyp3 || '|' || Metoda4 || '|' || "
                              "NazMetoda1 || '|' || Procedura4 FROM KIERUNEK")),
        QStringLiteral("BR|T2|Typ 3|M4|Metoda 1|Procedura 4 "));

    matrix(QStringLiteral("BR"), QStringLiteral("T3"), QStringLiteral("Surowica"));
    matrix(QStringLiteral("BR"), QStringLiteral("T1"), QStringLiteral("Krew"));
    matrix(QStringLiteral("XX"), QStringLiteral("T3"), QStringLiteral("Inna"));
    window.frame().clearForNew();
    click(window, QStringLiteral("ComPopraw"));
    for (int slot = 1; slot <= FormChoroba::SlotCount; ++slot) {
        const QString n = QString::number(slot);
        EXPECT_EQ(text(window, QStringLiteral("TextNazMetoda") + n), QStringLiteral("Metoda ") + n);
        EXPECT_EQ(text(window, QStringLiteral("TextProcedura") + n), QStringLiteral("Procedura ") + n + u' ');
    }
    // The correction opens on the tab left selected: the fourth.
    EXPECT_EQ(window.TypBiezacy(), QStringLiteral("T4"));
    EXPECT_TRUE(listedMatrices(window).isEmpty());
    selectTab(window, 2);
    for (int slot = 1; slot <= FormChoroba::SlotCount; ++slot)
        EXPECT_EQ(window.control(QStringLiteral("FrameTyp%1").arg(slot))->isVisibleTo(&window), slot == 3)
            << slot;
    EXPECT_EQ(window.TypBiezacy(), QStringLiteral("T3"));
    EXPECT_EQ(listedMatrices(window), QStringList{QStringLiteral("Surowica")});
}

TEST_F(FormChorobaTest, AMatrixNameIsUniquePerDirectionAndSlot)
{
    direction(1, QStringLiteral("BR"), QStringLiteral("Bruceloza"), QStringLiteral("T1"));
    matrix(QStringLiteral("BR"), QStringLiteral("T1"), QStringLiteral("Krew"));
    matrix(QStringLiteral("BR"), QStringLiteral("T1"), QStringLiteral("Mleko"));
    matrix(QStringLiteral("BR"), QStringLiteral("T2"), QStringLiteral("Surowica"));
    FormChoroba& window = open();
    expectNoWriteLockWhileBoxesShow();
    click(window, QStringLiteral("ComPopraw"));
    EXPECT_EQ(listedMatrices(window), (QStringList{QStringLiteral("Krew"), QStringLiteral("Mleko")}));

    click(window, QStringLiteral("ComDodajMatryca"));
    type(window, QStringLiteral("TextMatryca"), QStringLiteral("mleko"));
    click(window, QStringLiteral("ComZapiszMatryca"));
    EXPECT_EQ(boxes(), QStringList{QStringLiteral("INFORMACJA|Matryca: mleko już istnieje. Popraw!")});
    EXPECT_TRUE(matrixFrameOpen(window));
    type(window, QStringLiteral("TextMatryca"), QStringLiteral("Surowica")); // taken only under slot 2
    click(window, QStringLiteral("ComZapiszMatryca"));
    EXPECT_FALSE(matrixFrameOpen(window));

    // Changing only the letter case of a name tests it, and a matrix is no duplicate of itself.
    window.matrices().dataControl().moveToRow(0); // Krew
    click(window, QStringLiteral("ComPoprawMatryca"));
    EXPECT_EQ(window.matrices().frame().title(), QStringLiteral("EDYCJA"));
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("TextMatryca"))->text(), QStringLiteral("Krew"));
    type(window, QStringLiteral("TextMatryca"), QStringLiteral("KREW"));
    click(window, QStringLiteral("ComZapiszMatryca"));
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_EQ(column(QStringLiteral("SELECT Matryca FROM MATRYCA WHERE Typ = 'T1' ORDER BY Matryca")),
              (QVariantList{QStringLiteral("KREW"), QStringLiteral("Mleko"), QStringLiteral("Surowica")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM MATRYCA")), 4);
}

TEST_F(FormChorobaTest, ASlotWithoutATypeCodeTakesNoMatrix)
{
    direction(1, QStringLiteral("BR"), QStringLiteral("Bruceloza"), QStringLiteral("T1"));
    FormChoroba& window = open();
    click(window, QStringLiteral("ComPopraw"));
    selectTab(window, 3);
    click(window, QStringLiteral("ComDodajMatryca"));
    EXPECT_EQ(boxes(), QStringList{QStringLiteral("INFORMACJA|Przed dodaniem matrycy wpisz typ badania!")});
    EXPECT_EQ(window.focusWidget(), window.control(QStringLiteral("TextNazTyp4")));
    EXPECT_FALSE(matrixFrameOpen(window));
}

TEST_F(FormChorobaTest, TheFirstActivationOpensTheNamedDirectionForCorrection)
{
    direction(1, QStringLiteral("BSE"), QStringLiteral("Gąbczasta"));
    direction(2, QStringLiteral("BR"), QStringLiteral("Bruceloza"));
    ModLabor().TrybSlownika = QStringLiteral("Bruceloza");
    FormChoroba& window = open();
    EXPECT_FALSE(ModLabor().PierwszaAktywacja);
    EXPECT_TRUE(frameOpen(window));
    EXPECT_EQ(window.frame().title(), QStringLiteral(" KOREKTA KIERUNKU BADANIA "));
    EXPECT_EQ(text(window, QStringLiteral("TextKierunek")), QStringLiteral("BR"));
    click(window, QStringLiteral("ComAnuluj"));
    window.hide();

    // A name no direction bears opens nothing.
    ModLabor().TrybSlownika = QStringLiteral("ANULUJ");
    open();
    EXPECT_FALSE(frameOpen(window));
    EXPECT_FALSE(ModLabor().PierwszaAktywacja);
}

} // namespace
