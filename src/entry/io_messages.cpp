#include "entry/io_messages.h"

namespace ktl {

QString fileErrorMessage(Language lang, FileAction action, const QString& path, const QString& detail) {
  const bool read = action == FileAction::Read;
  QString head;
  switch (lang) {
    case Language::English:
      head = read ? QStringLiteral("The log could not be read.")
                  : QStringLiteral("The log could not be written; it is unchanged.");
      break;
    case Language::Italian:
      head = read ? QStringLiteral("Impossibile leggere il log.")
                  : QStringLiteral("Impossibile scrivere il log; non è stato modificato.");
      break;
    default:
      head = read ? QStringLiteral("Impossible de lire le log.")
                  : QStringLiteral("Impossible d'écrire le log ; il n'a pas été modifié.");
      break;
  }
  return head + QStringLiteral("\r\n") + path + QStringLiteral("\r\n") + detail;
}

}  // namespace ktl
