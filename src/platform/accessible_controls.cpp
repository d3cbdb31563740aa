// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessible_controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace ktl {
namespace {

// Qt names a combo box on this desktop after its current value and leaves
// the label to a relation that not every screen reader follows: a combo
// box the program has named is announced by that name, its value as value.
class NamedComboBox : public QAccessibleWidget {
 public:
  explicit NamedComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}
  QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

  QString text(QAccessible::Text t) const override {
    const QString value = combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
    if (t == QAccessible::Name) return combo()->accessibleName().isEmpty() ? value : combo()->accessibleName();
    if (t == QAccessible::Value) return value;
    return QAccessibleWidget::text(t);
  }
  // The editable text has the keyboard while the box has the focus.
  QAccessibleInterface* focusChild() const override {
    if (combo()->isEditable() && combo()->hasFocus()) return QAccessible::queryAccessibleInterface(combo()->lineEdit());
    return QAccessibleWidget::focusChild();
  }
  QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action == showMenuAction())
      combo()->showPopup();
    else
      QAccessibleWidget::doAction(action);
  }
};

// A one-line text field: its text, caret and selection, and the pieces of
// its text a screen reader asks for, the end of the text included.
class TextField : public QAccessibleWidget, public QAccessibleTextInterface, public QAccessibleEditableTextInterface {
 public:
  explicit TextField(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}
  QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return edit()->text();
    return QAccessibleWidget::text(t);
  }
  void setText(QAccessible::Text t, const QString& text) override {
    if (t == QAccessible::Value && !edit()->isReadOnly()) edit()->setText(text);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !edit()->isReadOnly();
    s.readOnly = edit()->isReadOnly();
    s.selectableText = true;
    s.multiLine = false;
    return s;
  }

  // Text.
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !edit()->hasSelectedText()) return;
    *start = edit()->selectionStart();
    *end = *start + int(edit()->selectedText().size());
  }
  int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { edit()->deselect(); }
  void setSelection(int, int start, int end) override { edit()->setSelection(start, end - start); }
  int cursorPosition() const override { return edit()->cursorPosition(); }
  void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
  QString text(int start, int end) const override {
    const QString all = edit()->text();
    start = qBound(0, start, int(all.size()));
    end = end < 0 ? int(all.size()) : qBound(start, end, int(all.size()));
    return all.mid(start, end - start);
  }
  int characterCount() const override { return int(edit()->text().size()); }
  QRect characterRect(int offset) const override {
    // Measured from the caret, which is never moved for it (a screen reader
    // asks while the operator types): the character's place is the caret's
    // moved by the text between them.
    QLineEdit* e = edit();
    const QString all = e->text();
    offset = qBound(0, offset, int(all.size()));
    const QFontMetrics fm = e->fontMetrics();
    const QRect caret = e->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.x() + fm.horizontalAdvance(all.left(offset)) - fm.horizontalAdvance(all.left(e->cursorPosition()));
    const QString character = all.mid(offset, 1);
    const int width = fm.horizontalAdvance(character.isEmpty() ? QStringLiteral(" ") : character);
    return QRect(e->mapToGlobal(QPoint(x, caret.y())), QSize(width, caret.height()));
  }
  int offsetAtPoint(const QPoint& point) const override {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    return QAccessibleTextInterface::textAtOffset(answerable(offset, type), type, start, end);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    return QAccessibleTextInterface::textBeforeOffset(caretIfAsked(offset), type, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    return QAccessibleTextInterface::textAfterOffset(caretIfAsked(offset), type, start, end);
  }

  // Editable text.
  void deleteText(int start, int end) override { replaceText(start, end, {}); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int start, int end, const QString& text) override {
    if (edit()->isReadOnly()) return;
    QString all = edit()->text();
    start = qBound(0, start, int(all.size()));
    end = qBound(start, end, int(all.size()));
    edit()->setText(all.replace(start, end - start, text));
  }

 private:
  // -2 asks at the caret.
  int caretIfAsked(int offset) const { return offset == -2 ? cursorPosition() : offset; }
  // The word (or sentence, line) at the end of the text is the last one,
  // as a caret after the last character stands in it; only a character at
  // the end is none.
  int answerable(int offset, QAccessible::TextBoundaryType type) const {
    offset = caretIfAsked(offset);
    const int count = characterCount();
    if (type != QAccessible::CharBoundary && count > 0 && offset >= count) return count - 1;
    return offset;
  }
};

QAccessibleInterface* controlsFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("QComboBox"))
    if (auto* combo = qobject_cast<QComboBox*>(object)) return new NamedComboBox(combo);
  if (className == QLatin1String("QLineEdit"))
    if (auto* edit = qobject_cast<QLineEdit*>(object); edit && edit->echoMode() == QLineEdit::Normal)
      return new TextField(edit);
  return nullptr;
}

}  // namespace

// Qt's widgets install their own factory with the application; the last
// installed is asked first.
AccessibleControls::AccessibleControls() { QAccessible::installFactory(controlsFactory); }
AccessibleControls::~AccessibleControls() { QAccessible::removeFactory(controlsFactory); }

}  // namespace ktl
