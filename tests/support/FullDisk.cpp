#include "support/FullDisk.h"

#include <gtest/gtest.h>

namespace trelimor::test {

FullDisk::FullDisk(rlim_t bytes)
{
    // The signal would end the process; ignored, the write fails with EFBIG instead.
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &m_previous), 0);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

FullDisk::~FullDisk()
{
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &m_previous), 0);
    std::signal(SIGXFSZ, m_previousHandler);
}

} // namespace trelimor::test
