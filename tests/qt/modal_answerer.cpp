#include "tests/qt/modal_answerer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace petcalc::testing {
namespace {

constexpr int kPollMilliseconds = 10;
constexpr int kWatchdogPolls = 500;  // five seconds

}  // namespace

ModalAnswerer::ModalAnswerer() {
  poll_.setInterval(kPollMilliseconds);
  QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
  poll_.start();
}

ModalAnswerer::~ModalAnswerer() {
  EXPECT_TRUE(handlers_.empty()) << handlers_.size() << " expected dialog(s) never appeared";
}

void ModalAnswerer::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) {
    polls_without_progress_ = 0;
    return;
  }
  if (!handlers_.empty()) {
    Handler handler = std::move(handlers_.front());
    handlers_.pop_front();
    handler(modal);
    return;
  }
  if (++polls_without_progress_ >= kWatchdogPolls) {
    ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    polls_without_progress_ = 0;
  }
}

}  // namespace petcalc::testing
