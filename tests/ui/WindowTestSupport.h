#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// What a test leaves waiting: deleted when the test ends, so a poller that
// found nothing cannot act in a later test on captures that are gone.
inline QObject& TestScope() {
  static QObject scope;
  return scope;
}

// Runs once a modal window other than `except` is up, handing it to the
// action: a modal exec() blocks the test until something answers it. An
// action that fails fatally closes the window, so the test ends at once.
inline void WhenModal(const std::function<void(QWidget*)>& action,
                      const QWidget* except = nullptr) {
  auto* poll = new QTimer(&TestScope());
  QObject::connect(poll, &QTimer::timeout, poll, [poll, action, except] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == except || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    if (!QTest::qWaitForWindowActive(modal))
      ADD_FAILURE() << "the modal window never became active";
    action(modal);
    if (::testing::Test::HasFatalFailure() && modal->isVisible()) modal->close();
  });
  poll->start(5);
}

// A key as the player types it: to the widget that has the focus.
inline void Type(QWidget* window, Qt::Key key) {
  QWidget* focus = window->focusWidget();
  QTest::keyClick(focus ? focus : window, key);
}

// The first visible window of the application that passes the test.
inline QWidget* TopLevel(const std::function<bool(QWidget*)>& test) {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && test(window)) return window;
  return nullptr;
}

template <typename T>
T* Child(QWidget* window, int index = 0) {
  return window->findChildren<T*>().value(index);
}
