// Generation, make and unmake allocate nothing once the move queues have grown: the search
// runs millions of nodes a second and a heap call per node would dominate it. This file replaces
// the global allocation functions to count every heap allocation of the test program.
#include "rules/chess_move_history.h"
#include "rules/chess_movgen.h"
#include "rules/chess_perft.h"
#include "rules_test_support.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {

std::atomic<long> allocations{0};

void* counted_allocation(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}

void* counted_aligned_allocation(std::size_t size, std::align_val_t alignment) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + align - 1) / align * align;
    return std::aligned_alloc(align, rounded == 0 ? align : rounded);
}

} // namespace

void* operator new(std::size_t size) {
    if (void* p = counted_allocation(size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return counted_allocation(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return counted_allocation(size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    if (void* p = counted_aligned_allocation(size, alignment)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return operator new(size, alignment);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return counted_aligned_allocation(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return counted_aligned_allocation(size, alignment);
}
// These are the deallocation functions that match the allocation functions above, but once GCC
// inlines them it only sees a pointer from operator new reaching free.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

namespace {

long allocations_now() {
    return allocations.load(std::memory_order_relaxed);
}

const char* const positions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
};

TEST(NoAllocation, TheCounterSeesHeapAllocations) {
    const long before = allocations_now();
    void* p = ::operator new(64);
    ::operator delete(p);
    EXPECT_EQ(allocations_now() - before, 1);
}

TEST(NoAllocation, SecondPerftAllocatesNothing) {
    std::vector<CHESS_POSITION> boards;
    for (const char* fen : positions) {
        boards.push_back(position_from_fen(fen));
    }
    CHESS_PERFT perft;
    std::vector<int64_t> warm_up;
    for (CHESS_POSITION& board : boards) {
        warm_up.push_back(perft.count(board, 3));
    }
    std::vector<int64_t> again(boards.size());
    const long before = allocations_now();
    for (size_t i = 0; i < boards.size(); ++i) {
        again[i] = perft.count(boards[i], 3);
    }
    const long during = allocations_now() - before;
    EXPECT_EQ(during, 0) << "heap allocations during the second perft";
    EXPECT_EQ(again, warm_up);
}

// The search's own generators: with history, with a killer and a best move, and captures only.
TEST(NoAllocation, OrderedAndCapturesOnlyGeneratorsAllocateNothingOnceGrown) {
    CHESS_MOVE_HISTORY history;
    CHESS_MOVGEN ordered = CHESS_MOVGEN::make_with_history(&history);
    CHESS_MOVGEN captures = CHESS_MOVGEN::make_captures_only();
    std::vector<CHESS_POSITION> boards;
    for (const char* fen : positions) {
        boards.push_back(position_from_fen(fen));
    }
    auto run = [&] {
        int64_t made = 0;
        for (CHESS_POSITION& board : boards) {
            for (CHESS_MOVGEN* generator : {&ordered, &captures}) {
                generator->start(board);
                CHESS_MOVE first = generator->item();
                for (; generator->has_item(); generator->forth()) {
                    generator->make_item();
                    ++made;
                    history.add(generator->item(), 2);
                    generator->unmake_item();
                }
                generator->set_killer(first);
                generator->set_best_move(first);
            }
        }
        return made;
    };
    const int64_t warm_up = run();
    const long before = allocations_now();
    const int64_t made = run();
    EXPECT_EQ(allocations_now() - before, 0);
    EXPECT_EQ(made, warm_up);
    EXPECT_GT(made, 0);
}

} // namespace
