#include "app/game_facts.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sstream>

#include "app/json_value.h"
#include "game/cell_positions.h"
#include "game/play_trace.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

using test::JsonValue;

// The words of the line a trace gets for one play frame, as written.
std::vector<std::string> wordsOfATraceLine() {
    testing::ScopedTempDir folder;
    PlayTrace trace;
    EXPECT_TRUE(trace.open("play.trace"));
    trace.beginFrame();
    trace.endFrame(PlayTrace::kNoMenu);
    trace.close();
    std::ifstream in("play.trace");
    std::string line;
    std::getline(in, line);
    std::istringstream words(line);
    return {std::istream_iterator<std::string>(words), {}};
}

size_t distinctNumbers(const JsonValue& byName) {
    std::set<long> numbers;
    for (const auto& [name, value] : byName.members) numbers.insert(value.number);
    return numbers.size();
}

// The tests outside the program (Python, JavaScript) take these facts
// instead of keeping copies, so they must be the game's own: the anchors
// the pieces are drawn at, and a name for each word of a written trace line.
TEST(GameFactsTest, AreJsonWithTheDrawnAnchorsAndANameForEachWordOfATraceLine) {
    std::optional<JsonValue> facts = JsonValue::parse(gameFactsJson());
    ASSERT_TRUE(facts) << gameFactsJson();
    const std::map<std::string, JsonValue>& members = facts->members;

    const std::vector<JsonValue>& anchors = members.at("cellAnchors").items;
    ASSERT_EQ(anchors.size(), std::size(CellPositions));
    for (size_t i = 0; i < anchors.size(); ++i) {
        ASSERT_EQ(anchors[i].items.size(), 2u) << i;
        EXPECT_EQ(anchors[i].items[0].number, CellPositions[i].x) << i;
        EXPECT_EQ(anchors[i].items[1].number, CellPositions[i].y) << i;
    }
    EXPECT_EQ(members.at("columns").number * members.at("rows").number, static_cast<long>(anchors.size()));

    std::set<std::string> names;
    for (const JsonValue& field : members.at("traceFields").items) names.insert(field.text);
    EXPECT_EQ(names.size(), members.at("traceFields").items.size()) << "a name given twice";
    EXPECT_EQ(names.size(), wordsOfATraceLine().size());

    // Readers compare trace words with these numbers by name; no two alike.
    for (const char* table : {"phases", "cellStates"})
        EXPECT_EQ(distinctNumbers(members.at(table)), members.at(table).members.size()) << table;
}

}  // namespace
}  // namespace vantor
