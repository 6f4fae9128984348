#pragma once

#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace petcalc::testing {

// Answers the real modal dialogs a test opens: each handler in turn receives the next modal
// widget that appears and must close it before returning. A dialog that nobody expects fails
// the test instead of hanging it (the watchdog rejects it after five seconds), and so does an
// expected one that never comes.
class ModalAnswerer {
 public:
  using Handler = std::function<void(QWidget* dialog)>;

  ModalAnswerer();
  ~ModalAnswerer();

  void Expect(Handler handler) { handlers_.push_back(std::move(handler)); }
  bool AllAnswered() const { return handlers_.empty(); }

 private:
  void Poll();

  std::deque<Handler> handlers_;
  QTimer poll_;
  int polls_without_progress_ = 0;
};

}  // namespace petcalc::testing
