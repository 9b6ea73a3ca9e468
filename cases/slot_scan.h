// Walking over every stored slot of the case files in record order, for the
// search and for finding a deleted slot to reuse. The files are read in large
// sequential blocks, so a store of a million cases is scanned in a fraction of
// a second once it is in the page cache.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Called with a slot number and its 1256 bytes; returns false to stop.
using SlotVisitor = std::function<bool(int32_t slot, const unsigned char* bytes)>;

// Visits slots 0 … slotCount − 1 of the files named by prefix (see
// DataFilePath). Slots that no file holds in full (a missing or cut-off data
// file) are passed over; the scan goes on with the next file.
void ScanSlots(const std::string& prefix, int32_t slotCount, const SlotVisitor& visit);
