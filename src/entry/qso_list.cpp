#include "entry/qso_list.h"

#include "log/log_list_model.h"
#include "platform/keyboard.h"
#include "platform/window_services.h"

#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>

#include <array>

namespace ktl {
namespace {

// The list column (1-based) each heading of the header stands over, in the
// order of the headings: number, callsign, reference, date, time, mode,
// band, reports received and sent, castle name, QSL. The number is
// right-justified in the columns before 6, and so is its heading.
constexpr std::array<int, 11> kHeadingColumns = {6, 8, 22, 34, 44, 51, 56, 65, 70, 75, 137};

}  // namespace

ListHeader::ListHeader(QListView* list, QWidget* parent) : QLabel(parent), list_(list) {
  setObjectName(QStringLiteral("Label_Liste_KTL"));
  // As wide as the list lets it be: the header never widens the window.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

QSize ListHeader::sizeHint() const { return {0, fontMetrics().height() + contentsMargins().top() + contentsMargins().bottom()}; }
QSize ListHeader::minimumSizeHint() const { return sizeHint(); }

qreal ListHeader::columnX(int column) const {
  // The list draws each line from the left of its viewport, after the item
  // margin of its style, scrolled by its horizontal offset.
  const QPoint viewport = list_->viewport()->mapTo(window(), QPoint()) - mapTo(window(), QPoint());
  const int itemMargin = list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1;
  const qreal advance = QFontMetricsF(list_->font()).horizontalAdvance(QLatin1Char('0'));
  return viewport.x() + itemMargin - list_->horizontalScrollBar()->value() + (column - 1) * advance;
}

void ListHeader::paintEvent(QPaintEvent* event) {
  // The headings are the words of the text; the castle-name heading is the
  // words between the sent report and QSL.
  const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.size() < int(kHeadingColumns.size())) {
    QLabel::paintEvent(event);  // not a header line: shown as it is
    return;
  }
  QStringList headings = words.mid(0, 9);
  headings << QStringList(words.mid(9, words.size() - 10)).join(QLatin1Char(' ')) << words.last();
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  const QRect area = contentsRect();
  const QFontMetricsF fm(font());
  for (int i = 0; i < headings.size(); ++i) {
    qreal x = columnX(kHeadingColumns[i]);
    if (i == 0) x -= fm.horizontalAdvance(headings[0]);
    painter.drawText(QRectF(x, area.top(), fm.horizontalAdvance(headings[i]) + 1, area.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, headings[i]);
  }
}

QsoList::QsoList(LogListModel& model, QWidget* parent)
    : QGroupBox(QStringLiteral("Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'éditer"),
                parent) {
  setObjectName(QStringLiteral("L_Communes"));
  auto* box = new QVBoxLayout(this);
  Liste_KTL = new QListView;
  Liste_KTL->setObjectName(QStringLiteral("Liste_KTL"));
  Liste_KTL->setModel(&model);
  Liste_KTL->setUniformItemSizes(true);
  Liste_KTL->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Liste_KTL->setSelectionMode(QAbstractItemView::SingleSelection);
  Liste_KTL->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Liste_KTL->setFont(fixedListFont(QStringLiteral("Terminal"), 9));
  // Light yellow with black text, in any desktop theme.
  setFieldColour(Liste_KTL, false);
  Label_Liste_KTL = new ListHeader(Liste_KTL);
  box->addWidget(Label_Liste_KTL);
  box->addWidget(Liste_KTL, 1);

  Liste_KTL->viewport()->installEventFilter(this);
  Liste_KTL->installEventFilter(this);
  connect(Liste_KTL->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!quiet_ && current.isValid()) emit rowChosen(current.row());
          });
  connect(Liste_KTL, &QListView::clicked, this, [this](const QModelIndex& i) { emit rowChosen(i.row()); });
  connect(Liste_KTL, &QListView::doubleClicked, this, [this](const QModelIndex& i) { emit rowOpened(i.row()); });
}

void QsoList::setHeader(const QString& text) { Label_Liste_KTL->setText(text); }

void QsoList::selectQuietly(int row) {
  quiet_ = true;
  const QModelIndex index = Liste_KTL->model()->index(row, 0);
  Liste_KTL->setCurrentIndex(index);
  Liste_KTL->scrollTo(index);
  quiet_ = false;
}

bool QsoList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Liste_KTL->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    // A double click below the last line names no QSO.
    const auto* me = static_cast<QMouseEvent*>(event);
    if (!Liste_KTL->indexAt(me->position().toPoint()).isValid()) {
      emit rowOpened(-1);
      return true;
    }
  } else if (watched == Liste_KTL && event->type() == QEvent::KeyPress &&
             isEnterKey(*static_cast<QKeyEvent*>(event))) {
    // Enter on a line opens it for a change, as a double click does.
    emit rowOpened(Liste_KTL->currentIndex().isValid() ? Liste_KTL->currentIndex().row() : -1);
    return true;
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace ktl
