#pragma once
// A walk through the window for the console check: the start-up with every page
// on show (at the zoom kept from the last run), every zoom step up on every page,
// then each dialog and window the buttons open, at the smallest, the usual and
// the largest zoom, each closed again after it was drawn, every step down on
// every page and the question before closing unsaved changes; then the program
// quits. Started by TALLYSCOPE_CONSOLE_TOUR=1 in the environment, or =zoom for
// the pages and zoom steps alone; a script watches the program's standard error
// meanwhile.
class MainFrame;

bool consoleTourWanted();
void runConsoleTour(MainFrame* frame);
