// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam.h"

#include <type_traits>

namespace seams {

// Puts an override in a seam's place for the life of the object and brings back what was
// there before when it ends, also when a failing test returns early. Overrides nest: the
// innermost one answers, and each scope gives the seam back as it found it. An empty override
// lets the real thing answer within its scope.
template<typename Signature> class [[nodiscard]] ScopedOverride
{
public:
    using Override = typename Seam<Signature>::Override;

    ScopedOverride(Seam<Signature> &seam, std::type_identity_t<Override> override)
        : m_seam(seam)
        , m_previous(std::exchange(seam.m_override, std::move(override)))
    {
    }
    ~ScopedOverride() { m_seam.m_override = std::move(m_previous); }

    ScopedOverride(const ScopedOverride &) = delete;
    ScopedOverride &operator=(const ScopedOverride &) = delete;

private:
    Seam<Signature> &m_seam;
    Override m_previous;
};

} // namespace seams
