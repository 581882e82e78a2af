#include "persona/velmora_seal.h"

#include "persona/velmora_db.h"
#include "persona/velmora_text_rules.h"
#include "saved_games/kwo_durable_writer.h"

#include <filesystem>
#include <fstream>
#include <iterator>

VELMORA_SEAL::VELMORA_SEAL(const std::string& filename) {
    const VELMORA_DB db(filename, true);
    if (db.failed()) {
        failed_ = true;
        error_message_ = db.error_message();
        return;
    }
    magic_number_ = sealed_magic(db.magic_number(), db.checksum());
    std::ifstream in(std::filesystem::path(filename), std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) {
        failed_ = true;
        error_message_ = "Cannot read: " + filename;
        return;
    }
    if (!write(filename, with_magic_line(content, db.magic_lineno(), "M " + magic_number_))) {
        failed_ = true;
        error_message_ = "Cannot write: " + filename;
    }
}

std::string VELMORA_SEAL::sealed_magic(const std::optional<std::string>& old, int32_t checksum) {
    std::string magic = "00000000";
    if (old && old->size() == 8 && VELMORA_TEXT_RULES::to_integer(*old)) {
        magic = *old;
    }
    const std::string digits = std::to_string(10000 + checksum % 10000).substr(1);
    magic[5] = digits[0];
    magic[6] = digits[1];
    magic[1] = digits[2];
    magic[2] = digits[3];
    return magic;
}

std::string VELMORA_SEAL::with_magic_line(const std::string& content, int32_t lineno,
                                          const std::string& record) {
    if (lineno == 0) {
        const std::size_t first_end = content.find('\n');
        const bool crlf =
            first_end != std::string::npos && first_end > 0 && content[first_end - 1] == '\r';
        return record + (crlf ? "\r\n" : "\n") + content;
    }
    std::size_t start = 0;
    for (int32_t line = 1; line < lineno; ++line) {
        const std::size_t end_of_line = content.find('\n', start);
        if (end_of_line == std::string::npos) {
            return with_magic_line(content, 0, record);
        }
        start = end_of_line + 1;
    }
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) {
        end = content.size();
    }
    if (end > start && content[end - 1] == '\r') {
        --end;
    }
    return content.substr(0, start) + record + content.substr(end);
}

bool VELMORA_SEAL::write(const std::string& filename, const std::string& content) {
    KWO_DURABLE_WRITER writer(filename);
    writer.write(content);
    return !writer.failed();
}
