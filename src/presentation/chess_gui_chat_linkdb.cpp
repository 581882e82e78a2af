#include "presentation/chess_gui_chat_linkdb.h"

void CHESS_GUI_CHAT_LINKDB::add(const CHESS_LINK_DATA& link_data, int32_t start_position,
                                int32_t end_position) {
    items_.push_back({link_data, start_position, end_position});
}

std::optional<CHESS_GUI_CHAT_LINKDB_ITEM> CHESS_GUI_CHAT_LINKDB::find(int32_t position) const {
    for (const CHESS_GUI_CHAT_LINKDB_ITEM& item : items_) {
        if (position >= item.start_position && position < item.end_position) {
            return item;
        }
    }
    return std::nullopt;
}
