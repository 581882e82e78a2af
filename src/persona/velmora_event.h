// One thing that happened in the game or the user interface and that the character reacts to.
// The persona queues events by priority (smaller numbers are more important) and, when a
// reaction is due, executes one: it draws a clip and a text from the persona data base into
// video_clip and text_message. Events carry plain values only, so the application can raise them
// without any window around. An event without a data base draws nothing.
#pragma once

#include "persona/velmora_clip.h"
#include "persona/velmora_db.h"
#include "persona/velmora_group_constants.h"
#include "persona/velmora_text.h"

#include <cstdint>
#include <optional>

class VELMORA_EVENT : public VELMORA_GROUP_CONSTANTS {
  public:
    std::optional<VELMORA_TEXT> text_message;
    std::optional<VELMORA_CLIP> video_clip;
    VELMORA_DB* db = nullptr;
    bool velmora_showing = false;
    int32_t score = 0;

    virtual ~VELMORA_EVENT() = default;

    // Draws the clip and the text.
    virtual void execute() = 0;
    virtual int32_t priority() const { return 1; }
    // False: refused while the persona's current event is of the same class.
    virtual bool always_accepted() const { return true; }

  protected:
    VELMORA_EVENT() = default;

    // Text only: a text from the group, no clip.
    void draw_text(int32_t group_id);
    // A clip from the group, then the text of the most specific group the clip came through;
    // a text of only empty lines counts as none.
    void draw_clip(int32_t group_id);
    // The character is not at the board: a clip of her empty place, no text.
    void draw_nogame();
};
