// The batch window's commands: its frames, their opening and closing, and the commands the
// documents and the imports supply.

#include "FormPartia.h"

#include "BatchCommands.h"

#include "common/Messages.h"
#include "common/ModLabor.h"
#include "common/WindowCommands.h"

#include "platform/ui/DialogService.h"
#include "platform/ui/Keystrokes.h"

#include <QCursor>
#include <QMenu>

#include <functional>

namespace trelimor {

void FormPartia::connectCommands()
{
    const auto przycisk = [this](QPushButton* button, void (FormPartia::*command)()) {
        connect(button, &QPushButton::clicked, this, command);
    };
    przycisk(ComZamk, &FormPartia::ComZamk_Click);
    przycisk(ComDodajPr, &FormPartia::ComDodajPr_Click);
    przycisk(ComPopraw, &FormPartia::ComPopraw_Click);
    przycisk(ComUsun, &FormPartia::ComUsun_Click);
    przycisk(ComZapiszFr, &FormPartia::ComZapiszFr_Click);
    przycisk(ComAnulujFr, &FormPartia::ComAnulujFr_Click);
    przycisk(ComDodajG, &FormPartia::ComDodajG_Click);
    przycisk(ComPoprawG, &FormPartia::ComPoprawG_Click);
    przycisk(ComUsunG, &FormPartia::ComUsunG_Click);
    przycisk(ComZapiszFrNaPIW, &FormPartia::ComZapiszFrNaPIW_Click);
    przycisk(ComAnulujFrNaPIW, &FormPartia::ComAnulujFrNaPIW_Click);
    przycisk(ComEdytuj, &FormPartia::ComEdytuj_Click);
    przycisk(ComSzukaj, &FormPartia::ComSzukaj_Click);
    przycisk(ComSzukFrS, &FormPartia::ComSzukFrS_Click);
    przycisk(ComAnulujFrS, &FormPartia::ComAnulujFrS_Click);

    // The documents' and imports' commands, looked up at the click: the program supplies them
    // after this window may already exist. A failure of one is reported, never left to escape.
    using Polecenie = std::function<void()> BatchWindowCommands::*;
    const auto zewnetrzne = [this](QPushButton* button, Polecenie command) {
        connect(button, &QPushButton::clicked, this, [button, command] {
            try {
                (batchWindowCommands().*command)();
            } catch (const std::exception& e) {
                PokazBlad(button->text().remove(QLatin1Char('&')), e);
            }
        });
    };
    zewnetrzne(ComDrukuj, &BatchWindowCommands::ComDrukuj_Click);
    zewnetrzne(ComProtokol, &BatchWindowCommands::ComProtokol_Click);
    zewnetrzne(ComProtokolSaria1, &BatchWindowCommands::ComProtokolSaria1_Click);
    zewnetrzne(ComPismoPrzewodnie, &BatchWindowCommands::ComPismoPrzewodnie_Click);
    zewnetrzne(ComMail, &BatchWindowCommands::ComMail_Click);
    zewnetrzne(ComWczytPart, &BatchWindowCommands::ComWczytPart_Click);
    zewnetrzne(ComWczyt, &BatchWindowCommands::ComWczyt_Click);
    zewnetrzne(ComWczytaj, &BatchWindowCommands::ComWczytaj_Click);
    zewnetrzne(ComWczytKolektor, &BatchWindowCommands::ComWczytKolektor_Click);
    zewnetrzne(ComWczytWynik, &BatchWindowCommands::ComWczytWynik_Click);
    // "&Wczytaj plik", "&Rejestr" and "&Wczytaj plik kolektora" have no action.
}

void FormPartia::openFrame(QGroupBox* frame, const QString& caption)
{
    Klawisze(false, false);
    frame->setTitle(caption);
    frame->show();
    frame->raise();
}

void FormPartia::closeFrame(QGroupBox* frame)
{
    frame->hide();
    Klawisze(true, true);
}

void FormPartia::ComEdytuj_Click()
{
    // The herd-seat number of the current sample, from the older yearly files that keep it.
    if (DataProbka->recordCount() == 0)
        return;
    const db::Recordset& probki = DataProbka->recordset();
    if (probki.fieldIndex(QStringLiteral("PartiaG")) >= 0)
        TextNrPartiiG->setText(BezNullText(probki.value(QStringLiteral("PartiaG"))));
}

// --- The search frame ------------------------------------------------------------------------

void FormPartia::ComSzukaj_Click()
{
    FrameSzukaj->show();
    FrameSzukaj->raise();
    Klawisze(false, true);
    TextNrGosp->clear();
    LabelDataPobrFrS->clear();
    TextWlascicielS->clear();
    TextNrKolczykaS->clear();
    TextNrGosp->setFocus();
    ui::sendKeystrokes(TextNrGosp, {ui::Keystroke::End});
}

void FormPartia::ComSzukFrS_Click()
{
    // "&Znajdź" searches nothing: the frame stays open.
}

void FormPartia::ComAnulujFrS_Click()
{
    closeFrame(FrameSzukaj);
}

void FormPartia::ComZamk_Click()
{
    hide();
}

// --- Menu and the establishment warning ------------------------------------------------------

void FormPartia::PokazMenuPodreczne()
{
    menu1->popup(QCursor::pos());
}

void FormPartia::SprawdzZmianeZakladu()
{
    const QString kod = LabelKod->text().trimmed();
    if (kod.isEmpty())
        return;
    ui::dialogs().askOkCancel(QStringLiteral("Wprowadzasz próbki zakładu: ") + kod +
                                  QStringLiteral(".\r\nNie możesz zmieniać numeru zakładu!"),
                              QString(ui::ProgramTitle), ui::Icon::Information);
}

} // namespace trelimor
