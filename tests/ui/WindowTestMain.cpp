#include <gtest/gtest.h>

#include <QApplication>

#include "WindowTestSupport.h"
#include "ui/Accessibility.h"

namespace {

// Ends what a test left waiting once it is over.
class TEndTestScope : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override {
    qDeleteAll(TestScope().findChildren<QObject*>(Qt::FindDirectChildrenOnly));
  }
};

}  // namespace

// The windows need their application before any test makes one.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallAccessibility();
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new TEndTestScope);
  return RUN_ALL_TESTS();
}
