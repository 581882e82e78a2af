#include "persona/velmora_clip_range.h"

#include "persona/velmora_text_rules.h"

#include <cmath>

using R = VELMORA_TEXT_RULES;

VELMORA_CLIP_RANGE::VELMORA_CLIP_RANGE(const std::string& value) {
    const std::string range = R::replace_all(R::strip(value), '\t', ' ');
    const std::size_t blank = range.find(' ');
    if (blank == std::string::npos) {
        fail("syntax error in V-record");
        return;
    }
    if (!parse_part(R::strip(range.substr(0, blank)), true, start_frame_) ||
        !parse_part(R::strip(range.substr(blank + 1)), false, end_frame_)) {
        return;
    }
    if (start_frame_ < 0) {
        fail("start frame must be >= 0");
    } else if (end_frame_ <= start_frame_) {
        fail("end frame must be greater than start frame");
    }
}

bool VELMORA_CLIP_RANGE::parse_part(const std::string& part, bool is_start, int32_t& frame) {
    if (const auto number = R::to_integer(part)) {
        frame = *number;
        return true;
    }
    if (part.size() == 11 && part[2] == ':' && part[5] == ':' && part[8] == '.') {
        return parse_time_code(part, is_start, frame);
    }
    fail(is_start ? "start frame not a valid format" : "end frame not a valid format");
    return false;
}

bool VELMORA_CLIP_RANGE::parse_time_code(const std::string& code, bool is_start, int32_t& frame) {
    const auto hh = R::to_integer(code.substr(0, 2));
    const auto mm = R::to_integer(code.substr(3, 2));
    const auto ss = R::to_integer(code.substr(6, 2));
    const auto ff = R::to_integer(code.substr(9, 2));
    if (!hh) {
        fail("invalid HH:MM:SS.FF format (hour field)");
    } else if (!mm) {
        fail("invalid HH:MM:SS.FF format (minute field)");
    } else if (!ss) {
        fail("invalid HH:MM:SS.FF format (second field)");
    } else if (!ff) {
        fail("invalid HH:MM:SS.FF format (frame field)");
    } else if (*hh > 59 || *mm > 59 || *ss > 59 || *ff > 30) {
        fail("range error in HH:MM:SS.FF");
    }
    if (failed_) {
        return false;
    }
    // Video frames at 5 per second from time-code frames at 29.97 per second.
    const double f = static_cast<double>(*ff) * 0.033366700033366704 * 5.0;
    const int32_t whole = 18000 * *hh + 300 * *mm + 5 * *ss;
    frame = is_start ? whole + static_cast<int32_t>(std::ceil(f)) + 1
                     : whole + static_cast<int32_t>(std::floor(f)) - 1;
    return true;
}

void VELMORA_CLIP_RANGE::fail(const std::string& message) {
    failed_ = true;
    error_message_ = message;
}
