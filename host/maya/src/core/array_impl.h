#pragma once
// The members every M*Array shares, over a std::vector kept behind the class's opaque pointer.
// `Param` is how elements are passed in (by value for numbers, by const reference otherwise).
#include <maya/MStatus.h>

#include <ostream>
#include <vector>

namespace mcore {

template <class T> std::vector<T>& elementsOf(void* ptr) {
    return *static_cast<std::vector<T>*>(ptr);
}

template <class T> std::ostream& printElements(std::ostream& os, const std::vector<T>& elements) {
    os << "[";
    for (std::size_t k = 0; k < elements.size(); ++k)
        os << (k ? ", " : "") << elements[k];
    return os << "]";
}

} // namespace mcore

#define MCORE_ARRAY_MEMBERS(Array, T, Param)                                                       \
    Array::Array() : fArray(new std::vector<T>()) {}                                               \
    Array::Array(const Array& other)                                                               \
        : fArray(new std::vector<T>(mcore::elementsOf<T>(other.fArray))) {}                        \
    Array::Array(unsigned int initialSize, Param initialValue)                                     \
        : fArray(new std::vector<T>(initialSize, initialValue)) {}                                 \
    Array::~Array() {                                                                              \
        delete &mcore::elementsOf<T>(fArray);                                                      \
    }                                                                                              \
    Array& Array::operator=(const Array& other) {                                                  \
        mcore::elementsOf<T>(fArray) = mcore::elementsOf<T>(other.fArray);                         \
        return *this;                                                                              \
    }                                                                                              \
    T& Array::operator[](unsigned int index) {                                                     \
        return mcore::elementsOf<T>(fArray)[index];                                                \
    }                                                                                              \
    MStatus Array::set(Param element, unsigned int index) {                                        \
        std::vector<T>& v = mcore::elementsOf<T>(fArray);                                          \
        if (index >= v.size())                                                                     \
            return MS::kFailure;                                                                   \
        v[index] = element;                                                                        \
        return MS::kSuccess;                                                                       \
    }                                                                                              \
    MStatus Array::setLength(unsigned int length) {                                                \
        mcore::elementsOf<T>(fArray).resize(length);                                               \
        return MS::kSuccess;                                                                       \
    }                                                                                              \
    unsigned int Array::length() const {                                                           \
        return static_cast<unsigned int>(mcore::elementsOf<T>(fArray).size());                     \
    }                                                                                              \
    MStatus Array::remove(unsigned int index) {                                                    \
        std::vector<T>& v = mcore::elementsOf<T>(fArray);                                          \
        if (index >= v.size())                                                                     \
            return MS::kFailure;                                                                   \
        v.erase(v.begin() + index);                                                                \
        return MS::kSuccess;                                                                       \
    }                                                                                              \
    MStatus Array::insert(Param element, unsigned int index) {                                     \
        std::vector<T>& v = mcore::elementsOf<T>(fArray);                                          \
        if (index > v.size())                                                                      \
            return MS::kFailure;                                                                   \
        v.insert(v.begin() + index, element);                                                      \
        return MS::kSuccess;                                                                       \
    }                                                                                              \
    MStatus Array::append(Param element) {                                                         \
        mcore::elementsOf<T>(fArray).push_back(element);                                           \
        return MS::kSuccess;                                                                       \
    }                                                                                              \
    MStatus Array::copy(const Array& source) {                                                     \
        *this = source;                                                                            \
        return MS::kSuccess;                                                                       \
    }                                                                                              \
    MStatus Array::clear() {                                                                       \
        mcore::elementsOf<T>(fArray).clear();                                                      \
        return MS::kSuccess;                                                                       \
    }                                                                                              \
    void Array::setSizeIncrement(unsigned int newIncrement) {                                      \
        mcore::elementsOf<T>(fArray).reserve(mcore::elementsOf<T>(fArray).size() + newIncrement);  \
    }                                                                                              \
    unsigned int Array::sizeIncrement() const {                                                    \
        return 1u;                                                                                 \
    }

// Construction from a C array of elements, and printing.
#define MCORE_ARRAY_FROM_ELEMENTS(Array, T)                                                        \
    Array::Array(const T src[], unsigned int count)                                                \
        : fArray(new std::vector<T>(src, src + count)) {}                                          \
    std::ostream& operator<<(std::ostream& os, const Array& array) {                               \
        return mcore::printElements(os, mcore::elementsOf<T>(array.fArray));                       \
    }
