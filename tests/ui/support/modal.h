#pragma once
// Acting on modal windows from a test: a polling timer finds the next modal
// window once it is up and hands it to the action, which usually answers
// it. Polling (rather than waiting) keeps the test from blocking the nested
// event loop the window runs in.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace lumetta::testing_support {

inline void WhenModalOpens(std::function<void(QWidget*)> action, QWidget* not_this = nullptr) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, action, not_this] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == not_this || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    action(modal);
  });
  timer->start();
}

}  // namespace lumetta::testing_support
