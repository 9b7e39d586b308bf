// The unpacking side of the zip layer: VBUnzip over the archive library and what it calls back.

#include "CodeModule.h"

#include "platform/ui/DialogService.h"
#include "platform/zip/Zip.h"

#include <QDir>

#include <algorithm>

namespace trelimor {

namespace {

constexpr int kListingWidth = 80;

// Writes text into the line from the 1-based column on, over at most `width` characters, as
// Basic's Mid statement does.
void place(QString& line, int column, const QString& text, int width)
{
    const QString part = text.left(width);
    line.replace(column - 1, part.size(), part);
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value % 100, 2, 10, QLatin1Char('0'));
}

void resetUnzipState()
{
    CodeModuleValues& m = CodeModule();
    m.ZipMessage.clear();
    m.printText.clear();
    m.listingText.clear();
    m.listingLines = 0;
    m.passwordRefused = false;
}

QString askPassword(const QString&)
{
    QString password;
    return UnzipPasswordCallback(password, kPasswordBufferSize) == 0 ? password : QString();
}

zip::OverwriteAnswer askReplace(const QString& path)
{
    switch (UnzipReplaceCallback(path)) {
    case kReplaceYes:
        return zip::OverwriteAnswer::Yes;
    case kReplaceNo:
        return zip::OverwriteAnswer::No;
    default:
        return zip::OverwriteAnswer::Cancel;
    }
}

qint32 unpack(const QString& zipFileName, const QString& extractDir, const UnzipOptions& options)
{
    if (options.ExtractList == 1) {
        for (const zip::ZipEntry& entry : zip::listEntries(zipFileName))
            UnzipListingCallback(entry.name, entry.size, entry.modified);
        return zipresult::Ok;
    }
    if (options.TestZip) {
        zip::testArchive(zipFileName, {}, &askPassword);
        return zipresult::Ok;
    }
    zip::ExtractOptions extract;
    extract.keepFolders = options.HonorDirectories;
    if (options.OverWriteFiles)
        extract.overwrite = zip::ExtractOptions::Overwrite::Always;
    else if (options.PromptOverwrite)
        extract.overwrite = zip::ExtractOptions::Overwrite::Ask;
    else
        extract.overwrite = zip::ExtractOptions::Overwrite::Never;
    extract.askOverwrite = &askReplace;
    extract.askPassword = &askPassword;
    const QString target = extractDir.isEmpty() ? QDir::currentPath() : extractDir;
    const zip::ExtractResult result = zip::extractAll(zipFileName, target, extract);
    return result.cancelled ? zipresult::UnzipCancelled : zipresult::Ok;
}

} // namespace

qint32 VBUnzip(const QString& zipFileName, const QString& extractDir, const UnzipOptions& options)
{
    resetUnzipState();
    try {
        return unpack(zipFileName, extractDir, options);
    } catch (const zip::ZipError& e) {
        UnzipPrintCallback(e.message());
        return zipresult::UnzipFailed;
    }
}

void UnzipPrintCallback(const QString& text)
{
    CodeModuleValues& m = CodeModule();
    m.printText += text.startsWith(QLatin1Char('\n')) ? QStringLiteral("\r\n") : text;
    m.ZipMessage = m.printText;
}

void UnzipListingCallback(const QString& name, qint64 size, const QDateTime& modified)
{
    CodeModuleValues& m = CodeModule();
    if (m.listingLines == 0) {
        QString header(kListingWidth, QLatin1Char(' '));
        place(header, 1, QStringLiteral("Filename:"), 9);
        place(header, 53, QStringLiteral("Size"), 4);
        place(header, 62, QStringLiteral("Date"), 4);
        place(header, 71, QStringLiteral("Time"), 4);
        m.listingText = header + QStringLiteral("\r\n");
    }
    const QDate date = modified.date();
    const QTime time = modified.time();
    QString line(kListingWidth, QLatin1Char(' '));
    place(line, 1, name, 50);
    place(line, 51, QStringLiteral("%1").arg(size, 7), 7);
    place(line, 60, twoDigits(date.month()) + QLatin1Char('/'), 3);
    place(line, 63, twoDigits(date.day()) + QLatin1Char('/'), 3);
    place(line, 66, twoDigits(date.year()), 2);
    place(line, 70, QStringLiteral("%1:").arg(time.hour(), 2), 3);
    place(line, 73, twoDigits(time.minute()), 2);
    m.listingText += line + QStringLiteral("\r\n");
    ++m.listingLines;
}

qint32 UnzipReplaceCallback(const QString& name)
{
    switch (ui::dialogs().askYesNoCancel(QStringLiteral("Overwrite ") + name + QLatin1Char('?'),
                                         QStringLiteral("VBUnZip32 - File Already Exists!"),
                                         ui::Icon::Warning)) {
    case ui::Answer::Yes:
        return kReplaceYes;
    case ui::Answer::No:
        return kReplaceNo;
    case ui::Answer::Cancel:
        break;
    }
    return kReplaceCancel;
}

qint32 UnzipPasswordCallback(QString& password, int bufferSize)
{
    CodeModuleValues& m = CodeModule();
    if (m.passwordRefused)
        return 1;
    const QString answer =
        ui::dialogs().askText(QStringLiteral("Please Enter The Password!"), ui::ProgramTitle, true);
    if (answer.isEmpty()) {
        m.passwordRefused = true;
        return 1;
    }
    password = answer.left(std::max(bufferSize - 1, 0));
    return 0;
}

} // namespace trelimor
