// What a clickable chat phrase leads to. The chat pane keeps links of this kind for its link
// ranges and hands the clicked one back to the application; the concrete kind is CHESS_LINK_DATA.
#pragma once

class CHESS_GUI_CHAT_LINK {
  public:
    virtual ~CHESS_GUI_CHAT_LINK() = default;

  protected:
    CHESS_GUI_CHAT_LINK() = default;
    CHESS_GUI_CHAT_LINK(const CHESS_GUI_CHAT_LINK&) = default;
    CHESS_GUI_CHAT_LINK& operator=(const CHESS_GUI_CHAT_LINK&) = default;
};
