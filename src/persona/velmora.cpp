#include "persona/velmora.h"

#include "persona/velmora_event_default.h"
#include "persona/velmora_group_list.h"

#include <algorithm>
#include <typeinfo>

VELMORA::VELMORA(const std::string& filename) : db_(filename) {
    if (db_.failed()) {
        failed_ = true;
        error_message_ = db_.error_message();
        return;
    }
    validate_groups();
}

// The first pre-defined group, in identifier order, that is missing or lacks its required kind.
void VELMORA::validate_groups() {
    for (const VELMORA_GROUP_INFO& info : VELMORA_GROUP_LIST::instance().items()) {
        const VELMORA_DB_GROUP* group = db_.group(info.group_name);
        const std::string name = "Pre-defined group '" + info.group_name + "'";
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
    if (!event.always_accepted() && current_event_ && typeid(*current_event_) == typeid(event)) {
        return false;
    }
    const int32_t priority = event.priority();
    std::erase_if(queue_, [priority](const std::unique_ptr<VELMORA_EVENT>& queued) {
        return queued->priority() > priority;
    });
    event.velmora_showing = showing_;
    event.score = score_;
    event.db = &db_;
    return true;
}

bool VELMORA::add(std::unique_ptr<VELMORA_EVENT> event) {
    if (!event || !accept(*event)) {
        return false;
    }
    queue_.push_back(std::move(event));
    return true;
}

bool VELMORA::add_first(std::unique_ptr<VELMORA_EVENT> event) {
    if (!event || !accept(*event)) {
        return false;
    }
    queue_.push_front(std::move(event));
    return true;
}

void VELMORA::next() {
    if (queue_.empty()) {
        add(std::make_unique<VELMORA_EVENT_DEFAULT>());
    }
    current_event_ = std::move(queue_.front());
    queue_.pop_front();
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
