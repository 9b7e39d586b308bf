#include "FormPodp.h"

#include "CommonFields.h"

#include "common/Messages.h"
#include "common/ProgramState.h"

#include <QLabel>

namespace trelimor {

namespace {

const QString kNumber = QStringLiteral("TxtNr");

} // namespace

std::vector<Check> FormPodp::checks()
{
    return {blankCheck(kNumber, QStringLiteral("Wpisz kolejny nr uwagi!")),
            notNumericCheck(kNumber, QStringLiteral("Wartość w polu Numer nie jest cyfrą. Popraw!"))};
}

RegisterConfig FormPodp::configuration()
{
    RegisterConfig c;
    c.windowName = QStringLiteral("FormPodp");
    c.caption = QStringLiteral("Uwagi");
    c.heading = {QStringLiteral("LabelCaption"), QStringLiteral("PODPOWIEDZI DO UWAG"), {}};
    useShortListLayout(c);
    c.columns = {{QStringLiteral("Nr"), QStringLiteral("IDPODP")},
                 {QStringLiteral("Podpowiedź"), QStringLiteral("PODPOWIEDZ")}};
    c.selectWholeRow = false;

    c.newCaption = QStringLiteral("Nowa podpowiedź");
    c.correctionCaption = QStringLiteral("Edycja");
    FieldDef number{QStringLiteral("IDPODP"), kNumber, BoxKind::Line, QStringLiteral("Numer:")};
    number.maxLength = 10;
    FieldDef text{QStringLiteral("PODPOWIEDZ"), QStringLiteral("TxtMet"), BoxKind::MultiLine,
                  QStringLiteral("Treść:")};
    text.maxLength = 150;
    text.enterIgnored = true;
    c.fields = {number, text};
    c.focusOnAdd = QStringLiteral("TxtMet");
    c.focusOnCorrection = kNumber;

    c.key = {QStringLiteral("IDPODP"), kNumber, KeyProposal::CountPlusOne, {}, true};
    c.checks = checks();
    c.saveErrorTitle = QStringLiteral("Zapis podpowiedzi");
    c.deletion.question = QStringLiteral("Czy na pewno usunąć zaznaczoną pozycję?");
    c.deletion.title = kQuestionTitle;
    // Both hint lists of the batch window are filled again, whichever list was edited.
    c.hooks.close = [](RegisterWindow&) {
        emit programState().remarkHintsChanged();
        return true;
    };
    return c;
}

FormPodp::FormPodp()
    : RegisterWindow(configuration())
{}

void FormPodp::setHeading(const QString& heading)
{
    if (auto* label = findChild<QLabel*>(QStringLiteral("LabelCaption")))
        label->setText(heading);
}

} // namespace trelimor
