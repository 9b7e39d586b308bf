#include "FormPlanProcedura.h"

#include "CommonFields.h"

#include "common/ProgramState.h"
#include "common/TableHelpers.h"

#include "platform/db/Database.h"

#include <QLabel>

namespace trelimor {

namespace {

const QString kPlans = QStringLiteral("PlanPobierania");
const QString kProcedures = QStringLiteral("ProceduraPobierania");

FieldDef defaultFlag(const QString& field, const QString& box, const QString& caption)
{
    FieldDef f{field, box, BoxKind::Check, caption};
    f.save = SaveRule::ExclusiveFlag;
    f.untickedClears = true;
    return f;
}

QString defaultName(const QString& table, const QString& flag)
{
    return PobierzDomyslny(table, QStringLiteral("Nazwa"), flag);
}

} // namespace

RegisterConfig FormPlanProcedura::configuration()
{
    RegisterConfig c;
    c.windowName = QStringLiteral("FormPlanProcedura");
    c.caption = QStringLiteral("PLAN POBIERANIA");
    useShortListLayout(c);
    c.columns = {{QStringLiteral("Nr"), QStringLiteral("ID")},
                 {QStringLiteral("Nazwa"), QStringLiteral("Nazwa")},
                 {QStringLiteral("Domyślny"), QStringLiteral("Domyslny")}};

    c.newCaption = QStringLiteral("Nowa pozycja");
    c.correctionCaption = QStringLiteral("Edycja");
    FieldDef number =
        lineField(QStringLiteral("ID"), QStringLiteral("TextID"), QStringLiteral("Numer:"), 6, true);
    number.readOnly = true;
    c.fields = {
        number,
        lineField(QStringLiteral("Nazwa"), QStringLiteral("TextNazwa"), QStringLiteral("Treść:"), 255, true),
        defaultFlag(QStringLiteral("Domyslny"), QStringLiteral("CheckDomyslny"),
                    QStringLiteral("Ustaw jako domyślny")),
        defaultFlag(QStringLiteral("Domyslny2"), QStringLiteral("CheckDomyslny2"),
                    QStringLiteral("Ustaw jako domyślny dla badań usługowych"))};
    c.focusOnAdd = c.focusOnCorrection = QStringLiteral("TextNazwa");

    c.key = {QStringLiteral("ID"), QStringLiteral("TextID"), KeyProposal::CountPlusOne, {}, false};
    c.saveErrorTitle = QStringLiteral("Zapis pozycji");
    c.deletion.ask = false;
    c.hooks.saved = [](RegisterWindow& window) { static_cast<FormPlanProcedura&>(window).PobierzDomyslne(); };
    return c;
}

FormPlanProcedura::FormPlanProcedura()
    : RegisterWindow(configuration())
{
    const auto hiddenLabel = [this](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->hide();
        return label;
    };
    LabTabela = hiddenLabel("LabTabela");
    LabPlanNazwaDomyslna = hiddenLabel("LabPlanNazwaDomyslna");
    LabPlanNazwaDomyslna2 = hiddenLabel("LabPlanNazwaDomyslna2");
    LabProceduraNazwaDomyslna = hiddenLabel("LabProceduraNazwaDomyslna");
    LabProceduraNazwaDomyslna2 = hiddenLabel("LabProceduraNazwaDomyslna2");
}

void FormPlanProcedura::pokazTabele(const QString& table, const QString& caption)
{
    setWindowTitle(caption);
    LabTabela->setText(table);
    bindRecords(QStringLiteral("SELECT * FROM %1 ORDER BY ID").arg(db::quoteIdentifier(table)));
}

void FormPlanProcedura::PobierzDomyslne()
{
    const QString flag = QStringLiteral("Domyslny"), serviceFlag = QStringLiteral("Domyslny2");
    LabPlanNazwaDomyslna->setText(defaultName(kPlans, flag));
    LabPlanNazwaDomyslna2->setText(defaultName(kPlans, serviceFlag));
    LabProceduraNazwaDomyslna->setText(defaultName(kProcedures, flag));
    LabProceduraNazwaDomyslna2->setText(defaultName(kProcedures, serviceFlag));
    programState().setDefaultPlan(LabPlanNazwaDomyslna->text());
    programState().setDefaultProcedure(LabProceduraNazwaDomyslna->text());
}

} // namespace trelimor
