#include "FormPIW.h"

#include "CommonFields.h"
#include "InspectorateRegister.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>

namespace trelimor {

RegisterConfig FormPIW::configuration()
{
    InspectorateKind kind;
    kind.windowName = QStringLiteral("FormPIW");
    kind.table = QStringLiteral("PIW");
    kind.keyField = QStringLiteral("IDPIW");
    kind.heading = QStringLiteral("OPERACJE NA PIW");
    kind.keyCaption = QStringLiteral("Nr PIW");
    kind.keySuffix = QStringLiteral("/4-cyfrowy kod PIW/");
    kind.postalLabel = QStringLiteral("Kod pocztowy");
    kind.newCaption = QStringLiteral("NOWY PIW");
    kind.correctionCaption = QStringLiteral("KOREKTA PIW");
    kind.duplicateText = QStringLiteral("PIW o podanym kodzie już istnieje!");
    kind.deleteQuestion = QStringLiteral("Czy na pewno usunąć PIW?");
    kind.saveErrorTitle = QStringLiteral("Zapis PIW");
    kind.numericKey = true;
    kind.locativeTown = true;
    RegisterConfig c = inspectorateConfiguration(kind);
    // The pick action of this register only hides it; nothing is handed to another window.
    c.hooks.pick = [](RegisterWindow& window) { window.hide(); };
    c.hooks.close = pickInsteadOfClosingIn(QStringLiteral("PartiaPIW"));
    return c;
}

FormPIW::FormPIW()
    : RegisterWindow(configuration())
    , menu1(new QMenu(this))
{
    addUnusedCodeBox(*this);
    menu1->setObjectName(QStringLiteral("menu1"));
    QAction* insert = menu1->addAction(QStringLiteral("&Wstaw PIW do partii"));
    insert->setObjectName(QStringLiteral("menPartia"));
    menu1->addSeparator();
    menu1->addAction(QStringLiteral("&Ukryj"))->setObjectName(QStringLiteral("menUkryj"));
    connect(insert, &QAction::triggered, this, &RegisterWindow::pick);
}

void FormPIW::PopupMenu(QMenu& menu)
{
    menu.popup(QCursor::pos());
}

void FormPIW::contextMenuEvent(QContextMenuEvent* event)
{
    menu1->popup(event->globalPos());
}

} // namespace trelimor
