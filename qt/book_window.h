#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "qt/book_model.h"
#include "qt/form1.h"
#include "qt/kept_book.h"
#include "qt/timeline_chart.h"

namespace petcalc::qt {

// The book's own window, 宠物记录, beside the main window: the records in a table that sorts by
// any column and filters by name or note; the selected record's name, note and actions; its pet's
// timeline; comparing, exporting, importing and clearing. Everything it does to the main window
// (putting a record back) goes through the window's ordinary clicks, never while one runs.
class BookWindow : public QWidget {
  Q_OBJECT

 public:
  BookWindow(KeptBook& kept, Form1& window);

  // The window shown, raised and given the focus, on its list.
  void present();

  // For the tests: what the window shows and says.
  QTableView* table() const { return table_; }
  BookOrder* order() const { return order_; }
  const QString& said() const { return said_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* makeToolbar();
  QWidget* makeDetail();
  void connectSignals();

  // The records selected in the list, in its order, and the one the detail shows.
  std::vector<const book::Record*> selected() const;
  const book::Record* current() const;
  void showCurrent();
  void showTimeline(const book::Record& record);
  void showProblem(const QString& problem);
  void refreshed();

  void changed(const book::Changes& ids);
  void say(const QString& text);
  void offerUndo(const QString& what, std::function<void()> undo);
  void takeBack();

  void putBack();
  void copyText();
  void togglePin();
  void removeSelected();
  void split();
  void join();
  void compare();
  void clearAll();
  void exportBook();
  void importBook();
  void setKeeping(bool keeping);

  KeptBook& kept_;
  Form1& window_;
  BookModel* model_;
  BookOrder* order_;

  QLabel* problem_ = nullptr;
  QPushButton* restore_ = nullptr;
  QPushButton* start_new_ = nullptr;
  QCheckBox* keeping_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QPushButton* compare_ = nullptr;
  QPushButton* undo_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* empty_ = nullptr;
  QLabel* status_ = nullptr;

  QWidget* detail_ = nullptr;
  QLabel* heading_ = nullptr;
  QLineEdit* name_ = nullptr;
  QPlainTextEdit* note_ = nullptr;
  QPushButton* pin_ = nullptr;
  QPushButton* join_ = nullptr;
  QLabel* timeline_caption_ = nullptr;
  QTableWidget* timeline_ = nullptr;
  TimelineChart* chart_ = nullptr;

  std::string shown_id_;
  std::function<void()> undo_action_;
  QString said_;
};

// The book window of a main window, made when it is first wanted (the start-up draws the main
// window alone): by the player, from F2 or the context menu; or by a problem with the book's file,
// which the player is then shown without being taken from the main window.
class BookWindowOpener : public QObject {
  Q_OBJECT

 public:
  BookWindowOpener(KeptBook& kept, Form1& window);
  ~BookWindowOpener() override;

 private:
  BookWindow& made();

  KeptBook& kept_;
  Form1& window_;
  std::unique_ptr<BookWindow> book_;
};

}  // namespace petcalc::qt
