#include "support/NoFileWrites.h"

#include <csignal>
#include <sys/resource.h>

void forbidFileWrites()
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 0;
    setrlimit(RLIMIT_FSIZE, &limit);
}

NoFileWrites::NoFileWrites()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previousLimit = limit.rlim_cur;
    forbidFileWrites();
}

NoFileWrites::~NoFileWrites()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_previousLimit;
    setrlimit(RLIMIT_FSIZE, &limit);
}
