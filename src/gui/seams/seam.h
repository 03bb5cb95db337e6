// SPDX-FileCopyrightText: 2026 The sumtrail authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <utility>

namespace seams {

template<typename Signature> class ScopedOverride;

template<typename Signature> class Seam;

// One hidden input of the program (the clock, the random source, a message box's answer, the
// save dialog, the beep, the printer): production code asks it through callOr(), which runs
// the real thing unless a test has put an override in its place with a ScopedOverride.
template<typename R, typename... Args> class Seam<R(Args...)>
{
public:
    using Override = std::function<R(Args...)>;

    Seam() = default;
    Seam(const Seam &) = delete;
    Seam &operator=(const Seam &) = delete;

    // The override if one is installed, else `real`, called with `args`. The real thing is
    // given at the call: for the printer it lives in a library that the seam's does not link.
    template<typename Real> R callOr(Real &&real, Args... args) const
    {
        if (m_override) {
            return m_override(std::forward<Args>(args)...);
        }
        return std::forward<Real>(real)(std::forward<Args>(args)...);
    }

    bool overridden() const { return bool(m_override); }

private:
    friend class ScopedOverride<R(Args...)>;
    Override m_override;
};

} // namespace seams
