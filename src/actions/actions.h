// What the three buttons do: routines with no arguments and no result.
#pragma once

// Starts Game.exe from the run directory and ends the launcher; when the game cannot
// be started, says why and returns with the launcher still open.
void LoadGame();
// Rewrites the engine entries of section "Game" of Game.ini in the run directory.
void RepairGame();
// Shows the task-modal about box.
void ShowAbout();
