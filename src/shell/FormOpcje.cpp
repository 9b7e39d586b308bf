#include "FormOpcje.h"

#include "ui_FormOpcje.h"

#include "FailedCheck.h"

#include "common/Messages.h"
#include "common/ModLabor.h"

#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"

#include <QFileInfo>

#include <utility>

namespace trelimor {

namespace {

const QString kMoveFile = QStringLiteral("MoveFile");

db::Database& stale()
{
    return ModLabor().BazaStale;
}

// The key's row: it "exists" when the lookup gives exactly one row.
db::Recordset keyRow(const QString& key)
{
    return stale().openRecordset(QStringLiteral("SELECT * FROM PARAMETRY WHERE KLUCZ = ?"), {key});
}

db::Recordset openSource(const ZrodloTabeli& source)
{
    QString table = source.table;
    table.replace(QLatin1Char('"'), QLatin1String("\"\""));
    QString sql = QStringLiteral("SELECT * FROM \"%1\"").arg(table);
    if (!source.where.isEmpty())
        sql += QStringLiteral(" WHERE ") + source.where;
    return stale().openRecordset(sql, source.args);
}

// A PARAMETRY source selected by one bound key value: a new row made for it carries that key.
bool isKeyedParameterSource(const ZrodloTabeli& source)
{
    return source.table.compare(QLatin1String("PARAMETRY"), Qt::CaseInsensitive) == 0 &&
           source.args.size() == 1;
}

} // namespace

FormOpcje::FormOpcje()
    : m_ui(new Ui::FormOpcje)
{
    m_ui->setupUi(this);
    TabStrip1 = m_ui->TabStrip1;
    FrameParametry = m_ui->FrameParametry;
    FrameOgolne = m_ui->FrameOgolne;
    CheckNrZlecRok = m_ui->CheckNrZlecRok;
    CheckExpWynWatp = m_ui->CheckExpWynWatp;
    CheckDrukBrKom = m_ui->CheckDrukBrKom;
    CheckNadzorBad = m_ui->CheckNadzorBad;
    CheckMoveFile = m_ui->CheckMoveFile;
    TextMoveFile = m_ui->TextMoveFile;
    TextPodpisLewy = m_ui->TextPodpisLewy;
    TextPodpisPrawy = m_ui->TextPodpisPrawy;
    ComZapisz = m_ui->ComZapisz;
    ComZamk = m_ui->ComZamk;

    TabStrip1->addTab(QStringLiteral("&Parametry"));
    TabStrip1->addTab(QStringLiteral("&Ogólne"));
    connect(TabStrip1, &QTabBar::currentChanged, this, &FormOpcje::TabStrip1_Click);
    connect(CheckMoveFile, &QCheckBox::toggled, TextMoveFile, &QWidget::setEnabled);
    connect(ComZapisz, &QPushButton::clicked, this, &FormOpcje::ComZapisz_Click);
    connect(ComZamk, &QPushButton::clicked, this, &QWidget::hide);
}

FormOpcje::~FormOpcje()
{
    delete m_ui;
}

void FormOpcje::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void FormOpcje::TabStrip1_Click(int index)
{
    FrameParametry->setVisible(index == 0);
}

void FormOpcje::Form_Activate()
{
    const std::pair<QCheckBox*, QString> options[] = {
        {CheckNrZlecRok, QStringLiteral("NrZlecRok")},
        {CheckExpWynWatp, QStringLiteral("ExpWynWatp")},
        {CheckDrukBrKom, QStringLiteral("DrukBrKom")},
        {CheckNadzorBad, QStringLiteral("NadzorBad")},
        {CheckMoveFile, kMoveFile},
    };
    try {
        for (const auto& [box, key] : options) {
            db::Recordset rs = keyRow(key);
            const bool stored = rs.recordCount() == 1;
            box->setChecked(stored && rs.value(QStringLiteral("PARAM3")).toBool());
            box->setEnabled(stored);
            if (box == CheckMoveFile)
                TextMoveFile->setText(stored ? BezNullText(rs.value(QStringLiteral("KOMENT"))) : QString());
        }
        WczytajTekst(TextPodpisLewy, QStringLiteral("PODATNIK"), QStringLiteral("PodpisLewy"));
        WczytajTekst(TextPodpisPrawy, QStringLiteral("PODATNIK"), QStringLiteral("PodpisPrawy"));
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd odczytu opcji programu!"), e);
    }
    TextMoveFile->setEnabled(CheckMoveFile->isChecked());
}

void FormOpcje::ComZapisz_Click()
{
    const QString folder = TextMoveFile->text();
    if (CheckMoveFile->isChecked() && (folder.isEmpty() || !QFileInfo(folder).isDir())) {
        showFailedCheck({FailedCheck::Box::Warning, QStringLiteral("Kontrola poprawności"),
                         QStringLiteral("Brak folderu ") + folder + QStringLiteral("\rPopraw!"),
                         TextMoveFile->objectName()},
                        this);
        return;
    }
    try {
        // The signature lines belong to the one user record; with none (or several) there is
        // no row to put them in, and nothing is stored.
        const int userRows = openSource(QStringLiteral("PODATNIK")).recordCount();
        if (userRows != 1) {
            PokazUwage(QStringLiteral("Tabela PODATNIK powinna zawierać jeden wiersz, a zawiera %1.\r"
                                      "Opcje nie zostały zapisane.")
                           .arg(userRows),
                       QStringLiteral("Kontrola poprawności"));
            return;
        }
        db::Transaction transaction(stale());
        ZapiszTekst(TextPodpisLewy->text(), QStringLiteral("PODATNIK"), QStringLiteral("PodpisLewy"));
        ZapiszTekst(TextPodpisPrawy->text(), QStringLiteral("PODATNIK"), QStringLiteral("PodpisPrawy"));
        ZapiszTekst(folder,
                    ZrodloTabeli(QStringLiteral("PARAMETRY"), QStringLiteral("KLUCZ = ?"), {kMoveFile}),
                    QStringLiteral("KOMENT"));
        ZapiszOpcje(CheckNrZlecRok, QStringLiteral("NrZlecRok"));
        ZapiszOpcje(CheckExpWynWatp, QStringLiteral("ExpWynWatp"));
        ZapiszOpcje(CheckDrukBrKom, QStringLiteral("DrukBrKom"));
        ZapiszOpcje(CheckNadzorBad, QStringLiteral("NadzorBad"));
        ZapiszOpcje(CheckMoveFile, kMoveFile);
        transaction.commit();
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Błąd zapisu opcji programu!"), e);
        return;
    }
    hide();
}

void FormOpcje::ZapiszOpcje(QCheckBox* box, const QString& key)
{
    db::Recordset rs = keyRow(key);
    if (rs.recordCount() != 1)
        return;
    rs.edit();
    rs.setValue(QStringLiteral("PARAM3"), box->checkState() == Qt::Checked);
    rs.update();
}

void FormOpcje::ZapiszTekst(const QString& text, const ZrodloTabeli& source, const QString& field)
{
    db::Recordset rs = openSource(source);
    if (rs.recordCount() == 1) {
        rs.edit();
    } else {
        rs.addNew();
        if (isKeyedParameterSource(source))
            rs.setValue(QStringLiteral("KLUCZ"), source.args.first());
    }
    rs.setValue(field, text);
    rs.update();
}

void FormOpcje::WczytajOpcje(QCheckBox* box, const QString& key)
{
    db::Recordset rs = keyRow(key);
    if (rs.recordCount() == 1) {
        box->setEnabled(true);
        box->setChecked(rs.value(QStringLiteral("PARAM3")).toBool());
        return;
    }
    rs.addNew();
    rs.setValue(QStringLiteral("KLUCZ"), key);
    rs.setValue(QStringLiteral("PARAM3"), false);
    rs.update();
    box->setChecked(false);
}

void FormOpcje::WczytajTekst(QLineEdit* box, const ZrodloTabeli& source, const QString& field)
{
    db::Recordset rs = openSource(source);
    box->setText(rs.recordCount() == 1 ? BezNullText(rs.value(field)) : QString());
}

void FormOpcje::WczytajTekstParametru(QLineEdit* box, const QString& key, const QString& field)
{
    db::Recordset rs = keyRow(key);
    if (rs.recordCount() == 1) {
        box->setText(BezNullText(rs.value(field)));
        return;
    }
    rs.addNew();
    rs.setValue(QStringLiteral("KLUCZ"), key);
    rs.update();
    box->clear();
}

void FormOpcje::ZapiszParametr(const QString& key, const QString& first, const QString& second)
{
    db::Recordset rs = keyRow(key);
    if (rs.recordCount() != 1)
        return;
    rs.edit();
    rs.setValue(QStringLiteral("PARAM1"), first);
    if (!second.isEmpty())
        rs.setValue(QStringLiteral("PARAM2"), second);
    rs.update();
}

} // namespace trelimor
