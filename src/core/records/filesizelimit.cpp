// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filesizelimit.h"

#include <csignal>

namespace filesizelimit {

void failWritesPastTheLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace filesizelimit
