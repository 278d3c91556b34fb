#include <gtest/gtest.h>

#include "model/BoardText.h"
#include "model/Flow.h"
#include "support/FakeBoardHost.h"

namespace {

using Strings = std::vector<std::string>;

TEST(Animator, ATurnIsThreeFramesAndWaterItsCueThenSixPacedPhases) {
  TBoard board = BoardFromText("\n..─", {3, 2});
  TFakeBoardHost host;
  TAnimator(host).ShowTurn(RotateForward(board, {3, 2}));
  EXPECT_EQ(host.Events, (Strings{"frame 3,2 kind 3 f1", "wait 51", "frame 3,2 kind 3 f2",
                                  "wait 51", "frame 3,2 kind 3 f3"}));

  // Water plays its cue, then six phases, each followed by a wait.
  host.Events.clear();
  board = BoardFromText("╺╴", {1, 1});
  ComputeFlow(board);
  TAnimator(host).AnimateFlow(board);
  Strings expected{"cue 1"};
  for (int j = 0; j < 6; ++j) {
    expected.push_back("phase " + std::to_string(j));
    expected.push_back("wait 51");
  }
  EXPECT_EQ(host.Events, expected);
  EXPECT_EQ(board.ShownFlow, board.NewFlow);
}

}  // namespace
