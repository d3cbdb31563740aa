#include "entry/io_messages.h"

namespace ktl {

QString fileErrorMessage(Language lang, FileAction action, const QString& path, const QString& detail) {
  const bool read = action == FileAction::Read;
  QString head;
  switch (lang) {
    case Language::English:
      head = read ? QStringLiteral("This file could not be read:")
                  : QStringLiteral("This file could not be written; it is unchanged:");
      break;
    case Language::Italian:
      head = read ? QStringLiteral("Impossibile leggere questo file:")
                  : QStringLiteral("Impossibile scrivere questo file; non è stato modificato:");
      break;
    default:
      head = read ? QStringLiteral("Impossible de lire ce fichier :")
                  : QStringLiteral("Impossible d'écrire ce fichier ; il n'a pas été modifié :");
      break;
  }
  return head + QStringLiteral("\r\n") + path + QStringLiteral("\r\n") + detail;
}

}  // namespace ktl
