// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the windows need from the outside world: message boxes, file
// dialogs, the clock, the settings store, the data folder and the splash
// delay. The desktop build uses DesktopPlatform; tests substitute a scripted
// one, so no test ever waits on a real dialog.
#include "platform/clock.h"
#include "platform/settings_store.h"
#include "texts/program_texts.h"
#include "texts/texts.h"

#include <QString>
#include <QStringList>

#include <optional>

class QFont;
class QWidget;

namespace ktl {

class WebView;

inline const QString kProductTitle = QStringLiteral("ORB_KTL");

// What became of a print.
// A path as the desktop shows it: absolute, with the system's separators.
QString nativePath(const QString& path);

struct PrintResult {
  enum Status {
    Printed,
    Cancelled,  // the operator closed the print dialog: nothing printed
    NoPrinter,  // none installed, and nothing chosen instead
    Failed,     // the printer or the PDF file could not be opened
  };
  Status status = Printed;
  QString target;  // the printer or file that failed; the file printed to (a PDF)
};

class Platform {
 public:
  virtual ~Platform() = default;

  // A box with an OK button, no icon and the title "ORB_KTL".
  virtual void message(QWidget* parent, const QString& text) = 0;
  // The same with a second paragraph under the text, apart from it (where
  // a file went, in full): the text stays as the box words it.
  virtual void message(QWidget* parent, const QString& text, const QString& more) = 0;
  // A box with Yes and No (Enter answers Yes); true for Yes.
  virtual bool question(QWidget* parent, const QString& text) = 0;
  // A file-open dialog; an empty text when nothing is chosen.
  virtual QString openFileName(QWidget* parent, const QString& title, const QString& filter) = 0;
  // The print dialog (a printer, or "Print to File (PDF)"), then `lines` in
  // `font` on what the operator chose; pages break by themselves when full.
  virtual PrintResult printLines(QWidget* parent, const QStringList& lines, const QFont& font) = 0;

  virtual const Clock& clock() const = 0;
  virtual SettingsStore& settings() = 0;
  virtual QString dataDir() const = 0;
  // How long the loading splash stays up.
  virtual int splashMilliseconds() const = 0;
  // An embedded web view, a child of `parent`.
  virtual WebView* createWebView(QWidget* parent) = 0;
  // Shows a folder in the desktop's file manager; false when none could.
  virtual bool openFolder(const QString& path) = 0;
  // A notice on the desktop that goes away by itself (the desktop's
  // notification service, else its tray); never waits for it.
  virtual void notify(const QString& title, const QString& text) = 0;
  // A short alert sound; never waits for it.
  virtual void alertSound() = 0;

  // A message of the program in `language`: nothing for an unknown language.
  void say(QWidget* parent, Language language, Msg msg) { sayText(parent, ktl::message(msg, language)); }
  void say(QWidget* parent, Language language, const Tx& text) {
    const QString t = pick(text, language);
    if (!t.isNull()) message(parent, t);
  }
  void sayText(QWidget* parent, const std::optional<QString>& text) {
    if (text) message(parent, *text);
  }
  // Yes/No question in `language`; an unknown language asks nothing and
  // answers No.
  bool ask(QWidget* parent, Language language, Msg msg) {
    const auto text = ktl::message(msg, language);
    return text && question(parent, *text);
  }
  bool ask(QWidget* parent, Language language, const Tx& text) {
    const QString t = pick(text, language);
    return !t.isNull() && question(parent, t);
  }
  // A file written: the box's text (nothing for an unknown language), and
  // the file's full path under it, which the program always tells.
  void tellFileWritten(QWidget* parent, Language language, const QString& text, const QString& path) {
    if (!text.isNull())
      message(parent, text, pick(programText(ProgramText::WrittenWhere), spoken(language)).arg(nativePath(path)));
  }
  // A failed read or write of `path`, in `language`.
  void reportFileError(QWidget* parent, Language language, FileAction action, const QString& path,
                       const QString& detail) {
    message(parent, fileErrorMessage(language, action, path, detail));
  }
};

}  // namespace ktl
