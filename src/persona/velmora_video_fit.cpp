#include "persona/velmora_video_fit.h"

VELMORA_VIDEO_FIT::VELMORA_VIDEO_FIT(const VELMORA_DB& db, const std::string& persona_file,
                                     const std::string& video_file, int64_t frame_count) {
    for (const VELMORA_DB_GROUP* group : db.groups_in_file_order()) {
        for (const VELMORA_CLIP& clip : group->clip_records) {
            if (clip.end_frame >= frame_count) {
                failed_ = true;
                error_message_ = persona_file + ": clip " + std::to_string(clip.start_frame) + " " +
                                 std::to_string(clip.end_frame) + " of group '" + group->name +
                                 "' ends past the last frame (" + std::to_string(frame_count - 1) +
                                 ") of " + video_file;
                return;
            }
        }
    }
}
