// MString: no isEmpty; toUpperCase and toLowerCase change the string and return it; numChars
// is unsigned.
#include <maya/MString.h>

#include <type_traits>
#include <utility>

static_assert(std::is_same<decltype(std::declval<const MString&>().numChars()), unsigned>::value,
              "numChars is unsigned");
static_assert(std::is_same<decltype(std::declval<MString&>().toUpperCase()), MString&>::value,
              "toUpperCase returns the string itself");
static_assert(std::is_same<decltype(std::declval<MString&>().toLowerCase()), MString&>::value,
              "toLowerCase returns the string itself");

unsigned int string(MString& text, const MString& constant) {
    text.toUpperCase().toLowerCase();
#if REJECTED_FORM == 1
    (void)text.isEmpty();
#elif REJECTED_FORM == 2
    (void)constant.toUpperCase();
#elif REJECTED_FORM == 3
    (void)constant.toLowerCase();
#endif
    return constant.length() + text.numChars();
}
