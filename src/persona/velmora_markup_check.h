// The checks a text line of the persona data file must pass before it is stored: group
// references, '$' variables, links and bold, tested in that order with the first failure
// reported. Texts that pass can be drawn and turned into chat phrases without further checks:
// every reference names an earlier group with text, every link and bold pair is closed.
#pragma once

#include "persona/velmora_db_group.h"

#include <optional>
#include <string>

class VELMORA_MARKUP_CHECK {
  public:
    // The message of the first failure, or none when the text is sound. References are looked up
    // in groups, the groups completed so far.
    static std::optional<std::string> check(const std::string& text,
                                            const VELMORA_DB_GROUP_TABLE& groups);

  private:
    static std::optional<std::string> check_references(const std::string& text,
                                                       const VELMORA_DB_GROUP_TABLE& groups);
    static std::optional<std::string> check_variables(const std::string& text);
    static std::optional<std::string> check_links(const std::string& text);
    static std::optional<std::string> check_link_content(const std::string& content);
    static std::optional<std::string> check_bold(const std::string& text);
};
