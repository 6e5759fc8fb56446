// MDataHandle: asAddr gives a reference to the stored address; the asLong family is deprecated.
#include <maya/MDataHandle.h>

#include <type_traits>
#include <utility>

static_assert(std::is_same<decltype(std::declval<const MDataHandle&>().asAddr()), void*&>::value,
              "asAddr returns void*&");

int dataHandle(MDataHandle& handle) {
    handle.asAddr() = nullptr;
#if DEPRECATED_FORM == 1
    (void)handle.asLong();
#elif DEPRECATED_FORM == 2
    (void)handle.asLong2();
#elif DEPRECATED_FORM == 3
    (void)handle.asLong3();
#endif
    return handle.asInt() + handle.asInt2()[0] + handle.asInt3()[0];
}
