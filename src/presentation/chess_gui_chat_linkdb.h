// The links currently in the chat pane: each with its target and the range of character positions
// it occupies in the pane's text, from start_position up to, not including, end_position. Text is
// only ever appended to the pane, so the ranges never move once recorded.
#pragma once

#include "persona/chess_link_data.h"

#include <cstdint>
#include <optional>
#include <vector>

struct CHESS_GUI_CHAT_LINKDB_ITEM {
    CHESS_LINK_DATA link_data;
    int32_t start_position = 0;
    int32_t end_position = 0;
};

class CHESS_GUI_CHAT_LINKDB {
  public:
    void add(const CHESS_LINK_DATA& link_data, int32_t start_position, int32_t end_position);
    // The first link whose range holds the character position.
    std::optional<CHESS_GUI_CHAT_LINKDB_ITEM> find(int32_t position) const;
    const std::vector<CHESS_GUI_CHAT_LINKDB_ITEM>& items() const { return items_; }

  private:
    std::vector<CHESS_GUI_CHAT_LINKDB_ITEM> items_;
};
