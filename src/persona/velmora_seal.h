// Seals a persona data file after an edit: recomputes the line checksum and rewrites the
// M-record so that the magic number check passes, keeping the free characters 1, 4, 5 and 8 of
// a valid magic number already there. A file without M-record gets one as its first line. Every
// other byte of the file stays as it was, and the file is replaced through the durable writer, so
// a failed seal or a crash never leaves a half-written file. A file with any other fault is not
// touched; the fault is reported as the loader reports it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class VELMORA_SEAL {
  public:
    explicit VELMORA_SEAL(const std::string& filename);

    bool failed() const { return failed_; }
    const std::string& error_message() const { return error_message_; }
    // The magic number written.
    const std::string& magic_number() const { return magic_number_; }

    // The magic number for a checksum: its last four digits go to characters 6, 7, 2 and 3; the
    // other characters come from old when old is a valid magic number, else they are '0'.
    static std::string sealed_magic(const std::optional<std::string>& old, int32_t checksum);
    // The file's bytes with line lineno (1-based) replaced by record, or record inserted as the
    // first line when lineno is 0. Line ends are kept as the file has them.
    static std::string with_magic_line(const std::string& content, int32_t lineno,
                                       const std::string& record);

  private:
    bool write(const std::string& filename, const std::string& content);

    bool failed_ = false;
    std::string error_message_;
    std::string magic_number_;
};
