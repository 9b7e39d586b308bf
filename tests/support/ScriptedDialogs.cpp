#include "support/ScriptedDialogs.h"

#include <QPrinter>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

namespace trelimor::test {

namespace {

const char* kindName(DialogCall::Kind kind)
{
    switch (kind) {
    case DialogCall::Kind::Message:
        return "message box";
    case DialogCall::Kind::YesNo:
        return "Yes/No box";
    case DialogCall::Kind::YesNoCancel:
        return "Yes/No/Cancel box";
    case DialogCall::Kind::OkCancel:
        return "OK/Cancel box";
    case DialogCall::Kind::TextInput:
        return "text input";
    case DialogCall::Kind::OpenFile:
        return "open-file dialog";
    case DialogCall::Kind::SaveFile:
        return "save-file dialog";
    case DialogCall::Kind::PrinterSetup:
        return "printer dialog";
    case DialogCall::Kind::Beep:
        return "beep";
    }
    return "?";
}

const char* iconName(ui::Icon icon)
{
    switch (icon) {
    case ui::Icon::None:
        return "no icon";
    case ui::Icon::Information:
        return "information icon";
    case ui::Icon::Warning:
        return "warning icon";
    case ui::Icon::Question:
        return "question icon";
    case ui::Icon::Critical:
        return "critical icon";
    }
    return "?";
}

DialogCall makeCall(DialogCall::Kind kind, const QString& text = {}, const QString& title = {},
                    ui::Icon icon = ui::Icon::None)
{
    DialogCall call;
    call.kind = kind;
    call.text = text;
    call.title = title;
    call.icon = icon;
    return call;
}

} // namespace

QString describe(const DialogCall& call)
{
    QString text = QStringLiteral("%1 titled \"%2\"").arg(QLatin1String(kindName(call.kind)), call.title);
    if (!call.text.isEmpty())
        text += QStringLiteral(" with %1, text \"%2\"").arg(QLatin1String(iconName(call.icon)), call.text);
    if (!call.path.isEmpty() || !call.filter.isEmpty())
        text += QStringLiteral(", path \"%1\", filter \"%2\" (%3)")
                    .arg(call.path, call.filter)
                    .arg(call.filterIndex);
    return text;
}

void PrintTo(DialogCall::Kind kind, std::ostream* out)
{
    *out << kindName(kind);
}

void PrintTo(const DialogCall& call, std::ostream* out)
{
    *out << describe(call).toStdString();
}

ScriptedDialogs::~ScriptedDialogs()
{
    if (!m_answers.empty())
        ADD_FAILURE() << m_answers.size() << " prepared dialog answer(s) were never asked for";
}

ScriptedDialogs& ScriptedDialogs::prepare(Reply reply, const QString& value)
{
    m_answers.push_back({reply, value});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerYes()
{
    return prepare(Reply::Yes);
}

ScriptedDialogs& ScriptedDialogs::answerNo()
{
    return prepare(Reply::No);
}

ScriptedDialogs& ScriptedDialogs::answerOk()
{
    return prepare(Reply::Ok);
}

ScriptedDialogs& ScriptedDialogs::answerCancel()
{
    return prepare(Reply::Cancel);
}

ScriptedDialogs& ScriptedDialogs::answerFile(const QString& path)
{
    return prepare(Reply::File, path);
}

ScriptedDialogs& ScriptedDialogs::answerText(const QString& text)
{
    return prepare(Reply::Text, text);
}

ScriptedDialogs& ScriptedDialogs::answerPrinterAccepted()
{
    return prepare(Reply::PrinterAccepted);
}

ScriptedDialogs& ScriptedDialogs::whileShowing(std::function<void(const DialogCall&)> check)
{
    m_whileShowing = std::move(check);
    return *this;
}

const DialogCall& ScriptedDialogs::record(DialogCall call)
{
    m_calls.push_back(std::move(call));
    if (m_whileShowing)
        m_whileShowing(m_calls.back());
    return m_calls.back();
}

DialogCall ScriptedDialogs::last() const
{
    if (m_calls.empty()) {
        ADD_FAILURE() << "No dialog was shown";
        return {};
    }
    return m_calls.back();
}

ScriptedDialogs::Prepared ScriptedDialogs::take(DialogCall call, std::initializer_list<Reply> accepted,
                                                Reply cautious)
{
    const DialogCall shown = record(std::move(call));
    if (m_answers.empty()) {
        ADD_FAILURE() << "No prepared answer for the " << describe(shown).toStdString();
        return {cautious, {}};
    }
    const Prepared answer = m_answers.front();
    m_answers.pop_front();
    if (std::find(accepted.begin(), accepted.end(), answer.reply) == accepted.end()) {
        ADD_FAILURE() << "The next prepared answer does not fit the " << describe(shown).toStdString();
        return {cautious, {}};
    }
    return answer;
}

void ScriptedDialogs::message(const QString& text, const QString& title, ui::Icon icon)
{
    record(makeCall(DialogCall::Kind::Message, text, title, icon));
}

bool ScriptedDialogs::askYesNo(const QString& text, const QString& title, ui::Icon icon, bool yesIsDefault)
{
    DialogCall call = makeCall(DialogCall::Kind::YesNo, text, title, icon);
    call.yesIsDefault = yesIsDefault;
    return take(std::move(call), {Reply::Yes, Reply::No}, Reply::No).reply == Reply::Yes;
}

ui::Answer ScriptedDialogs::askYesNoCancel(const QString& text, const QString& title, ui::Icon icon)
{
    switch (take(makeCall(DialogCall::Kind::YesNoCancel, text, title, icon),
                 {Reply::Yes, Reply::No, Reply::Cancel}, Reply::Cancel)
                .reply) {
    case Reply::Yes:
        return ui::Answer::Yes;
    case Reply::No:
        return ui::Answer::No;
    default:
        return ui::Answer::Cancel;
    }
}

bool ScriptedDialogs::askOkCancel(const QString& text, const QString& title, ui::Icon icon)
{
    return take(makeCall(DialogCall::Kind::OkCancel, text, title, icon), {Reply::Ok, Reply::Cancel},
                Reply::Cancel)
               .reply == Reply::Ok;
}

QString ScriptedDialogs::askText(const QString& prompt, const QString& title, bool hideTyping)
{
    DialogCall call = makeCall(DialogCall::Kind::TextInput, prompt, title);
    call.hideTyping = hideTyping;
    return take(std::move(call), {Reply::Text, Reply::Cancel}, Reply::Cancel).value;
}

QString ScriptedDialogs::fileDialog(DialogCall::Kind kind, const QString& title, const QString& path,
                                    const QString& filter, int filterIndex)
{
    DialogCall call = makeCall(kind, {}, title);
    call.path = path;
    call.filter = filter;
    call.filterIndex = filterIndex;
    return take(std::move(call), {Reply::File, Reply::Cancel}, Reply::Cancel).value;
}

QString ScriptedDialogs::openFile(const QString& title, const QString& startPath, const QString& filter,
                                  int filterIndex)
{
    return fileDialog(DialogCall::Kind::OpenFile, title, startPath, filter, filterIndex);
}

QString ScriptedDialogs::saveFile(const QString& title, const QString& proposedPath, const QString& filter,
                                  int filterIndex)
{
    return fileDialog(DialogCall::Kind::SaveFile, title, proposedPath, filter, filterIndex);
}

bool ScriptedDialogs::printerSetup(QPrinter& printer)
{
    DialogCall call = makeCall(DialogCall::Kind::PrinterSetup);
    call.path = printer.docName();
    return take(std::move(call), {Reply::PrinterAccepted, Reply::Cancel}, Reply::Cancel).reply ==
           Reply::PrinterAccepted;
}

void ScriptedDialogs::beep()
{
    m_calls.push_back(makeCall(DialogCall::Kind::Beep));
}

} // namespace trelimor::test

namespace trelimor::ui {

void PrintTo(Icon icon, std::ostream* out)
{
    *out << test::iconName(icon);
}

} // namespace trelimor::ui
