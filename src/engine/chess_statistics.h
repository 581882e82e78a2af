// What the search engine reports after each search (and after a reset): the best line as text,
// node rates, the node count and how the transposition table is used.
#pragma once

#include <cstdint>
#include <string>

struct CHESS_STATISTICS {
    std::string best_sequence;
    int32_t nodes_per_second = 0; // average over all searches since the reset
    int32_t last_nps = 0;
    // Whether the time the rates are taken over was long enough to measure; a rate that was not
    // measured is 0.
    bool nodes_per_second_measured = false;
    bool last_nps_measured = false;
    int64_t last_node_count = 0;
    int32_t total_hash_slots = 0;
    int64_t hash_slots_used = 0;
    int64_t total_hash_collisions = 0;
    int64_t total_hash_lookups = 0;
};
