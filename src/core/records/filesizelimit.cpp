#include "filesizelimit.h"

#include <csignal>

namespace filesizelimit {

void failWritesPastTheLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace filesizelimit
