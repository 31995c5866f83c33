#pragma once
// The sort module: files of a batch moved or copied into one folder per category below
// a root folder (initial, contained text, type, size class, date), with the undo log
// of a move. Parameters come from the sort page of HauptForm.

#include <QString>

// The root folder of the last preparation (trailing "/"): the sort page's target field,
// else the active explorer's folder. The retry of ExecuteSort cleans only what lies
// below it.
extern QString SortRoot;

// The sort action (HMenuAktionenSortieren, PM01Sortieren, TB01Sortieren): on the sort
// page BuildSortTargets, DropUnchangedNames, ExecuteSort. A message or the silent abort
// ends it. Does nothing while another batch runs.
void HMenuAktionenSortierenClick();
// Collects the batch of the sort page and writes the targets into NeueDateinamen; a
// file the criterion does not place keeps its own path. Creates the category folders.
void BuildSortTargets();
// Criterion 0: removes from both lists the files outside the initials' range or with a
// stem shorter than the minimum length.
void FilterByInitialAndLength();
// After one Yes/No question, Mode 0 moves and Mode 1 copies every file of
// AlteDateinamen to its target in NeueDateinamen (a free name when it is taken). The
// moves carried out are the undo log (kind 0); after a copy, or a move that moved
// nothing, the undo is disabled. The files that failed are reported in one box after
// the batch. No ends in the silent abort.
void ExecuteSort(int Mode);
