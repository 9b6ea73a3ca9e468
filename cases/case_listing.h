// Listing the case library as a stream: the cases are handed on one by one
// while the store is read a block at a time, so a library of a million cases
// is listed without opening a data file per case and without holding every
// record in memory. The command line's list, find and the case tree read
// the store this way.
#pragma once

#include "cases/MDataBase.h"
#include "cases/search_criteria.h"

// Which slots a listing takes.
enum class ListingScope {
    Matching,  // the live cases that pass the criteria
    AllSlots,  // every slot a data file holds, live or deleted (criteria unused)
};

// Hands the chosen cases to `each` in record order and returns how many it
// handed on. Slots that no data file holds in full (a missing or cut-off
// file) are passed over, as by the search.
int StreamCases(const MDataBase& store, ListingScope scope, const SearchCriteria& criteria,
                const MDataBase::CaseVisitor& each);
