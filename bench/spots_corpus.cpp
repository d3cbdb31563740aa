// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ktl-spots-corpus: the live-spot reading measured on real node output.
// It reads every line of the corpus's raw/ and rendered/ folders as the
// node connection hands lines over, and prints how many are read as spots,
// which "DX de" lines are not and which other lines are, the castle
// references the spot table would show and how many of them are castles,
// and the recall on the hand-judged castle comments (castle/
// castle_comments.tsv). With the outside measurement of an earlier version
// beside it (results-*/driver_all_lines.tsv) it prints that version's
// figures and every line read differently.
//
//   ktl-spots-corpus [corpus folder]     default: ../shared/spots-corpus
//
// Exit status 1 when a target is missed: every "DX de" line a spot and no
// other, every expected castle found, at least 95 % of the references shown
// castles.
#include "cluster/castle_refs.h"
#include "cluster/spot_client.h"
#include "cluster/spot_parser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>

#include <cstdio>

namespace {
using namespace ktl;

void out(const QString& text) { std::printf("%s\n", text.toUtf8().constData()); }

QString percent(qsizetype part, qsizetype whole) {
  return whole == 0 ? QStringLiteral("-") : QString::number(100.0 * double(part) / double(whole), 'f', 1) + " %";
}

// A file's lines without their line ends; a last line without one counts.
QList<QByteArray> linesOf(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> lines = f.readAll().split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QByteArray& l : lines)
    if (l.endsWith('\r')) l.chop(1);
  return lines;
}

QString findCorpus(const QStringList& args) {
  if (args.size() > 1) return args[1];
  const QDir exeDir(QCoreApplication::applicationDirPath());
  for (const QString& candidate : {QDir::current().filePath(QStringLiteral("../shared/spots-corpus")),
                                   exeDir.filePath(QStringLiteral("../../shared/spots-corpus")),
                                   exeDir.filePath(QStringLiteral("../shared/spots-corpus"))})
    if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
  return {};
}

struct Line {
  QString key;  // "file.txt:12"
  QString text;
  std::optional<Spot> spot;
  QStringList refs;  // as the spot table shows them
};

QString refsText(const QList<CastleRef>& refs) {
  QStringList t;
  for (const CastleRef& r : refs) t << r.text();
  return t.join(u' ');
}

bool isDxDe(const QString& text) { return text.trimmed().startsWith(QLatin1String("DX de "), Qt::CaseInsensitive); }

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString root = findCorpus(app.arguments());
  if (root.isEmpty()) {
    out(QStringLiteral("no corpus: give its folder, or put it at ../shared/spots-corpus"));
    return 0;
  }
  out(QStringLiteral("corpus: ") + root);

  // The hand-judged castle comments: source, comment, expected references.
  struct CastleComment {
    QString key, comment;
    QStringList expected;
  };
  QList<CastleComment> castleComments;
  QHash<QString, QSet<QString>> castlesOf;  // key -> its castles
  for (const QByteArray& raw : linesOf(root + QStringLiteral("/castle/castle_comments.tsv"))) {
    if (raw.startsWith('#') || raw.trimmed().isEmpty()) continue;
    const QStringList f = QString::fromUtf8(raw).split(u'\t');
    if (f.size() < 3) continue;
    CastleComment c{f[0], f[1], f[2].split(u' ', Qt::SkipEmptyParts)};
    castlesOf[c.key] = QSet<QString>(c.expected.begin(), c.expected.end());
    castleComments << c;
  }

  QList<Line> lines;
  QHash<QString, qsizetype> byKey;
  for (const char* folder : {"raw", "rendered"}) {
    const QDir dir(root + u'/' + QLatin1String(folder));
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
      int number = 0;
      for (const QByteArray& bytes : linesOf(dir.filePath(name))) {
        Line line{name + u':' + QString::number(++number), nodeText(bytes), {}, {}};
        line.spot = parseSpot(line.text);
        if (line.spot) {
          for (const CastleRef& r : castleRefs(line.spot->comment, line.spot->commentMayBeCut)) line.refs << r.text();
        }
        byKey.insert(line.key, lines.size());
        lines << std::move(line);
      }
    }
  }

  qsizetype dxDe = 0, spots = 0, shown = 0, castles = 0;
  QStringList missed, extra, falseRefs;
  for (const Line& l : lines) {
    const bool head = isDxDe(l.text);
    dxDe += head;
    spots += l.spot.has_value();
    if (head && !l.spot) missed << l.key + QStringLiteral("  ") + l.text;
    if (!head && l.spot) extra << l.key + QStringLiteral("  ") + l.text;
    for (const QString& r : l.refs) {
      ++shown;
      if (castlesOf.value(l.key).contains(r))
        ++castles;
      else
        falseRefs << QStringLiteral("%1  %2  in \"%3\"").arg(l.key, r, l.spot->comment);
    }
  }
  out(QStringLiteral("lines read: %1 (\"DX de\" lines %2, other lines %3)")
          .arg(lines.size())
          .arg(dxDe)
          .arg(lines.size() - dxDe));
  out(QStringLiteral("spots found: %1").arg(spots));
  out(QStringLiteral("\"DX de\" lines not read as spots: %1").arg(missed.size()));
  for (const QString& m : missed) out(QStringLiteral("  ") + m);
  out(QStringLiteral("other lines read as spots: %1").arg(extra.size()));
  for (const QString& m : extra) out(QStringLiteral("  ") + m);
  out(QStringLiteral("references shown: %1, castles among them: %2 (precision %3)")
          .arg(shown)
          .arg(castles)
          .arg(percent(castles, shown)));
  for (const QString& f : falseRefs) out(QStringLiteral("  false: ") + f);

  // Recall: the spot's references as shown, or for a line that is no spot
  // (an announcement) what the rule finds in its comment.
  qsizetype expected = 0, found = 0;
  out(QStringLiteral("castle comments: %1").arg(castleComments.size()));
  for (const CastleComment& c : castleComments) {
    const qsizetype at = byKey.value(c.key, -1);
    QStringList got;
    if (at >= 0 && lines[at].spot)
      got = lines[at].refs;
    else
      for (const CastleRef& r : castleRefs(c.comment)) got << r.text();
    qsizetype hit = 0;
    for (const QString& e : c.expected) hit += got.contains(e);
    expected += c.expected.size();
    found += hit;
    out(QStringLiteral("  %1  \"%2\"  expected %3, found %4%5")
            .arg(c.key, c.comment, c.expected.join(u' '), got.isEmpty() ? QStringLiteral("none") : got.join(u' '),
                 at >= 0 && lines[at].spot ? QString() : QStringLiteral(" (not a spot: the comment alone)")));
  }
  out(QStringLiteral("castle references expected: %1, found: %2 (recall %3)")
          .arg(expected)
          .arg(found)
          .arg(percent(found, expected)));

  // An earlier version's outside measurement: its figures on the same
  // lines, and every line read differently now.
  for (const QString& results : QDir(root).entryList({QStringLiteral("results-*")}, QDir::Dirs, QDir::Name)) {
    const QList<QByteArray> driver = linesOf(root + u'/' + results + QStringLiteral("/driver_all_lines.tsv"));
    if (driver.isEmpty()) continue;
    qsizetype oldSpots = 0, oldShown = 0, oldCastles = 0, nowOnly = 0, thenOnly = 0, unknown = 0;
    QStringList differ, newSpots;
    for (const QByteArray& raw : driver) {
      const QStringList f = QString::fromUtf8(raw).split(u'\t');
      if (f.size() < 12) continue;
      const QString key = f[0] + u':' + f[1];
      const bool wasSpot = f[2] == u"SPOT";
      QStringList oldRefs;
      if (wasSpot) {
        ++oldSpots;
        oldRefs = f[10].split(u' ', Qt::SkipEmptyParts);
        oldShown += oldRefs.size();
        for (const QString& r : oldRefs) oldCastles += castlesOf.value(key).contains(r);
      }
      const qsizetype at = byKey.value(key, -1);
      if (at < 0) {
        ++unknown;
        continue;
      }
      const Line& l = lines[at];
      if (wasSpot != l.spot.has_value()) {
        (wasSpot ? thenOnly : nowOnly) += 1;
        if (l.spot)
          newSpots << QStringLiteral("%1  %2").arg(key, QStringList{l.spot->spotter, l.spot->frequency,
                                                                      l.spot->bandText(), l.spot->dxCall, l.spot->time,
                                                                      l.spot->locator, l.refs.join(u' '),
                                                                      l.spot->comment}
                                                             .join(u'|'));
        continue;
      }
      if (!wasSpot) continue;
      const Spot& s = *l.spot;
      const QStringList now{s.spotter, s.frequency, s.bandText(), s.dxCall, s.time, s.locator, l.refs.join(u' '),
                            s.comment};
      const QStringList then{f[3], f[4], f[6], f[7], f[8], f[9], f[10], f[11]};
      if (now != then)
        differ << QStringLiteral("%1\n      then: %2\n      now:  %3").arg(key, then.join(u'|'), now.join(u'|'));
    }
    out(QStringLiteral("-- %1 (an earlier version, measured from outside): spots %2, references shown %3, "
                       "castles among them %4 (precision %5)")
            .arg(results)
            .arg(oldSpots)
            .arg(oldShown)
            .arg(oldCastles)
            .arg(percent(oldCastles, oldShown)));
    out(QStringLiteral("   spots now and not then: %1; then and not now: %2; lines it has that this run has not: %3")
            .arg(nowOnly)
            .arg(thenOnly)
            .arg(unknown));
    for (const QString& n : newSpots) out(QStringLiteral("    now: ") + n);
    out(QStringLiteral("   spots read differently now (fields or references): %1").arg(differ.size()));
    for (const QString& d : differ) out(QStringLiteral("    ") + d);
  }

  const bool allSpots = missed.isEmpty() && extra.isEmpty();
  const bool allCastles = found == expected;
  const bool precise = shown == 0 || castles * 100 >= shown * 95;
  out(QStringLiteral("targets: every \"DX de\" line a spot and no other %1; every expected castle found %2; "
                     "precision at least 95 % %3")
          .arg(allSpots ? "yes" : "NO", allCastles ? "yes" : "NO", precise ? "yes" : "NO"));
  return allSpots && allCastles && precise ? 0 : 1;
}
