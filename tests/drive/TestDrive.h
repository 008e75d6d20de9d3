#pragma once
// Drives the built program from its environment, for the tests that run it as a user would and
// kill it half-way (nothing else reads these variables):
// - VELMORIA_TEST_ANSWERS="Yes,No,...": message boxes are not shown but answered in this order
//   (then with their default button), and the text of each is written to standard error as
//   "message: TEXT".
// - VELMORIA_TEST_INPUT: once the window runs, one step every 100 ms: a character is typed into
//   the focused widget; {Return}, {Tab} and other key names press that key; {#name} gives the
//   focus to the visible widget of that object name; {miFileSave} and other action names run the
//   action. "input done" goes to standard error after the last step.

class QMainWindow;

void StartTestDrive(QMainWindow& window);
