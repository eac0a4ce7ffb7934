#pragma once

// Keeps Qt's harmless chatter off the user's terminal. With a screen reader
// running, Qt 6.4 warns "QAccessibleTable::child: Invalid index at: 0 0" for
// every cell that the screen reader asks of an empty list, such as the file
// list of a file dialog before it has read its folder; nothing is wrong then.
// Exactly that warning is dropped; every other message goes on to the handler
// that was installed before (Qt's own, or a test's). Installed once per
// program; later calls do nothing.
void MeldungsfilterEinrichten();
