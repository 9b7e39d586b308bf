#include "FormRoboczy.h"

#include "ui_FormRoboczy.h"

#include "common/Messages.h"

#include "platform/paths/Folders.h"
#include "platform/ui/WindowOpener.h"

#include <QLayout>
#include <QMenuBar>

namespace trelimor {

FormRoboczy::FormRoboczy(QWidget* parent)
    : QDialog(parent)
    , m_ui(new Ui::FormRoboczy)
{
    m_ui->setupUi(this);
    Command1 = m_ui->Command1;
    // Menu entries that do nothing, as the window has always had them.
    menuBar = new QMenuBar(this);
    for (const char* entry : {"aaa", "ddd", "ccc", "bbb", "asdf"})
        menuBar->addAction(QString::fromLatin1(entry));
    layout()->setMenuBar(menuBar);
    connect(Command1, &QPushButton::clicked, this, &FormRoboczy::Command1_Click);
}

FormRoboczy::~FormRoboczy()
{
    delete m_ui;
}

QString FormRoboczy::sciezkaArkusza()
{
    return paths::join(paths::programFolder(), QStringLiteral("Text.txt"));
}

QString FormRoboczy::tekstProbny()
{
    return QStringLiteral("Próba zapisu arkusza");
}

void FormRoboczy::Command1_Click()
{
    m_arkusz.emplace();
    m_arkusz->setCell(1, 1, tekstProbny());
}

void FormRoboczy::Form_QueryUnload()
{
    if (!m_arkusz)
        return;
    try {
        m_arkusz->saveAs(sciezkaArkusza());
    } catch (const std::exception& e) {
        PokazBlad(QStringLiteral("Zapis arkusza"), e);
    }
    m_arkusz.reset();
}

void FormRoboczy::reject()
{
    Form_QueryUnload();
    QDialog::reject();
}

void otworzOknoRobocze()
{
    ui::openModal(FormRoboczy::instance());
}

} // namespace trelimor
