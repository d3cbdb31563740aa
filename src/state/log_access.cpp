// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/log_access.h"

#include "texts/program_texts.h"

namespace ktl {

namespace {

// Who keeps the log from this program, in a few words.
QString whyReadOnly(const LogLock::Attempt& why, Language language) {
  if (why.status == LogLock::Attempt::Failed) return pick(programText(ProgramText::LockFailed), language).arg(why.detail);
  const QString process = why.holder.pid > 0 ? QString::number(why.holder.pid) : QStringLiteral("?");
  const ProgramText who = why.holder.role == LogLock::Role::Import ? ProgramText::HeldByImport : ProgramText::HeldByWindow;
  return pick(programText(who), language).arg(process);
}

QString around(ProgramText text, const LogLock::Attempt& why, Language language) {
  return pick(programText(text), language).arg(whyReadOnly(why, language));
}

}  // namespace

QString readOnlyState(const LogLock::Attempt& why, Language language) {
  return around(ProgramText::ReadOnlyState, why, language);
}
QString readOnlyMessage(const LogLock::Attempt& why, Language language) {
  return around(ProgramText::ReadOnlyBox, why, language) + QStringLiteral("\r\n") +
         pick(programText(ProgramText::ReadOnlyBoxTail), language);
}
QString writeRefusedMessage(const LogLock::Attempt& why, Language language) {
  return around(ProgramText::WriteRefused, why, language);
}

}  // namespace ktl
