#include "cases/search_criteria.h"

#include <cstring>
#include <string_view>

#include "cases/case_record.h"
#include "cases/little_endian.h"

namespace {

// The text of a fixed NUL-terminated field, as bytes.
std::string_view FieldText(const char* field, std::size_t size) {
    return std::string_view(field, strnlen(field, size));
}

bool IsLeadByte(unsigned char b) { return b >= 0x81 && b != 0xFF; }

// Whether the needle occurs in the text starting at a character boundary.
bool ContainsAtCharacter(std::string_view text, std::string_view needle) {
    for (std::size_t i = 0; i + needle.size() <= text.size();) {
        if (text.compare(i, needle.size(), needle) == 0) return true;
        i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return false;
}

bool TextPasses(uint8_t mode, std::string_view wanted, std::string_view stored) {
    switch (mode) {
        case 0: return true;
        case 2: return stored == wanted;
        default: return ContainsAtCharacter(stored, wanted);
    }
}

}  // namespace

bool MatchesCriteria(const SearchCriteria& c, const unsigned char* bytes) {
    const auto* raw = reinterpret_cast<const char*>(bytes);
    const unsigned char* a = bytes + caselayout::kPersonA.numbers;
    if (!TextPasses(c.nameMode, FieldText(c.name, sizeof c.name),
                    FieldText(raw + caselayout::kPersonA.name, sizeof CasePerson::name)))
        return false;
    if (!TextPasses(c.categoryMode, FieldText(c.category, sizeof c.category),
                    FieldText(raw + caselayout::kCategory, sizeof CaseRecord::category)))
        return false;
    if (c.sexOn && a[caselayout::kMale] != c.sex) return false;
    if (c.yearsOn) {
        int16_t year = le::GetI16(a + caselayout::kYear);
        if (year < c.yearFrom || year > c.yearTo) return false;
    }
    return c.province == -1 || le::GetI16(a + caselayout::kProvince) == c.province;
}
