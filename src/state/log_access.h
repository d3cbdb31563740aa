// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the operator is told about a log this program shows read-only,
// because another program holds its lock or the lock could not be tried.
#include "state/log_lock.h"
#include "texts/language.h"

#include <QString>

namespace ktl {

// The window's state line ("Log read-only: open in another ORB_KTL window
// (process 4242)").
QString readOnlyState(const LogLock::Attempt& why, Language language);
// The box shown when the log opens read-only.
QString readOnlyMessage(const LogLock::Attempt& why, Language language);
// The answer to a change refused.
QString writeRefusedMessage(const LogLock::Attempt& why, Language language);

}  // namespace ktl
