// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fake_platform.h"

#include "test_files.h"
#include "test_log_lines.h"
#include "platform/desktop_platform.h"
#include "platform/web_view.h"

#include <QPdfWriter>

namespace ktl {

FakePlatform::FakePlatform(const QString& root)
    : root_(root.isEmpty() ? ownRoot_.path() : root), dataDir_(root_ + "/data"),
      settings_(root_ + "/config/KTL/KTL.ini") {
  QDir().mkpath(dataDir_);
}

PrintResult FakePlatform::printLines(QWidget*, const QStringList& lines, const QFont& font) {
  printed << lines;
  if (printAnswer != PrintResult::Printed) return {printAnswer, {}};
  if (printPdf.isEmpty()) return {};
  QPdfWriter pdf(printPdf);
  return {paintLines(pdf, lines, font) ? PrintResult::Printed : PrintResult::Failed, printPdf};
}

namespace {
class RecordingWebView : public WebView {
 public:
  RecordingWebView(FakePlatform& p, QWidget* parent) : WebView(parent), p_(p) { setFocusPolicy(Qt::StrongFocus); }
  void load(const QUrl& address) override { p_.pagesOpened << address; }
  void setHtml(const QString& html) override { p_.pagesShown << html; }
  FakePlatform& p_;
};
}  // namespace

WebView* FakePlatform::createWebView(QWidget* parent) {
  return webViewFactory ? webViewFactory(parent) : new RecordingWebView(*this, parent);
}

QString FakePlatform::logPath(const QString& callsign) const { return dataDir_ + QLatin1Char('/') + callsign + "_KTL.log"; }

void FakePlatform::writeLog(const QString& callsign, const QByteArray& content) const {
  writeFile(logPath(callsign), content);
}

QByteArray FakePlatform::readLog(const QString& callsign) const { return readFile(logPath(callsign)); }

QString FakePlatform::setting(const QString& section, const QString& key, const QString& def) const {
  return settings_.get(section, key, def);
}

QByteArray logLine(const char* call, const char* prefix, const char* number, const char* date, const char* time,
                   const char* mode, const char* band, const char* name, bool qsl, bool repeat) {
  // The reference as the log keeps it: the prefix right-justified in four
  // columns, "-", the number left-justified in five.
  const QByteArray reference = QByteArray(prefix).rightJustified(4) + '-' + QByteArray(number).leftJustified(5);
  return logLineOf(QByteArray(call) + '|' + reference + '|' + (repeat ? "*" : "") + '|' + date + '|' + time + '|' + mode +
                   '|' + band + "|59|" + name + '|' + (qsl ? "*" : " ") + "|59");
}

}  // namespace ktl

#include "station_fixture.h"

namespace ktl {

namespace {
// The settings and the log are in place before the program starts.
std::unique_ptr<Program> startedProgram(FakePlatform& p, const QByteArray& log, const QString& language,
                                        const QString& callsign, const std::function<void(FakePlatform&)>& beforeStart) {
  p.setSetting(kCommonSection, "Indicatif Station", callsign);
  p.setSetting(stationSection(callsign), "Language", language);
  p.writeLog(callsign, log);
  if (beforeStart) beforeStart(p);
  auto program = std::make_unique<Program>(p);
  program->main.startUp();
  return program;
}
}  // namespace

StationFixture::StationFixture(const QByteArray& log, const QString& language, const QString& callsign,
                               const std::function<void(FakePlatform&)>& beforeStart)
    : call(callsign), program(startedProgram(p, log, language, callsign, beforeStart)), w(program->main),
      state(program->state) {}

void StationFixture::enter(const char* field, const QString& text) {
  QWidget* f = c(field);
  if (auto* e = qobject_cast<QLineEdit*>(f)) e->clear();
  if (auto* cb = qobject_cast<QComboBox*>(f)) cb->setEditText(QString());
  typeEnter(f, text);
}

void StationFixture::typeQso(const QString& callsign, const QString& prefix, const QString& number) {
  enter("Ind_A", callsign);
  enter("Type_A", prefix);
  enter("Ref_A", number);
}

void StationFixture::finishQso(const QString& name, bool qsl) {
  for (const char* f : {"Mode_A", "Bande_A", "RST_A", "RST_B"}) QTest::keyClick(c(f), Qt::Key_Return);
  c<QLineEdit>("Rem_A")->setText(name);
  QTest::keyClick(c("Rem_A"), Qt::Key_Return);
  if (qsl) QTest::keyClick(c("QSL_A"), Qt::Key_Space);
  QTest::keyClick(c("QSL_A"), Qt::Key_Return);
}

void StationFixture::commit(bool yes) {
  p.answers << yes;
  c<QPushButton>("Valide_A")->click();
}

StationFixture::StationFixture(const Existing& existing)
    : p(existing.root), call(p.setting(kCommonSection, "Indicatif Station")), program(std::make_unique<Program>(p)),
      w(program->main), state(program->state) {
  w.startUp();
}

QList<QByteArray> StationFixture::lines() const { return fileLines(p.logPath(call)); }

QString StationFixture::textsOf(const QWidget* window, std::initializer_list<const char*> names) {
  QStringList out;
  for (const char* name : names) {
    QWidget* x = in(window, name);
    if (auto* e = qobject_cast<QLineEdit*>(x)) out << e->text();
    else if (auto* b = qobject_cast<QComboBox*>(x)) out << b->currentText();
    else if (auto* l = qobject_cast<QLabel*>(x)) out << l->text();
    else if (auto* p = qobject_cast<QAbstractButton*>(x)) out << p->text();
  }
  return out.join(u'|');
}

void typeEnter(QWidget* field, const QString& text) {
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

QStringList columnOf(const QAbstractItemView* view, int column) {
  QStringList out;
  const QAbstractItemModel* m = view->model();
  for (int r = 0; r < m->rowCount(); ++r) out << m->index(r, column).data().toString();
  return out;
}

QByteArray crlf(std::initializer_list<QByteArray> lines) {
  return lines.size() ? QByteArrayList(lines).join("\r\n") + "\r\n" : QByteArray();
}

}  // namespace ktl
