#pragma once

// Internal to the workbook reader: the report that the reading process sends the program, and
// how much a sheet may hold for the program to take it.

#include <cstdint>

namespace trelimor::sheet::detail {

// What a sheet may hold. The workbooks read are protocols and establishments' sample files: one
// sample a row of some twenty cells of short text and numbers, a few thousand rows in a large
// one (a protocol of 2000 samples holds about 46,000 cells and 0.5 MB of text). The limits leave
// room for twenty times that, and bound what reading a hostile file costs the program: some
// 75 MB for a sheet of a million numbers, some 140 MB for one of 32 MB of distinct text.
//
// Cells holding a value.
constexpr uint64_t kMaxCells = uint64_t(1) << 20;
// Bytes of text (UTF-8) over all cells, each cell counting the text it shows: a string that the
// workbook shares among many cells is held once, but a sheet that shows it a million times is
// no protocol either.
constexpr uint64_t kMaxText = uint64_t(32) << 20;

// The reading process stops after this time, of the clock and of the processor alike.
constexpr int kTimeLimitSeconds = 60;
// The memory the reading process may take beyond what it shares with the program: the workbook
// library's table of cells (which it caps at 256 MiB itself) and its copy of the strings of a
// workbook within the limits above (8 bytes a character there) fit.
constexpr uint64_t kReaderMemory = uint64_t(1) << 30;

// The report: a header (outcome, rows, columns), then each cell that holds a value (row,
// column, the library's cell type, then an int64, a double or a text), ended by a row of kEnd.
// A text is its length (uint32) and its UTF-8 bytes. A shared string is its index (uint32) in
// the order of first use, followed by the text only where it is used first. Numbers in the
// machine's own order: both ends are this program.
enum ChildOutcome : uint8_t { Read, CannotOpen, NoWorkbook, Protected, NoSheet, TooLarge };
constexpr uint32_t kEnd = 0xFFFFFFFF;

// The longest report a sheet within the limits gives: per cell a place (7 bytes) and at most
// a number (8) or an index with a text's length (8), and the text.
constexpr uint64_t kMaxReport = 7 + kMaxCells * 15 + kMaxText + 4;

} // namespace trelimor::sheet::detail
