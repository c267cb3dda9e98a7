#include "cholesky/MinimumDegree.h"

#include <algorithm>
#include <climits>
#include <cstddef>

#include "cholesky/CholeskyBuffer.h"

namespace {

// What a vertex of the quotient graph is at a given moment.
enum Status : signed char {
    kVariable,  // not yet eliminated, and the principal vertex of its supervariable
    kMerged,    // merged into another vertex's supervariable, eliminated with it
    kElement,   // eliminated: its list holds the variables of the clique it left behind
    kAbsorbed,  // an element swallowed by a later one, whose clique contains its own
};

// The elimination. Each vertex owns one list in a shared work space: a variable's list holds its
// adjacent elements first (elementCount of them), then its adjacent variables; an element's list
// holds its variables. Entries that went stale (merged or eliminated variables, absorbed
// elements) are skipped when read and dropped when the list is rewritten.
class CMinimumDegree {
public:
    explicit CMinimumDegree(int n) : n_(n) {}
    bool Run(const int* start, const int* adjacency, int* order);

private:
    bool Setup(const int* start, const int* adjacency);
    void MergeTwins(int* candidates, int count, bool adjacentTwins);
    void Merge(int into, int from);
    // Calls reach(v) once for every live variable v other than i that shares an element or an
    // edge with i, marking each with `stamp`.
    template <typename Reach>
    void ForEachReached(int i, int stamp, Reach reach);
    int ExternalDegree(int i);
    bool Eliminate(int p);
    bool RewriteList(int i, int p, int stamp);
    // Room for `count` more entries at the end of the space, compacting it into a larger block
    // when it is short; false when memory runs out.
    bool EnsureRoom(std::size_t count);
    int NewStamp();
    void Insert(int i);
    void Remove(int i);
    int PopMinimum();

    int n_;
    CCholeskyBuffer<int> space_;
    std::size_t used_ = 0;
    CCholeskyBuffer<std::size_t> listStart_;
    CCholeskyBuffer<int> listLength_;
    CCholeskyBuffer<int> elementCount_;
    CCholeskyBuffer<signed char> status_;
    CCholeskyBuffer<int> weight_;  // unknowns in a principal vertex's supervariable
    CCholeskyBuffer<int> degree_;
    CCholeskyBuffer<int> memberNext_;  // the members of a supervariable, chained from its principal
    CCholeskyBuffer<int> memberTail_;
    CCholeskyBuffer<int> head_;  // per degree, the first variable of that degree
    CCholeskyBuffer<int> next_;
    CCholeskyBuffer<int> previous_;
    int smallestDegree_ = 0;
    CCholeskyBuffer<int> mark_;
    int stamp_ = 0;
    CCholeskyBuffer<unsigned long long> hash_;
    CCholeskyBuffer<int> scratch_;  // a list being rewritten, or candidates being sorted
};

int CMinimumDegree::NewStamp() {
    if (stamp_ == INT_MAX) {
        std::fill_n(mark_.Data(), n_, 0);
        stamp_ = 0;
    }
    return ++stamp_;
}

bool CMinimumDegree::EnsureRoom(std::size_t count) {
    if (used_ + count <= space_.Size()) {
        return true;
    }
    CCholeskyBuffer<int> larger;
    if (!larger.Allocate(std::max(2 * space_.Size(), used_ + count + n_))) {
        return false;
    }
    std::size_t at = 0;
    for (int i = 0; i < n_; ++i) {
        if (status_[i] == kVariable || status_[i] == kElement) {
            std::copy_n(space_.Data() + listStart_[i], listLength_[i], larger.Data() + at);
            listStart_[i] = at;
            at += listLength_[i];
        }
    }
    space_ = std::move(larger);
    used_ = at;
    return true;
}

bool CMinimumDegree::Setup(const int* start, const int* adjacency) {
    const std::size_t entries = static_cast<std::size_t>(start[n_]);
    const std::size_t n = static_cast<std::size_t>(n_);
    if (!space_.Allocate(entries + 2 * n + 64) || !listStart_.Allocate(n) ||
        !listLength_.Allocate(n) || !elementCount_.Allocate(n) || !status_.Allocate(n) ||
        !weight_.Allocate(n) || !degree_.Allocate(n) || !memberNext_.Allocate(n) ||
        !memberTail_.Allocate(n) || !head_.Allocate(n + 1) || !next_.Allocate(n) ||
        !previous_.Allocate(n) || !mark_.Allocate(n, true) || !hash_.Allocate(n) ||
        !scratch_.Allocate(2 * n + 1)) {
        return false;
    }
    std::copy_n(adjacency, entries, space_.Data());
    used_ = entries;
    for (int i = 0; i < n_; ++i) {
        listStart_[i] = static_cast<std::size_t>(start[i]);
        listLength_[i] = start[i + 1] - start[i];
        elementCount_[i] = 0;
        status_[i] = kVariable;
        weight_[i] = 1;
        memberNext_[i] = -1;
        memberTail_[i] = i;
    }
    std::fill_n(head_.Data(), n_ + 1, -1);
    return true;
}

void CMinimumDegree::Merge(int into, int from) {
    weight_[into] += weight_[from];
    status_[from] = kMerged;
    memberNext_[memberTail_[into]] = from;
    memberTail_[into] = memberTail_[from];
}

// Among the candidates, vertices whose lists hold the same entries are merged into the first of
// them. The candidates are sorted by a hash of their lists, so only equal hashes are compared.
// In the original graph twins are neighbours of each other (`adjacentTwins`: each must then be
// in the other's list); after an elimination their shared element stands for that edge.
void CMinimumDegree::MergeTwins(int* candidates, int count, bool adjacentTwins) {
    std::sort(candidates, candidates + count,
              [this](int a, int b) { return hash_[a] != hash_[b] ? hash_[a] < hash_[b] : a < b; });
    for (int first = 0; first < count;) {
        int last = first + 1;
        while (last < count && hash_[candidates[last]] == hash_[candidates[first]]) {
            ++last;
        }
        for (int k = first; k < last; ++k) {
            const int a = candidates[k];
            if (status_[a] != kVariable) {
                continue;
            }
            const int stamp = NewStamp();
            const int* listA = space_.Data() + listStart_[a];
            for (int e = 0; e < listLength_[a]; ++e) {
                mark_[listA[e]] = stamp;
            }
            if (adjacentTwins) {
                mark_[a] = stamp;
            }
            for (int q = k + 1; q < last; ++q) {
                const int b = candidates[q];
                if (status_[b] != kVariable || listLength_[b] != listLength_[a] ||
                    elementCount_[b] != elementCount_[a] || (adjacentTwins && mark_[b] != stamp)) {
                    continue;
                }
                const int* listB = space_.Data() + listStart_[b];
                bool same = true;
                for (int e = 0; e < listLength_[b] && same; ++e) {
                    same = mark_[listB[e]] == stamp;
                }
                if (same) {
                    Merge(a, b);
                }
            }
        }
        first = last;
    }
}

template <typename Reach>
void CMinimumDegree::ForEachReached(int i, int stamp, Reach reach) {
    mark_[i] = stamp;
    const int* list = space_.Data() + listStart_[i];
    for (int k = 0; k < listLength_[i]; ++k) {
        const int entry = list[k];
        if (k >= elementCount_[i]) {
            if (status_[entry] == kVariable && mark_[entry] != stamp) {
                mark_[entry] = stamp;
                reach(entry);
            }
            continue;
        }
        if (status_[entry] != kElement) {
            continue;
        }
        const int* clique = space_.Data() + listStart_[entry];
        for (int c = 0; c < listLength_[entry]; ++c) {
            const int v = clique[c];
            if (status_[v] == kVariable && mark_[v] != stamp) {
                mark_[v] = stamp;
                reach(v);
            }
        }
    }
}

// Unknowns other than i's own that share an element or an edge with i.
int CMinimumDegree::ExternalDegree(int i) {
    int degree = 0;
    ForEachReached(i, NewStamp(), [&](int v) { degree += weight_[v]; });
    return degree;
}

void CMinimumDegree::Insert(int i) {
    const int d = degree_[i];
    next_[i] = head_[d];
    previous_[i] = -1;
    if (head_[d] >= 0) {
        previous_[head_[d]] = i;
    }
    head_[d] = i;
    smallestDegree_ = std::min(smallestDegree_, d);
}

void CMinimumDegree::Remove(int i) {
    if (previous_[i] >= 0) {
        next_[previous_[i]] = next_[i];
    } else {
        head_[degree_[i]] = next_[i];
    }
    if (next_[i] >= 0) {
        previous_[next_[i]] = previous_[i];
    }
}

int CMinimumDegree::PopMinimum() {
    while (head_[smallestDegree_] < 0) {
        ++smallestDegree_;
    }
    const int i = head_[smallestDegree_];
    Remove(i);
    return i;
}

// Variable i after the elimination of p, whose new element's variables carry `stamp`: element p
// first, then i's other live elements (those inside p's clique have been absorbed), then the
// live variables that p's clique does not already connect i with.
bool CMinimumDegree::RewriteList(int i, int p, int stamp) {
    const int length = listLength_[i];
    int* copy = scratch_.Data();
    std::copy_n(space_.Data() + listStart_[i], length, copy);
    int kept = 0;
    int* rewritten = copy + length;
    rewritten[kept++] = p;
    for (int k = 0; k < elementCount_[i]; ++k) {
        if (status_[copy[k]] == kElement && copy[k] != p) {
            rewritten[kept++] = copy[k];
        }
    }
    const int elements = kept;
    for (int k = elementCount_[i]; k < length; ++k) {
        if (status_[copy[k]] == kVariable && mark_[copy[k]] != stamp) {
            rewritten[kept++] = copy[k];
        }
    }
    if (kept > length) {  // cannot happen while the lists stay symmetric; moved to be safe
        if (!EnsureRoom(kept)) {
            return false;
        }
        listStart_[i] = used_;
        used_ += kept;
    }
    std::copy_n(rewritten, kept, space_.Data() + listStart_[i]);
    listLength_[i] = kept;
    elementCount_[i] = elements;
    return true;
}

bool CMinimumDegree::Eliminate(int p) {
    if (!EnsureRoom(static_cast<std::size_t>(n_))) {
        return false;
    }
    // p's clique: every variable p reaches, through its elements (which the new element
    // absorbs) or directly.
    const int stamp = NewStamp();
    const std::size_t cliqueStart = used_;
    int cliqueLength = 0;
    int* clique = space_.Data() + cliqueStart;
    ForEachReached(p, stamp, [&](int v) { clique[cliqueLength++] = v; });
    const int* list = space_.Data() + listStart_[p];
    for (int k = 0; k < elementCount_[p]; ++k) {
        if (status_[list[k]] == kElement) {
            status_[list[k]] = kAbsorbed;
        }
    }
    used_ += cliqueLength;
    status_[p] = kElement;
    listStart_[p] = cliqueStart;
    listLength_[p] = cliqueLength;
    elementCount_[p] = 0;

    // Rewriting a list may move every list (RewriteList): p's clique is read through its start.
    for (int k = 0; k < cliqueLength; ++k) {
        const int i = space_[listStart_[p] + k];
        Remove(i);
        if (!RewriteList(i, p, stamp)) {
            return false;
        }
    }
    int* candidates = scratch_.Data();
    for (int k = 0; k < cliqueLength; ++k) {
        const int i = space_[listStart_[p] + k];
        unsigned long long hash = 0;
        const int* entries = space_.Data() + listStart_[i];
        for (int e = 0; e < listLength_[i]; ++e) {
            hash += static_cast<unsigned long long>(entries[e]) * 2654435761ULL + 1;
        }
        hash_[i] = hash;
        candidates[k] = i;
    }
    MergeTwins(candidates, cliqueLength, false);
    for (int k = 0; k < cliqueLength; ++k) {
        const int i = space_[listStart_[p] + k];
        if (status_[i] == kVariable) {
            degree_[i] = ExternalDegree(i);
            Insert(i);
        }
    }
    return true;
}

bool CMinimumDegree::Run(const int* start, const int* adjacency, int* order) {
    if (!Setup(start, adjacency)) {
        return false;
    }
    // The unknowns of one node: the same neighbours, each other included.
    int* candidates = scratch_.Data();
    for (int i = 0; i < n_; ++i) {
        unsigned long long hash = static_cast<unsigned long long>(i) * 2654435761ULL + 1;
        for (int k = start[i]; k < start[i + 1]; ++k) {
            hash += static_cast<unsigned long long>(adjacency[k]) * 2654435761ULL + 1;
        }
        hash_[i] = hash;
        candidates[i] = i;
    }
    MergeTwins(candidates, n_, true);
    for (int i = 0; i < n_; ++i) {
        if (status_[i] == kVariable) {
            degree_[i] = ExternalDegree(i);
            Insert(i);
        }
    }
    int ordered = 0;
    while (ordered < n_) {
        const int p = PopMinimum();
        for (int member = p; member >= 0; member = memberNext_[member]) {
            order[ordered++] = member;
        }
        if (!Eliminate(p)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool CholeskyMinimumDegree(int n, const int* start, const int* adjacency, int* order) {
    CMinimumDegree ordering(n);
    return ordering.Run(start, adjacency, order);
}
