#pragma once
// A walk through the window for the console check: every zoom step on every
// page, then each dialog and window the buttons open, at the smallest, the usual
// and the largest zoom, each closed again after it was drawn; then the program
// quits. Started by TALLYSCOPE_CONSOLE_TOUR=1 in the environment; a script
// watches the program's standard error meanwhile.
class MainFrame;

bool consoleTourWanted();
void runConsoleTour(MainFrame* frame);
