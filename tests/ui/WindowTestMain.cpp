#include <gtest/gtest.h>

#include <QApplication>

#include "ui/Accessibility.h"

// The windows need their application before any test makes one.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallAccessibility();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
