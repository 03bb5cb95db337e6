// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A file-size limit (ulimit -f) ends a process by a signal the moment a write goes past it.
// With the signal ignored, that write fails with "File too large" instead, and the program
// says which file could not be written, as for a full disk.
namespace filesizelimit {

// Called once at start-up, before any file is written.
void failWritesPastTheLimit();

} // namespace filesizelimit
