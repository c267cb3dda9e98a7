// Creation and destruction of sparse matrices, the element and fill-in pools, and the allocation
// list that records every block a matrix obtains.

#include <algorithm>
#include <cstdlib>

#include "sparse/SparseInternal.h"
#include "sparse/SparseMatrix.h"

namespace {

constexpr int kMinimumAllocatedSize = 6;
constexpr std::size_t kElementsPerRow = 100;  // initial element pool per row
constexpr std::size_t kFillInsPerRow = 4;     // initial fill-in pool per row
constexpr int kElementBlock = 31;             // growth of the element pool
constexpr int kRecordSlots = 32;              // slot 0 links to the previous record block

// Countdown of the test hook: the request that brings it from 1 to 0 fails.
thread_local int failCountdown = 0;

void* Obtain(std::size_t bytes) {
    if (failCountdown > 0 && --failCountdown == 0) {
        return nullptr;
    }
    return std::malloc(bytes);
}

// Makes room for one more record, starting a new record block when the current one is full.
bool ReserveRecord(SparseMatrix* m) {
    if (m->allocationSlotsLeft > 0) {
        return true;
    }
    void** records = static_cast<void**>(Obtain(kRecordSlots * sizeof(void*)));
    if (records == nullptr) {
        return false;
    }
    std::fill_n(records, kRecordSlots, nullptr);
    records[0] = m->allocationList;
    m->allocationList = records;
    m->allocationSlotsLeft = kRecordSlots - 1;
    return true;
}

template <class T>
T* ObtainArray(SparseMatrix* m, std::size_t count, T initial) {
    T* array = static_cast<T*>(SparseObtainBlock(m, count * sizeof(T)));
    if (array != nullptr) {
        std::fill_n(array, count, initial);
    }
    return array;
}

int* IdentityMap(SparseMatrix* m) {
    int* map = ObtainArray<int>(m, m->allocatedSize + 1, 0);
    if (map != nullptr) {
        for (int i = 1; i <= m->allocatedSize; ++i) {
            map[i] = i;
        }
    }
    return map;
}

bool AllocateStructure(SparseMatrix* m) {
    std::size_t slots = m->allocatedSize + 1;
    m->diagonal = ObtainArray<SparseElement*>(m, slots, nullptr);
    m->firstInRow = ObtainArray<SparseElement*>(m, slots, nullptr);
    m->firstInColumn = ObtainArray<SparseElement*>(m, slots, nullptr);
    m->internalToExternalRow = IdentityMap(m);
    m->internalToExternalColumn = IdentityMap(m);
    m->externalToInternalRow = IdentityMap(m);
    m->externalToInternalColumn = IdentityMap(m);
    if (!m->diagonal || !m->firstInRow || !m->firstInColumn || !m->internalToExternalRow ||
        !m->internalToExternalColumn || !m->externalToInternalRow || !m->externalToInternalColumn) {
        return false;
    }
    std::size_t elements = kElementsPerRow * m->allocatedSize;
    std::size_t fillIns = kFillInsPerRow * m->allocatedSize;
    m->nextElement = ObtainArray<SparseElement>(m, elements, SparseElement{});
    m->nextFillIn = ObtainArray<SparseElement>(m, fillIns, SparseElement{});
    if (!m->nextElement || !m->nextFillIn) {
        return false;
    }
    m->elementsLeft = static_cast<int>(elements);
    m->fillInsLeft = static_cast<int>(fillIns);
    return true;
}

}  // namespace

void* SparseObtainBlock(SparseMatrix* m, std::size_t bytes) {
    if (!ReserveRecord(m)) {
        return nullptr;
    }
    void* block = Obtain(bytes);
    if (block == nullptr) {
        return nullptr;
    }
    m->allocationList[kRecordSlots - m->allocationSlotsLeft] = block;
    --m->allocationSlotsLeft;
    return block;
}

void* SparseObtainScratch(std::size_t bytes) {
    return Obtain(bytes);
}

void SparseReleaseScratch(void* block) {
    std::free(block);
}

SparseElement* SparseGetElement(SparseMatrix* m) {
    if (m->elementsLeft == 0) {
        SparseElement* block = ObtainArray<SparseElement>(m, kElementBlock, SparseElement{});
        if (block == nullptr) {
            return nullptr;
        }
        m->nextElement = block;
        m->elementsLeft = kElementBlock;
    }
    --m->elementsLeft;
    return m->nextElement++;
}

SparseElement* SparseGetFillIn(SparseMatrix* m) {
    if (m->fillInsLeft == 0) {
        return SparseGetElement(m);
    }
    --m->fillInsLeft;
    return m->nextFillIn++;
}

bool SparseAllocateInternalVectors(SparseMatrix* m) {
    std::size_t slots = m->allocatedSize + 1;
    m->markowitzRow = ObtainArray<int>(m, slots, 0);
    m->markowitzColumn = ObtainArray<int>(m, slots, 0);
    m->markowitzProduct = ObtainArray<int>(m, slots + 1, 0);
    m->realDirect = ObtainArray<bool>(m, slots, false);
    m->intermediate = ObtainArray<double>(m, slots, 0.0);
    m->columnScatter = ObtainArray<SparseElement*>(m, slots, nullptr);
    m->lastAbove = ObtainArray<SparseElement*>(m, slots, nullptr);
    m->elementList = ObtainArray<SparseElement*>(m, slots, nullptr);
    m->columnLargest = ObtainArray<double>(m, slots, 0.0);
    m->columnLargestAt = ObtainArray<SparseElement*>(m, slots, nullptr);
    m->columnSecond = ObtainArray<double>(m, slots, 0.0);
    m->columnStale = ObtainArray<bool>(m, slots, true);
    bool lanesObtained = true;
    for (SparseElement**& lane : m->updatedBy) {
        lane = ObtainArray<SparseElement*>(m, slots, nullptr);
        lanesObtained = lanesObtained && lane != nullptr;
    }
    m->internalVectorsAllocated =
        m->markowitzRow && m->markowitzColumn && m->markowitzProduct && m->realDirect &&
        m->intermediate && m->columnScatter && m->lastAbove && m->elementList && m->columnLargest &&
        m->columnLargestAt && m->columnSecond && m->columnStale && lanesObtained;
    return m->internalVectorsAllocated;
}

SparseMatrix* SparseCreate(int n, int complex, int* error) {
    if (n <= 0 || complex != 0) {
        *error = kSparseBadArgument;
        return nullptr;
    }
    SparseMatrix* m = static_cast<SparseMatrix*>(Obtain(sizeof(SparseMatrix)));
    if (m == nullptr) {
        *error = kSparseNoMemory;
        return nullptr;
    }
    *m = SparseMatrix{};
    m->size = n;
    m->allocatedSize = std::max(n, kMinimumAllocatedSize);
    m->relativeThreshold = 0.001;
    m->absoluteThreshold = 0.0;
    m->needsOrdering = true;
    m->denseTrailingSize = kSparseDenseTrailingSize;
    m->error = kSparseOk;
    if (!AllocateStructure(m)) {
        SparseDestroy(m);
        *error = kSparseNoMemory;
        return nullptr;
    }
    *error = kSparseOk;
    return m;
}

void SparseDestroy(SparseMatrix* m) {
    if (m == nullptr) {
        return;
    }
    SparseReleaseSolveArrays(m);
    void** records = m->allocationList;
    while (records != nullptr) {
        for (int slot = 1; slot < kRecordSlots; ++slot) {
            std::free(records[slot]);
        }
        void** previous = static_cast<void**>(records[0]);
        std::free(records);
        records = previous;
    }
    std::free(m);
}

void SparseFailNthAllocation(int nth) {
    failCountdown = nth > 0 ? nth : 0;
}
