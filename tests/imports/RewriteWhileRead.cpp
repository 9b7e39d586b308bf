#include "RewriteWhileRead.h"

#include "ReadHook.h"

#include <QFile>

#include <gtest/gtest.h>

#include <atomic>

#include <sys/stat.h>

namespace trelimor::test {

namespace {

struct Armed
{
    QByteArray path;
    QByteArray content;
    RewriteWhileRead::When when = RewriteWhileRead::When::AtEnd;
    dev_t device = 0;
    ino_t inode = 0;
};
Armed armed;
std::atomic<bool> rewritten = false;

void rewriteWhileRead(int fd, ssize_t got)
{
    const bool now = armed.when == RewriteWhileRead::When::AtEnd ? got == 0 : got > 0;
    struct stat status = {};
    if (!now || rewritten || ::fstat(fd, &status) != 0 || status.st_dev != armed.device ||
        status.st_ino != armed.inode)
        return;
    rewritten = true;
    // Truncated and written again through another descriptor: the same file, its reader's descriptor
    // still open on it.
    QFile file(QFile::decodeName(armed.path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(armed.content) != armed.content.size())
        ADD_FAILURE() << "could not rewrite " << armed.path.constData();
}

} // namespace

RewriteWhileRead::RewriteWhileRead(const QString& path, QByteArray newContent, When when)
{
    struct stat status = {};
    armed.path = QFile::encodeName(path);
    if (::stat(armed.path.constData(), &status) != 0)
        ADD_FAILURE() << "no file " << armed.path.constData();
    armed.content = std::move(newContent);
    armed.when = when;
    armed.device = status.st_dev;
    armed.inode = status.st_ino;
    rewritten = false;
    setReadHook(rewriteWhileRead);
}

RewriteWhileRead::~RewriteWhileRead()
{
    setReadHook(nullptr);
}

bool RewriteWhileRead::happened() const
{
    return rewritten;
}

} // namespace trelimor::test
