#include "velmora_persona_assembler.h"

#include "saved_games/kwo_durable_writer.h"

#include <cctype>
#include <fstream>
#include <sstream>

namespace {

std::string strip(const std::string& s) {
    const char* blanks = " \t\r\n\v\f";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return "";
    }
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

// A clip name: a letter, then letters, digits and '_'. Frame numbers and time codes begin with
// a digit, so they never look like one.
bool is_clip_name(const std::string& s) {
    if (s.empty() || std::isalpha(static_cast<unsigned char>(s[0])) == 0) {
        return false;
    }
    for (const char c : s) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '_') {
            return false;
        }
    }
    return true;
}

} // namespace

VELMORA_PERSONA_ASSEMBLER::VELMORA_PERSONA_ASSEMBLER(const std::string& source,
                                                     const std::string& output,
                                                     const std::vector<VELMORA_VIDEO_CLIP>& clips)
    : source_(source), clips_(clips), used_(clips.size(), false) {
    std::ifstream in(source, std::ios::binary);
    if (!in) {
        fail("cannot read the persona source");
        return;
    }
    std::ostringstream out;
    out << "; Assembled from " << source
        << " by velmora-persona-video: edit that file, not this one.\n";
    std::string line;
    int lineno = 0;
    while (std::getline(in, line) && !failed_) {
        out << assembled_line(line, ++lineno) << '\n';
    }
    if (!failed_) {
        check_every_clip_used();
    }
    if (!failed_) {
        write(output, out.str());
    }
}

std::string VELMORA_PERSONA_ASSEMBLER::assembled_line(const std::string& line, int lineno) {
    const std::string record = strip(line);
    if (record.size() < 3 || (record[0] != 'V' && record[0] != 'v') || record[1] != ' ') {
        return line;
    }
    const std::string value = strip(record.substr(2));
    if (!is_clip_name(value)) {
        return line;
    }
    const VELMORA_VIDEO_CLIP* clip = clip_named(value);
    if (clip == nullptr) {
        fail("line " + std::to_string(lineno) + ": unknown clip '" + value + "'");
        return line;
    }
    used_[static_cast<size_t>(clip - clips_.data())] = true;
    return std::string(1, record[0]) + " " + std::to_string(clip->first_frame) + " " +
           std::to_string(clip->last_frame);
}

const VELMORA_VIDEO_CLIP* VELMORA_PERSONA_ASSEMBLER::clip_named(const std::string& name) const {
    for (const VELMORA_VIDEO_CLIP& clip : clips_) {
        if (clip.name == name) {
            return &clip;
        }
    }
    return nullptr;
}

void VELMORA_PERSONA_ASSEMBLER::check_every_clip_used() {
    for (size_t i = 0; i < clips_.size(); ++i) {
        if (!used_[i]) {
            fail("clip '" + clips_[i].name + "' is rendered but never played");
            return;
        }
    }
}

// A failed or interrupted build never leaves half a file behind.
void VELMORA_PERSONA_ASSEMBLER::write(const std::string& output, const std::string& content) {
    KWO_DURABLE_WRITER writer(output);
    writer.write(content);
    if (writer.failed()) {
        error_message_ = output + ": cannot write the persona file";
        failed_ = true;
    }
}

void VELMORA_PERSONA_ASSEMBLER::fail(const std::string& message) {
    failed_ = true;
    error_message_ = source_ + ", " + message;
}
