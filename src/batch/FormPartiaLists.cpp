// The lists of the batch window's edit frames and the combos' own behaviour.

#include "FormPartia.h"

#include "common/CodeLists.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/ProgramState.h"
#include "common/TableHelpers.h"

#include "platform/db/Recordset.h"

namespace trelimor {

namespace {

// A combo shows what the user or the program put into it, never an entry the list happened
// to start with.
void clearText(QComboBox* combo)
{
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
}

void setList(QComboBox* combo, const QStringList& items)
{
    combo->clear();
    combo->addItems(items);
    clearText(combo);
}

// The laboratories of the installation, in their order; none when it keeps no such list.
QStringList laboratories()
{
    QStringList names;
    try {
        db::Recordset rs =
            ModLabor().BazaStale.openRecordset(QStringLiteral("SELECT * FROM LABORATORIUM ORDER BY IDLabor"));
        for (; !rs.eof(); rs.moveNext())
            names << BezNullText(rs.value(QStringLiteral("Nazwa")));
    } catch (const std::exception&) {
        // Without the table the list offers only "inne (wskazać jakie)", which the user completes.
    }
    names.removeAll(QString());
    return names;
}

} // namespace

void FormPartia::fillFixedLists()
{
    for (const QString& name : combosZListaStala())
        if (QComboBox* combo = findChild<QComboBox*>(name))
            setList(combo, listaStala(name));
    setList(ComboLaboratorium, laboratories() + listaStala(ComboLaboratorium->objectName()));
    ComboWNI->setEditText(kTypZakladuPoczatkowy);
}

void FormPartia::fillCreationLists()
{
    WypelnijCombo(ComboGatunek, ModLabor().BazaStale, QStringLiteral("Gatunek"),
                  QStringLiteral("NazGatunek"));
    clearText(ComboGatunek);
    QStringList wiek;
    for (int months = 1; months <= 200; ++months)
        wiek << QString::number(months);
    setList(ComboWiek, wiek);
}

void FormPartia::fillOnOpening()
{
    ComboGatunek2->setEditText(QString());
    ComboGatunek2->hide();
    db::Database& stale = ModLabor().BazaStale;
    WypelnijComboDwaPola(ComboPobral, stale, QStringLiteral("Lekarz"), QStringLiteral("Imie"),
                         QStringLiteral("Nazwisko"), QStringLiteral(" "));
    WypelnijCombo(ComboPlanPobierania, stale, QStringLiteral("PlanPobierania"), QStringLiteral("Nazwa"));
    WypelnijCombo(ComboProceduraPobierania, stale, QStringLiteral("ProceduraPobierania"),
                  QStringLiteral("Nazwa"));
    for (QComboBox* combo : {ComboPobral, ComboPlanPobierania, ComboProceduraPobierania})
        clearText(combo);
    WypelnijRodzajUboju(ComboGatunek->currentText());
    WypelnijSystemUtrzymania(kJeleniowate);
    ComWczytPart->setVisible(programState().userField(QStringLiteral("Uzytkownik")) == QLatin1String("PIW"));
    CzekaNaPierwszaProbke = false;
    ModLabor().PierwszaAktywacja = false;
}

void FormPartia::connectLists()
{
    connect(ComboGatunek, &QComboBox::editTextChanged, this, &FormPartia::ComboGatunek_Change);
    connect(ComboRodzajUboju, &QComboBox::editTextChanged, this,
            [this](const QString& kod) { LabRodzajUboju->setText(OpisRodzajuUboju(kod)); });
    connect(ComboSystemUtrzymania, &QComboBox::editTextChanged, this,
            [this](const QString& kod) { LabSystemUtrzymania->setText(OpisSystemuUtrzymania(kod)); });
    for (QComboBox* combo : {ComboPlec, ComboWiek})
        connect(combo, &QComboBox::activated, this, [this] { TextKodPIW->setFocus(); });
    connect(ComboPobral, &QComboBox::activated, this, [] { NastepnePole(); });
    connect(ComboUwagi, &QComboBox::activated, this, &FormPartia::ComboUwagi_Click);
    for (QCheckBox* box : {CheckGatunek, CheckPlec, CheckWiek})
        connect(box, &QCheckBox::clicked, this, [this, box] { colourCheck(box); });
}

void FormPartia::WypelnijRodzajUboju(const QString& RB)
{
    setList(ComboRodzajUboju, kodyRodzajuUboju(RB));
}

void FormPartia::WypelnijSystemUtrzymania(const QString& Gatunek)
{
    setList(ComboSystemUtrzymania, kodySystemuUtrzymania(Gatunek));
}

void FormPartia::fillRemarkHints()
{
    WypelnijPodpowiedzi(QStringLiteral("UwagiPartia"), ComboUwagi);
    WypelnijPodpowiedzi(QStringLiteral("UwagiProbka"), ComboUwagiG);
    clearText(ComboUwagi);
    clearText(ComboUwagiG);
}

void FormPartia::ComboGatunek_Change()
{
    const QString gatunek = ComboGatunek->currentText();
    const bool jelen = jestJeleniowaty(gatunek);
    // Deer have a sub-species and a keeping system, and neither a use type nor a birth date.
    if (!jelen) {
        ComboGatunek2->setEditText(QString());
        ComboSystemUtrzymania->setEditText(QString());
    } else {
        ComboUzytkowosc->setEditText(QString());
        TextDataUrodzenia->clear();
    }
    for (QWidget* deerOnly :
         {static_cast<QWidget*>(ComboGatunek2), static_cast<QWidget*>(LabelSystemUtrzymania),
          static_cast<QWidget*>(ComboSystemUtrzymania), static_cast<QWidget*>(LabSystemUtrzymania)})
        deerOnly->setVisible(jelen);
    for (QWidget* otherOnly :
         {static_cast<QWidget*>(LabelUzytkowosc), static_cast<QWidget*>(ComboUzytkowosc),
          static_cast<QWidget*>(LabelDataUrodzenia), static_cast<QWidget*>(TextDataUrodzenia),
          static_cast<QWidget*>(ComDataUrodzenia)})
        otherOnly->setVisible(!jelen);
    WypelnijRodzajUboju(gatunek);
    WypelnijSystemUtrzymania(gatunek);
}

void FormPartia::ComboUwagi_Click()
{
    TextUwagi->setPlainText(ComboUwagi->currentText());
    ComboUwagi->setEditText(QString());
    TextUwagi->setFocus();
    TextUwagi->moveCursor(QTextCursor::End);
}

void FormPartia::colourCheck(QCheckBox* box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, box->isChecked() ? QColor(255, 0, 0) : QColor(0, 0, 0));
    box->setPalette(palette);
}

} // namespace trelimor
