#include "persona/velmora_event.h"

#include "persona/velmora_group_list.h"

void VELMORA_EVENT::draw_text(int32_t group_id) {
    video_clip.reset();
    text_message.reset();
    if (db != nullptr) {
        text_message = db->random_text(VELMORA_GROUP_LIST::instance().group_name(group_id));
    }
}

void VELMORA_EVENT::draw_clip(int32_t group_id) {
    video_clip.reset();
    text_message.reset();
    if (db == nullptr) {
        return;
    }
    video_clip = db->random_clip(VELMORA_GROUP_LIST::instance().group_name(group_id));
    text_message = db->text_along_last_path();
    if (text_message && text_message->is_blank()) {
        text_message.reset();
    }
}

void VELMORA_EVENT::draw_nogame() {
    video_clip.reset();
    text_message.reset();
    if (db != nullptr) {
        video_clip = db->random_clip(VELMORA_GROUP_LIST::instance().group_name(group_nogame));
    }
}
