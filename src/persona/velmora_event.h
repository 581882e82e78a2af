// One thing that happened in the game or the user interface and that the character reacts to,
// named by the group it draws from (a row of VELMORA_EVENT_TABLE). The persona queues events by
// priority (smaller numbers are more important) and, when a reaction is due, executes one: it
// draws a clip and a text from the persona data base into video_clip and text_message, as the
// row says the event plays. Events carry plain values only, so the application can raise them
// without any window around: the chat variables its text may use (the move reacted to, the file
// saved) travel with it, since a queued event is shown after the game has moved on. An event
// without a data base draws nothing.
#pragma once

#include "persona/velmora_chat_variables.h"
#include "persona/velmora_clip.h"
#include "persona/velmora_db.h"
#include "persona/velmora_event_table.h"
#include "persona/velmora_group_constants.h"
#include "persona/velmora_text.h"

#include <cstdint>
#include <optional>

class VELMORA_EVENT : public VELMORA_GROUP_CONSTANTS {
  public:
    std::optional<VELMORA_TEXT> text_message;
    std::optional<VELMORA_CLIP> video_clip;
    // Filled into text_message when it is shown, before the chat's own variables.
    VELMORA_CHAT_VARIABLES variables;
    VELMORA_DB* db = nullptr;
    bool velmora_showing = false;
    int32_t score = 0;

    // The event of a key, checked while compiling: VELMORA_EVENT("game_start").
    explicit VELMORA_EVENT(VELMORA_EVENT_TABLE::KEY key) : VELMORA_EVENT(key.id) {}
    // The event of a group identifier whose row raises an event.
    explicit VELMORA_EVENT(int32_t group_id);
    // The help text of a topic: topics 1 to 25 have groups of their own, any other number gets
    // the general help.
    static VELMORA_EVENT help(int32_t topic) { return VELMORA_EVENT(group_help_topic(topic)); }
    // The reaction to a move, as the application sees it after the move was played: the first
    // that holds of a check, en passant, a promotion, castling (the rules' move type numbers),
    // the captured kind (1 pawn to 5 queen; a piece code is reduced to its kind; 0 for none),
    // and a quiet move.
    static VELMORA_EVENT for_move(bool is_velmora_move, bool gives_check, int32_t move_type,
                                  int32_t captured_kind);

    int32_t group_id() const { return group_id_; }
    const VELMORA_EVENT_ROW& row() const { return VELMORA_EVENT_TABLE::row(group_id_); }
    int32_t priority() const { return row().priority; }
    // False: refused while the persona's current event is of the same kind.
    bool always_accepted() const { return row().always; }
    bool is_same_kind(const VELMORA_EVENT& other) const { return row().kind == other.row().kind; }
    bool is_velmora_move() const { return row().by == VELMORA_MOVER::velmora; }

    // Draws the clip and the text.
    void execute();

  private:
    // Text only: a text from the group, no clip.
    void draw_text(int32_t group_id);
    // A clip from the group, then the text of the most specific group the clip came through;
    // a text of only empty lines counts as none.
    void draw_clip(int32_t group_id);
    // The character is not at the board: a clip of her empty place, no text.
    void draw_nogame();
    // The default reaction's group: how the character feels about the position (the score from
    // her side: 500 and more she is winning, 900 and more clearly; -500 and less the player is,
    // -900 and less clearly).
    int32_t score_group() const;

    int32_t group_id_;
};
