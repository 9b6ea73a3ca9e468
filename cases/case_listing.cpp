#include "cases/case_listing.h"

#include <vector>

namespace {

bool AnyCondition(const SearchCriteria& c) {
    return c.nameMode != 0 || c.categoryMode != 0 || c.sexOn != 0 || c.yearsOn != 0 || c.province != -1;
}

}  // namespace

int StreamCases(const MDataBase& store, ListingScope scope, const SearchCriteria& criteria,
                const MDataBase::CaseVisitor& each) {
    int handed = 0;
    auto count = [&](int number, const CaseRecord& record) {
        ++handed;
        each(number, record);
    };
    if (scope == ListingScope::AllSlots) {
        store.ReadAllSlots(count);
        return handed;
    }
    if (!AnyCondition(criteria)) {
        // Every live case: one pass over the files.
        store.ReadAllSlots([&](int number, const CaseRecord& record) {
            if (record.deleted == 0) count(number, record);
        });
        return handed;
    }
    // The search scans the files in large blocks and keeps only the record
    // numbers (4 bytes a case); the records found are then read in runs of
    // consecutive numbers, each data file opened once.
    std::vector<int> numbers;
    store.FindCases(criteria, numbers);
    store.ReadCases(numbers, count);
    return handed;
}
