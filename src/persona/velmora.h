// The persona: the character the player plays against. It loads and validates the persona data
// file, keeps the game events handed to it in a queue pruned by priority, and on request turns
// the next event into a reaction: a clip to play and a text to say. It also knows the webcam
// switch, so that a reaction to the switch never outlives the position it was raised for. A
// failed load is reported through failed() and error_message() and leaves a persona that draws
// nothing.
#pragma once

#include "persona/velmora_clip.h"
#include "persona/velmora_db.h"
#include "persona/velmora_event.h"
#include "persona/velmora_group_constants.h"
#include "persona/velmora_text.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

class VELMORA : public VELMORA_GROUP_CONSTANTS {
  public:
    // Loads the data file and checks that every pre-defined group holds what it must.
    explicit VELMORA(const std::string& filename);

    bool failed() const { return failed_; }
    const std::string& error_message() const { return error_message_; }

    // Offers an event for the end (add) or the front (add_first) of the queue. An event that is
    // not always accepted is refused while the current event has its kind, and a webcam
    // reaction while one for the same switch position is waiting; an accepted event removes
    // every queued event less important than itself. Answers whether it was queued.
    bool add(VELMORA_EVENT event);
    bool add_first(VELMORA_EVENT event);
    // Takes the next event (the default reaction when none is queued), makes it current and
    // executes it; video_clip and text_message hold the result. A webcam reaction whose switch
    // position no longer holds is passed over.
    void next();
    // Executes the event at once, outside the queue, leaving the queue and the current reaction
    // as they were; the caller reads the event's own results.
    void execute_now(VELMORA_EVENT& event);

    const std::optional<VELMORA_CLIP>& video_clip() const { return video_clip_; }
    const std::optional<VELMORA_TEXT>& text_message() const { return text_message_; }
    const VELMORA_EVENT* current_event() const {
        return current_event_ ? &*current_event_ : nullptr;
    }

    bool showing() const { return showing_; }
    void set_showing(bool showing) { showing_ = showing; }
    int32_t score() const { return score_; }
    void set_score(int32_t score) { score_ = score; }
    void set_webcam_on(bool webcam_on) { webcam_on_ = webcam_on; }

    // The data file's N-record (empty when loading failed) and D-record.
    std::string nickname() const { return db_.nickname().value_or(""); }
    bool debug_mode() const { return db_.debug_mode(); }
    VELMORA_DB& db() { return db_; }
    const VELMORA_DB& db() const { return db_; }

  private:
    void validate_groups();
    bool accept(VELMORA_EVENT& event);
    bool is_waiting(const VELMORA_EVENT& event) const;
    bool is_stale(const VELMORA_EVENT& event) const;
    static bool follows_webcam(const VELMORA_EVENT& event);

    VELMORA_DB db_;
    bool failed_ = false;
    std::string error_message_;
    std::deque<VELMORA_EVENT> queue_;
    std::optional<VELMORA_EVENT> current_event_;
    std::optional<VELMORA_CLIP> video_clip_;
    std::optional<VELMORA_TEXT> text_message_;
    bool showing_ = false;
    int32_t score_ = 0;
    bool webcam_on_ = false;
};
