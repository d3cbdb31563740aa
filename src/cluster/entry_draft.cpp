// The entry window's draft as the composition reads it for the others: the
// texts of its fields, found by their names (Ind_A, Type_A, Ref_A, Bande_A,
// Mode_A), which the entry keeps as its public names.
#include "state/window_opener.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace ktl {

namespace {

QString fieldText(const QWidget* main, const char* name) {
  const QWidget* field = main->findChild<QWidget*>(QLatin1String(name));
  if (const auto* e = qobject_cast<const QLineEdit*>(field)) return e->text().trimmed();
  if (const auto* c = qobject_cast<const QComboBox*>(field)) return c->currentText().trimmed();
  return {};
}

}  // namespace

EntryDraft entryDraftOf(const QWidget* main) {
  if (!main) return {};
  return {fieldText(main, "Ind_A"), fieldText(main, "Type_A"), fieldText(main, "Ref_A"), fieldText(main, "Bande_A"),
          fieldText(main, "Mode_A")};
}

}  // namespace ktl
