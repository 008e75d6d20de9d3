#pragma once
// A history shared through a folder that a file-sync tool keeps in step: each device appends its
// own answers to journals of its own there (one a month), and reads the others'. The live database
// never goes there: a sync tool copying it mid-write breaks it.
//
// A journal is text: a header line, then one answer a line, each line ending in a checksum of its
// own bytes, so that a line cut short or changed by a tool is known. A file is read up to its last
// complete line and read on from there later; one with a changed line gives nothing more until it
// is sound again (what it gave before stays merged).
//
// An answer goes to the journal of its own month, so that a journal gone from the folder can be
// written again whole. A rating changed after its answer went out goes to a file of changes beside
// that journal (same name, its own extension and header): copies that read journals alone never
// see it, so they neither stumble on it nor skip the answers.

#include "evaluation/Translatable.h"
#include "review/Card.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One answer as the journals carry it. Its id is unique among every device's answers: the device's
// id, its number in that device's history and its time (a history restored from a copy numbers
// answers again from where the copy ended).
struct TJournalAnswer {
    std::string Id;
    TCardKey Key;
    std::int64_t UnixMs = 0;
    std::int64_t DurationMs = 0;
    int Rating = 3; // 1 to 4
    bool Practice = false;
    bool operator==(const TJournalAnswer&) const = default;
};

// A later rating of an answer. The revision orders a device's changes of one answer: the latest
// counts, whatever order the files are read in.
struct TJournalChange {
    std::string Id;
    std::int64_t Revision = 0;
    int Rating = 3;
    bool operator==(const TJournalChange&) const = default;
};

inline constexpr std::string_view JournalHeader = "velmoria-journal\t1\n";
inline constexpr std::string_view JournalExtension = ".vmjournal";
inline constexpr std::string_view ChangesHeader = "velmoria-changes\t1\n";
inline constexpr std::string_view ChangesExtension = ".vmchanges";

std::string JournalAnswerId(std::string_view device, std::int64_t number, std::int64_t unixMs);
// The device and number of an id this program made; false for another.
bool SplitJournalAnswerId(std::string_view id, std::string_view& device, std::int64_t& number);
// A device id: 16 lowercase hexadecimal digits from the value.
std::string DeviceIdOf(std::uint64_t value);
// The journal a device writes the answers of the month (UTC) of the time to, and its changes file.
std::string JournalName(std::string_view device, std::int64_t unixMs);
std::string ChangesName(std::string_view device, std::int64_t unixMs);
// The first millisecond of the month (UTC) of the time, and of the month after it.
std::int64_t MonthStartMs(std::int64_t unixMs);
std::int64_t NextMonthMs(std::int64_t unixMs);
// Whether a file of the folder is read as a journal or changes file: every device's, and the copies
// sync tools make of one two devices changed at once ("x.sync-conflict-....vmjournal",
// "x (conflicted copy ...).vmjournal"), which hold answers too. Hidden files (a tool's files in
// progress) are not.
bool IsJournalName(std::string_view name);

// One answer line, with its line break; one change line.
std::string JournalLine(const TJournalAnswer& answer);
std::string ChangeLine(const TJournalChange& change);

// How far a journal has been read: the length of the prefix read and its hash, so that a file that
// grew is read on from there and one that was replaced is read again from its start. Skipped: the
// file was found foreign or damaged (told once, until it is sound again).
struct TJournalMark {
    std::uint64_t Read = 0;
    std::uint64_t Hash = 0;
    bool Skipped = false;
    bool operator==(const TJournalMark&) const = default;
};

struct TJournalRead {
    // The answers of the complete lines past the mark; none from a file found foreign or damaged.
    std::vector<TJournalAnswer> Answers;
    std::vector<TJournalChange> Changes; // of a changes file, as Answers
    TJournalMark Mark; // to keep for the next reading
    TSaying Problem; // what to tell; empty unless the file has just been found foreign or damaged
};

// Reads the file's bytes on from the mark, as a changes file when it is named so. Answers later than latestMs
// (a clock far ahead) make a line damaged, as in an imported file.
TJournalRead ReadJournal(
    std::string_view name, std::string_view bytes, const TJournalMark& mark, std::int64_t latestMs);

// The answers in their order with the second and later of each id left out (a conflict copy holds
// the same answers as its original).
void KeepFirstOfEachId(std::vector<TJournalAnswer>& answers);

// The latest change of each id (by revision; of two alike the one of the higher rating), in no order.
void KeepLatestChanges(std::vector<TJournalChange>& changes);
