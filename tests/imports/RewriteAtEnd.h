#pragma once

#include <QByteArray>
#include <QString>

namespace trelimor::test {

// Rewrites a file in place the first time a reader of it reaches its end, as another program that
// saves the file anew does while the import is reading it: a reader that goes back over the file
// then finds other bytes than it read. It sees every read of this test program (reads are
// intercepted), so at most one lives at a time.
class RewriteAtEnd
{
public:
    RewriteAtEnd(const QString& path, QByteArray newContent);
    ~RewriteAtEnd();
    RewriteAtEnd(const RewriteAtEnd&) = delete;
    RewriteAtEnd& operator=(const RewriteAtEnd&) = delete;

    // Whether the file was rewritten.
    bool happened() const;
};

} // namespace trelimor::test
