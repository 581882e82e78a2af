#include "persona/velmora.h"

#include "persona/velmora_group_list.h"

#include <algorithm>

VELMORA::VELMORA(const std::string& filename) : db_(filename) {
    if (db_.failed()) {
        failed_ = true;
        error_message_ = db_.error_message();
        return;
    }
    validate_groups();
}

// The first pre-defined group, in identifier order, that is missing or lacks its required kind.
// An optional group left out is no fault.
void VELMORA::validate_groups() {
    for (const VELMORA_GROUP_INFO& info : VELMORA_GROUP_LIST::instance().items()) {
        const VELMORA_DB_GROUP* group = db_.group(info.group_name);
        const std::string name = "Pre-defined group '" + info.group_name + "'";
        if (group == nullptr && info.optional) {
            continue;
        }
        if (group == nullptr) {
            error_message_ = name + " does not exist";
        } else if (info.requires_text && !group->has_text()) {
            error_message_ = name + " missing required text";
        } else if (info.requires_clips && !group->has_clips()) {
            error_message_ = name + " missing required clips";
        } else {
            continue;
        }
        failed_ = true;
        return;
    }
}

bool VELMORA::accept(VELMORA_EVENT& event) {
    const bool refused =
        !event.always_accepted() && current_event_ && current_event_->is_same_kind(event);
    if (refused || is_waiting(event)) {
        return false;
    }
    const int32_t priority = event.priority();
    std::erase_if(queue_,
                  [priority](const VELMORA_EVENT& queued) { return queued.priority() > priority; });
    event.velmora_showing = showing_;
    event.score = score_;
    event.db = &db_;
    return true;
}

// A webcam reaction is about the switch position it was raised for: one already waiting for the
// same position is enough, and one for the other position has gone stale when its turn comes.
bool VELMORA::is_waiting(const VELMORA_EVENT& event) const {
    return follows_webcam(event) &&
           std::any_of(queue_.begin(), queue_.end(), [&event](const VELMORA_EVENT& queued) {
               return queued.group_id() == event.group_id();
           });
}

bool VELMORA::is_stale(const VELMORA_EVENT& event) const {
    return follows_webcam(event) && (event.group_id() == group_webcam_on) != webcam_on_;
}

bool VELMORA::follows_webcam(const VELMORA_EVENT& event) {
    return event.group_id() == group_webcam_on || event.group_id() == group_webcam_off;
}

bool VELMORA::add(VELMORA_EVENT event) {
    if (!accept(event)) {
        return false;
    }
    queue_.push_back(std::move(event));
    return true;
}

bool VELMORA::add_first(VELMORA_EVENT event) {
    if (!accept(event)) {
        return false;
    }
    queue_.push_front(std::move(event));
    return true;
}

void VELMORA::next() {
    do {
        if (queue_.empty()) {
            add(VELMORA_EVENT("general_behavior"));
        }
        current_event_ = std::move(queue_.front());
        queue_.pop_front();
    } while (is_stale(*current_event_));
    current_event_->execute();
    video_clip_ = current_event_->video_clip;
    text_message_ = current_event_->text_message;
}

void VELMORA::execute_now(VELMORA_EVENT& event) {
    event.velmora_showing = showing_;
    event.score = score_;
    event.db = &db_;
    event.execute();
}
