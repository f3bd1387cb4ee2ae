#pragma once
// What the program does with memory it frees. Showing a tab, saving it or reading any companion
// file allocates megabytes for a moment, and by default the C library hands such blocks back to
// the system at once; the next read then has every page faulted in afresh, which on a virtual
// machine costs more than reading and parsing the bytes. The program keeps freed memory for
// reuse instead, up to a bound, and takes large blocks from the same heap.
//
// Called once at the start of the program, before its files are read (and by the benchmarks that
// measure what the program does).
void keepFreedMemoryForReuse();
