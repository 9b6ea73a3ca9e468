// The conditions of a case search. The main window keeps one for the whole
// run, so the search dialog shows the last conditions again; at start every
// condition is off and the province is −1 (any). Only person A (甲命) is
// searched.
#pragma once

#include <cstdint>

struct SearchCriteria {
    char name[12] = {};       // GBK, NUL-terminated
    char category[14] = {};   // GBK, NUL-terminated
    uint8_t sex = 0;          // 1 male, 0 female
    int16_t yearFrom = 0;     // astronomical, inclusive
    int16_t yearTo = 0;       // astronomical, inclusive
    int16_t province = -1;    // province index, −1 for any
    uint8_t nameMode = 0;     // 0 off, 1 contains, 2 whole match
    uint8_t categoryMode = 0; // 0 off, 1 contains, 2 whole match
    uint8_t sexOn = 0;        // 1: test the sex
    uint8_t yearsOn = 0;      // 1: test the year range
};

// Whether the 1256 bytes of a stored case pass every active condition. The
// deleted flag is not looked at. Names and categories are compared as GBK
// bytes; "contains" matches only where a whole character begins, so a search
// never finds the second byte of one character joined to the first of the
// next, nor an ASCII letter inside a Chinese character.
bool MatchesCriteria(const SearchCriteria& criteria, const unsigned char* caseBytes);
