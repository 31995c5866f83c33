#pragma once
// The width of an explorer's tree pane as the closing main window stores it: the width
// the pane had when it was last shown. A pane that was never shown in this run has no
// width of its own (its splitter was never laid out), so it keeps the stored one.

class QSplitter;

// Follows the showing and hiding of Splitter, an explorer's tree | list splitter.
void FollowTreePaneWidth(QSplitter *Splitter);
// The tree pane's width now while it is shown, else the width it had when it was last
// hidden; Stored when it has not been shown since FollowTreePaneWidth.
int LastShownTreePaneWidth(const QSplitter *Splitter, int Stored);
