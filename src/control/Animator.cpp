#include "control/Animator.h"

#include "model/Flow.h"

void TAnimator::ShowTurn(const TTurn& turn) {
  for (std::size_t i = 0; i < turn.Frames.size(); ++i) {
    if (i > 0) Delay(host_.Clock(), FrameDelayMs);
    host_.DrawRotationFrame(turn.Cell.Col, turn.Cell.Row, turn.Kind, turn.Frames[i]);
  }
}

void TAnimator::AnimateFlow(TBoard& board) {
  if (!FlowChanged(board)) return;
  host_.PlaySoundCue(scWater);
  for (int phase = 0; phase < FlowPhaseCount; ++phase) {
    host_.DrawFlowPhase(phase);
    Delay(host_.Clock(), FrameDelayMs);
  }
  SettleFlow(board);
}
