#include "fake_platform.h"

#include "log/qso_record.h"
#include "test_files.h"
#include "platform/desktop_platform.h"
#include "platform/web_view.h"

#include <QPdfWriter>

namespace ktl {

FakePlatform::FakePlatform() {
  dataDir_ = root_.filePath(QStringLiteral("data"));
  QDir().mkpath(dataDir_);
}

PrintResult FakePlatform::printLines(QWidget*, const QStringList& lines, const QFont& font) {
  if (printAnswer != PrintResult::Printed) return {printAnswer, {}};
  printed << lines;
  if (printPdf.isEmpty()) return {};
  QPdfWriter pdf(printPdf);
  if (!paintLines(pdf, lines, font)) return {PrintResult::Failed, printPdf};
  return {};
}

namespace {
class RecordingWebView : public WebView {
 public:
  RecordingWebView(FakePlatform& p, QWidget* parent) : WebView(parent), p_(p) { setFocusPolicy(Qt::StrongFocus); }
  void load(const QUrl& address) override { p_.pagesOpened << address; }
  void setHtml(const QString& html) override { p_.pagesShown << html; }

 private:
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
  return toLogLine({call, prefix, number, repeat, date, time, mode, band, "59", name, qsl, "59"});
}

}  // namespace ktl

#include "station_fixture.h"

namespace ktl {

namespace {
// The settings and the log are in place before the program starts.
std::unique_ptr<Program> startedProgram(FakePlatform& p, const QByteArray& log, const QString& language,
                                        const QString& callsign) {
  p.setSetting(kCommonSection, QStringLiteral("Indicatif Station"), callsign);
  p.setSetting(stationSection(callsign), QStringLiteral("Language"), language);
  p.writeLog(callsign, log);
  auto program = std::make_unique<Program>(p);
  program->main.startUp();
  return program;
}
}  // namespace

StationFixture::StationFixture(const QByteArray& log, const QString& language, const QString& callsign)
    : call(callsign),
      program(startedProgram(p, log, language, callsign)),
      w(program->main),
      state(program->state) {}

QList<QByteArray> StationFixture::lines() const { return fileLines(p.logPath(call)); }

QByteArray crlf(std::initializer_list<QByteArray> lines) {
  QByteArray out;
  for (const QByteArray& l : lines) out += l + "\r\n";
  return out;
}

}  // namespace ktl
