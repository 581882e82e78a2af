// Fuzz target: the persona data file, loaded as the program loads it and as the sealer does, then
// every group it names drawn from (texts with their references expanded, clips, the path
// fallback) and every drawn text turned into chat sentences with variables that look like markup.
// Checks: nothing crashes or hangs, a drawn line stays within the expansion cap, and no link
// ever takes its identifier from a variable's value.
#include "fuzz_input_file.h"
#include "persona/chat_text_utilities.h"
#include "persona/velmora.h"
#include "persona/velmora_db.h"
#include "persona/velmora_group_list.h"
#include "persona/velmora_text_rules.h"

#include <cstdlib>
#include <set>
#include <sstream>

namespace {

constexpr std::size_t max_groups_drawn = 128;
const std::string injected = "INJECTED";

// The pre-defined groups and every "[name]" header of the input.
std::set<std::string> group_names(const std::string& input) {
    std::set<std::string> names;
    for (const VELMORA_GROUP_INFO& info : VELMORA_GROUP_LIST::instance().items()) {
        names.insert(info.group_name);
    }
    std::istringstream lines(input);
    for (std::string line; std::getline(lines, line) && names.size() < max_groups_drawn;) {
        line = VELMORA_TEXT_RULES::strip(line);
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            names.insert(line.substr(1, line.size() - 2));
        }
    }
    return names;
}

void check_sentences(const std::vector<CHESS_GUI_CHAT_SENTENCE>& sentences) {
    for (const CHESS_GUI_CHAT_SENTENCE& sentence : sentences) {
        for (const CHESS_GUI_CHAT_PHRASE& phrase : sentence.phrases) {
            if (phrase.is_link && phrase.link_data->identifier &&
                phrase.link_data->identifier->find(injected) != std::string::npos) {
                std::abort(); // a variable's value became a live link
            }
        }
    }
}

void check_text(const std::optional<VELMORA_TEXT>& text, const CHAT_TEXT_UTILITIES& chat) {
    if (!text) {
        return;
    }
    for (const std::string& line : text->lines) {
        if (line.size() > VELMORA_DB::max_expanded_line) {
            std::abort();
        }
    }
    check_sentences(chat.velmora_sentences(*text));
    check_sentences(chat.system_sentences(*text));
}

void draw_everything(VELMORA_DB& db, const std::set<std::string>& names,
                     const CHAT_TEXT_UTILITIES& chat) {
    db.seed(12345);
    for (const std::string& name : names) {
        check_text(db.random_text(name), chat);
        check_text(db.text_along_last_path(), chat);
        if (const std::optional<VELMORA_CLIP> clip = db.random_clip(name)) {
            check_text(db.text_along_last_path(), chat);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FUZZ_INPUT_FILE file(".dat");
    const std::string& path = file.hold(data, size);
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::set<std::string> names = group_names(input);

    VELMORA velmora(path);
    CHAT_TEXT_UTILITIES chat(velmora);
    chat.set_variable("player", "<" + injected + "|x>*<y|" + injected + ">");
    chat.set_variable("hint", "]<" + injected + ">[$player");
    if (!velmora.failed()) {
        draw_everything(velmora.db(), names, chat);
        for (int32_t topic = 0; topic <= 26; topic += 13) {
            check_sentences(chat.help(topic));
        }
        check_sentences(chat.hint_after("e2-e4<" + injected + "|x>"));
        check_sentences(chat.save("|" + injected + ">"));
        for (int i = 0; i < 8; ++i) {
            velmora.next();
            check_text(velmora.text_message(), chat);
        }
    }
    // The sealer's reading skips the magic number, so unsealed inputs get drawn from too.
    VELMORA_DB unsealed(path, true);
    if (!unsealed.failed()) {
        draw_everything(unsealed, names, chat);
    }
    return 0;
}
