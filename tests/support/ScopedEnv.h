#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace trelimor::test {

// Sets an environment variable (or removes it, given std::nullopt) for the scope and restores its
// previous value or absence at the end.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const std::optional<QString>& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    QByteArray m_name;
    std::optional<QByteArray> m_previous;
};

} // namespace trelimor::test
