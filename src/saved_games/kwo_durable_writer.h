// Replaces a file so that a crash, a kill or a power cut at any moment leaves either the old
// content or the complete new content, never a mixture, an empty file or no file. The text goes
// to a fresh temporary file in the target's folder, which is flushed to the disk and then renamed
// over the target; the folder is flushed last, so the rename itself survives a power cut. An
// existing target keeps its permissions; a symbolic link is followed, so the link stays a link
// and the file it points at is replaced. Any failure leaves the old file whole, removes the
// temporary file, and is reported through failed and error_message.
#pragma once

#include <string>
#include <string_view>

class KWO_DURABLE_WRITER {
  public:
    explicit KWO_DURABLE_WRITER(std::string filename) : filename_(std::move(filename)) {}

    // Replaces the file's content with content.
    void write(std::string_view content);

    const std::string& filename() const { return filename_; }
    bool failed() const { return failed_; }
    // The file and the reason of the failure; empty when nothing failed.
    const std::string& error_message() const { return error_message_; }

  private:
    bool replace(const std::string& target, std::string_view content);
    bool fail(const std::string& reason);

    std::string filename_;
    std::string error_message_;
    bool failed_ = false;
};
