#include "FormWIW.h"

#include "InspectorateRegister.h"

namespace trelimor {

RegisterConfig FormWIW::configuration()
{
    InspectorateKind kind;
    kind.windowName = QStringLiteral("FormWIW");
    kind.table = QStringLiteral("WIW");
    kind.keyField = QStringLiteral("IDWIW");
    kind.heading = QStringLiteral("OPERACJE NA WIW");
    kind.keyCaption = QStringLiteral("Nr WIW");
    kind.postalLabel = QStringLiteral("Poczta");
    kind.newCaption = QStringLiteral("NOWY WIW");
    kind.correctionCaption = QStringLiteral("KOREKTA WIW");
    kind.duplicateText = QStringLiteral("WIW o podanym kodzie już istnieje!");
    kind.deleteQuestion = QStringLiteral("Czy na pewno usunąć WIW?");
    kind.saveErrorTitle = QStringLiteral("Zapis WIW");
    return inspectorateConfiguration(kind);
}

FormWIW::FormWIW()
    : RegisterWindow(configuration())
{
    addUnusedCodeBox(*this);
}

} // namespace trelimor
