#include "support/ScopedEnv.h"

namespace trelimor::test {

ScopedEnv::ScopedEnv(const char* name, const std::optional<QString>& value)
    : m_name(name)
{
    if (qEnvironmentVariableIsSet(name))
        m_previous = qgetenv(name);
    if (value)
        qputenv(name, value->toLocal8Bit());
    else
        qunsetenv(name);
}

ScopedEnv::~ScopedEnv()
{
    if (m_previous)
        qputenv(m_name.constData(), *m_previous);
    else
        qunsetenv(m_name.constData());
}

} // namespace trelimor::test
