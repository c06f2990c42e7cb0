// The bounded pattern functions: the results of Lua's own for every kind of pattern,
// and a clear error, soon, for a search that would run for ever.
#include "engine/script/bounded_patterns.h"

#include <gtest/gtest.h>
#include <lua.hpp>

#include <memory>
#include <string>
#include <vector>

#include "engine/script/script.h"
#include "tests/support/scenario_time_limit.h"

namespace {

struct StateCloser {
    void operator()(lua_State* state) const { lua_close(state); }
};
using StatePtr = std::unique_ptr<lua_State, StateCloser>;

// A state with the base and string libraries; with `bounded` the string table's
// pattern functions are the bounded ones.
StatePtr StringState(bool bounded)
{
    StatePtr state(luaL_newstate());
    lua_pushcfunction(state.get(), luaopen_base);
    lua_call(state.get(), 0, 0);
    lua_pushcfunction(state.get(), luaopen_string);
    lua_call(state.get(), 0, 0);
    lua_pushcfunction(state.get(), luaopen_table);
    lua_call(state.get(), 0, 0);
    if (bounded) {
        lua_getglobal(state.get(), "string");
        vrk::ReplacePatternFunctions(state.get());
        lua_pop(state.get(), 1);
    }
    return state;
}

// What the expression gives, every result and the error message included, as text.
std::string Outcome(lua_State* state, const std::string& expression)
{
    const std::string chunk =
        "local function show(ok, ...) local parts = {tostring(ok)} "
        "for i = 1, select('#', ...) do parts[#parts + 1] = type((select(i, ...))) .. ':' .. tostring((select(i, ...))) end "
        "return table.concat(parts, ' ') end "
        "return show(pcall(function() return " + expression + " end))";
    if (luaL_loadstring(state, chunk.c_str()) != 0 || lua_pcall(state, 0, 1, 0) != 0) {
        const std::string message = lua_tostring(state, -1);
        lua_pop(state, 1);
        return "harness: " + message;
    }
    const std::string text = lua_tostring(state, -1);
    lua_pop(state, 1);
    return text;
}

// Every kind of item, capture and argument the pattern language has, and its errors.
const std::vector<std::string> kSameAsLua = {
    "string.find('hello world', 'o w')",
    "string.find('hello world', 'o', 6)",
    "string.find('hello world', 'l+')",
    "string.find('hello', 'l', -2)",
    "string.find('hello', 'l', -100)",
    "string.find('hello', '', 10)",
    "string.find('a.b', '.', 1, true)",
    "string.find('a+b', '+', 1, true)",
    "string.find('key = value', '(%w+)%s*=%s*(%w+)')",
    "string.find('hello', '()ll()')",
    "string.match('  trim me  ', '^%s*(.-)%s*$')",
    "string.match('2024-05-06', '(%d+)-(%d+)-(%d+)')",
    "string.match('abc', '^b')",
    "string.match('abc', 'c$')",
    "string.match('a$b', 'a$b')",
    "string.match('f(a(b)c)d', '%b()')",
    "string.match('THE (quick) fox', '%f[%a]%a+')",
    "string.match('abcabc', '(abc)%1')",
    "string.match('xyz', '[^%s]+')",
    "string.match('a-b]c', '[%]%-]')",
    "string.match('az09_', '[a-z]+')",
    "string.match('\\0ab', '%z')",
    "string.match('ab12', '%D+')",
    "string.match('aaa', 'a-')",
    "string.match('aaab', 'a-b')",
    "string.match('color colour', 'colou?r', 3)",
    "string.match('x', '()')",
    "string.match('abc', '(')",
    "string.match('abc', '%')",
    "string.match('abc', '[a')",
    "string.match('abc', '%1')",
    "string.match('abc', ')')",
    "string.match('abc', '%b')",
    "string.match('abc', '%f')",
    "string.gsub('hello world', 'o', '0')",
    "string.gsub('hello world', '(%w+)', '<%1>')",
    "string.gsub('hello world', '%w+', '%0 %0', 1)",
    "string.gsub('abc', '', '-')",
    "string.gsub('abc', '^', '>')",
    "string.gsub('$name is $age', '%$(%w+)', {name = 'Ann', age = 7})",
    "string.gsub('1 2 3', '%d', function(d) return d * 2 end)",
    "string.gsub('1 2 3', '%d', function(d) return nil end)",
    "string.gsub('abc', 'b', '%2')",
    "string.gsub('abc', 'b', true)",
    "string.gsub('abc', 'b', function() return {} end)",
    "string.gsub('a%b', '%%', '%%%%')",
    "(function() local t = {} for k, v in string.gmatch('a=1, b=2', '(%w+)=(%w+)') do t[#t + 1] = k .. v end "
    "return table.concat(t, ';') end)()",
    "(function() local t = {} for w in string.gmatch('one two  three', '%a*') do t[#t + 1] = '[' .. w .. ']' end "
    "return table.concat(t) end)()",
    "(function() local n = 0 for p in string.gmatch('abc', '()') do n = n + p end return n end)()",
    "('method'):find('th')",
    "('x'):rep(3):gsub('x', 'y')",
};

TEST(BoundedPatterns, GiveWhatLuasOwnFunctionsGive)
{
    const StatePtr lua = StringState(false);
    const StatePtr bounded = StringState(true);
    for (const std::string& expression : kSameAsLua) {
        const std::string outcome = Outcome(lua.get(), expression);
        EXPECT_EQ(outcome.rfind("harness", 0), std::string::npos) << outcome;
        EXPECT_EQ(Outcome(bounded.get(), expression), outcome) << expression;
    }
}

// Searches that would backtrack or compare for hours (or, nested deep, run the C
// stack out) end with an error at once, in whatever form a script calls them, and
// the state goes on working.
TEST(BoundedPatterns, SearchesThatWouldRunForEverFailAsTooComplex)
{
    const test::ScenarioTimeLimit limit("pattern searches that never end", test::kHangLimit);
    const StatePtr bounded = StringState(true);
    const std::string kThirtyAs = "string.rep('a', 30)";
    const std::string kBacktracking = "string.rep('a*', 30) .. 'b'";
    const std::vector<std::string> searches = {
        "string.find(" + kThirtyAs + ", " + kBacktracking + ")",
        "(" + kThirtyAs + "):match(" + kBacktracking + ")",
        "string.gsub(" + kThirtyAs + ", " + kBacktracking + ", '')",
        "string.gmatch(" + kThirtyAs + ", " + kBacktracking + ")()",
        // Plain searches compare byte by byte at every place: ten billion compares.
        "string.find(string.rep('a', 1000000), string.rep('a', 10000) .. 'b', 1, true)",
        "string.find(string.rep('a', 100000), '.-b')",
    };
    for (const std::string& search : searches) {
        const std::string outcome = Outcome(bounded.get(), search);
        EXPECT_NE(outcome.find("false string:"), std::string::npos) << search << " -> " << outcome;
        EXPECT_NE(outcome.find("pattern too complex: more than 1000000 matching steps"), std::string::npos)
            << search << " -> " << outcome;
    }
    EXPECT_NE(Outcome(bounded.get(), "string.match(string.rep('a', 300), string.rep('a?', 300))").find("pattern too complex: nested"),
              std::string::npos);
    EXPECT_EQ(Outcome(bounded.get(), "string.find(" + kThirtyAs + ", 'a*$')"), "true number:1 number:30");
}

// The game's state has them, for functions and methods alike.
TEST(BoundedPatterns, AreTheGamesStringFunctions)
{
    const test::ScenarioTimeLimit limit("the game's pattern searches", test::kHangLimit);
    ASSERT_EQ(vrk::CreateScript(), 1);
    EXPECT_EQ(vrk::cScript::RunBuffer("assert(not pcall(string.find, string.rep('a', 30), string.rep('a*', 30) .. 'b'))\n"
                                      "assert(not pcall(('a'):rep(30).match, ('a'):rep(30), ('a*'):rep(30) .. 'b'))"),
              0);
    vrk::DestroyScript();
}

}  // namespace
