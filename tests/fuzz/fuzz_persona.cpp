// Fuzz target: the persona data file, loaded as the program loads it and as the sealer does, then
// every group it names drawn from (texts with their references expanded, clips, the path
// fallback) and every drawn text turned into chat sentences with variables that look like markup.
// Checks: nothing crashes or hangs, a drawn line stays within the expansion cap, and no link
// ever takes its identifier from a variable's value: converted once with markup-like values and
// once with plain ones, a text gives the same links to act on.
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

// Two chat converters whose variables hold different values; the first's look like markup.
struct CONVERTERS {
    explicit CONVERTERS(VELMORA& velmora) : markup(velmora), plain(velmora) {
        markup.set_variable("player", "<x|RESIGN_GAME>*<y|EE>");
        markup.set_variable("hint", "]<HELP1>[$player|");
        plain.set_variable("player", "p");
        plain.set_variable("hint", "h");
    }
    CHAT_TEXT_UTILITIES markup;
    CHAT_TEXT_UTILITIES plain;
};

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

// The identifiers of the links, in order.
std::vector<std::optional<std::string>>
identifiers(const std::vector<CHESS_GUI_CHAT_SENTENCE>& sentences) {
    std::vector<std::optional<std::string>> found;
    for (const CHESS_GUI_CHAT_SENTENCE& sentence : sentences) {
        for (const CHESS_GUI_CHAT_PHRASE& phrase : sentence.phrases) {
            if (phrase.is_link) {
                found.push_back(phrase.link_data->identifier);
            }
        }
    }
    return found;
}

void check_text(const std::optional<VELMORA_TEXT>& text, const CONVERTERS& chat) {
    if (!text) {
        return;
    }
    for (const std::string& line : text->lines) {
        if (line.size() > VELMORA_DB::max_expanded_line) {
            std::abort();
        }
    }
    if (identifiers(chat.markup.velmora_sentences(*text)) !=
            identifiers(chat.plain.velmora_sentences(*text)) ||
        identifiers(chat.markup.system_sentences(*text)) !=
            identifiers(chat.plain.system_sentences(*text))) {
        std::abort(); // a variable's value became a link
    }
}

void draw_everything(VELMORA_DB& db, const std::set<std::string>& names, const CONVERTERS& chat) {
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
    CONVERTERS chat(velmora);
    if (!velmora.failed()) {
        draw_everything(velmora.db(), names, chat);
        for (int32_t topic = 0; topic <= 26; topic += 13) {
            chat.markup.help(topic);
        }
        chat.markup.hint_after("e2-e4<x|RESIGN_GAME>");
        chat.markup.save("|EE>");
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
