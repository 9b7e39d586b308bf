#pragma once

#include <QByteArray>
#include <QString>

namespace trelimor::test {

// Rewrites a file in place while a reader of it reads it, as another program that saves the file
// anew does meanwhile: truncated and written whole through a descriptor of its own, once, after the
// reader's first piece or when the reader has reached the end. It sees every read of this test
// program (reads are intercepted), so at most one lives at a time.
class RewriteWhileRead
{
public:
    enum class When { AfterFirstPiece, AtEnd };

    RewriteWhileRead(const QString& path, QByteArray newContent, When when);
    ~RewriteWhileRead();
    RewriteWhileRead(const RewriteWhileRead&) = delete;
    RewriteWhileRead& operator=(const RewriteWhileRead&) = delete;

    // Whether the file was rewritten.
    bool happened() const;
};

} // namespace trelimor::test
