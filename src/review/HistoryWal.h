#pragma once
// A write-ahead journal left beside a history by a copy of the program that was killed is applied
// when the history is next opened. One that belongs to another history (copied in with another
// profile, say) would replace the history's pages with its own: it is recognised and set aside.

#include "evaluation/Translatable.h"

#include <string>

// Before the history at path is opened: a journal beside it that no open connection uses, and
// that does not continue the history (pages of another size, or applied it would lose answers
// the history holds), is moved aside. Returns the message saying so; empty when nothing was
// done. Throws std::runtime_error when such a journal cannot be moved.
// From its return the history counts as open in this process, so that no other thread's check
// takes the journal while the connection is made: NoteHistoryClosed follows once it is closed,
// or was never made.
TSaying SetAsideForeignJournal(const std::string& path);
void NoteHistoryClosed(const std::string& path);
