#include "qt/kept_book.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include "book/time.h"
#include "petcalc_version.h"

namespace petcalc::qt {

KeptBook::KeptBook(const QString& folder) : keeper_(files_, QDir::cleanPath(folder).toStdString()) {
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &KeptBook::takeOtherCopysSave);
}

KeptBook::~KeptBook() { saveNow(); }

QString KeptBook::defaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/" PETCALC_APP_ID);
}

void KeptBook::openAfterFirstPaint(QWidget* window) { window->installEventFilter(this); }

bool KeptBook::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    watched->removeEventFilter(this);
    QTimer::singleShot(0, this, &KeptBook::open);
  }
  return false;
}

void KeptBook::open() {
  if (keeper_.opened()) return;
  keeper_.Open();
  const QString folder = QString::fromStdString(store().folder());
  QDir().mkpath(folder);
  watcher_.addPath(folder);
  written_ = writtenAt();
  tell({});
  emit recordsChanged();
}

void KeptBook::Finished(const FinishedClick& click) noexcept {
  const bool opening = !keeper_.opened();
  changed(keeper_.Keep(click, book::Now()));
  if (opening) tell({});
}

void KeptBook::setKeeping(bool keeping) {
  const std::string failed = keeper_.SetKeeping(keeping);
  if (!failed.empty()) emit problemChanged(QString::fromStdString(failed));
}

void KeptBook::restore() {
  keeper_.Restore(book::Now());
  tell({});
  emit recordsChanged();
}

void KeptBook::startNew() {
  keeper_.StartNew(book::Now());
  tell({});
  emit recordsChanged();
}

void KeptBook::changed(const book::Changes& ids) {
  if (ids.empty()) return;
  emit recordsChanged();
  scheduleSave();
}

void KeptBook::scheduleSave() {
  if (save_waiting_) return;
  save_waiting_ = true;
  QTimer::singleShot(0, this, &KeptBook::saveNow);
}

bool KeptBook::saveNow() {
  if (!save_waiting_) return keeper_.problem().empty();
  save_waiting_ = false;
  tell(keeper_.Save());
  written_ = writtenAt();
  return keeper_.problem().empty();
}

void KeptBook::takeOtherCopysSave() {
  if (!keeper_.opened() || save_waiting_) return;  // the save to come takes it in
  const QDateTime now = writtenAt();
  if (now == written_) return;
  written_ = now;
  tell(keeper_.Reload());
}

QDateTime KeptBook::writtenAt() const {
  return QFileInfo(QString::fromStdString(store().path())).lastModified();
}

void KeptBook::tell(const book::BookStore::Saved& saved) {
  if (!saved.from_disk.empty()) emit recordsChanged();
  const QString problem = QString::fromStdString(keeper_.problem());
  if (problem == problem_) return;
  problem_ = problem;
  emit problemChanged(problem_);
}

}  // namespace petcalc::qt
