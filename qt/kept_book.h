#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

#include "book/book_keeper.h"
#include "calc/calculator.h"
#include "qt/qt_book_files.h"

namespace petcalc::qt {

// The player's book in the Qt program (book::BookKeeper): every finished click kept in it, and
// the book saved on the event loop's next turn, so that the click is answered first. Opened from
// disk on the first paint of the window it is given (or at the first click before that); another
// copy's saves are taken in as they land in the folder.
class KeptBook : public QObject, public ClickObserver {
  Q_OBJECT

 public:
  // The book in `folder`, which a test chooses; by default the data folder of the program's id.
  explicit KeptBook(const QString& folder = defaultFolder());
  ~KeptBook() override;  // waits for the last save

  static QString defaultFolder();

  // Opens the book once `window` has been painted for the first time.
  void openAfterFirstPaint(QWidget* window);
  void open();

  book::Book& book() { return keeper_.book(); }
  const book::BookStore& store() const { return keeper_.store(); }

  void Finished(const FinishedClick& click) noexcept override;

  bool keeping() const { return keeper_.keeping(); }
  void setKeeping(bool keeping);
  // The player's choice for a file that cannot be read: its backup made the book, or a new book;
  // either moves the file aside, intact.
  void restore();
  void startNew();

  // The book's changes, made here, kept on disk on the next turn.
  void changed(const book::Changes& ids);
  // Saves now what is waiting to be saved; gives whether the book is on disk.
  bool saveNow();

 signals:
  // The book's records changed: by this program or by another copy's save.
  void recordsChanged();
  // A save failed, or the file cannot be read: why, in Chinese; empty once all is well again.
  void problemChanged(const QString& problem);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void scheduleSave();
  void takeOtherCopysSave();
  void tell(const book::BookStore::Saved& saved);
  // When the book's file was last written: a change of folder that leaves it as this program
  // wrote it (its own save, a lock file) is no other copy's save.
  QDateTime writtenAt() const;

  QtBookFiles files_;
  book::BookKeeper keeper_;
  QFileSystemWatcher watcher_;
  bool save_waiting_ = false;
  QDateTime written_;
  QString problem_;
};

}  // namespace petcalc::qt
