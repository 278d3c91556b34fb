#pragma once

// The main window's life as the game runs it; every rule of the start-up,
// the first paint and the close reads it (control/LifeCycle.cpp).
enum class TLifeCycle {
  Created,     // made; the first activation starts the start-up
  StartingUp,  // the start-up sequence runs; its own windows activate the window again
  Activated,   // the start-up has run; the first paint is still to align the level bar
  Running,     // the first paint has aligned the bar: the game plays
  Closing,     // the close question was answered yes: the shut-down runs
  Terminated,  // a start-up failure ended the program: nothing more runs or is written
};
