// Turns persona texts into chat sentences: '$' variables filled from the event's own variables
// and the chat variable table,
// '*' bold and '<' '>' links split into phrases, and the character's nickname in front of the
// first line she speaks. It also gives the menu answers (about, help, save, ...) by executing
// their persona events at once. Variable values are shown as plain text, never as markup, so a
// nickname or file name can never turn into a live link. Conversion never fails.
#pragma once

#include "persona/chess_gui_chat_sentence.h"
#include "persona/velmora.h"
#include "persona/velmora_chat_variables.h"
#include "persona/velmora_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The search figures the statistics answer shows, as the search engine reports them.
struct CHAT_STATISTICS_VALUES {
    // A rate is shown only when the search took measurable time.
    std::optional<int64_t> nodes_per_second;
    std::optional<int64_t> last_nps;
    int64_t last_node_count = 0;
    int64_t total_hash_slots = 0;
    int64_t hash_slots_used = 0;
    int64_t total_hash_collisions = 0;
    int64_t total_hash_lookups = 0;
    std::string best_sequence;
};

class CHAT_TEXT_UTILITIES {
  public:
    explicit CHAT_TEXT_UTILITIES(VELMORA& velmora) : velmora_(velmora) {}

    // One sentence per line; the character's first line starts with her nickname in bold. The
    // own variables (those of the event the text was drawn for) come before the table's.
    std::vector<CHESS_GUI_CHAT_SENTENCE>
    velmora_sentences(const VELMORA_TEXT& text, const VELMORA_CHAT_VARIABLES& own = {}) const;
    std::vector<CHESS_GUI_CHAT_SENTENCE>
    system_sentences(const VELMORA_TEXT& text, const VELMORA_CHAT_VARIABLES& own = {}) const;

    // Variable names are case-insensitive.
    void set_variable(const std::string& name, const std::string& value);
    std::optional<std::string> variable(const std::string& name) const;
    void remove_variable(const std::string& name);

    // The menu answers: each executes its event at once and answers the text as system
    // sentences, filled with the event's own variables. An event without text answers no
    // sentences.
    std::vector<CHESS_GUI_CHAT_SENTENCE> about();
    std::vector<CHESS_GUI_CHAT_SENTENCE> save(const std::string& file_name);
    std::vector<CHESS_GUI_CHAT_SENTENCE> save_error(const std::string& message);
    std::vector<CHESS_GUI_CHAT_SENTENCE> load(const std::string& file_name);
    std::vector<CHESS_GUI_CHAT_SENTENCE> load_error(const std::string& message);
    std::vector<CHESS_GUI_CHAT_SENTENCE> resign_confirmation();
    std::vector<CHESS_GUI_CHAT_SENTENCE> hint_before();
    std::vector<CHESS_GUI_CHAT_SENTENCE> hint_after(const std::string& move_text);
    std::vector<CHESS_GUI_CHAT_SENTENCE> statistics(const CHAT_STATISTICS_VALUES& statistics,
                                                    const std::string& skill_text);
    std::vector<CHESS_GUI_CHAT_SENTENCE> change_nickname(const std::string& old_nickname,
                                                         const std::string& new_nickname);
    std::vector<CHESS_GUI_CHAT_SENTENCE> start_help();
    std::vector<CHESS_GUI_CHAT_SENTENCE> help(int32_t topic);

    // The topic of a link identifier "HELP" (topic 0) or "HELP" and 1 to 9 decimal digits; none
    // for anything else, which the application reports as an invalid help topic.
    static std::optional<int32_t> help_topic(const std::string& identifier);

  private:
    std::vector<CHESS_GUI_CHAT_SENTENCE> sentences(const VELMORA_TEXT& text, bool velmora,
                                                   const VELMORA_CHAT_VARIABLES& own) const;
    // Splits the line at its markup, then fills the variables into the phrases' texts.
    void add_phrases(CHESS_GUI_CHAT_SENTENCE& sentence, const std::string& line,
                     const VELMORA_CHAT_VARIABLES& own) const;
    void add_link(CHESS_GUI_CHAT_SENTENCE& sentence, const std::string& content,
                  const VELMORA_CHAT_VARIABLES& own) const;
    std::string substitute(const std::string& text, const VELMORA_CHAT_VARIABLES& own) const;
    std::vector<CHESS_GUI_CHAT_SENTENCE> answer(VELMORA_EVENT event,
                                                VELMORA_CHAT_VARIABLES variables = {});

    VELMORA& velmora_;
    VELMORA_CHAT_VARIABLES symbols_;
};
